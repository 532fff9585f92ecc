// Readers of events, joint angles and status, waypoints and diagnosis.
#include <algorithm>

#include "codec/codecsupport.h"
#include "codec/protoencodedecode.h"
#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"

using namespace codec_detail;
namespace comm = zarn::robot::communication;
namespace common = zarn::robot::common;
using namespace zarn_robot_namespace;

bool ProtoEncodeDecode::resolveResponse_robotEvent(const char* data, int len, RobotEventInfo& event)
{
    comm::ProtoCommunicationRobotEvent message;
    if (!parseOrReport(message, data, len, "ERROR:resolveResponse_robotEvent Parse fail.")) return false;
    robotEventTypeConversion(message, event);
    return true;
}

bool ProtoEncodeDecode::resolveResponse_jointAngle(const char* data, int len, JointParam& joints, int& errorCode)
{
    common::ProtoJointAngleResponse message;
    if (!parseOrReport(message, data, len, "resolveResponse_jointAngle Parse fail.")) return false;
    const common::ProtoJointAngle& a = message.jointangle();
    const double values[6] = {a.joint1(), a.joint2(), a.joint3(), a.joint4(), a.joint5(), a.joint6()};
    std::copy(values, values + 6, joints.jointPos);
    return firstErrorCode(message.errorinfo(), errorCode);
}

bool ProtoEncodeDecode::resolveResponse_waypoint(const char* data, int len, wayPoint_S& waypoint, int& errorCode)
{
    common::ProtoRoadPointResponse message;
    if (!parseOrReport(message, data, len, "resolveResponse_waypoint Parse fail.")) return false;
    roadPointTypeConversion(message.waypoint(), waypoint);
    return firstErrorCode(message.errorinfo(), errorCode);
}

bool ProtoEncodeDecode::resolveResponse_jointStatus(const char* data, int len, JointStatus* statuses, int capacity,
                                                    int& errorCode)
{
    if (capacity < 0 || (statuses == nullptr && capacity > 0)) return false;
    common::ProtoRobotAllJointStatusResponse message;
    if (!parseOrReport(message, data, len, "resolveResponse_jointStatus Parse fail.")) return false;
    const int count = std::min(message.jointstatus_size(), capacity);
    for (int i = 0; i < count; ++i) jointStatusTypeConversion(message.jointstatus(i), statuses[i]);
    firstErrorCode(message.errorinfo(), errorCode);
    return true;
}

bool ProtoEncodeDecode::resolveResponse_robotDiagnosis(const char* data, int len, RobotDiagnosis& diagnosis)
{
    comm::RobotDiagnosis message;
    if (!parseOrReport(message, data, len, "resolveResponse_robotDiagnosis Parse fail.")) return false;
    return robotDiagnosisTypeConversionToStruct(message, diagnosis);
}

bool ProtoEncodeDecode::resolveResponse_robotDiagnosisInfo(const char* data, int len, RobotDiagnosis& diagnosis,
                                                           int& errorCode)
{
    comm::ProtoCommunicationRobotDiagnosisInfo message;
    if (!parseOrReport(message, data, len, "resolveResponse_robotDiagnosisInfo Parse fail.")) return false;
    if (message.robotdiagnosis_size() > 0) robotDiagnosisTypeConversionToStruct(message.robotdiagnosis(0), diagnosis);
    errorCode = 0;
    firstErrorCode(message.errorinfo(), errorCode);
    return true;
}
