#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <future>
#include <string>
#include <thread>

#include "communication/robotcontrolservices.h"
#include "fakecontroller.h"
#include "logcapture.h"
#include "robotcommon.pb.h"
#include "wiremessages.h"

using namespace zarn_test;
using namespace std::chrono_literals;
namespace zr = zarn_robot_namespace;
typedef CommunicationMateType CMT;
typedef std::chrono::steady_clock Clock;

namespace {

const int kStartup = 16;
const int kShutdown = 17;
const int kHandshake = 80;
const int kEvent = 2;

// The controller link with its waits shortened through the test seam.
class ShortWaitLink : public RobotControlServices {
public:
    using RobotControlServices::setControlWaitDurations;
};

Bytes moveFuncResult(int ret, int code = 0)
{
    zarn::robot::common::ProtoRobotMoveFuncResult m;
    m.set_ret(ret);
    m.mutable_errorinfo()->set_errorcode(code);
    m.mutable_errorinfo()->set_errormsg("");
    return serialize(m);
}

// An answer followed by a robot event, or the event first when it overtakes the answer.
Handler answerThenEvent(int type, Bytes answer, int eventType, int eventCode = 0, bool eventFirst = false)
{
    return [=](const Frame&) {
        Reply reply(type, answer);
        Reply event(kEvent, robotEvent(eventType, eventCode));
        return eventFirst ? Replies{event, reply} : Replies{reply, event};
    };
}

class ControllerWaitsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(LogCapture::sink(), nullptr);
        link.setServerIP("127.0.0.1");
        link.setServerPort(fake.port());
        ASSERT_EQ(link.connectRobotServer(), 0);
        ASSERT_TRUE(fake.waitForClient(2s));
    }

    void shorten(std::chrono::milliseconds wait)
    {
        RobotControlServices::ControlWaitDurations d;
        d.startup = d.shutdown = d.handshake = d.moveControl = wait;
        link.setControlWaitDurations(d);
    }

    int startup(zr::ROBOT_SERVICE_STATE& result, bool wait)
    {
        RobotTcpParam tcp;
        std::memset(&tcp, 0, sizeof(tcp));
        return link.robotStartupService(tcp, 6, true, true, 0, result, wait);
    }

    FakeController fake;
    ShortWaitLink link;
};

TEST_F(ControllerWaitsTest, DefaultDurations)
{
    const auto d = RobotControlServices().controlWaitDurations();
    EXPECT_EQ(d.startup, 60s);
    EXPECT_EQ(d.shutdown, 30s);
    EXPECT_EQ(d.handshake, 30s);
    EXPECT_EQ(d.moveControl, 4s);
}

TEST_F(ControllerWaitsTest, StartupWaitsForTheStartupDoneEvent)
{
    zr::ROBOT_SERVICE_STATE result = zr::ROBOT_SERVICE_READY;
    fake.respondWith(kStartup, answerThenEvent(kStartup, commonResult(0), 20, zr::ROBOT_SERVICE_WORKING));
    EXPECT_EQ(startup(result, true), 0);
    EXPECT_EQ(result, zr::ROBOT_SERVICE_WORKING);

    // Not waiting: the send result, and result stays as it was even though the event comes.
    result = zr::ROBOT_SETVICE_FAULT_POWER;
    fake.respondWith(kStartup, answerThenEvent(kStartup, commonResult(0), 20, zr::ROBOT_SERVICE_CLOSED));
    EXPECT_EQ(startup(result, false), 0);
    fake.respond(kStartup, commonResult(4));
    EXPECT_EQ(startup(result, false), 10024);
    EXPECT_EQ(result, zr::ROBOT_SETVICE_FAULT_POWER);
}

// The event may overtake the answer: it is counted, not lost, and the
// receive thread is never held up by the waiting caller.
TEST_F(ControllerWaitsTest, CompletionThatOvertakesTheAnswerIsNotLost)
{
    zr::ROBOT_SERVICE_STATE result = zr::ROBOT_SERVICE_READY;
    fake.respondWith(kStartup, answerThenEvent(kStartup, commonResult(0), 20, zr::ROBOT_SERVICE_STARTING, true));
    const auto start = Clock::now();
    EXPECT_EQ(startup(result, true), 0);
    EXPECT_EQ(result, zr::ROBOT_SERVICE_STARTING);

    fake.respondWith(CMT::CommunicationType_RobotMoveControlType_Pause,
                     answerThenEvent(CMT::CommunicationType_RobotMoveControlType_Pause, moveFuncResult(1), 45, 0, true));
    EXPECT_EQ(link.robotMoveControlService(CMT::CommunicationType_RobotMoveControlType_Pause), 0);
    EXPECT_LT(Clock::now() - start, 1000ms);
}

