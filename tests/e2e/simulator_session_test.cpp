// The library against the bundled controller simulator, through the shared
// library and the public headers only.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "../sim/sim_harness.h"
#include "serviceinterface.h"

namespace zr = zarn_robot_namespace;
using namespace std::chrono_literals;

namespace {

struct EventLog {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<zr::RobotEventInfo> events;

    static void onEvent(const zr::RobotEventInfo* event, void* self)
    {
        auto* log = static_cast<EventLog*>(self);
        std::lock_guard<std::mutex> lock(log->mutex);
        log->events.push_back(*event);
        log->changed.notify_all();
    }
    bool waitForType(int type, std::chrono::milliseconds timeout)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, timeout, [&] {
            for (const auto& e : events)
                if (e.eventType == type) return true;
            return false;
        });
    }
};

class SimulatorSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!sim.ready()) GTEST_SKIP() << "simulator not available at " << simtest::simulatorPath();
        robot.robotServiceRegisterRobotEventInfoCallback(&EventLog::onEvent, &events);
        ASSERT_EQ(robot.robotServiceLogin("127.0.0.1", sim.port(), "user", "123456", type, dh), 0);
    }
    void TearDown() override { robot.robotServiceLogout(); }

    simtest::SimProcess sim{{"--robot-type", "2", "--push-hz", "100"}};
    ServiceInterface robot;
    EventLog events;
    zr::RobotType type = zr::RobotType_0;
    zr::RobotDhPara dh = {};
};

TEST_F(SimulatorSession, LoginReportsTheSimulatedRobot)
{
    EXPECT_EQ(type, 2);
    EXPECT_GT(dh.A3, 0.1);
    bool connected = false;
    EXPECT_EQ(robot.robotServiceGetConnectStatus(connected), 1);
    EXPECT_TRUE(connected);
    bool joint6 = false;
    EXPECT_EQ(robot.robotServiceGetJoint6Rotate360EnableFlag(joint6), 0);
}

TEST_F(SimulatorSession, JointAnglePushesArriveAtAboutTheConfiguredRate)
{
    std::atomic<int> count{0};
    ASSERT_EQ(robot.robotServiceRegisterRealTimeRoadPointCallback(
                  [](const zr::wayPoint_S*, void* arg) { ++*static_cast<std::atomic<int>*>(arg); }, &count),
              0);
    std::this_thread::sleep_for(1s);
    ASSERT_EQ(robot.robotServiceRegisterRealTimeRoadPointCallback(nullptr, nullptr), 0);
    const int received = count.load();
    // 100 Hz for one second; generous bounds for a loaded machine.
    EXPECT_GE(received, 40);
    EXPECT_LE(received, 160);
    std::this_thread::sleep_for(200ms);
    EXPECT_LE(count.load(), received + 2) << "pushes went on after being switched off";
}

TEST_F(SimulatorSession, StoppedSimulatorReachesTheApplicationAsEvent27)
{
    EXPECT_EQ(sim.stop(SIGTERM, 3000ms), 0);
    ASSERT_TRUE(events.waitForType(27, 3s));
    {
        std::lock_guard<std::mutex> lock(events.mutex);
        const auto& last = events.events.back();
        EXPECT_EQ(last.eventCode, 0);
        EXPECT_EQ(last.eventContent, "Server disconnected.");
    }
    bool connected = true;
    EXPECT_EQ(robot.robotServiceGetConnectStatus(connected), 0);
    EXPECT_EQ(robot.robotServiceSetRealTimeEndSpeedPush(true), zr::ErrCode_SocketDisconnect);
}

}  // namespace
