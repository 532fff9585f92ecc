// Relative offsets of a move, given in the axes of a frame, turned into base terms.
#include "kinematics/framepose.h"
#include "kinematics/robotutilservice.h"
#include "kinematics/rotmath.h"

namespace zr = zarn_robot_namespace;

namespace {

const int kDone = 1;
const int kFailed = 0;

// User frame: the offset transform moved into base coordinates.
int userFrameOffset(const zr::CoordCalibrateByJointAngleAndTool& frame, const double* Rr, const Pos& relPos,
                    Pos& outPos, Ori& outOri)
{
    Pose_S three[3];
    double toolPoint[3] = {frame.toolDesc.toolInEndPosition.x, frame.toolDesc.toolInEndPosition.y,
                           frame.toolDesc.toolInEndPosition.z};
    for (int i = 0; i < 3; ++i) {
        zr::wayPoint_S flange{};
        if (RobotUtilService::robotFk(frame.jointAngleArray[i].jointPos, 6, flange) != zr::ErrCode_Success) {
            return kFailed;
        }
        // Only the tool position counts: the frame needs points, not orientations.
        three[i] = framepose::pose(flange.cartPos, flange.orientation);
        Ikfunc::endPosition2ToolPosition(three[i], toolPoint, nullptr);
    }
    double tbu[3], Rbu[9], origin[3];
    if (!Ikfunc::userCoordinateCalib(three, framepose::userFrameMethod(frame.methods), tbu, Rbu, origin)) {
        return kFailed;
    }

    const double rel[3] = {relPos.x, relPos.y, relPos.z};
    Pose_S moved;
    if (!Ikfunc::hMatrixMultiply(Rr, rel, Rbu, tbu, &moved, nullptr)) return kFailed;
    double R1[9];
    Ikfunc::QuaternionToOriMatrix(moved.orientation, R1);
    double Rub[9];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) Rub[i * 3 + j] = Rbu[j * 3 + i];
    const double p1[3] = {moved.position.x, moved.position.y, moved.position.z};
    Pose_S result;
    if (!Ikfunc::hMatrixMultiply(Rub, origin, R1, p1, &result, nullptr)) return kFailed;
    outPos = framepose::position(result);
    outOri = result.orientation;
    return kDone;
}

// Offset about the frame formed by the flange and the frame's tool.
int flangeFrameOffset(const zr::wayPoint_S& wp, const zr::ToolInEndDesc& frameTool, const double* Rr,
                      const Pos& relPos, Pos& outPos, Ori& outOri)
{
    const Pose_S F = framepose::toolPose(wp.cartPos, wp.orientation, frameTool);
    double RF[9], M[9];
    Ikfunc::QuaternionToOriMatrix(F.orientation, RF);
    rotmath::mul(RF, Rr, M);
    rotmath::mulTB(M, RF, M);  // RF Rr RF^T
    Ori orientation;
    if (!Ikfunc::OriMatrixToQuaternion(M, orientation)) return kFailed;
    const double pF[3] = {F.position.x, F.position.y, F.position.z};
    const double rel[3] = {relPos.x, relPos.y, relPos.z};
    double shift[3], turned[3];
    rotmath::apply(RF, rel, shift);
    rotmath::apply(M, pF, turned);
    outPos = Pos{pF[0] + shift[0] - turned[0], pF[1] + shift[1] - turned[1], pF[2] + shift[2] - turned[2]};
    outOri = orientation;
    return kDone;
}

// A tool on a bare flange frame: the absolute flange target that moves the
// tool point by the offset. The w + 6 marks the target for the move profile.
int absoluteFlangeTarget(const zr::wayPoint_S& wp, const zr::ToolInEndDesc& tool, const Ori& relOri,
                         const Pos& relPos, Pos& outPos, Ori& outOri)
{
    const Ori target = rotmath::quatMul(wp.orientation, relOri);
    double Rf[9], Rt[9];
    Ikfunc::QuaternionToOriMatrix(wp.orientation, Rf);
    Ikfunc::QuaternionToOriMatrix(target, Rt);
    const double t[3] = {tool.toolInEndPosition.x, tool.toolInEndPosition.y, tool.toolInEndPosition.z};
    const double rel[3] = {relPos.x, relPos.y, relPos.z};
    double toolOffset[3], shift[3], newToolOffset[3];
    rotmath::apply(Rf, t, toolOffset);
    rotmath::apply(Rf, rel, shift);
    rotmath::apply(Rt, t, newToolOffset);
    outPos = Pos{wp.cartPos.x + toolOffset[0] + shift[0] - newToolOffset[0],
                 wp.cartPos.y + toolOffset[1] + shift[1] - newToolOffset[1],
                 wp.cartPos.z + toolOffset[2] + shift[2] - newToolOffset[2]};
    outOri = target;
    outOri.w += 6.0;
    return kDone;
}

}  // namespace

int RobotUtilService::relativeMoveAndRot(zr::wayPoint_S& wp, const zr::CoordCalibrateByJointAngleAndTool& frame,
                                         zr::ToolInEndDesc tool, const Pos& relPos, const Ori& relOri, Pos& outPos,
                                         Ori& outOri)
{
    if (frame.coordType == 0) {
        outPos = relPos;
        outOri = relOri;
        return kDone;
    }
    // A zero rotation offset has no matrix; the result would be NaN.
    if (!framepose::usableQuaternion(relOri)) return kFailed;
    double Rr[9];
    Ikfunc::QuaternionToOriMatrix(relOri, Rr);

    if (frame.coordType == 2) return userFrameOffset(frame, Rr, relPos, outPos, outOri);
    if (!isNoneTool(frame.toolDesc) || isNoneTool(tool)) {
        return flangeFrameOffset(wp, frame.toolDesc, Rr, relPos, outPos, outOri);
    }
    return absoluteFlangeTarget(wp, tool, relOri, relPos, outPos, outOri);
}
