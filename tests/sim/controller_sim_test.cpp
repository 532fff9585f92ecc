#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"
#include "sim_harness.h"

using namespace simtest;
namespace comm = zarn::robot::communication;
namespace common = zarn::robot::common;

namespace {

// Command and event numbers as a client sees them on the wire.
enum : int {
    kLogin = 0, kEvent = 2, kJointStatusPush = 3, kEnableJointStatus = 4, kDisableJointStatus = 5,
    kEnableJointAngle = 8, kJointAnglePush = 7, kDiagnosisRealTime = 14, kDiagnosis = 15, kStartup = 16,
    kShutdown = 17, kReleaseBrake = 21, kCurrentState = 26, kSetTcp = 27, kGetTcp = 28,
    kCollisionCurrent = 36, kDeviceInfo = 38, kSetCollision = 40, kGetSafety = 61, kSetSafety = 62,
    kHandShake = 80, kJoint6Flag = 87, kPause = 91, kContinue = 92, kHeartbeat = 115, kJoint1Flag = 125,
};

template <class M>
M parsed(const std::string& bytes)
{
    M m;
    EXPECT_TRUE(m.ParseFromString(bytes)) << "answer does not parse as " << m.GetTypeName();
    return m;
}

comm::ProtoRobotCommonResponse commonResult(const std::string& bytes)
{
    return parsed<comm::ProtoRobotCommonResponse>(bytes);
}

comm::ProtoCommunicationRobotEvent eventOf(const WireFrame& frame)
{
    return parsed<comm::ProtoCommunicationRobotEvent>(frame.payload);
}

// The next robot event of `type`; other events on the way are dropped.
bool waitEvent(SimClient& client, int type, comm::ProtoCommunicationRobotEvent& event, Millis timeout)
{
    const auto deadline = Clock::now() + timeout;
    WireFrame frame;
    while (client.waitFor(kEvent, frame, Millis(remainingMs(deadline)))) {
        event = eventOf(frame);
        if (event.eventtype() == type)
            return true;
    }
    return false;
}

std::string loginPayload()
{
    comm::ProtoRequestLogin login;
    login.set_username("user");
    login.set_passwd("pass");
    return login.SerializeAsString();
}

std::string startupPayload()
{
    comm::ProtoCommunicationRobotStartupProfile p;
    for (comm::TcpParam* half : {p.mutable_tcpparam()->mutable_paramautorun(),
                                 p.mutable_tcpparam()->mutable_parammanual()}) {
        half->set_positionx(0);
        half->set_positiony(0);
        half->set_positionz(0.1f);
        half->set_payload(1.5f);
    }
    p.set_readpose(true);
    p.set_staticcollisiondetect(true);
    p.set_collisionclass(6);
    p.set_maxacc(50000);
    return p.SerializeAsString();
}

class ControllerSim : public ::testing::Test {
protected:
    void startSim(const std::vector<std::string>& args = {})
    {
        sim_ = std::make_unique<SimProcess>(args);
        ASSERT_TRUE(sim_->ready()) << "simulator at " << simulatorPath() << " did not print its ready line";
    }

    void connect(SimClient& client)
    {
        ASSERT_TRUE(client.connect(sim_->port()));
    }

