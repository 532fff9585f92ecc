// Conversions between the base, flange, tool and user frames.
#include "interface/robotlogprint.h"
#include "kinematics/framepose.h"
#include "kinematics/robotutilservice.h"
#include "kinematics/rotmath.h"

namespace zr = zarn_robot_namespace;

int RobotUtilService::CoordCalibrateTypeConvert(const zr::CoordCalibrateByJointAngleAndTool& frame,
                                                CoordCalibrateByToolEndPoint& out)
{
    out.coordType = frame.coordType;
    out.methods = frame.methods;
    if (frame.coordType == 0) return zr::ErrCode_Success;
    for (int i = 0; i < 3; ++i) {
        zr::wayPoint_S flange{};
        int rc = robotFk(frame.jointAngleArray[i].jointPos, 6, flange);
        if (rc != zr::ErrCode_Success) {
            ZARN_LOG(3, "sdk log: CoordCalibrateTypeConvert Fk failed.");
            return rc;
        }
        rc = base2BaseAdditionalTool(flange, frame.toolDesc, out.toolEndPoints[i]);
        if (rc != zr::ErrCode_Success) {
            ZARN_LOG(3, "sdk log: CoordCalibrateTypeConvert baseToUserCoordinate error.");
            return rc;
        }
    }
    return zr::ErrCode_Success;
}

int RobotUtilService::base2BaseAdditionalTool(const zr::wayPoint_S& flange, const zr::ToolInEndDesc& tool,
                                              zr::wayPoint_S& out)
{
    const Pose_S toolPose = framepose::toolPose(flange.cartPos, flange.orientation, tool);
    out = flange;
    out.cartPos = framepose::position(toolPose);
    out.orientation = toolPose.orientation;
    return zr::ErrCode_Success;
}

int RobotUtilService::base2UserCoordinate(const Pos& flangePos, const Ori& flangeOri,
                                          const zr::CoordCalibrateByJointAngleAndTool& frame,
                                          const zr::ToolInEndDesc& tool, Pos& userPos, Ori& userOri)
{
    if (frame.coordType == 1) {
        if (isNoneTool(frame.toolDesc)) {
            userPos = tool.toolInEndPosition;
            userOri = tool.toolInEndOrientation;
        } else {
            userPos = Pos{0.0, 0.0, 0.0};
            userOri = Ori{1.0, 0.0, 0.0, 0.0};
        }
        return zr::ErrCode_Success;
    }

    CoordCalibrateByToolEndPoint points;
    const int rc = CoordCalibrateTypeConvert(frame, points);
    if (rc != zr::ErrCode_Success) return rc;
    // A zero flange quaternion has no rotation matrix: NaN instead of a pose.
    if (!framepose::usableQuaternion(flangeOri)) return zr::ErrCode_BaseToUserCoordinateError;

    const Pose_S toolPose = framepose::toolPose(flangePos, flangeOri, tool);
    if (frame.coordType == 0) {
        userPos = framepose::position(toolPose);
        userOri = toolPose.orientation;
        return zr::ErrCode_Success;
    }

    Pose_S three[3];
    framepose::framePoses(points, three);
    Pose_S user;
    if (!Ikfunc::coordinateTransform(three, framepose::userFrameMethod(frame.methods), toolPose, user)) {
        return zr::ErrCode_BaseToUserCoordinateError;
    }
    userPos = framepose::position(user);
    userOri = user.orientation;
    return zr::ErrCode_Success;
}

