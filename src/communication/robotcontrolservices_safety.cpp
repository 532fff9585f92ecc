#include <cstring>

#include "codec/protoencodedecode.h"
#include "communication/globalutil.h"
#include "communication/robotcontrolservices.h"
#include "communication/servicepattern.h"
#include "interface/robotlogprint.h"

using namespace zarn_robot_namespace;

namespace {

typedef CommunicationMateType CMT;

const int kSafetyConfigReads = 6;
const int kSafetyConfigReadPauseMs = 100;

// The revision text carries the major number at position 1 and the minor
// number at position 3; controllers before 3.1 lack the safety configuration.
bool revisionAcceptsSafetyConfig(const RobotDevInfo& info)
{
    const signed char major = static_cast<signed char>(info.revision[1]);
    const signed char minor = static_cast<signed char>(info.revision[3]);
    return major > '3' || (major == '3' && minor > '0');
}

}  // namespace

int RobotControlServices::getRobotSafetyConfig(RobotSafetyConfig& config)
{
    return requestAndReadResponse(
        CMT::CommunicationType_GetRobotSafetyConfig, nullptr, 0,
        [&config](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_safetyConfig(data, len, config, code);
        },
        "sdk log: Resolve SafetyConfig response failed.", ErrCode_CreateRequestFailed);
}

int RobotControlServices::setRobotSafetyConfig(const RobotSafetyConfig& config)
{
    return buildAndSendForResult(*this, CMT::CommunicationType_SetRobotSafetyConfig,
                                 "sdk log: Make setRobotSafetyConfig protobuf content failed.",
                                 [&config](char** out, int* len) {
                                     return ProtoEncodeDecode::getRequest_setSafetyConfig(out, len, config);
                                 });
}

bool RobotControlServices::robotSafetyConfigIsEqual(const RobotSafetyConfig& a, const RobotSafetyConfig& b)
{
    for (int i = 0; i < 6; ++i)
        if (a.robotReducedConfigJointSpeed[i] != b.robotReducedConfigJointSpeed[i]) return false;
    return a.robotReducedConfigTcpSpeed == b.robotReducedConfigTcpSpeed &&
           a.robotReducedConfigTcpForce == b.robotReducedConfigTcpForce &&
           a.robotReducedConfigMomentum == b.robotReducedConfigMomentum &&
           a.robotReducedConfigPower == b.robotReducedConfigPower &&
           a.robotSafeguradResetConfig == b.robotSafeguradResetConfig &&
           a.robotOperationalModeConfig == b.robotOperationalModeConfig;
}

int RobotControlServices::setRobotSafetyConfigVerified(const RobotSafetyConfig& config)
{
    // An unreadable device information leaves the revision empty and so
    // counts as an old controller: nothing is sent.
    RobotDevInfo info;
    std::memset(&info, 0, sizeof(info));
    getRobotDevInfoService(info);
    if (!revisionAcceptsSafetyConfig(info)) return ErrCode_Success;

    int result = setRobotSafetyConfig(config);
    if (result != ErrCode_Success) return result;

    for (int attempt = 0; attempt < kSafetyConfigReads; ++attempt) {
        RobotSafetyConfig readBack;
        std::memset(&readBack, 0, sizeof(readBack));
        if (getRobotSafetyConfig(readBack) == ErrCode_Success && robotSafetyConfigIsEqual(readBack, config))
            return ErrCode_Success;
        commonUtil::delay(0, kSafetyConfigReadPauseMs);
    }
    return ErrCode_Failed;
}

int RobotControlServices::getOrpeSafetyStatus(OrpeSafetyStatus& status)
{
    return requestAndReadResponse(
        CMT::CommunicationType_GetOrpeSafetyStatus, nullptr, 0,
        [&status](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_safetyStatus(data, len, status, code);
        },
        "sdk log: Resolve SafetyStatus response failed.", ErrCode_CreateRequestFailed);
}

/* ---------- safety-IO commands ---------- */

int RobotControlServices::safeIoAboutCommunication(CommandType type, const std::vector<int>& values)
{
    return buildAndSendForResult(*this, type, "sdk log: Make safeIoAboutCommunication request failed.",
                                 [&values](char** out, int* len) {
                                     return ProtoEncodeDecode::getRequest_safeIoParamAbout(out, len, values);
                                 });
}

int RobotControlServices::setRobotOrpePause(unsigned char value)
{
    return safeIoAboutCommunication(CMT::CommunicationType_SafetyIoAbout_setRobotOrpePause, {value});
}

int RobotControlServices::setRobotOrpeStop(unsigned char value)
{
    return safeIoAboutCommunication(CMT::CommunicationType_SafetyIoAbout_setRobotOrpeStop, {value});
}

int RobotControlServices::setRobotOrpeError(const unsigned char* data, int len)
{
    if (data == nullptr || len < 0) return ErrCode_ParamError;
    return safeIoAboutCommunication(CMT::CommunicationType_SafetyIoAbout_setRobotOrpeError,
                                    std::vector<int>(data, data + len));
}

int RobotControlServices::clearSystemEmergencyStop(unsigned char value)
{
    return safeIoAboutCommunication(CMT::CommunicationType_SafetyIoAbout_clearSystemEmergencyStop, {value});
}

int RobotControlServices::clearReducedModeError(unsigned char value)
{
    return safeIoAboutCommunication(CMT::CommunicationType_SafetyIoAbout_clearReducedModeError, {value});
}

int RobotControlServices::robotSafetyguardResetSucc(unsigned char value)
{
    return safeIoAboutCommunication(CMT::CommunicationType_SafetyIoAbout_robotSafetyguardResetSucc, {value});
}
