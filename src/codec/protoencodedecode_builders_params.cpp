// Requests that set controller parameters: tool, start-up, safety, firmware, offsets.
#include "codec/codecsupport.h"
#include "codec/protoencodedecode.h"
#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"

using namespace codec_detail;
namespace comm = zarn::robot::communication;
namespace common = zarn::robot::common;
using namespace zarn_robot_namespace;

bool ProtoEncodeDecode::getRequest_tcpParam(char** out, int* outLen, const RobotTcpParam& param)
{
    comm::RobotTcpParam message;
    robotTcpParamTypeConversion(param, message);
    return buildPayload(message, out, outLen, Channel::StdOut, "getRequest_tcpParam Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_setToolDynamicsParam(char** out, int* outLen, const ToolDynamicsParam& param)
{
    common::ToolParam message;
    toolParamTypeConversion(param, message);
    // The message doubles as a response; its required result goes out empty.
    ProtoRobotCommonResponseInit(message.mutable_errorinfo(), 0, "");
    return buildPayload(message, out, outLen, Channel::Sink, "getRequest_setToolDynamicsParam Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_setToolKinematicsParam(char** out, int* outLen, const ToolInEndDesc& tool)
{
    common::ToolKinematicsParam message;
    common::Pos* pos = message.mutable_toolposition();
    pos->set_x(tool.toolInEndPosition.x);
    pos->set_y(tool.toolInEndPosition.y);
    pos->set_z(tool.toolInEndPosition.z);
    common::Ori* ori = message.mutable_toolori();
    ori->set_w(tool.toolInEndOrientation.w);
    ori->set_x(tool.toolInEndOrientation.x);
    ori->set_y(tool.toolInEndOrientation.y);
    ori->set_z(tool.toolInEndOrientation.z);
    return buildPayload(message, out, outLen, Channel::Sink, "getRequest_setToolKinematicsParam Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_robotStartup(char** out, int* outLen, const RobotTcpParam& tcp,
                                                unsigned char collisionClass, bool readPose,
                                                bool staticCollisionDetect, int maxAcc)
{
    comm::ProtoCommunicationRobotStartupProfile message;
    robotTcpParamTypeConversion(tcp, *message.mutable_tcpparam());
    message.set_readpose(readPose);
    message.set_staticcollisiondetect(staticCollisionDetect);
    message.set_collisionclass(collisionClass);
    message.set_maxacc(maxAcc);
    return buildPayload(message, out, outLen, Channel::StdOut, "getRequest_robotStartup Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_setSafetyConfig(char** out, int* outLen, const RobotSafetyConfig& config)
{
    common::ProtoResponseRobotSafetyConfig message;
    RobotSafetyConfigTypeConversion(config, *message.add_safetyconfig());
    ProtoRobotCommonResponseInit(message.mutable_errorinfo(), 0, "");
    return buildPayload(message, out, outLen, Channel::Sink, "getRequest_setSafetyConfig Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_safeIoParamAbout(char** out, int* outLen, const std::vector<int>& params)
{
    comm::protoSafeCommunicationParam message;
    message.set_paramreserved(0);
    for (int v : params) message.add_param(static_cast<uint32_t>(v));
    return buildPayload(message, out, outLen, Channel::Sink, "getRequest_safeIoParamAbout Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_firmwareUpgrade(char** out, int* outLen, int command, const void* content,
                                                   int size)
{
    static const char* const failLine = "getRequest_firmwareUpgrade Serialize fail.";
    if (size < 0 || (content == nullptr && size > 0)) return refuseBuild(out, outLen, Channel::StdOut, failLine);
    comm::ProtoCommunicationRobotBoardFirmware message;
    message.set_command(command);
    message.set_firmwarecontent(size > 0 ? static_cast<const char*>(content) : "", static_cast<size_t>(size));
    message.set_firmwarecontentsize(size);
    return buildPayload(message, out, outLen, Channel::StdOut, failLine);
}

bool ProtoEncodeDecode::getRequest_robotRobotJointOffsetData(char** out, int* outLen, const RobotJointOffset& offset)
{
    common::RobotJointOffset message;
    message.set_joint1(offset.joint1);
    message.set_joint2(offset.joint2);
    message.set_joint3(offset.joint3);
    message.set_joint4(offset.joint4);
    message.set_joint5(offset.joint5);
    message.set_joint6(offset.joint6);
    return buildPayload(message, out, outLen, Channel::Sink, "getRequest_robotRobotJointOffsetData Serialize fail.");
}
