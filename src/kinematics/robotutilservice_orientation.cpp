// Orientation arithmetic of RobotUtilService on the public records.
#include <cmath>

#include "kinematics/robotutilservice.h"
#include "kinematics/rotmath.h"

namespace zr = zarn_robot_namespace;

int RobotUtilService::endOrientation2ToolOrientation(Ori& toolInEnd, const Ori& endOri, Ori& toolOri)
{
    Ikfunc::endOrientation2ToolOrientation(toolInEnd, endOri, toolOri);
    return zr::ErrCode_Success;
}

int RobotUtilService::toolOrientation2EndOrientation(Ori& toolInEnd, const Ori& toolOri, Ori& endOri)
{
    Ikfunc::toolOrientation2EndOrientation(toolInEnd, toolOri, endOri);
    return zr::ErrCode_Success;
}

int RobotUtilService::endPosition2BasePosition(const zr::wayPoint_S& wp, const Pos& point, Pos& out, Ori frameOri)
{
    double R[9];
    Ikfunc::QuaternionToOriMatrix(rotmath::quatMul(wp.orientation, frameOri), R);
    const double p[3] = {point.x, point.y, point.z};
    double offset[3];
    rotmath::apply(R, p, offset);
    out = Pos{wp.cartPos.x + offset[0], wp.cartPos.y + offset[1], wp.cartPos.z + offset[2]};
    return zr::ErrCode_Success;
}

int RobotUtilService::quaternionToRPY(const Ori& q, zr::Rpy& rpy)
{
    float degrees[3];
    Ikfunc::quaternionToRPY(q, degrees);
    rpy.rx = static_cast<double>(degrees[0]) / 180.0 * M_PI;
    rpy.ry = static_cast<double>(degrees[1]) / 180.0 * M_PI;
    rpy.rz = static_cast<double>(degrees[2]) / 180.0 * M_PI;
    return zr::ErrCode_Success;
}

int RobotUtilService::RPYToQuaternion(const zr::Rpy& rpy, Ori& q)
{
    float angles[3] = {static_cast<float>(rpy.rx), static_cast<float>(rpy.ry), static_cast<float>(rpy.rz)};
    Ikfunc::RPYToQuaternion(q, angles);
    return zr::ErrCode_Success;
}

int RobotUtilService::oriMatrixToQuaternion(double* rotation, Ori& q)
{
    if (rotation == nullptr) return zr::ErrCode_ParamError;
    Ori result = q;
    if (!Ikfunc::OriMatrixToQuaternion(rotation, result)) return zr::ErrCode_Failed;
    q = result;
    return zr::ErrCode_Success;
}

void RobotUtilService::initOrientation(Ori& q) { q = Ori{1.0, 0.0, 0.0, 0.0}; }

bool RobotUtilService::isNoneTool(const zr::ToolInEndDesc& tool)
{
    const double values[7] = {tool.toolInEndPosition.x,    tool.toolInEndPosition.y,    tool.toolInEndPosition.z,
                              tool.toolInEndOrientation.w, tool.toolInEndOrientation.x, tool.toolInEndOrientation.y,
                              tool.toolInEndOrientation.z};
    const double none[7] = {0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0};
    for (int i = 0; i < 7; ++i) {
        if (!(std::fabs(values[i] - none[i]) < 1e-5)) return false;
    }
    return true;
}
