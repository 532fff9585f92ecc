#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "fakecontroller.h"
#include "kinematics/robotutilservice.h"
#include "logcapture.h"
#include "motion/waypointindextable.h"
#include "robotcommon.pb.h"
#include "serviceinterface.h"
#include "wiremessages.h"

using namespace zarn_test;
using namespace std::chrono_literals;
namespace zr = zarn_robot_namespace;

namespace {

const std::array<double, 6> kDh{0.408, 0.376, 0.0985, 0.1215, 0.1025, 0.094};

Bytes jointAnglePush(const std::array<double, 6>& q)
{
    zarn::robot::common::ProtoJointAngleResponse msg;
    auto* a = msg.mutable_jointangle();
    a->set_joint1(q[0]);
    a->set_joint2(q[1]);
    a->set_joint3(q[2]);
    a->set_joint4(q[3]);
    a->set_joint5(q[4]);
    a->set_joint6(q[5]);
    auto* err = msg.add_errorinfo();
    err->set_errorcode(0);
    err->set_errormsg("");
    return serialize(msg);
}

template <typename T>
struct Inbox {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<T> items;
    void add(const T& item)
    {
        std::lock_guard<std::mutex> lock(mutex);
        items.push_back(item);
        changed.notify_all();
    }
    bool waitFor(std::size_t n)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, 3s, [&] { return items.size() >= n; });
    }
};

class CallbacksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.respond(0, loginAnswer(0, kDh));
        fake.respond(87, generalData({}, {false}, 0));
        fake.respond(125, generalData({}, {false}, 0));
        for (int type : {4, 5, 8, 9, 12, 13}) fake.respond(type, commonResult(0));
        ASSERT_EQ(robot.robotServiceLogin("127.0.0.1", fake.port(), "u", "p"), 0);
        fake.clearFrames();
    }

    std::vector<int> sentTypes()
    {
        std::vector<int> out;
        for (const auto& f : fake.frames()) out.push_back(f.commandType);
        return out;
    }

    FakeController fake;
    ServiceInterface robot;
};

TEST_F(CallbacksTest, RegistrationSwitchesThePushFirst)
{
    auto status = [](const zr::JointStatus*, int, void*) {};
    auto waypoint = [](const zr::wayPoint_S*, void*) {};
    auto speed = [](double, void*) {};
    EXPECT_EQ(robot.robotServiceRegisterRealTimeJointStatusCallback(status, nullptr), 0);
    EXPECT_EQ(robot.robotServiceRegisterRealTimeJointStatusCallback(nullptr, nullptr), 0);
    EXPECT_EQ(robot.robotServiceRegisterRealTimeRoadPointCallback(waypoint, nullptr), 0);
    EXPECT_EQ(robot.robotServiceRegisterRealTimeEndSpeedCallback(speed, nullptr), 0);
    EXPECT_EQ(robot.robotServiceRegisterRealTimeEndSpeedCallback(nullptr, nullptr), 0);
    EXPECT_EQ(robot.robotServiceRegisterRobotEventInfoCallback(nullptr, nullptr), 0);
    EXPECT_EQ(robot.robotServiceRegisterMovepStepNumNotifyCallback(nullptr, nullptr), 0);
    EXPECT_EQ(sentTypes(), (std::vector<int>{4, 5, 8, 12, 13}));

    fake.clearFrames();
    fake.respond(9, commonResult(4));
    EXPECT_EQ(robot.robotServiceSetRealTimeJointStatusPush(true), 0);
    EXPECT_EQ(robot.robotServiceSetRealTimeRoadPointPush(false), 10024);
    EXPECT_EQ(robot.robotServiceSetRealTimeEndSpeedPush(true), 0);
    EXPECT_EQ(sentTypes(), (std::vector<int>{4, 9, 12}));
}

TEST_F(CallbacksTest, JointAnglePushArrivesAsForwardKinematics)
{
    Inbox<zr::wayPoint_S> inbox;
    robot.robotServiceRegisterRealTimeRoadPointCallback(
        [](const zr::wayPoint_S* wp, void* arg) { static_cast<Inbox<zr::wayPoint_S>*>(arg)->add(*wp); }, &inbox);
    const std::array<double, 6> q{0.1, -0.2, 0.3, 0.4, -0.5, 0.6};
    ASSERT_TRUE(fake.pushFrame(7, jointAnglePush(q)));
    ASSERT_TRUE(inbox.waitFor(1));
    zr::wayPoint_S expected = {};
    ASSERT_EQ(RobotUtilService::robotFk(q.data(), 6, expected), 0);
    const zr::wayPoint_S& got = inbox.items[0];
    for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(got.jointpos[i], q[i]);
    EXPECT_DOUBLE_EQ(got.cartPos.x, expected.cartPos.x);
    EXPECT_DOUBLE_EQ(got.cartPos.z, expected.cartPos.z);
    EXPECT_DOUBLE_EQ(got.orientation.w, expected.orientation.w);
}