TEST_F(ControllerWaitsTest, StartupWithoutItsEventTimesOut)
{
    shorten(200ms);
    fake.respond(kStartup, commonResult(0));
    LogCapture log;
    zr::ROBOT_SERVICE_STATE result = zr::ROBOT_SERVICE_READY;
    const auto start = Clock::now();
    EXPECT_EQ(startup(result, true), 10006);
    EXPECT_GE(Clock::now() - start, 190ms);
    EXPECT_EQ(result, zr::ROBOT_SERVICE_READY);
    EXPECT_EQ(log.levelOf("sdk log: Wait StartupDone signal timeout."), 3);

    // A refused request ends before any wait.
    fake.respond(kStartup, commonResult(7));
    EXPECT_EQ(startup(result, true), 10023);
}

TEST_F(ControllerWaitsTest, ShutdownAndHandshake)
{
    fake.respondWith(kShutdown, answerThenEvent(kShutdown, commonResult(0), 21));
    EXPECT_EQ(link.robotShutdownService(true), 0);
    fake.respondWith(kHandshake, answerThenEvent(kHandshake, commonResult(0), 35));
    EXPECT_EQ(link.robotHandShakeService(true), 0);
    fake.respondWith(kHandshake, answerThenEvent(kHandshake, commonResult(0), 36));
    EXPECT_EQ(link.robotHandShakeService(true), 10023);

    shorten(150ms);
    LogCapture log;
    fake.respond(kShutdown, commonResult(0));
    EXPECT_EQ(link.robotShutdownService(true), 10001);
    EXPECT_EQ(log.levelOf("sdk log: Wait shutDown Done signal timeout."), 3);
    fake.respond(kHandshake, commonResult(0));
    EXPECT_EQ(link.robotHandShakeService(true), 10018);
    // Not waiting: only the send result.
    EXPECT_EQ(link.robotShutdownService(false), 0);
    EXPECT_EQ(link.robotHandShakeService(false), 0);
}

TEST_F(ControllerWaitsTest, NothingIsSentOrAwaitedWhileDisconnected)
{
    link.disconnectRobotServer();
    zr::ROBOT_SERVICE_STATE result = zr::ROBOT_SERVICE_READY;
    EXPECT_EQ(startup(result, true), 10004);
    EXPECT_EQ(link.robotShutdownService(true), 10004);
    EXPECT_EQ(link.robotHandShakeService(true), 10004);
    EXPECT_EQ(link.robotMoveControlService(CMT::CommunicationType_RobotMoveControlType_Pause), 10004);
}

