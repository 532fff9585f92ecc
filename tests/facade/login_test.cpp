#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "fakecontroller.h"
#include "kinematics/ikfunc.h"
#include "kinematics/our_alg.h"
#include "logcapture.h"
#include "robotcommunication.pb.h"
#include "serviceinterface.h"
#include "wiremessages.h"

using namespace zarn_test;
using namespace std::chrono_literals;
namespace zr = zarn_robot_namespace;

namespace {

const int kLogin = 0;
const int kJoint6Flag = 87;
const int kJoint1Flag = 125;
const std::array<double, 6> kDh{0.408, 0.376, 0.0985, 0.1215, 0.1025, 0.094};

// A port on which nothing listens: bound, then closed again.
int closedPort()
{
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr));
    socklen_t len = sizeof(addr);
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    close(fd);
    return ntohs(addr.sin_port);
}

void scriptController(FakeController& fake, int robotType, int serverCode, bool joint6, bool joint1)
{
    fake.respond(kLogin, loginAnswer(robotType, kDh, serverCode));
    fake.respond(kJoint6Flag, generalData({}, {joint6}, 0));
    fake.respond(kJoint1Flag, generalData({}, {joint1}, 0));
}

class LoginTest : public ::testing::Test {
protected:
    ServiceInterface robot;  // creates the log sink before the capture registers
    LogCapture log;
};

TEST_F(LoginTest, SuccessInstallsTheModelOnceAndReadsBothFlags)
{
    FakeController first;
    scriptController(first, 3, 0, true, false);
    zr::RobotType type = zr::RobotType_0;
    zr::RobotDhPara dh = {};
    ASSERT_EQ(robot.robotServiceLogin("127.0.0.1", first.port(), "user", "pw", type, dh), 0);

    EXPECT_EQ(type, 3);
    EXPECT_DOUBLE_EQ(dh.A3, kDh[0]);
    EXPECT_DOUBLE_EQ(dh.D6, kDh[5]);
    EXPECT_EQ(getRobotType(), 3);
    EXPECT_TRUE(Ikfunc::joint6Rot360.load());
    EXPECT_FALSE(Ikfunc::joint1Rot360.load());
    EXPECT_TRUE(log.contains("sdk log: Connect robot server success."));
    EXPECT_TRUE(log.contains("sdk log: set dhparam success. type:3, DhParam:0.408000,0.376000,0.098500,0.121500,0.102500,0.094000"));
    EXPECT_TRUE(log.contains("sdk log: login  success."));
    EXPECT_TRUE(log.contains("sdk log: login completed, set joint6 retate 360 falg success. joint6Rot360Enable=1"));
    EXPECT_TRUE(log.contains("sdk log: login completed, set joint1 retate 360 falg success. joint1Rot360Enable=0"));

    auto request = first.waitForCommand(kLogin, 1s);
    ASSERT_TRUE(request.has_value());
    auto login = parseAs<zarn::robot::communication::ProtoRequestLogin>(request->payload);
    EXPECT_EQ(login.username(), "user");
    EXPECT_EQ(login.passwd(), "pw");
    bool connected = false;
    EXPECT_EQ(robot.robotServiceGetConnectStatus(connected), 1);
    EXPECT_TRUE(connected);

    // A live connection refuses a second login.
    EXPECT_EQ(robot.robotServiceLogin("127.0.0.1", first.port(), "user", "pw"), 10003);

    // Another login with another type keeps the model of the first.
    EXPECT_EQ(robot.robotServiceLogout(), 0);
    FakeController second;
    scriptController(second, 5, 0, false, false);
    log.clear();
    ASSERT_EQ(robot.robotServiceLogin("127.0.0.1", second.port(), "user", "pw", type, dh), 0);
    EXPECT_EQ(type, 5);
    EXPECT_EQ(getRobotType(), 3);
    EXPECT_EQ(log.count("sdk log: login  success."), 1);
    EXPECT_FALSE(log.contains("sdk log: set dhparam success. type:5, DhParam:0.408000,0.376000,0.098500,0.121500,0.102500,0.094000"));
}

