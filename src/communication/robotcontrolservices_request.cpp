#include <chrono>
#include <cstring>

#include "codec/protoencodedecode.h"
#include "communication/robotcontrolservices.h"
#include "interface/robotlogprint.h"

using namespace zarn_robot_namespace;

namespace {

const int kCommandTypeCount = CommunicationMateType::COMMAND_TYPE_COUNT;

std::string commandDesc(int type)
{
    return CommunicationMateType::getCommandDescByType(static_cast<CommunicationMateType::CommunicationCommandType>(type));
}

void logBeforeSend(int type)
{
    if (type == CommunicationMateType::CommunicationType_RobotMove)
        ZARN_LOG(0, "sdk log: Ready to send a motion request.");
    else if (type == CommunicationMateType::CommunicationType_RobotMoveControlType_Pause)
        ZARN_LOG(0, "sdk log: Ready to send a pause request.");
}

void logAfterSend(int type)
{
    if (type == CommunicationMateType::CommunicationType_RobotMove)
        ZARN_LOG(0, "sdk log: Sending robotMove request was successful, waiting response.");
    else if (type == CommunicationMateType::CommunicationType_RobotMoveControlType_Pause)
        ZARN_LOG(0, "sdk log: Sending pause request was successful, waiting response.");
}

void logAfterWait(int type)
{
    if (type == CommunicationMateType::CommunicationType_RobotMove)
        ZARN_LOG(0, "sdk log: Successfully waited for a robotMove response from the server.");
    else if (type == CommunicationMateType::CommunicationType_RobotMoveControlType_Pause)
        ZARN_LOG(0, "sdk log: Successfully waited for a move pause response from the server.");
    else if (type == CommunicationMateType::CommunicationType_RobotMoveControlType_Continue)
        ZARN_LOG(0, "sdk log: Successfully waited for a move continue response from the server.");
}

void logOnReceive(int type)
{
    if (type == CommunicationMateType::CommunicationType_RobotMove)
        ZARN_LOG(0, "sdk log: Processing the robotMove response from the server..");
    else if (type == CommunicationMateType::CommunicationType_RobotMoveControlType_Pause)
        ZARN_LOG(0, "sdk log: Processing the pause response from the server..");
    else if (type == CommunicationMateType::CommunicationType_RobotMoveControlType_Continue)
        ZARN_LOG(0, "sdk log: Processing the continue response from the server..");
}

bool isPushType(int type)
{
    return type == CommunicationMateType::CommunicationType_Event ||
           type == CommunicationMateType::CommunicationType_RealTimeJointStatus ||
           type == CommunicationMateType::CommunicationType_RealTimeRobotJointAngle ||
           type == CommunicationMateType::CommunicationType_RealTimeRobotEndSpeed ||
           type == CommunicationMateType::CommunicationType_RealTimeMovepProgressNotify;
}

}  // namespace

int RobotControlServices::getErrCodeByServerResponse(int serverCode)
{
    if (serverCode == 0) return ErrCode_Success;
    if (serverCode == 4) return ErrCode_RealRobotNotExist;
    return ErrCode_ResponseHasError;
}

int RobotControlServices::sendRequestWaitResponse(const CommunicationRequest& request, CommunicationResponse& response)
{
    if (!getCurrentConnectStatus()) {
        ZARN_LOG(3, "sdk log: Current connect disconnect.");
        return ErrCode_SocketDisconnect;
    }
    const int type = request.commandType;
    if (type < 0 || type >= kCommandTypeCount) return ErrCode_ParamError;

    std::lock_guard<std::mutex> sendLock(m_sendLocks[type]);
    CommunicationResponse& slot = m_responseSlots[type];
    std::unique_lock<std::mutex> slotLock(slot.mutex);
    slot.clear();

    logBeforeSend(type);
    if (!encodeAndSendCommunicationPackage(request)) {
        ZARN_LOG(3, "sdk log: encode and send request failed.");
        return ErrCode_SendRequestError;
    }
    logAfterSend(type);

    // A steady clock: a wall-clock jump must neither cut the wait short nor stretch it.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(REQUEST_TIMEOUT_MS);
    if (!slot.condition.wait_until(slotLock, deadline, [&slot] { return !slot.isEmpty(); })) {
        ZARN_LOG(3, "sdk log: Wait response timeout. cmd type: %d %s", type, commandDesc(type).c_str());
        return ErrCode_RequestTimeout;
    }

    response.clear();
    response.socketFd = slot.socketFd;
    response.textLength = slot.textLength;
    response.commandType = slot.commandType;
    if (slot.text != nullptr) {
        response.text = new char[slot.textLength];
        std::memcpy(response.text, slot.text, slot.textLength);
    } else {
        ZARN_LOG(3, "recv response text is NULL, command:%d", type);
    }
    logAfterWait(type);
    return ErrCode_Success;
}

