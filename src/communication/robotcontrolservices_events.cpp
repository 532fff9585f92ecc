#include <chrono>
#include <sys/time.h>

#include "communication/robotcontrolservices.h"
#include "interface/robotlogprint.h"
#include "kinematics/robotutilservice.h"

using namespace zarn_robot_namespace;

namespace {

bool endsMove(int type)
{
    return type == RobotEvent_atTrackTargetPos || type == RobotEvent_controllerAbnormal ||
           type == RobotEvent_socketDisconnected || (type >= 1001 && type <= 1300) ||
           (type >= 2001 && type <= 2999 && type != 2123);
}

int microsecondsId()
{
    struct timeval now;
    gettimeofday(&now, nullptr);
    return static_cast<int>(now.tv_usec);
}

}  // namespace

void RobotControlServices::robotRealTimeEventProcess(RobotEventInfo event)
{
    const int type = event.eventType;
    if (type > 1000) ZARN_LOG(0, "sdk log: real time event. type:%d desc:%s", type, event.eventContent.c_str());

    if (endsMove(type)) {
        std::lock_guard<std::mutex> lock(m_moveFinish.mutex);
        pushEventToMoveFinishEventQueue(static_cast<RobotEventType>(type));
        ZARN_LOG(0, "sdk log: Event caused motion disruption. type:%d desc:%s", type, event.eventContent.c_str());
        m_moveFinish.condition.notify_all();
    }

    switch (type) {
    case RobotEvent_startupDone:
        m_startupResult.store(event.eventCode);
        signalWait(m_startupWait);
        break;
    case RobotEvent_shutdownDone:
        signalWait(m_shutdownWait);
        break;
    case RobotEvent_handShakeSucc:
    case RobotEvent_handShakeFailed:
        m_handshakeResult.store(type == RobotEvent_handShakeSucc);
        signalWait(m_handshakeWait);
        break;
    case RobotEvent_moveControlDoneA:
    case RobotEvent_moveControlDoneB:
        signalWait(m_stopWait);
        signalWait(m_pauseWait);
        signalWait(m_continueWait);
        break;
    case RobotEvent_pauseDone:
        signalPauseDoneBounded();
        break;
    case RobotEvent_continueDone:
        signalContinueDone();
        break;
    case RobotEvent_initIkParam:
        RobotUtilService::setJoint6Rot360(event.eventCode > 0);
        ZARN_LOG(0, "sdk log: init ik param success.");
        break;
    default:
        break;
    }

    if (m_callbacks.robotEvent.load() != nullptr) queueForApplication(event);
}

void RobotControlServices::signalWait(EventWait& wait)
{
    std::lock_guard<std::timed_mutex> lock(wait.mutex);
    ++wait.completions;
    wait.condition.notify_all();
}

void RobotControlServices::signalPauseDoneBounded()
{
    const int id = microsecondsId();
    ZARN_LOG(0, "sdk log: Ready to process PauseDone event. id:%d", id);
    // This thread delivers every response: whoever holds this mutex, wait only
    // a bounded time. A wall-clock deadline (timedlock) rather than a steady
    // one (clocklock), which the thread sanitizer cannot follow.
    if (m_pauseWait.mutex.try_lock_until(std::chrono::system_clock::now() + std::chrono::milliseconds(450))) {
        ++m_pauseWait.completions;
        m_pauseWait.condition.notify_all();
        m_pauseWait.mutex.unlock();
    } else {
        ZARN_LOG(3, "sdk log: The pauseDone mutex could not be locked before the specified timeout expired.");
    }
    ZARN_LOG(0, "sdk log: Process PauseDone event finish. id:%d", id);
}

void RobotControlServices::signalContinueDone()
{
    const int id = microsecondsId();
    ZARN_LOG(0, "sdk log: Ready to process ContinueDone event. id:%d", id);
    signalWait(m_continueWait);
    ZARN_LOG(0, "sdk log: Process ContinueDone event finish. id:%d", id);
}

void RobotControlServices::queueForApplication(const RobotEventInfo& event)
{
    {
        std::lock_guard<std::mutex> lock(m_appEvents.mutex);
        m_appEvents.events.push_back(event);
    }
    m_appEvents.condition.notify_one();
}

// Waits on a condition rather than polling: same arrival order, no idle wake-ups.
void RobotControlServices::eventThreadBody()
{
    std::unique_lock<std::mutex> lock(m_appEvents.mutex);
    for (;;) {
        m_appEvents.condition.wait(lock, [this] { return m_appEvents.stopping || !m_appEvents.events.empty(); });
        if (m_appEvents.stopping) return;
        RobotEventInfo event = m_appEvents.events.front();
        m_appEvents.events.pop_front();
        lock.unlock();
        RobotEventCallback cb = m_callbacks.robotEvent.load();
        if (cb != nullptr) cb(&event, m_callbacks.robotEventArg.load());
        lock.lock();
    }
}

void RobotControlServices::pushEventToMoveFinishEventQueue(RobotEventType type)
{
    m_moveFinish.events.push_back(type);
}

RobotEventType RobotControlServices::frontToMoveFinishEventQueue() const
{
    return m_moveFinish.events.empty() ? RobotEvent_none : m_moveFinish.events.front();
}

void RobotControlServices::clearMoveFinishEventQueue()
{
    m_moveFinish.events.clear();
}
