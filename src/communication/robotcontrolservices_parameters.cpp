#include <algorithm>
#include <cstring>

#include "codec/protoencodedecode.h"
#include "communication/globalutil.h"
#include "communication/robotcontrolservices.h"
#include "communication/servicepattern.h"
#include "interface/robotlogprint.h"

using namespace zarn_robot_namespace;

namespace {

typedef CommunicationMateType CMT;

const int kCollisionClassReads = 3;
const int kCollisionClassReadPauseMs = 150;

}  // namespace

/* ---------- tool centre and payload ---------- */

int RobotControlServices::setTcpParamService(const RobotTcpParam& param)
{
    return buildAndSendForResult(*this, CMT::CommunicationType_SetRobotTcpParam,
                                 "sdk log: Make setTcpParam protobuf content failed.",
                                 [&param](char** out, int* len) {
                                     return ProtoEncodeDecode::getRequest_tcpParam(out, len, param);
                                 });
}

int RobotControlServices::getTcpParamService(RobotTcpParam& param)
{
    return requestAndReadResponse(
        CMT::CommunicationType_GetRobotTcpParam, nullptr, 0,
        [&param](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_tcpParam(data, len, param, code);
        },
        "sdk log: Resolve tcpParam response failed.", ErrCode_CreateRequestFailed);
}

// The controller keeps no inertia: only centre and payload travel.
int RobotControlServices::setToolDynamicsByTcpParam(const ToolDynamicsParam& tool)
{
    return setTcpParamService(tcpParamFromToolDynamics(tool));
}

int RobotControlServices::getToolDynamicsByTcpParam(ToolDynamicsParam& tool)
{
    RobotTcpParam param;
    std::memset(&param, 0, sizeof(param));
    const int result = getTcpParamService(param);
    if (result != ErrCode_Success) return result;
    std::memset(&tool, 0, sizeof(tool));
    tool.positionX = param.paramAutorun.positionX;
    tool.positionY = param.paramAutorun.positionY;
    tool.positionZ = param.paramAutorun.positionZ;
    tool.payload = param.paramAutorun.payload;
    return ErrCode_Success;
}

/* ---------- collision class ---------- */

int RobotControlServices::getRobotCollisionCurrentService(RobotCollisionCurrent& current)
{
    return requestAndReadResponse(
        CMT::CommunicationType_GetRobotCollisionCurrent, nullptr, 0,
        [&current](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_collisionCurrent(data, len, current, code);
        },
        "sdk log: Resolve devInfo RobotCollisionCurrent failed.", ErrCode_ResolveResponseFailed);
}

int RobotControlServices::getRobotCollisionClass(int& collisionClass)
{
    RobotCollisionCurrent current;
    std::memset(&current, 0, sizeof(current));
    const int result = getRobotCollisionCurrentService(current);
    if (result == ErrCode_Success) collisionClass = current.collisionClass;
    return result;
}

int RobotControlServices::setRobotCollisionClassService(int collisionClass)
{
    char* payload = nullptr;
    int length = 0;
    if (!ProtoEncodeDecode::getRequest_setRobotCollision(&payload, &length, collisionClass)) {
        ZARN_LOG(3, "sdk log: Make RobotCmd_setRobotCollisionGrade protobuf content failed.");
        ZARN_LOG(3, "sdk log: Setting the robot collision level failed. ret = %d", ErrCode_CreateRequestFailed);
        return ErrCode_CreateRequestFailed;
    }
    const int sent = requestServiceOnlyCheckSendResultMode(CMT::CommunicationType_SetRobotCollisionGrade, payload,
                                                           length);
    if (sent != ErrCode_Success) {
        ZARN_LOG(3, "sdk log: Setting the robot collision level failed. ret = %d", sent);
        return sent;
    }
    // The controller applies the class with a delay: confirm it by reading back.
    for (int attempt = 1; attempt <= kCollisionClassReads; ++attempt) {
        commonUtil::delay(0, kCollisionClassReadPauseMs);
        RobotCollisionCurrent current;
        std::memset(&current, 0, sizeof(current));
        if (getRobotCollisionCurrentService(current) != ErrCode_Success) {
            ZARN_LOG(2, "sdk log: get robot collision level failed, number times:%d", attempt);
        } else if (current.collisionClass == static_cast<uint8_t>(collisionClass)) {
            return ErrCode_Success;
        } else {
            ZARN_LOG(2, "sdk log: Real-time robot collision level does not match expectations, number times:%d",
                     attempt);
        }
    }
    return ErrCode_Failed;
}