int RobotControlServices::requestServiceOnlyCheckSendResultMode(CommandType type, void* payload, int length)
{
    std::unique_ptr<char[]> owned(static_cast<char*>(payload));
    CommunicationRequest request;
    request.socketFd = -1;
    request.text = owned.get();
    request.textLength = length;
    request.commandType = type;

    CommunicationResponse response;
    int result = sendRequestWaitResponse(request, response);
    if (result != ErrCode_Success) return result;
    if (response.text == nullptr) {
        ZARN_LOG(3, "sdk log: robot server response text is NULL.");
        return ErrCode_ResponseIsNull;
    }
    // A text that does not parse leaves the code at 0; the codec reports it.
    CommunicationCommonResultResponse common{0, std::string()};
    ProtoEncodeDecode::resolveResponse_commonFormat(response.text, response.textLength, common);
    result = getErrCodeByServerResponse(common.errorCode);
    if (result != ErrCode_Success)
        ZARN_LOG(3, "sdk log: Response return false. cmd Type:%s  errorCode:%d", commandDesc(type).c_str(),
                 common.errorCode);
    return result;
}

int RobotControlServices::requestServiceGetResponseContentMode(CommandType type, void* payload, int length,
                                                               CommunicationResponse& response)
{
    std::unique_ptr<char[]> owned(static_cast<char*>(payload));
    response.clear();
    response.commandType = type;
    CommunicationRequest request;
    request.socketFd = -1;
    request.text = owned.get();
    request.textLength = length;
    request.commandType = type;

    int result = sendRequestWaitResponse(request, response);
    if (result == ErrCode_Success && response.text == nullptr) {
        ZARN_LOG(3, "sdk log: robot server response text is NULL.");
        result = ErrCode_ResponseIsNull;
    }
    return result;
}

int RobotControlServices::requestAndReadResponse(CommandType type, char* payload, int length,
                                                 const ResponseReader& reader, const char* failLine, int failCode)
{
    CommunicationResponse response;
    int result = requestServiceGetResponseContentMode(type, payload, length, response);
    if (result != ErrCode_Success) return result;
    int serverCode = 0;
    if (!reader(response.text, response.textLength, serverCode)) {
        ZARN_LOG(3, "%s", failLine);
        return failCode;
    }
    return getErrCodeByServerResponse(serverCode);
}

void RobotControlServices::responseProcess(int socketFd, const char* data, int length)
{
    if (data == nullptr || length < 4) return;
    int32_t type = 0;
    std::memcpy(&type, data, sizeof(type));
    if (type < 0 || type >= kCommandTypeCount) {
        ZARN_LOG(3, "sdk log:  Command type not exist.");
        return;
    }
    // An empty payload is stored as no text at all; waiters report it as 10009.
    const int payloadLength = length - 4;
    char* payload = nullptr;
    if (payloadLength > 0) {
        payload = new char[payloadLength];
        std::memcpy(payload, data + 4, payloadLength);
    }

    if (isPushType(type)) {
        dispatchPush(socketFd, type, payload, payloadLength);
        return;
    }
    logOnReceive(type);
    storeResponse(socketFd, type, payload, payloadLength);
}

void RobotControlServices::storeResponse(int socketFd, int type, char* payload, int length)
{
    CommunicationResponse& slot = m_responseSlots[type];
    std::lock_guard<std::mutex> lock(slot.mutex);
    slot.store(socketFd, payload, length, type);
    slot.condition.notify_all();
}

void RobotControlServices::dispatchPush(int socketFd, int type, char* payload, int length)
{
    // Push slots are touched only by the receive thread: no request uses these types.
    CommunicationResponse& slot = m_responseSlots[type];
    slot.store(socketFd, payload, length, type);  // releases the previous push
    switch (type) {
    case CommunicationMateType::CommunicationType_Event:
        realTimeRobotEventResponseService(slot);
        break;
    case CommunicationMateType::CommunicationType_RealTimeJointStatus:
        realTimeJointStatusService(slot);
        break;
    case CommunicationMateType::CommunicationType_RealTimeRobotJointAngle:
        realTimeJointAngleService(slot);
        break;
    case CommunicationMateType::CommunicationType_RealTimeRobotEndSpeed:
        realTimeEndSpeedService(slot);
        break;
    default:
        realTimeMovepProgressNotifyService(slot);
        break;
    }
}

int RobotControlServices::heartbeatService()
{
    return requestServiceOnlyCheckSendResultMode(CommunicationMateType::CommunicationType_communicationHeart,
                                                 nullptr, 0);
}

void RobotControlServices::disconnectProcess()
{
    RobotEventInfo event;
    event.eventType = RobotEvent_socketDisconnected;
    event.eventCode = 0;
    event.eventContent = "Server disconnected.";
    robotRealTimeEventProcess(event);
}
