#include "codec/protoencodedecode.h"
#include "communication/robotcontrolservices.h"
#include "interface/robotlogprint.h"
#include "kinematics/robotutilservice.h"

using namespace zarn_robot_namespace;

namespace {
const int kJointCount = 6;
}  // namespace

void RobotControlServices::realTimeRobotEventResponseService(CommunicationResponse& slot)
{
    // The slot keeps the event until the next one replaces it.
    RobotEventInfo event;
    event.eventType = 0;
    event.eventCode = 0;
    if (!ProtoEncodeDecode::resolveResponse_robotEvent(slot.text, slot.textLength, event)) {
        ZARN_LOG(3, "sdk log: Resolve realtime robot event failed.");
        return;
    }
    robotRealTimeEventProcess(event);
}

void RobotControlServices::realTimeJointStatusService(CommunicationResponse& slot)
{
    JointStatus statuses[kJointCount] = {};
    int serverCode = 0;
    const bool ok = ProtoEncodeDecode::resolveResponse_jointStatus(slot.text, slot.textLength, statuses, kJointCount,
                                                                   serverCode);
    slot.clear();
    if (!ok) {
        ZARN_LOG(3, "sdk log: Resolve realtime joint status info failed.");
        return;
    }
    RealTimeJointStatusCallback cb = m_callbacks.jointStatus.load();
    if (cb != nullptr) cb(statuses, kJointCount, m_callbacks.jointStatusArg.load());
}

void RobotControlServices::realTimeJointAngleService(CommunicationResponse& slot)
{
    JointParam joints = {};
    int serverCode = 0;
    const bool ok = ProtoEncodeDecode::resolveResponse_jointAngle(slot.text, slot.textLength, joints, serverCode);
    slot.clear();
    if (!ok) {
        ZARN_LOG(3, "sdk log: Resolve realtime joint status info failed.");
        return;
    }
    // The application gets the flange pose of the angles, not the angles alone.
    zarn_robot_namespace::wayPoint_S waypoint = {};
    RobotUtilService::robotFk(joints.jointPos, kJointCount, waypoint);
    RealTimeRoadPointCallback cb = m_callbacks.roadPoint.load();
    if (cb != nullptr) cb(&waypoint, m_callbacks.roadPointArg.load());
}

void RobotControlServices::realTimeEndSpeedService(CommunicationResponse& slot)
{
    double speed = 0.0;
    const bool ok = ProtoEncodeDecode::resolveResponse_robotEndSpeed(slot.text, slot.textLength, speed);
    slot.clear();
    if (!ok) {
        ZARN_LOG(3, "sdk log: Resolve realtime end speed info failed.");
        return;
    }
    RealTimeEndSpeedCallback cb = m_callbacks.endSpeed.load();
    if (cb != nullptr) cb(speed, m_callbacks.endSpeedArg.load());
}

void RobotControlServices::realTimeMovepProgressNotifyService(CommunicationResponse& slot)
{
    int step = 0;
    const bool ok = ProtoEncodeDecode::resolveResponse_movepProgressNotify(slot.text, slot.textLength, step);
    slot.clear();
    if (!ok) {
        ZARN_LOG(3, "sdk log: Resolve realtime movep step num info failed.");
        return;
    }
    MovepProgressNotifyCallback cb = m_callbacks.movep.load();
    if (cb != nullptr) cb(step, m_callbacks.movepArg.load());
}

int RobotControlServices::setRealTimeJointStatusPush(bool enable)
{
    return requestServiceOnlyCheckSendResultMode(
        enable ? CommunicationMateType::CommunicationType_EnableRealTimeJointStatusPush
               : CommunicationMateType::CommunicationType_DisableRealTimeJointStatusPush,
        nullptr, 0);
}

int RobotControlServices::setRealTimeJointAnglePush(bool enable)
{
    return requestServiceOnlyCheckSendResultMode(
        enable ? CommunicationMateType::CommunicationType_EnableRealTimeJointAnglePush
               : CommunicationMateType::CommunicationType_DisableRealTimeJointAnglePush,
        nullptr, 0);
}

int RobotControlServices::setRealTimeEndSpeedPush(bool enable)
{
    return requestServiceOnlyCheckSendResultMode(
        enable ? CommunicationMateType::CommunicationType_EnableRealTimeEndSpeedPush
               : CommunicationMateType::CommunicationType_DisableRealTimeEndSpeedPush,
        nullptr, 0);
}

// Registration happens once, at facade construction, before any connection;
// the argument is stored first so a reader never pairs a new callback with an old argument.
void RobotControlServices::robotServiceRegisterRealTimeJointStatusCallbackService(RealTimeJointStatusCallback cb,
                                                                                   void* arg)
{
    m_callbacks.jointStatusArg.store(arg);
    m_callbacks.jointStatus.store(cb);
}

void RobotControlServices::robotServiceRegisterRealTimeRoadPointCallbackService(RealTimeRoadPointCallback cb, void* arg)
{
    m_callbacks.roadPointArg.store(arg);
    m_callbacks.roadPoint.store(cb);
}

void RobotControlServices::robotServiceRegisterRealTimeEndSpeedCallbackService(RealTimeEndSpeedCallback cb, void* arg)
{
    m_callbacks.endSpeedArg.store(arg);
    m_callbacks.endSpeed.store(cb);
}

void RobotControlServices::robotServiceRegisterRobotEventInfoCallbackService(RobotEventCallback cb, void* arg)
{
    m_callbacks.robotEventArg.store(arg);
    m_callbacks.robotEvent.store(cb);
}

void RobotControlServices::robotServiceRegisterMovepProgressNotifyCallbackService(MovepProgressNotifyCallback cb,
                                                                                   void* arg)
{
    m_callbacks.movepArg.store(arg);
    m_callbacks.movep.store(cb);
}
