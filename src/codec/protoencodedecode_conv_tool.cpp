// Conversions of tool parameters and force/torque sensor records.
#include <algorithm>

#include "codec/protoencodedecode.h"
#include "robotcommon.pb.h"
#include "sensor.pb.h"

namespace common = zarn::robot::common;
using namespace zarn_robot_namespace;

/* ---- tool parameters ---- */

bool ProtoEncodeDecode::toolParamTypeConversion(const ToolDynamicsParam& param, common::ToolParam& message)
{
    message.clear_tooldynamicsparam();
    message.clear_toolkinematicsparam();
    message.clear_errorinfo();
    common::ToolDynamicsParam* dyn = message.add_tooldynamicsparam();
    dyn->set_positionx(param.positionX);
    dyn->set_positiony(param.positionY);
    dyn->set_positionz(param.positionZ);
    dyn->set_payload(param.payload);
    common::ToolInertia* inertia = dyn->mutable_toolinertia();
    inertia->set_xx(param.toolInertia.xx);
    inertia->set_xy(param.toolInertia.xy);
    inertia->set_xz(param.toolInertia.xz);
    inertia->set_yy(param.toolInertia.yy);
    inertia->set_yz(param.toolInertia.yz);
    inertia->set_zz(param.toolInertia.zz);
    return true;
}

bool ProtoEncodeDecode::toolParamTypeConversion(const common::ToolParam& message, ToolDynamicsParam& param)
{
    if (message.tooldynamicsparam_size() == 0) return false;
    const common::ToolDynamicsParam& dyn = message.tooldynamicsparam(0);
    const common::ToolInertia& inertia = dyn.toolinertia();
    param.positionX = dyn.positionx();
    param.positionY = dyn.positiony();
    param.positionZ = dyn.positionz();
    param.payload = dyn.payload();
    param.toolInertia = ToolInertia{inertia.xx(), inertia.xy(), inertia.xz(), inertia.yy(), inertia.yz(), inertia.zz()};
    return true;
}

bool ProtoEncodeDecode::toolParamTypeConversion(const ToolInEndDesc& tool, common::ToolParam& message)
{
    common::ToolKinematicsParam* kin = message.add_toolkinematicsparam();
    common::Pos* pos = kin->mutable_toolposition();
    pos->set_x(tool.toolInEndPosition.x);
    pos->set_y(tool.toolInEndPosition.y);
    pos->set_z(tool.toolInEndPosition.z);
    common::Ori* ori = kin->mutable_toolori();
    ori->set_w(tool.toolInEndOrientation.w);
    ori->set_x(tool.toolInEndOrientation.x);
    ori->set_y(tool.toolInEndOrientation.y);
    ori->set_z(tool.toolInEndOrientation.z);
    return true;
}

bool ProtoEncodeDecode::toolParamTypeConversion(const common::ToolParam& message, ToolInEndDesc& tool)
{
    if (message.toolkinematicsparam_size() == 0) return false;
    const common::ToolKinematicsParam& kin = message.toolkinematicsparam(0);
    tool.toolInEndPosition = Pos{kin.toolposition().x(), kin.toolposition().y(), kin.toolposition().z()};
    tool.toolInEndOrientation = Ori{kin.toolori().w(), kin.toolori().x(), kin.toolori().y(), kin.toolori().z()};
    return true;
}

/* ---- force/torque sensor ---- */

namespace {

// Copies the first n values of a list into a zeroed array; true when all n were there.
template <class List, size_t N>
bool copyFixed(const List& list, double (&target)[N])
{
    const int count = std::min(list.size(), static_cast<int>(N));
    for (int i = 0; i < static_cast<int>(N); ++i) target[i] = i < count ? list.Get(i) : 0.0;
    return count == static_cast<int>(N);
}

}  // namespace

bool ProtoEncodeDecode::WrenchToProtoWrench(const WrenchParam& wrench, peripheral::ProtoWrench& message)
{
    for (int i = 0; i < 3; ++i) {
        message.add_force(wrench.force[i]);
        message.add_torque(wrench.torque[i]);
    }
    return true;
}

bool ProtoEncodeDecode::ProtoWrenchToWrench(const peripheral::ProtoWrench& message, WrenchParam& wrench)
{
    const bool forces = copyFixed(message.force(), wrench.force);
    const bool torques = copyFixed(message.torque(), wrench.torque);
    return forces && torques;
}

bool ProtoEncodeDecode::FtSensorCalResultToProtoType(const FtSensorCalResult& result,
                                                     peripheral::ProtoFtSensorCalibResult& message)
{
    WrenchToProtoWrench(result.wrench, *message.mutable_wrench());
    message.set_mass(result.mass);
    for (double v : result.centroid) message.add_centroid(v);
    for (double v : result.angle) message.add_angle(v);
    return true;
}

bool ProtoEncodeDecode::ProtoFtSensorCalResultToRobotType(const peripheral::ProtoFtSensorCalibResult& message,
                                                          FtSensorCalResult& result)
{
    const bool wrench = ProtoWrenchToWrench(message.wrench(), result.wrench);
    result.mass = message.mass();
    const bool centroid = copyFixed(message.centroid(), result.centroid);
    const bool angle = copyFixed(message.angle(), result.angle);
    return wrench && centroid && angle;
}

bool ProtoEncodeDecode::FtSensorCalibParamToProtoType(const JointParam* postures, const WrenchParam* wrenches,
                                                      peripheral::ProtoFtSensorCalibParam& message)
{
    if (postures == nullptr || wrenches == nullptr) return false;
    for (int i = 0; i < 3; ++i) {
        const double* q = postures[i].jointPos;
        common::ProtoJointAngle* angle = message.add_jointangle();
        angle->set_joint1(q[0]);
        angle->set_joint2(q[1]);
        angle->set_joint3(q[2]);
        angle->set_joint4(q[3]);
        angle->set_joint5(q[4]);
        angle->set_joint6(q[5]);
    }
    for (int i = 0; i < 3; ++i) WrenchToProtoWrench(wrenches[i], *message.add_wrenchlist());
    return true;
}
