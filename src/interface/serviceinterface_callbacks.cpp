#include <atomic>

#include "communication/robotcontrolservices.h"
#include "motion/waypointindextable.h"
#include "serviceinterface.h"

using namespace zarn_robot_namespace;

namespace {

template <typename Block, typename Callback>
void storeCallback(Block& block, Callback cb, void* arg)
{
    std::lock_guard<std::mutex> lock(block.mutex);
    block.callback = cb;
    block.arg = arg;
}

}  // namespace

void ServiceInterface::registerTrampolines()
{
    RobotControlServices* link = m_robotControlServices;
    link->robotServiceRegisterRealTimeJointStatusCallbackService(recvRealTimeJointStatusPushCallback, this);
    link->robotServiceRegisterRealTimeRoadPointCallbackService(recvRealTimeWaypointPushCallback, this);
    link->robotServiceRegisterRobotEventInfoCallbackService(recvRobotEventPushCallback, this);
    link->robotServiceRegisterRealTimeEndSpeedCallbackService(recvRealTimeEndSpeedPushCallback, this);
    link->robotServiceRegisterMovepProgressNotifyCallbackService(recvMovepProgressNotifyCallback, this);
}

int ServiceInterface::robotServiceSetRealTimeJointStatusPush(bool enable)
{
    return m_robotControlServices->setRealTimeJointStatusPush(enable);
}

int ServiceInterface::robotServiceSetRealTimeRoadPointPush(bool enable)
{
    return m_robotControlServices->setRealTimeJointAnglePush(enable);
}

int ServiceInterface::robotServiceSetRealTimeEndSpeedPush(bool enable)
{
    return m_robotControlServices->setRealTimeEndSpeedPush(enable);
}

// The push is switched first and its result ignored: a callback registered
// while disconnected is still stored.
int ServiceInterface::robotServiceRegisterRealTimeJointStatusCallback(RealTimeJointStatusCallback cb, void* arg)
{
    m_robotControlServices->setRealTimeJointStatusPush(cb != nullptr);
    storeCallback(m_jointStatusBlock, cb, arg);
    return ErrCode_Success;
}

int ServiceInterface::robotServiceRegisterRealTimeRoadPointCallback(RealTimeRoadPointCallback cb, void* arg)
{
    m_robotControlServices->setRealTimeJointAnglePush(cb != nullptr);
    storeCallback(m_waypointBlock, cb, arg);
    return ErrCode_Success;
}

int ServiceInterface::robotServiceRegisterRealTimeEndSpeedCallback(RealTimeEndSpeedCallback cb, void* arg)
{
    m_robotControlServices->setRealTimeEndSpeedPush(cb != nullptr);
    storeCallback(m_endSpeedBlock, cb, arg);
    return ErrCode_Success;
}

int ServiceInterface::robotServiceRegisterRobotEventInfoCallback(RobotEventCallback cb, void* arg)
{
    storeCallback(m_robotEventBlock, cb, arg);
    return ErrCode_Success;
}

int ServiceInterface::robotServiceRegisterMovepStepNumNotifyCallback(RealTimeMovepStepNumNotifyCallback cb, void* arg)
{
    storeCallback(m_movepBlock, cb, arg);
    return ErrCode_Success;
}

void ServiceInterface::recvRealTimeJointStatusPushCallback(const JointStatus* status, int count, void* facade)
{
    auto& block = static_cast<ServiceInterface*>(facade)->m_jointStatusBlock;
    std::lock_guard<std::mutex> lock(block.mutex);
    if (block.callback != nullptr) block.callback(status, count, block.arg);
}

void ServiceInterface::recvRealTimeWaypointPushCallback(const wayPoint_S* waypoint, void* facade)
{
    auto& block = static_cast<ServiceInterface*>(facade)->m_waypointBlock;
    std::lock_guard<std::mutex> lock(block.mutex);
    if (block.callback != nullptr) block.callback(waypoint, block.arg);
}

void ServiceInterface::recvRealTimeEndSpeedPushCallback(double speed, void* facade)
{
    auto& block = static_cast<ServiceInterface*>(facade)->m_endSpeedBlock;
    std::lock_guard<std::mutex> lock(block.mutex);
    if (block.callback != nullptr) block.callback(speed, block.arg);
}

void ServiceInterface::recvRobotEventPushCallback(const RobotEventInfo* event, void* facade)
{
    RobotEventInfo copy = *event;
    auto& block = static_cast<ServiceInterface*>(facade)->m_robotEventBlock;
    std::lock_guard<std::mutex> lock(block.mutex);
    if (block.callback != nullptr) block.callback(&copy, block.arg);
}

void ServiceInterface::recvMovepProgressNotifyCallback(int step, void* facade)
{
    // Process-wide like the table: the last index reported to any application.
    static std::atomic<int> lastRealNum{0};
    int mapped = 0;
    if (WaypointIndexTable::instance().lookup(step + 2, mapped)) lastRealNum.store(mapped);
    auto& block = static_cast<ServiceInterface*>(facade)->m_movepBlock;
    std::lock_guard<std::mutex> lock(block.mutex);
    if (block.callback != nullptr) block.callback(lastRealNum.load(), block.arg);
}
