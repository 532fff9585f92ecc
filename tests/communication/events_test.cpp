#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <vector>

#include "communication/robotcontrolservices.h"
#include "fakecontroller.h"
#include "kinematics/ikfunc.h"
#include "logcapture.h"
#include "wiremessages.h"

using namespace zarn_test;
using namespace std::chrono_literals;
namespace zr = zarn_robot_namespace;

namespace {

struct Delivered {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<zr::RobotEventInfo> events;

    static void onEvent(const zr::RobotEventInfo* event, void* self)
    {
        auto* d = static_cast<Delivered*>(self);
        std::lock_guard<std::mutex> lock(d->mutex);
        d->events.push_back(*event);
        d->changed.notify_all();
    }
    bool waitFor(std::size_t n)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, 3s, [&] { return events.size() >= n; });
    }
    std::vector<int> types()
    {
        std::lock_guard<std::mutex> lock(mutex);
        std::vector<int> out;
        for (const auto& e : events) out.push_back(e.eventType);
        return out;
    }
};

zr::RobotEventInfo event(int type, int code = 0, const std::string& content = "")
{
    zr::RobotEventInfo e;
    e.eventType = type;
    e.eventCode = code;
    e.eventContent = content;
    return e;
}

class EventsTest : public ::testing::Test {
protected:
    LogCapture log;
    RobotControlServices link;
    Delivered delivered;
};

TEST_F(EventsTest, MoveFinishSetAndRealTimeLog)
{
    struct Case {
        int type;
        bool endsMove;
        bool loggedRealTime;
    } cases[] = {
        {22, true, false},   {26, true, false},   {27, true, false},   {1001, true, true}, {1300, true, true},
        {1301, false, true}, {2001, true, true},  {2122, true, true},  {2123, false, true}, {2999, true, true},
        {3000, false, true}, {1000, false, false}, {21, false, false}, {0, false, false},
    };
    for (const auto& c : cases) {
        log.clear();
        link.robotRealTimeEventProcess(event(c.type, 0, "d"));
        std::lock_guard<std::mutex> lock(*link.getRobotMoveAtTrackTargetPosMutexPtr());
        EXPECT_EQ(link.frontToMoveFinishEventQueue(), c.endsMove ? c.type : zr::RobotEvent_none) << c.type;
        link.clearMoveFinishEventQueue();
        EXPECT_EQ(log.contains("sdk log: real time event. type:" + std::to_string(c.type) + " desc:d"), c.loggedRealTime)
            << c.type;
        EXPECT_EQ(log.contains("sdk log: Event caused motion disruption. type:" + std::to_string(c.type) + " desc:d"),
                  c.endsMove)
            << c.type;
    }
}

TEST_F(EventsTest, UnwaitedMoveFinishStaysQueuedUntilCleared)
{
    link.robotRealTimeEventProcess(event(22));
    link.robotRealTimeEventProcess(event(26));
    std::lock_guard<std::mutex> lock(*link.getRobotMoveAtTrackTargetPosMutexPtr());
    EXPECT_EQ(link.frontToMoveFinishEventQueue(), 22);
    link.clearMoveFinishEventQueue();
    EXPECT_EQ(link.frontToMoveFinishEventQueue(), zr::RobotEvent_none);
}

TEST_F(EventsTest, WaitsAreCompleted)
{
    auto completions = [](RobotControlServices::EventWait& w) {
        std::lock_guard<std::timed_mutex> lock(w.mutex);
        return w.completions;
    };
    link.robotRealTimeEventProcess(event(20, 7));
    EXPECT_EQ(link.startupResult(), 7);
    EXPECT_EQ(completions(link.startupWait()), 1u);
    link.robotRealTimeEventProcess(event(21));
    EXPECT_EQ(completions(link.shutdownWait()), 1u);
    link.robotRealTimeEventProcess(event(35));
    EXPECT_TRUE(link.handshakeResult());
    link.robotRealTimeEventProcess(event(36));
    EXPECT_FALSE(link.handshakeResult());
    EXPECT_EQ(completions(link.handshakeWait()), 2u);
    link.robotRealTimeEventProcess(event(6));
    link.robotRealTimeEventProcess(event(44));
    EXPECT_EQ(completions(link.stopWait()), 2u);
    link.robotRealTimeEventProcess(event(45));
    EXPECT_EQ(completions(link.pauseWait()), 3u);
    link.robotRealTimeEventProcess(event(46));
    EXPECT_EQ(completions(link.continueWait()), 3u);
    const auto lines = log.lines();
    ASSERT_GE(lines.size(), 2u);
    const std::string ready = lines[lines.size() - 2].second, done = lines.back().second;
    EXPECT_EQ(ready.rfind("sdk log: Ready to process ContinueDone event. id:", 0), 0u);
    EXPECT_EQ(done.rfind("sdk log: Process ContinueDone event finish. id:", 0), 0u);
    EXPECT_EQ(ready.substr(ready.rfind(':')), done.substr(done.rfind(':')));
}