TEST_F(ControllerWaitsTest, MoveControlAnswersAndCompletionEvents)
{
    shorten(300ms);
    const int slow = CMT::CommunicationType_RobotMoveControlType_SlowStop;
    const int fast = CMT::CommunicationType_RobotMoveControlType_FastStop;
    const int pause = CMT::CommunicationType_RobotMoveControlType_Pause;
    const int resume = CMT::CommunicationType_RobotMoveControlType_Continue;
    const int slowWithEvent = CMT::CommunicationType_RobotMoveControlType_SlowStopWithBoardEvent;
    const struct {
        int command;
        int ret;
        int event;  // 0: none
        int expected;
    } cases[] = {
        {slow, 0, 0, 11025},    {fast, 0, 0, 11026},   {pause, 0, 0, 11027},  {resume, 0, 0, 11028},
        {slowWithEvent, 0, 0, 11025},
        {pause, 2, 0, 0},       {resume, 2, 0, 0},     {slow, 5, 0, 10001},
        // Another command's event does not complete the wait. These come
        // before the events 6 and 44, which complete all three waits one
        // after the other and may still be under way when the next call starts.
        {pause, 1, 46, 10001},  {resume, 1, 45, 10001}, {slow, 1, 45, 10001}, {fast, 1, 0, 10001},
        {slow, 1, 6, 0},        {fast, 3, 44, 0},      {pause, 1, 6, 0},      {pause, 3, 45, 0},
        {resume, 1, 44, 0},     {resume, 1, 46, 0},    {slowWithEvent, 1, 6, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("command " + std::to_string(c.command) + " ret " + std::to_string(c.ret) + " event " +
                     std::to_string(c.event));
        fake.clearFrames();
        if (c.event != 0)
            fake.respondWith(c.command, answerThenEvent(c.command, moveFuncResult(c.ret), c.event));
        else
            fake.respond(c.command, moveFuncResult(c.ret));
        EXPECT_EQ(link.robotMoveControlService(static_cast<CMT::CommunicationCommandType>(c.command)), c.expected);
        auto frame = fake.waitForCommand(c.command, 1s);
        ASSERT_TRUE(frame.has_value());
        EXPECT_TRUE(frame->payload.empty());
    }
}

TEST_F(ControllerWaitsTest, MoveControlLogLinesAndTimeOut)
{
    const int pause = CMT::CommunicationType_RobotMoveControlType_Pause;
    {
        LogCapture log;
        fake.respond(pause, moveFuncResult(2));
        EXPECT_EQ(link.robotMoveControlService(CMT::CommunicationType_RobotMoveControlType_Pause), 0);
        EXPECT_EQ(log.levelOf("sdk log: user ready call Motion-Control-Pause."), 0);
        EXPECT_EQ(log.levelOf("sdk log: Motion-Control peer return result: 2."), 0);
        EXPECT_EQ(log.levelOf("sdk log: Motion-Control service finish. ret = 0"), 0);
        EXPECT_FALSE(log.contains("sdk log: Waiting for the Motion-Control-Done of the event"));
    }
    shorten(250ms);
    LogCapture log;
    fake.respond(pause, moveFuncResult(1));
    const auto start = Clock::now();
    EXPECT_EQ(link.robotMoveControlService(CMT::CommunicationType_RobotMoveControlType_Pause), 10001);
    EXPECT_GE(Clock::now() - start, 240ms);
    EXPECT_EQ(log.levelOf("sdk log: Waiting for the Motion-Control-Done of the event"), 0);
    EXPECT_EQ(log.levelOf("sdk log: Waiting Motion-Control-Done event has timed out"), 3);
    EXPECT_EQ(log.levelOf("sdk log: Motion-Control service finish. ret = 10001"), 0);
}

TEST_F(ControllerWaitsTest, MoveControlRefusesOtherCommandsAndMapsControllerErrors)
{
    LogCapture log;
    EXPECT_EQ(link.robotMoveControlService(CMT::CommunicationType_RobotMove), 10001);
    EXPECT_EQ(link.robotMoveControlService(CMT::CommunicationType_RobotMoveControlType), 10001);
    EXPECT_EQ(log.levelOf("sdk log: Motion-Control command Undefined."), 3);
    EXPECT_TRUE(fake.frames().empty());

    const int fast = CMT::CommunicationType_RobotMoveControlType_FastStop;
    fake.respond(fast, moveFuncResult(2, 4));
    EXPECT_EQ(link.robotMoveControlService(CMT::CommunicationType_RobotMoveControlType_FastStop), 10024);
    fake.respond(fast, moveFuncResult(2, 7));
    EXPECT_EQ(link.robotMoveControlService(CMT::CommunicationType_RobotMoveControlType_FastStop), 10023);
    fake.respond(fast, commonResult(0));  // not a move-control answer
    EXPECT_EQ(link.robotMoveControlService(CMT::CommunicationType_RobotMoveControlType_FastStop), 10010);
    EXPECT_EQ(log.levelOf("sdk log: Resolve Motion-Control-Response failed."), 3);
    EXPECT_TRUE(log.contains("sdk log: Motion-Control service finish. ret = 10010"));
}

// A stop, a pause and a continue never overlap: the second waits until the
// first has ended, and each is completed by its own event.
TEST_F(ControllerWaitsTest, MoveControlCallsAreSerialised)
{
    const int pause = CMT::CommunicationType_RobotMoveControlType_Pause;
    const int resume = CMT::CommunicationType_RobotMoveControlType_Continue;
    fake.respond(pause, moveFuncResult(1));
    fake.respondWith(resume, answerThenEvent(resume, moveFuncResult(1), 46));
    auto paused = std::async(std::launch::async, [this] {
        return link.robotMoveControlService(CMT::CommunicationType_RobotMoveControlType_Pause);
    });
    ASSERT_TRUE(fake.waitForCommand(pause, 1s).has_value());
    auto resumed = std::async(std::launch::async, [this] {
        return link.robotMoveControlService(CMT::CommunicationType_RobotMoveControlType_Continue);
    });
    // The pause is still waiting for its event: the continue is not sent yet.
    std::this_thread::sleep_for(150ms);
    EXPECT_EQ(fake.frames().size(), 1u);
    ASSERT_TRUE(fake.pushFrame(kEvent, robotEvent(45, 0)));
    EXPECT_EQ(paused.get(), 0);
    EXPECT_EQ(resumed.get(), 0);
    const auto frames = fake.frames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].commandType, pause);
    EXPECT_EQ(frames[1].commandType, resume);
}

}  // namespace