TEST_F(CallbacksTest, EndSpeedAndPeerCloseReachTheApplication)
{
    Inbox<double> speeds;
    Inbox<zr::RobotEventInfo> events;
    robot.robotServiceRegisterRealTimeEndSpeedCallback(
        [](double v, void* arg) { static_cast<Inbox<double>*>(arg)->add(v); }, &speeds);
    robot.robotServiceRegisterRobotEventInfoCallback(
        [](const zr::RobotEventInfo* e, void* arg) { static_cast<Inbox<zr::RobotEventInfo>*>(arg)->add(*e); },
        &events);
    ASSERT_TRUE(fake.pushFrame(11, generalData({1500})));
    ASSERT_TRUE(speeds.waitFor(1));
    EXPECT_DOUBLE_EQ(speeds.items[0], 1.5);

    fake.closeClient();
    ASSERT_TRUE(events.waitFor(1));
    EXPECT_EQ(events.items[0].eventType, 27);
    EXPECT_EQ(events.items[0].eventCode, 0);
    EXPECT_EQ(events.items[0].eventContent, "Server disconnected.");
    EXPECT_EQ(robot.robotServiceSetRealTimeEndSpeedPush(true), 10004);
}

TEST_F(CallbacksTest, MovepStepsMapThroughTheWaypointTable)
{
    Inbox<int> steps;
    robot.robotServiceRegisterMovepStepNumNotifyCallback(
        [](int step, void* arg) { static_cast<Inbox<int>*>(arg)->add(step); }, &steps);
    WaypointIndexTable::instance().clear();
    ASSERT_TRUE(fake.pushFrame(133, generalData({0})));  // empty table: the initial 0
    WaypointIndexTable::instance().set(3, 40);
    WaypointIndexTable::instance().set(5, 90);
    for (int step : {1, 2, 3, 7}) ASSERT_TRUE(fake.pushFrame(133, generalData({step})));
    ASSERT_TRUE(steps.waitFor(5));
    EXPECT_EQ(steps.items, (std::vector<int>{0, 40, 40, 90, 90}));
    WaypointIndexTable::instance().clear();
}

TEST(CallbackRegistration, WhileDisconnectedStoresAndLeavesThePushOff)
{
    FakeController fake;
    ServiceInterface robot;
    std::atomic<int> calls{0};
    EXPECT_EQ(robot.robotServiceRegisterRealTimeJointStatusCallback(
                  [](const zr::JointStatus*, int, void* arg) { ++*static_cast<std::atomic<int>*>(arg); }, &calls),
              0);
    EXPECT_EQ(fake.acceptedCount(), 0);
    EXPECT_EQ(robot.robotServiceSetRealTimeJointStatusPush(true), 10004);
}

TEST(CallbackRegistration, OldCallbackNeverRunsAfterReplacementReturns)
{
    // Pushes hammer the joint-status trampoline while another thread swaps
    // callbacks; once a swap returns the previous callback must stay silent.
    FakeController fake;
    fake.respond(0, loginAnswer(0, kDh));
    fake.respond(87, generalData({}, {false}, 0));
    fake.respond(125, generalData({}, {false}, 0));
    for (int type : {4, 5}) fake.respond(type, commonResult(0));
    ServiceInterface robot;
    LogCapture log;
    ASSERT_EQ(robot.robotServiceLogin("127.0.0.1", fake.port(), "u", "p"), 0);

    struct Slot {
        std::atomic<bool> retired{false};
        std::atomic<int> lateCalls{0};
        std::atomic<int> calls{0};
    };
    auto cb = [](const zr::JointStatus*, int, void* arg) {
        auto* slot = static_cast<Slot*>(arg);
        ++slot->calls;
        if (slot->retired.load()) ++slot->lateCalls;
    };
    zarn::robot::common::ProtoRobotAllJointStatusResponse msg;
    msg.set_jointcount(6);
    for (int i = 0; i < 6; ++i) {
        auto* s = msg.add_jointstatus();
        s->set_jointcurrenti(i);
        s->set_jointspeedmoto(0);
        s->set_jointposj(0);
        s->set_jointcurvol(0);
        s->set_jointcurtemp(0);
        s->set_jointtagcurrenti(0);
        s->set_jointtagspeedmoto(0);
        s->set_jointtagposj(0);
        s->set_jointerrornum(0);
    }
    const Bytes push = serialize(msg);

    std::atomic<bool> stop{false};
    std::thread pusher([&] {
        for (int i = 0; i < 200000 && !stop; ++i) {
            fake.pushFrame(3, push);
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
    });
    std::vector<std::unique_ptr<Slot>> slots;
    for (int round = 0; round < 10; ++round) {
        slots.push_back(std::make_unique<Slot>());
        robot.robotServiceRegisterRealTimeJointStatusCallback(cb, slots.back().get());
        if (slots.size() > 1) slots[slots.size() - 2]->retired = true;
        std::this_thread::sleep_for(5ms);
    }
    stop = true;
    pusher.join();
    // Pushes already queued may still arrive: retire the last slot before the slots go.
    robot.robotServiceRegisterRealTimeJointStatusCallback(nullptr, nullptr);
    int total = 0;
    for (const auto& s : slots) {
        EXPECT_EQ(s->lateCalls.load(), 0);
        total += s->calls.load();
    }
    EXPECT_GT(total, 0);
    EXPECT_FALSE(log.contains("sdk log: Resolve realtime joint status info failed."));
}

}  // namespace