TEST_F(EventsTest, PauseDoneGivesUpAfterItsBound)
{
    std::unique_lock<std::timed_mutex> held(link.pauseWait().mutex);
    const auto start = std::chrono::steady_clock::now();
    link.robotRealTimeEventProcess(event(45));
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 400ms);
    EXPECT_LT(waited, 2000ms);
    EXPECT_EQ(log.levelOf("sdk log: The pauseDone mutex could not be locked before the specified timeout expired."), 3);
    EXPECT_EQ(link.pauseWait().completions, 0u);
}

TEST_F(EventsTest, Event42SwitchesJoint6FullTurn)
{
    struct Case {
        int code;
        bool enabled;
    } cases[] = {{1, true}, {0, false}, {5, true}, {-1, false}};
    for (const auto& c : cases) {
        link.robotRealTimeEventProcess(event(42, c.code));
        EXPECT_EQ(Ikfunc::joint6Rot360.load(), c.enabled) << c.code;
    }
    EXPECT_TRUE(log.contains("sdk log: init ik param success."));
}

TEST_F(EventsTest, ApplicationGetsEventsInOrderOnlyWhileRegistered)
{
    link.robotRealTimeEventProcess(event(22));  // not queued: no callback yet
    link.robotServiceRegisterRobotEventInfoCallbackService(&Delivered::onEvent, &delivered);
    for (int type : {2123, 2122, 1000, 42, 7}) link.robotRealTimeEventProcess(event(type, 1, "c"));
    ASSERT_TRUE(delivered.waitFor(5));
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(delivered.types(), (std::vector<int>{2123, 2122, 1000, 42, 7}));
}

TEST_F(EventsTest, PushedEventAndPeerCloseReachTheApplication)
{
    FakeController fake;
    link.robotServiceRegisterRobotEventInfoCallbackService(&Delivered::onEvent, &delivered);
    link.setServerIP("127.0.0.1");
    link.setServerPort(fake.port());
    ASSERT_EQ(link.connectRobotServer(), 0);
    ASSERT_TRUE(fake.waitForClient(2s));
    ASSERT_TRUE(fake.pushFrame(2, robotEvent(1005, 3, "hot")));
    ASSERT_TRUE(fake.pushFrame(2, hex("ff ff")));  // undecodable: logged and dropped
    fake.closeClient();
    ASSERT_TRUE(delivered.waitFor(2));
    std::lock_guard<std::mutex> lock(delivered.mutex);
    ASSERT_EQ(delivered.events.size(), 2u);
    EXPECT_EQ(delivered.events[0].eventType, 1005);
    EXPECT_EQ(delivered.events[0].eventCode, 3);
    EXPECT_EQ(delivered.events[0].eventContent, "hot");
    EXPECT_EQ(delivered.events[1].eventType, 27);
    EXPECT_EQ(delivered.events[1].eventCode, 0);
    EXPECT_EQ(delivered.events[1].eventContent, "Server disconnected.");
    EXPECT_TRUE(log.contains("sdk log: Resolve realtime robot event failed."));
}

TEST(EventsLifetime, DestroyedWithEventsInFlight)
{
    // A slow callback and a full queue at destruction: the event thread must
    // stop and be joined without calling into freed memory.
    for (int round = 0; round < 5; ++round) {
        auto link = std::make_unique<RobotControlServices>();
        link->robotServiceRegisterRobotEventInfoCallbackService(
            [](const zr::RobotEventInfo*, void*) { std::this_thread::sleep_for(1ms); }, nullptr);
        for (int i = 0; i < 50; ++i) link->robotRealTimeEventProcess(event(7, i));
        link.reset();
    }
}

}  // namespace
