#include "codec/protoencodedecode.h"
#include "communication/robotcontrolservices.h"
#include "communication/servicepattern.h"
#include "interface/robotlogprint.h"

using namespace zarn_robot_namespace;

namespace {
typedef CommunicationMateType CMT;
}  // namespace

int RobotControlServices::robotControlService(RobotControlCommand command)
{
    return buildAndSendForResult(*this, CMT::CommunicationType_RobotControl,
                                 "sdk log: Make RobotCmd_robotControl protobuf content failed.",
                                 [command](char** out, int* len) {
                                     return ProtoEncodeDecode::getRequest_robotControl(out, len, command);
                                 });
}

int RobotControlServices::armPowerControlService(bool on)
{
    return buildAndSendForResult(*this, CMT::CommunicationType_SetRobotPowerStatus,
                                 "sdk log: Make armPowerControl request failed.", [on](char** out, int* len) {
                                     return ProtoEncodeDecode::getRequest_setRobotPowerStatus(out, len, on);
                                 });
}

int RobotControlServices::rootReleaseBrake()
{
    return requestServiceOnlyCheckSendResultMode(CMT::CommunicationType_SetRobotReleaseBrake, nullptr, 0);
}

int RobotControlServices::collisionRecover()
{
    ZARN_LOG(0, "sdk log:user call collisionRecover");
    return requestServiceOnlyCheckSendResultMode(CMT::CommunicationType_CollisionRecover, nullptr, 0);
}

int RobotControlServices::setRobotWorkModeService(RobotWorkMode mode)
{
    return buildAndSendForResult(*this, CMT::CommunicationType_SetRobotMode,
                                 "sdk log: Make RobotCmd_setRobotMode protobuf content failed.",
                                 [mode](char** out, int* len) {
                                     return ProtoEncodeDecode::getRequest_setRobotWorkMode(out, len, mode);
                                 });
}

int RobotControlServices::getRobotWorkModeService(RobotWorkMode& mode)
{
    return requestAndReadResponse(
        CMT::CommunicationType_GetRobotMode, nullptr, 0,
        [&mode](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_robotWorkMode(data, len, mode, code);
        },
        "sdk log: Resolve robotWorkMode response failed.", ErrCode_ResolveResponseFailed);
}

int RobotControlServices::getRobotCurrentStateService(RobotState& state)
{
    return requestAndReadResponse(
        CMT::CommunicationType_GetRobotCurrentState, nullptr, 0,
        [&state](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_robotState(data, len, state, code);
        },
        "sdk log: Resolve RobotCurrentState response failed.", ErrCode_CreateRequestFailed);
}

int RobotControlServices::getRobotDiagnosisInfo(RobotDiagnosis& diagnosis)
{
    return requestAndReadResponse(
        CMT::CommunicationType_GetRobotDiagnosis, nullptr, 0,
        [&diagnosis](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_robotDiagnosisInfo(data, len, diagnosis, code);
        },
        "sdk log: Resolve DiagnosisInfo response failed.", ErrCode_CreateRequestFailed);
}

int RobotControlServices::getIsRealRobotExist(bool& exist)
{
    return requestAndReadResponse(
        CMT::CommunicationType_GetIsRealRobotExist, nullptr, 0,
        [&exist](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_isRealRobotExist(data, len, exist, code);
        },
        "sdk log: Resolve isRobotExist response failed.", ErrCode_CreateRequestFailed);
}

int RobotControlServices::getRobotDevInfoService(RobotDevInfo& info)
{
    return requestAndReadResponse(
        CMT::CommunicationType_GetDeviceInfo, nullptr, 0,
        [&info](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_devInfo(data, len, info, code);
        },
        "sdk log: Resolve devInfo response failed.", ErrCode_ResolveResponseFailed);
}

int RobotControlServices::getRobotGravityComponent(RobotGravityComponent& gravity)
{
    return requestAndReadResponse(
        CMT::CommunicationType_GetRobotGravityComponent, nullptr, 0,
        [&gravity](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_gravityComponent(data, len, gravity, code);
        },
        "sdk log: Resolve gravityComponent response failed.", ErrCode_ResolveResponseFailed);
}

int RobotControlServices::getRobotJointStatus(JointStatus* statuses, int count)
{
    if (statuses == nullptr || count <= 0) return ErrCode_ParamError;
    return requestAndReadResponse(
        CMT::CommunicationType_GetRobotJointStatus, nullptr, 0,
        [statuses, count](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_jointStatus(data, len, statuses, count, code);
        },
        "sdk log: Resolve jointStatus response failed.", ErrCode_ResolveResponseFailed);
}

int RobotControlServices::getCurrentJointAngle(JointParam& joints)
{
    return requestAndReadResponse(
        CMT::CommunicationType_GetRobotJointAngle, nullptr, 0,
        [&joints](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_jointAngle(data, len, joints, code);
        },
        "sdk log: Resolve jointAngle response failed.", ErrCode_CreateRequestFailed);
}

int RobotControlServices::getJointAngleFromController(JointParam& joints)
{
    return requestAndReadResponse(
        CMT::CommunicationType_getJointAngleFromController, nullptr, 0,
        [&joints](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_jointAngle(data, len, joints, code);
        },
        "sdk log: Resolve jointAngle response failed.", ErrCode_CreateRequestFailed);
}

int RobotControlServices::getCorrectedWaypoint(const wayPoint_S& in, wayPoint_S& out)
{
    char* payload = nullptr;
    int length = 0;
    if (!ProtoEncodeDecode::getRequest_roadpoint(&payload, &length, in)) {
        ZARN_LOG(3, "sdk log: Make waypoint protobuf content failed.");
        return ErrCode_CreateRequestFailed;
    }
    return requestAndReadResponse(
        CMT::CommunicationType_getCorrectedWaypoint, payload, length,
        [&out](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_waypoint(data, len, out, code);
        },
        "sdk log: Resolve waypoint response failed.", ErrCode_ResolveResponseFailed);
}

int RobotControlServices::setRobotAtOriginPoseService()
{
    return requestServiceOnlyCheckSendResultMode(CMT::CommunicationType_SetRobotAtOriginPose, nullptr, 0);
}