/* ---------- joints ---------- */

int RobotControlServices::setRobotJointOffsetService(const RobotJointOffset& offset)
{
    return buildAndSendForResult(*this, CMT::CommunicationType_RobotSetJointOffset,
                                 "sdk log: Make setRobotJointOffset protobuf content failed.",
                                 [&offset](char** out, int* len) {
                                     return ProtoEncodeDecode::getRequest_robotRobotJointOffsetData(out, len, offset);
                                 });
}

int RobotControlServices::setJointParamService(int gainId, int joint, int value)
{
    const std::vector<int> values{gainId, joint, value};
    return buildAndSendForResult(*this, CMT::CommunicationType_setJointParam,
                                 "sdk log: Make setJointParamService protobuf content failed.",
                                 [&values](char** out, int* len) {
                                     return ProtoEncodeDecode::getRequest_intTypeValueVector(out, len, values);
                                 });
}

int RobotControlServices::jointSaveDataFlashService(int joint)
{
    const std::vector<int> values{joint};
    return buildAndSendForResult(*this, CMT::CommunicationType_jointSaveDataFlash,
                                 "sdk log: Make jointSaveDataFlashService protobuf content failed.",
                                 [&values](char** out, int* len) {
                                     return ProtoEncodeDecode::getRequest_intTypeValueVector(out, len, values);
                                 });
}

int RobotControlServices::getJointCommonData(JointCommonData* data, int count)
{
    if (data == nullptr || count <= 0) return ErrCode_ParamError;
    std::vector<JointCommonData> joints;
    const int result = requestAndReadResponse(
        CMT::CommunicationType_getJointCommonData, nullptr, 0,
        [&joints](const char* text, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_jointCommonData(text, len, joints, code);
        },
        "sdk log: Resolve jointCommonData response failed.", ErrCode_CreateRequestFailed);
    // Records beyond count are dropped; slots beyond the list stay as they were.
    const std::size_t copied = std::min(joints.size(), static_cast<std::size_t>(count));
    std::copy(joints.begin(), joints.begin() + copied, data);
    return result;
}

/* ---------- interface board, network name, versions, force teach ---------- */

int RobotControlServices::updateRobotBoardFirmwareService(update_board_firmware_cmd cmd, const void* data,
                                                          unsigned short length)
{
    return buildAndSendForResult(*this, CMT::CommunicationType_UpdateRobotBoardFirmware,
                                 "sdk log: Make RobotCmd_updateRobotBoardFirmware request failed.",
                                 [cmd, data, length](char** out, int* len) {
                                     return ProtoEncodeDecode::getRequest_firmwareUpgrade(out, len, cmd, data, length);
                                 });
}

int RobotControlServices::getBoardFirmwareUpdateResultService(bool& succeeded)
{
    return requestAndReadResponse(
        CMT::CommunicationType_FirmwareUpdateResult, nullptr, 0,
        [&succeeded](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_isRealRobotExist(data, len, succeeded, code);
        },
        "sdk log: Resolve BoardFirmwareUpdateResult response failed.", ErrCode_CreateRequestFailed);
}

int RobotControlServices::getRobotEthernetDeviceNameService(std::string& name)
{
    return requestAndReadResponse(
        CMT::CommunicationType_GetRobotEthernetDeviceName, nullptr, 0,
        [&name](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_ethernetDeviceName(data, len, name, code);
        },
        "sdk log: Resolve EthernetDeviceName response failed.", ErrCode_CreateRequestFailed);
}

int RobotControlServices::getServerVersionInfoService(std::string& version)
{
    return requestAndReadResponse(
        CMT::CommunicationType_getServerVersionInfo, nullptr, 0,
        [&version](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_ethernetDeviceName(data, len, version, code);
        },
        "sdk log: Resolve ServerVersionInfo response failed.", ErrCode_CreateRequestFailed);
}

int RobotControlServices::setEnableForceTeachWhenProjectIsRunning(bool enable)
{
    const std::vector<int> values{enable ? 1 : 0};
    return buildAndSendForResult(*this, CMT::CommunicationType_setEnableForceTeachWhenProjectIsRunning,
                                 "sdk log: Make setEnableForceTeachWhenProjectIsRunning protobuf content failed.",
                                 [&values](char** out, int* len) {
                                     return ProtoEncodeDecode::getRequest_intTypeValueVector(out, len, values);
                                 });
}
