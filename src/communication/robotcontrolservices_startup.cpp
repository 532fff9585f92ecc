#include "codec/protoencodedecode.h"
#include "communication/controlwaits.h"
#include "communication/robotcontrolservices.h"
#include "interface/robotlogprint.h"

using namespace zarn_robot_namespace;

namespace {
typedef CommunicationMateType CMT;
}  // namespace

RobotControlServices::ControlWaitDurations RobotControlServices::controlWaitDurations() const
{
    std::lock_guard<std::mutex> lock(m_waitDurationsMutex);
    return m_waitDurations;
}

void RobotControlServices::setControlWaitDurations(const ControlWaitDurations& durations)
{
    std::lock_guard<std::mutex> lock(m_waitDurationsMutex);
    m_waitDurations = durations;
}

RobotTcpParam RobotControlServices::tcpParamFromToolDynamics(const ToolDynamicsParam& tool)
{
    TcpParam half;
    half.positionX = static_cast<float>(tool.positionX);
    half.positionY = static_cast<float>(tool.positionY);
    half.positionZ = static_cast<float>(tool.positionZ);
    half.payload = static_cast<float>(tool.payload);
    RobotTcpParam param;
    param.paramAutorun = half;
    param.paramManual = half;
    return param;
}

int RobotControlServices::robotStartupService(const RobotTcpParam& tcp, unsigned char collisionClass, bool readPose,
                                              bool staticCollisionDetect, int maxAcc, ROBOT_SERVICE_STATE& result,
                                              bool wait)
{
    char* payload = nullptr;
    int length = 0;
    if (!ProtoEncodeDecode::getRequest_robotStartup(&payload, &length, tcp, collisionClass, readPose,
                                                    staticCollisionDetect, maxAcc)) {
        ZARN_LOG(3, "sdk log: Make setTcpParam protobuf content failed.");
        return ErrCode_CreateRequestFailed;
    }
    if (!wait) return requestServiceOnlyCheckSendResultMode(CMT::CommunicationType_RobotStartup, payload, length);

    const auto deadline = controlwaits::Clock::now() + controlWaitDurations().startup;
    const unsigned long seen = controlwaits::completionsNow(m_startupWait);
    const int sent = requestServiceOnlyCheckSendResultMode(CMT::CommunicationType_RobotStartup, payload, length);
    if (sent != ErrCode_Success) return sent;
    if (!controlwaits::awaitCompletionAfter(m_startupWait, seen, deadline)) {
        ZARN_LOG(3, "sdk log: Wait StartupDone signal timeout.");
        return ErrCode_InternalVariableError;
    }
    result = static_cast<ROBOT_SERVICE_STATE>(startupResult());
    return ErrCode_Success;
}

int RobotControlServices::robotShutdownService(bool wait)
{
    if (!wait) return requestServiceOnlyCheckSendResultMode(CMT::CommunicationType_RobotShutdown, nullptr, 0);

    const auto deadline = controlwaits::Clock::now() + controlWaitDurations().shutdown;
    const unsigned long seen = controlwaits::completionsNow(m_shutdownWait);
    const int sent = requestServiceOnlyCheckSendResultMode(CMT::CommunicationType_RobotShutdown, nullptr, 0);
    if (sent != ErrCode_Success) return sent;
    if (!controlwaits::awaitCompletionAfter(m_shutdownWait, seen, deadline)) {
        ZARN_LOG(3, "sdk log: Wait shutDown Done signal timeout.");
        return ErrCode_Failed;
    }
    return ErrCode_Success;
}

int RobotControlServices::robotHandShakeService(bool wait)
{
    if (!wait) return requestServiceOnlyCheckSendResultMode(CMT::CommunicationType_RobotHandShake, nullptr, 0);

    const auto deadline = controlwaits::Clock::now() + controlWaitDurations().handshake;
    const unsigned long seen = controlwaits::completionsNow(m_handshakeWait);
    const int sent = requestServiceOnlyCheckSendResultMode(CMT::CommunicationType_RobotHandShake, nullptr, 0);
    if (sent != ErrCode_Success) return sent;
    if (!controlwaits::awaitCompletionAfter(m_handshakeWait, seen, deadline)) return ErrCode_MotionVariableError;
    return handshakeResult() ? ErrCode_Success : ErrCode_ResponseHasError;
}