int RobotUtilService::user2BaseCoordinate(const Pos& userPos, const Ori& userOri,
                                          const zr::CoordCalibrateByJointAngleAndTool& frame,
                                          const zr::ToolInEndDesc& tool, Pos& flangePos, Ori& flangeOri)
{
    if (frame.coordType == 1) {
        ZARN_LOG(3, "sdk log: user2BaseCoordinate() Does not support end coordinate systems.");
        return zr::ErrCode_ParamError;
    }
    CoordCalibrateByToolEndPoint points;
    const int rc = CoordCalibrateTypeConvert(frame, points);
    if (rc != zr::ErrCode_Success) return rc;
    if ((frame.coordType != 0 && frame.coordType != 2) || !framepose::usableQuaternion(userOri)) {
        return zr::ErrCode_UserToBaseCoordinateError;
    }

    const double norm = std::sqrt(userOri.w * userOri.w + userOri.x * userOri.x + userOri.y * userOri.y +
                                  userOri.z * userOri.z);
    const Ori unit{userOri.w / norm, userOri.x / norm, userOri.y / norm, userOri.z / norm};
    Pose_S toolPose = framepose::pose(userPos, unit);
    if (frame.coordType == 2) {
        Pose_S three[3];
        framepose::framePoses(points, three);
        Pose_S base;
        if (!Ikfunc::robotCoordConvert(toolPose, three, framepose::userFrameMethod(frame.methods), base)) {
            return zr::ErrCode_UserToBaseCoordinateError;
        }
        toolPose = base;
    }

    Ori flange;
    Ikfunc::toolOrientation2EndOrientation(tool.toolInEndOrientation, toolPose.orientation, flange);
    Pose_S flangeFrame{toolPose.position, flange};
    double t[3] = {tool.toolInEndPosition.x, tool.toolInEndPosition.y, tool.toolInEndPosition.z};
    cartesianPos_U position;
    Ikfunc::toolPosition2EndPosition(flangeFrame, position, t);
    flangePos = Pos{position.x, position.y, position.z};
    flangeOri = flange;
    return zr::ErrCode_Success;
}

int RobotUtilService::userCoordPoint2BasePoint(const Pos& userPoint, const zr::CoordCalibrateByJointAngleAndTool& frame,
                                               Pos& basePoint)
{
    if (frame.coordType == 0) {
        basePoint = userPoint;
        return zr::ErrCode_Success;
    }
    if (frame.coordType != 2) {
        ZARN_LOG(3, "sdk log:Does not support end coordinate systems.");
        return zr::ErrCode_ParamError;
    }
    zr::ToolInEndDesc none;
    initToolInEndDescDataType(none);
    const Ori identity{1.0, 0.0, 0.0, 0.0};
    Pos flangePos;
    Ori flangeOri;
    const int rc = user2BaseCoordinate(userPoint, identity, frame, none, flangePos, flangeOri);
    if (rc != zr::ErrCode_Success) {
        ZARN_LOG(3, "sdk log: userCoordPoint2BasePoint call userToBaseCoordinate failed.");
        return rc;
    }
    basePoint = flangePos;
    return zr::ErrCode_Success;
}

int RobotUtilService::offsetVectorUserCoord2Base(const double* userVector,
                                                 const zr::CoordCalibrateByJointAngleAndTool& frame,
                                                 double* baseVector)
{
    if (userVector == nullptr || baseVector == nullptr) return zr::ErrCode_ParamError;
    if (frame.coordType == 0) {
        for (int i = 0; i < 3; ++i) baseVector[i] = userVector[i];
        return zr::ErrCode_Success;
    }
    if (frame.coordType != 2) return zr::ErrCode_ParamError;

    Pos tip;
    int rc = userCoordPoint2BasePoint(Pos{userVector[0], userVector[1], userVector[2]}, frame, tip);
    if (rc != zr::ErrCode_Success) {
        ZARN_LOG(3, "sdk log: offsetVectorUserCoord2Base call userToBaseCoordinate failed.");
        return rc;
    }
    Pos tail;
    rc = userCoordPoint2BasePoint(Pos{0.0, 0.0, 0.0}, frame, tail);
    if (rc != zr::ErrCode_Success) return rc;
    baseVector[0] = tip.x - tail.x;
    baseVector[1] = tip.y - tail.y;
    baseVector[2] = tip.z - tail.z;
    return zr::ErrCode_Success;
}