TEST_F(LoginTest, ServerErrorReturnsZeroWithoutTouchingOutputs)
{
    FakeController fake;
    scriptController(fake, 7, 2, false, false);
    zr::RobotType type = zr::RobotType_1;
    zr::RobotDhPara dh = {};
    ASSERT_EQ(robot.robotServiceLogin("127.0.0.1", fake.port(), "u", "p", type, dh), 0);
    EXPECT_EQ(type, zr::RobotType_1);
    EXPECT_EQ(dh.A3, 0.0);
    EXPECT_FALSE(log.contains("sdk log: login  success."));
    bool connected = false;
    robot.robotServiceGetConnectStatus(connected);
    EXPECT_TRUE(connected);
}

TEST_F(LoginTest, FailingFlagQueryStillLogsInAndKeepsTheFlag)
{
    FakeController fake;
    scriptController(fake, 0, 0, true, true);
    fake.respond(kJoint6Flag, hex("ff ff"));  // does not parse
    const bool before = Ikfunc::joint6Rot360.load();
    ASSERT_EQ(robot.robotServiceLogin("127.0.0.1", fake.port(), "u", "p"), 0);
    EXPECT_EQ(Ikfunc::joint6Rot360.load(), before);
    EXPECT_EQ(log.levelOf("sdk log: login completed, get joint6 retate 360 falg failed."), 4);
    EXPECT_TRUE(log.contains("sdk log: Resolve getEnableJoint6Rot360Flag response failed."));
    EXPECT_TRUE(Ikfunc::joint1Rot360.load());
    Ikfunc::joint1Rot360.store(false);
}

TEST_F(LoginTest, UnreadableAnswerGives10010)
{
    FakeController fake;
    fake.respond(kLogin, commonResult(0));
    EXPECT_EQ(robot.robotServiceLogin("127.0.0.1", fake.port(), "u", "p"), 10010);
    EXPECT_TRUE(log.contains("sdk log: resolveResponse_DhParam  error."));
}

TEST_F(LoginTest, UnreachableControllerAndBadArguments)
{
    EXPECT_EQ(robot.robotServiceLogin("127.0.0.1", closedPort(), "u", "p"), 10003);
    EXPECT_EQ(log.levelOf("sdk log: Login service connect server failed."), 3);
    EXPECT_EQ(robot.robotServiceLogin("not an address", 8899, "u", "p"), 10003);

    FakeController fake;
    EXPECT_EQ(robot.robotServiceLogin(nullptr, fake.port(), "u", "p"), 10002);
    EXPECT_EQ(robot.robotServiceLogin("127.0.0.1", fake.port(), nullptr, "p"), 10002);
    EXPECT_EQ(robot.robotServiceLogin("127.0.0.1", fake.port(), "u", nullptr), 10002);
    EXPECT_EQ(fake.acceptedCount(), 0);
}

TEST_F(LoginTest, StatusAndLogoutWithoutLogin)
{
    bool connected = true;
    EXPECT_EQ(robot.robotServiceGetConnectStatus(connected), 0);
    EXPECT_FALSE(connected);
    EXPECT_EQ(robot.robotServiceLogout(), 0);
    EXPECT_EQ(robot.getErrDescByCode(zr::ErrCode_SocketConnectFailed), "Socket connect failed.");
}

TEST(FacadeLogSink, TwoFacadesShareOneSink)
{
    ServiceInterface first;
    ServiceInterface second;
    EXPECT_NE(ServiceInterface::S_RobotLogPrintPtr, nullptr);
    struct Lines {
        std::vector<std::string> texts;
    } lines;
    auto cb = [](zr::LOG_LEVEL, const char* text, void* arg) { static_cast<Lines*>(arg)->texts.push_back(text); };
    EXPECT_EQ(first.robotServiceRegisterLogPrintCallback(cb, &lines), 0);
    EXPECT_EQ(second.robotServiceLogin("127.0.0.1", closedPort(), "u", "p"), 10003);
    EXPECT_NE(std::find(lines.texts.begin(), lines.texts.end(), "sdk log: Login service connect server failed."),
              lines.texts.end());
    EXPECT_EQ(first.robotServiceRegisterLogPrintCallback(nullptr, nullptr), 0);
}

}  // namespace
