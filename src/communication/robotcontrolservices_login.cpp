#include <atomic>

#include "codec/protoencodedecode.h"
#include "communication/robotcontrolservices.h"
#include "interface/robotlogprint.h"
#include "kinematics/robotutilservice.h"

using namespace zarn_robot_namespace;

namespace {
// The kinematic model of the process is the one of its first successful login.
std::atomic<bool> s_setDhParam{false};

void installModelOnce(RobotType robotType, const RobotDhPara& dh)
{
    bool expected = false;
    if (!s_setDhParam.compare_exchange_strong(expected, true)) return;
    RobotUtilService::setRobotDhParam(robotType, dh);
    ZARN_LOG(0, "sdk log: set dhparam success. type:%d, DhParam:%f,%f,%f,%f,%f,%f", static_cast<int>(robotType),
             dh.A3, dh.A4, dh.D1, dh.D2, dh.D5, dh.D6);
}
}  // namespace

int RobotControlServices::loginService(const char* host, int port, const std::string& userName,
                                       const std::string& password, RobotType& robotType, RobotDhPara& dhPara)
{
    setServerIP(host != nullptr ? host : "");
    setServerPort(port);
    if (connectRobotServer() != ErrCode_Success) {
        ZARN_LOG(3, "sdk log: Login service connect server failed.");
        return ErrCode_SocketConnectFailed;
    }
    ZARN_LOG(0, "sdk log: Connect robot server success.");

    char* payload = nullptr;
    int length = 0;
    if (!ProtoEncodeDecode::getRequest_login(&payload, &length, userName, password)) {
        ZARN_LOG(3, "sdk log: Make login protobuf content failed.");
        return ErrCode_CreateRequestFailed;
    }
    CommunicationResponse response;
    int result = requestServiceGetResponseContentMode(CommunicationMateType::CommunicationType_Login, payload,
                                                      length, response);
    if (result != ErrCode_Success) return result;

    int serverCode = 0;
    if (!ProtoEncodeDecode::resolveResponse_DhParam(response.text, response.textLength, robotType, dhPara,
                                                    serverCode)) {
        ZARN_LOG(3, "sdk log: resolveResponse_DhParam  error.");
        return ErrCode_ResolveResponseFailed;
    }
    if (serverCode == 0) {
        installModelOnce(robotType, dhPara);
        ZARN_LOG(0, "sdk log: login  success.");
    }
    response.clear();

    bool flag = false;
    if (getJoint6Rotate360EnableFlag(flag) == ErrCode_Success) {
        RobotUtilService::setJoint6Rot360(flag);
        ZARN_LOG(0, "sdk log: login completed, set joint6 retate 360 falg success. joint6Rot360Enable=%d",
                 flag ? 1 : 0);
    } else {
        ZARN_LOG(4, "sdk log: login completed, get joint6 retate 360 falg failed.");
    }
    flag = false;
    if (getJoint1Rotate360EnableFlag(flag) == ErrCode_Success) {
        RobotUtilService::setJoint1Rot360(flag);
        ZARN_LOG(0, "sdk log: login completed, set joint1 retate 360 falg success. joint1Rot360Enable=%d",
                 flag ? 1 : 0);
    } else {
        ZARN_LOG(4, "sdk log: login completed, get joint1 retate 360 falg failed.");
    }
    return ErrCode_Success;
}

int RobotControlServices::logoutService()
{
    disconnectRobotServer();
    return ErrCode_Success;
}

int RobotControlServices::getJoint6Rotate360EnableFlag(bool& enable)
{
    return requestAndReadResponse(
        CommunicationMateType::CommunicationType_getEnableJoint6Rot360Flag, nullptr, 0,
        [&enable](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_isRealRobotExist(data, len, enable, code);
        },
        "sdk log: Resolve getEnableJoint6Rot360Flag response failed.", ErrCode_CreateRequestFailed);
}

int RobotControlServices::getJoint1Rotate360EnableFlag(bool& enable)
{
    return requestAndReadResponse(
        CommunicationMateType::CommunicationType_getEnableJoint1Rot360Flag, nullptr, 0,
        [&enable](const char* data, int len, int& code) {
            return ProtoEncodeDecode::resolveResponse_isRealRobotExist(data, len, enable, code);
        },
        "sdk log: Resolve getEnableJoint1Rot360Flag response failed.", ErrCode_CreateRequestFailed);
}
