// Teach move with a joint-angle frame: the frame's postures travel as flange
// waypoints computed locally.
#include "codec/codecsupport.h"
#include "codec/protoencodedecode.h"
#include "kinematics/robotutilservice.h"
#include "robotcommon.pb.h"

using namespace codec_detail;
namespace common = zarn::robot::common;

bool ProtoEncodeDecode::getRequest_robotTeachMove(char** out, int* outLen, const RobotMoveProfile& profile,
                                                  const zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& frame)
{
    static const char* const failLine = "getRequest_robotTeachMove Serialize fail.";
    if (!moveProfileEncodable(profile)) return refuseBuild(out, outLen, Channel::StdOut, failLine);

    common::RobotTeachMove message;
    ZarnRobotMoveProfileType2ProtoType(profile, *message.mutable_move_profile());
    message.set_coordinatesystemtype(frame.coordType);
    message.add_calibratemathod(frame.methods);
    for (const zarn_robot_namespace::JointParam& posture : frame.jointAngleArray) {
        // A failed kinematics call leaves a zero pose; the request still goes out.
        zarn_robot_namespace::wayPoint_S waypoint{};
        for (int i = 0; i < 6; ++i) waypoint.jointpos[i] = posture.jointPos[i];
        RobotUtilService::robotFk(posture.jointPos, 6, waypoint);
        roadPointTypeConversion(waypoint, *message.add_calibrateroadpointvector());
    }
    common::ProtoToolInEndDesc* tool = message.add_toolinenddesc();
    const zarn_robot_namespace::ToolInEndDesc& desc = frame.toolDesc;
    common::Pos* pos = tool->mutable_toolinendposition();
    pos->set_x(desc.toolInEndPosition.x);
    pos->set_y(desc.toolInEndPosition.y);
    pos->set_z(desc.toolInEndPosition.z);
    common::Ori* ori = tool->mutable_toolinendorientation();
    ori->set_w(desc.toolInEndOrientation.w);
    ori->set_x(desc.toolInEndOrientation.x);
    ori->set_y(desc.toolInEndOrientation.y);
    ori->set_z(desc.toolInEndOrientation.z);
    return buildPayload(message, out, outLen, Channel::StdOut, failLine);
}