    std::unique_ptr<SimProcess> sim_;
};

TEST_F(ControllerSim, ReadyLineNamesAddressAndPort)
{
    startSim();
    EXPECT_EQ(sim_->readyLine(), "zarn-controller-sim: listening on 127.0.0.1:" + std::to_string(sim_->port()));
}

TEST_F(ControllerSim, LoginReportsRobotTypeAndItsNominalLengths)
{
    struct Case {
        int type;
        double a3, a4, d1, d2, d5, d6;
    } cases[] = {
        {0, 0.408, 0.376, 0.0985, 0.1215, 0.1025, 0.094},
        {8, 0.48, 0.37, 0.163, 0.191, 0.1175, 0.1035},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        SimProcess sim({"--robot-type", std::to_string(c.type)});
        ASSERT_TRUE(sim.ready());
        SimClient client;
        ASSERT_TRUE(client.connect(sim.port()));
        std::string answer;
        ASSERT_TRUE(client.request(kLogin, loginPayload(), answer));
        const auto dh = parsed<common::ProtoResponseRobotDhParam>(answer);
        EXPECT_EQ(dh.errorinfo().errorcode(), 0);
        EXPECT_EQ(dh.robottype(), c.type);
        EXPECT_DOUBLE_EQ(dh.dhparam().a3(), c.a3);
        EXPECT_DOUBLE_EQ(dh.dhparam().a4(), c.a4);
        EXPECT_DOUBLE_EQ(dh.dhparam().d1(), c.d1);
        EXPECT_DOUBLE_EQ(dh.dhparam().d2(), c.d2);
        EXPECT_DOUBLE_EQ(dh.dhparam().d5(), c.d5);
        EXPECT_DOUBLE_EQ(dh.dhparam().d6(), c.d6);
    }
}

TEST_F(ControllerSim, FullTurnFlagsAreGeneralDataBooleans)
{
    startSim();
    SimClient client;
    connect(client);
    std::string answer;
    ASSERT_TRUE(client.request(kJoint6Flag, "", answer));
    auto joint6 = parsed<comm::ProtoCommunicationGeneralData>(answer);
    ASSERT_EQ(joint6.property2_size(), 1);
    ASSERT_EQ(joint6.errorinfo_size(), 1);
    EXPECT_EQ(joint6.errorinfo(0).errorcode(), 0);
    EXPECT_TRUE(joint6.property2(0));

    ASSERT_TRUE(client.request(kJoint1Flag, "", answer));
    auto joint1 = parsed<comm::ProtoCommunicationGeneralData>(answer);
    ASSERT_EQ(joint1.property2_size(), 1);
    EXPECT_FALSE(joint1.property2(0));
}

TEST_F(ControllerSim, AnswersStateParameterSafetyAndHeartbeatRequests)
{
    startSim();
    SimClient client;
    connect(client);
    std::string answer;

    ASSERT_TRUE(client.request(kHeartbeat, "", answer));
    EXPECT_EQ(commonResult(answer).errorcode(), 0);

    ASSERT_TRUE(client.request(kCurrentState, "", answer));
    auto state = parsed<comm::ProtoCommunicationGeneralData>(answer);
    ASSERT_EQ(state.property1_size(), 1);
    EXPECT_EQ(state.property1(0), 0);  // stopped

    ASSERT_TRUE(client.request(kDeviceInfo, "", answer));
    auto dev = parsed<common::ProtoResponseRobotDevInfo>(answer);
    ASSERT_EQ(dev.devinfo_size(), 1);
    EXPECT_EQ(dev.devinfo(0).jointver_size(), 6);
    // Revisions from 3.1 on accept a safety configuration.
    EXPECT_GT(dev.devinfo(0).revision().at(1), '3');

    // Brakes cannot open on an unpowered arm.
    ASSERT_TRUE(client.request(kReleaseBrake, "", answer));
    EXPECT_NE(commonResult(answer).errorcode(), 0);

    comm::RobotTcpParam tcp;
    for (comm::TcpParam* half : {tcp.mutable_paramautorun(), tcp.mutable_parammanual()}) {
        half->set_positionx(0.01f);
        half->set_positiony(0);
        half->set_positionz(0.1f);
        half->set_payload(2.5f);
    }
    ASSERT_TRUE(client.request(kSetTcp, tcp.SerializeAsString(), answer));
    EXPECT_EQ(commonResult(answer).errorcode(), 0);
    ASSERT_TRUE(client.request(kGetTcp, "", answer));
    auto tcpBack = parsed<common::ProtoResponseRobotTcpParam>(answer);
    ASSERT_EQ(tcpBack.tcpparam_size(), 1);
    EXPECT_FLOAT_EQ(tcpBack.tcpparam(0).paramautorun().positionz(), 0.1f);
    EXPECT_FLOAT_EQ(tcpBack.tcpparam(0).parammanual().payload(), 2.5f);

    comm::ProtoCommunicationGeneralData collision;
    collision.set_type(1);
    collision.add_property1(8);
    ASSERT_TRUE(client.request(kSetCollision, collision.SerializeAsString(), answer));
    EXPECT_EQ(commonResult(answer).errorcode(), 0);
    ASSERT_TRUE(client.request(kCollisionCurrent, "", answer));
    auto current = parsed<common::ProtoResponseRobotCollisionCurrent>(answer);
    ASSERT_EQ(current.collisioncurrent_size(), 1);
    EXPECT_EQ(current.collisioncurrent(0).collisionclass(), 8u);

    common::ProtoResponseRobotSafetyConfig safety;
    common::ProtoRobotSafetyConfig* cfg = safety.add_safetyconfig();
    for (int j = 0; j < 6; ++j)
        cfg->add_robotreducedconfigjointspeed(90 + j);
    cfg->set_robotreducedconfigtcpspeed(700);
    cfg->set_robotreducedconfigtcpforce(120);
    cfg->set_robotreducedconfigmomentum(20);
    cfg->set_robotreducedconfigpower(250);
    cfg->set_robotsafeguradresetconfig(1);
    cfg->set_robotoperationalmodeconfig(2);
    safety.mutable_errorinfo()->set_errorcode(0);
    safety.mutable_errorinfo()->set_errormsg("");
    ASSERT_TRUE(client.request(kSetSafety, safety.SerializeAsString(), answer));
    EXPECT_EQ(commonResult(answer).errorcode(), 0);
    ASSERT_TRUE(client.request(kGetSafety, "", answer));
    auto safetyBack = parsed<common::ProtoResponseRobotSafetyConfig>(answer);
    ASSERT_EQ(safetyBack.safetyconfig_size(), 1);
    EXPECT_EQ(safetyBack.safetyconfig(0).SerializeAsString(), cfg->SerializeAsString());
}

TEST_F(ControllerSim, StartupShutdownAndHandshakeCompleteWithEventsOnEveryConnection)
{
    startSim();
    SimClient requester, observer;
    connect(requester);
    connect(observer);
    std::string answer;
    ASSERT_TRUE(observer.request(kHeartbeat, "", answer));  // observer is registered

    // The answer comes first, the completion event after it.
    ASSERT_TRUE(requester.sendFrame(kStartup, startupPayload()));
    WireFrame frame;
    ASSERT_TRUE(requester.readFrame(frame, Millis(1500)));
    ASSERT_EQ(frame.command, kStartup);
    EXPECT_EQ(commonResult(frame.payload).errorcode(), 0);
    const auto sent = Clock::now();
    ASSERT_TRUE(requester.waitFor(kEvent, frame, Millis(2000)));
    EXPECT_GE(Clock::now() - sent, Millis(50));  // a start-up takes its time
    auto startupDone = eventOf(frame);
    EXPECT_EQ(startupDone.eventtype(), 20);
    EXPECT_EQ(startupDone.eventcode(), 2);  // working
    comm::ProtoCommunicationRobotEvent event;
    ASSERT_TRUE(waitEvent(requester, 42, event, Millis(1000)));
    EXPECT_EQ(event.eventcode(), 1);  // joint 6 full turn enabled
    ASSERT_TRUE(waitEvent(observer, 20, event, Millis(2000)));

    ASSERT_TRUE(requester.request(kDiagnosis, "", answer));
    auto diagnosis = parsed<comm::ProtoCommunicationRobotDiagnosisInfo>(answer);
    ASSERT_EQ(diagnosis.robotdiagnosis_size(), 1);
    EXPECT_TRUE(diagnosis.robotdiagnosis(0).armpowerstatus());
    EXPECT_FALSE(diagnosis.robotdiagnosis(0).brakestuats());
    EXPECT_TRUE(diagnosis.robotdiagnosis(0).enablereadpose());
    EXPECT_EQ(diagnosis.robotdiagnosis(0).robotmaxacc(), 50000);

    ASSERT_TRUE(requester.request(kHandShake, "", answer));
    EXPECT_EQ(commonResult(answer).errorcode(), 0);
    ASSERT_TRUE(waitEvent(requester, 35, event, Millis(2000)));

    ASSERT_TRUE(requester.request(kShutdown, "", answer));
    EXPECT_EQ(commonResult(answer).errorcode(), 0);
    ASSERT_TRUE(waitEvent(requester, 21, event, Millis(2000)));
    ASSERT_TRUE(requester.request(kDiagnosis, "", answer));
    EXPECT_FALSE(parsed<comm::ProtoCommunicationRobotDiagnosisInfo>(answer).robotdiagnosis(0).armpowerstatus());
}

TEST_F(ControllerSim, PauseAndContinueAnswerRetAndFollowWithTheirEvents)
{
    startSim();
    SimClient client;
    connect(client);

    ASSERT_TRUE(client.sendFrame(kPause));
    WireFrame frame;
    ASSERT_TRUE(client.readFrame(frame, Millis(1500)));
    ASSERT_EQ(frame.command, kPause);
    auto pause = parsed<common::ProtoRobotMoveFuncResult>(frame.payload);
    EXPECT_EQ(pause.ret(), 1);
    ASSERT_TRUE(client.readFrame(frame, Millis(1500)));
    ASSERT_EQ(frame.command, kEvent);
    EXPECT_EQ(eventOf(frame).eventtype(), 45);

    std::string answer;
    ASSERT_TRUE(client.request(kCurrentState, "", answer));
    EXPECT_EQ(parsed<comm::ProtoCommunicationGeneralData>(answer).property1(0), 2);  // paused

    ASSERT_TRUE(client.request(kContinue, "", answer));
    EXPECT_EQ(parsed<common::ProtoRobotMoveFuncResult>(answer).ret(), 1);
    ASSERT_TRUE(client.waitFor(kEvent, frame, Millis(1500)));
    EXPECT_EQ(eventOf(frame).eventtype(), 46);

    // Nothing paused any more: complete at once, no event.
    ASSERT_TRUE(client.request(kContinue, "", answer));
    EXPECT_EQ(parsed<common::ProtoRobotMoveFuncResult>(answer).ret(), 2);
}

TEST_F(ControllerSim, JointStatusPushFollowsItsSwitchAtTheConfiguredRate)
{
    startSim({"--push-hz", "100"});
    SimClient pushed, quiet;
    connect(pushed);
    connect(quiet);
    std::string answer;
    ASSERT_TRUE(quiet.request(kEnableJointAngle, "", answer));
    ASSERT_TRUE(quiet.request(kDisableJointStatus, "", answer));

    ASSERT_TRUE(pushed.request(kEnableJointStatus, "", answer));
    EXPECT_EQ(commonResult(answer).errorcode(), 0);
    int count = 0;
    const auto end = Clock::now() + Millis(500);
    WireFrame frame;
    while (pushed.readFrame(frame, Millis(remainingMs(end)))) {
        ASSERT_EQ(frame.command, kJointStatusPush);
        if (count++ == 0) {
            auto status = parsed<common::ProtoRobotAllJointStatusResponse>(frame.payload);
            EXPECT_EQ(status.jointcount(), 6u);
            EXPECT_EQ(status.jointstatus_size(), 6);
        }
    }
    // 50 expected; generous bounds for a loaded machine.
    EXPECT_GE(count, 25);
    EXPECT_LE(count, 75);

    // After the switch's answer no further joint status arrives.
    ASSERT_TRUE(pushed.sendFrame(kDisableJointStatus));
    for (;;) {
        ASSERT_TRUE(pushed.readFrame(frame, Millis(1500)));
        if (frame.command == kDisableJointStatus)
            break;
        ASSERT_EQ(frame.command, kJointStatusPush);
    }
    EXPECT_FALSE(pushed.readFrame(frame, Millis(150)));

    // The other connection got only what it switched on.
    int angles = 0;
    const auto quietEnd = Clock::now() + Millis(100);
    while (quiet.readFrame(frame, Millis(remainingMs(quietEnd)))) {
        EXPECT_EQ(frame.command, kJointAnglePush);
        ++angles;
    }
    EXPECT_GT(angles, 0);
}

TEST_F(ControllerSim, UnsupportedCommandsAreAnsweredWithAnError)
{
    startSim();
    SimClient client;
    connect(client);
    for (int command : std::initializer_list<int>{kDiagnosisRealTime, 137, 500, -3}) {
        SCOPED_TRACE(command);
        std::string answer;
        ASSERT_TRUE(client.request(command, "", answer));
        auto result = commonResult(answer);
        EXPECT_NE(result.errorcode(), 0);
        EXPECT_NE(result.errorcode(), 4);
        EXPECT_EQ(result.errormsg(), "not supported by the simulator: command " + std::to_string(command));
    }
}

TEST_F(ControllerSim, MalformedInputIsAnsweredOrSkippedWithoutHarm)
{
    startSim();
    SimClient client;
    connect(client);
    std::string answer;

    // A payload that is no message of its command.
    ASSERT_TRUE(client.request(kSetCollision, std::string("\xff\xff\xff", 3), answer));
    EXPECT_NE(commonResult(answer).errorcode(), 0);
    // A value the arm does not accept.
    comm::ProtoCommunicationGeneralData collision;
    collision.set_type(1);
    collision.add_property1(99);
    ASSERT_TRUE(client.request(kSetCollision, collision.SerializeAsString(), answer));
    EXPECT_NE(commonResult(answer).errorcode(), 0);

    // Bad end marker: answered with an error, not acted on.
    std::string bad = encodeWireFrame(kHeartbeat, "");
    bad[bad.size() - 1] = 0x00;
    ASSERT_TRUE(client.sendRaw(bad));
    WireFrame frame;
    ASSERT_TRUE(client.readFrame(frame, Millis(1500)));
    EXPECT_EQ(frame.command, kHeartbeat);
    EXPECT_NE(commonResult(frame.payload).errorcode(), 0);

    // Garbage, a start marker with an absurd length and one with a too small
    // one: skipped, and the next frame is answered.
    std::string noise = "garbage\xee\xcc";
    noise += std::string("\xee\xcc\xff\xff\xff\xff\xff\x7f", 8);
    noise += std::string("\xee\xcc\xff\xff\x03\x00\x00\x00", 8);
    for (int i = 0; i < 5000; ++i)
        noise.push_back(static_cast<char>((i * 37) & 0xff));
    ASSERT_TRUE(client.sendRaw(noise));
    ASSERT_TRUE(client.request(kHeartbeat, "", answer));
    EXPECT_EQ(commonResult(answer).errorcode(), 0);

    // A client that leaves in the middle of a frame does not disturb others.
    {
        SimClient leaver;
        connect(leaver);
        ASSERT_TRUE(leaver.sendRaw(encodeWireFrame(kLogin, loginPayload()).substr(0, 15)));
    }
    SimClient next;
    connect(next);
    ASSERT_TRUE(next.request(kLogin, loginPayload(), answer));
    EXPECT_EQ(parsed<common::ProtoResponseRobotDhParam>(answer).errorinfo().errorcode(), 0);
}

TEST_F(ControllerSim, StopsWithStatusZeroOnSigtermAndSigint)
{
    for (int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        SimProcess sim({"--push-hz", "500"});
        ASSERT_TRUE(sim.ready());
        SimClient client;
        ASSERT_TRUE(client.connect(sim.port()));
        std::string answer;
        ASSERT_TRUE(client.request(kEnableJointStatus, "", answer));
        ASSERT_TRUE(client.sendFrame(kStartup, startupPayload()));  // an event still pending
        EXPECT_EQ(sim.stop(signal, Millis(3000)), 0);
    }
}

}  // namespace
