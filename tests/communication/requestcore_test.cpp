#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "communication/robotcontrolservices.h"
#include "fakecontroller.h"
#include "logcapture.h"
#include "robotcommunication.pb.h"
#include "wiremessages.h"

using namespace zarn_test;
using namespace std::chrono_literals;
using CMT = CommunicationMateType;

namespace {

const int kHeartbeat = CMT::CommunicationType_communicationHeart;
const int kWorkMode = CMT::CommunicationType_GetRobotMode;

class RequestCoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(LogCapture::sink(), nullptr); }

    void connect()
    {
        link.setServerIP("127.0.0.1");
        link.setServerPort(fake.port());
        ASSERT_EQ(link.connectRobotServer(), 0);
        ASSERT_TRUE(fake.waitForClient(2s));
    }

    int sendResult(int type) { return link.requestServiceOnlyCheckSendResultMode(static_cast<CMT::CommunicationCommandType>(type), nullptr, 0); }

    FakeController fake;
    RobotControlServices link;
};

TEST_F(RequestCoreTest, DisconnectedCallReturns10004AndSendsNothing)
{
    LogCapture log;
    EXPECT_EQ(link.heartbeatService(), 10004);
    EXPECT_TRUE(log.contains("sdk log: Current connect disconnect."));
    EXPECT_EQ(fake.byteCount(), 0u);
}

TEST_F(RequestCoreTest, ServerCodesMapInSendResultMode)
{
    connect();
    struct Case {
        int serverCode;
        int expected;
    } cases[] = {{0, 0}, {1, 10023}, {4, 10024}, {7, 10023}, {-1, 10023}};
    for (const auto& c : cases) {
        LogCapture log;
        fake.respond(kHeartbeat, commonResult(c.serverCode, "x"));
        EXPECT_EQ(link.heartbeatService(), c.expected) << "server code " << c.serverCode;
        if (c.expected != 0) {
            EXPECT_TRUE(log.contains("sdk log: Response return false. cmd Type:CommunicationType_communicationHeart  errorCode:" +
                                     std::to_string(c.serverCode)));
        }
    }
    auto frame = fake.waitForCommand(kHeartbeat, 1s);
    ASSERT_TRUE(frame.has_value());
    EXPECT_TRUE(frame->payload.empty());
}

TEST_F(RequestCoreTest, SilentPeerTimesOutThenNextRequestWorks)
{
    connect();
    LogCapture log;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(sendResult(kHeartbeat), 10007);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 1400ms);
    EXPECT_LT(waited, 4000ms);
    EXPECT_TRUE(log.contains("sdk log: Wait response timeout. cmd type: 115 CommunicationType_communicationHeart"));

    fake.respond(kHeartbeat, commonResult(0));
    EXPECT_EQ(sendResult(kHeartbeat), 0);
}

TEST_F(RequestCoreTest, LateAnswerIsDiscardedByTheNextClear)
{
    connect();
    EXPECT_EQ(sendResult(kHeartbeat), 10007);
    // Arrives after the time-out: stored, then cleared by the next request.
    ASSERT_TRUE(fake.pushFrame(kHeartbeat, commonResult(4)));
    std::this_thread::sleep_for(100ms);
    fake.respond(kHeartbeat, commonResult(0));
    EXPECT_EQ(sendResult(kHeartbeat), 0);
}

TEST_F(RequestCoreTest, EmptyAnswerGives10009)
{
    connect();
    LogCapture log;
    fake.respond(kHeartbeat, Bytes());
    EXPECT_EQ(sendResult(kHeartbeat), 10009);
    EXPECT_TRUE(log.contains("recv response text is NULL, command:115"));
    EXPECT_TRUE(log.contains("sdk log: robot server response text is NULL."));

    fake.respond(kWorkMode, Bytes());
    CommunicationResponse response;
    EXPECT_EQ(link.requestServiceGetResponseContentMode(CMT::CommunicationType_GetRobotMode, nullptr, 0, response), 10009);
}

TEST_F(RequestCoreTest, SameTypeRequestsAreSerialised)
{
    connect();
    // The first request is answered late; the second frame must not leave before that answer.
    std::atomic<int> seen{0};
    fake.respondWith(kHeartbeat, [&](const Frame&) {
        const int n = ++seen;
        return Replies{Reply(kHeartbeat, commonResult(0), n == 1 ? 300ms : 0ms)};
    });
    auto first = std::async(std::launch::async, [&] { return sendResult(kHeartbeat); });
    ASSERT_TRUE(fake.waitForFrames(1, 2s));
    auto second = std::async(std::launch::async, [&] { return sendResult(kHeartbeat); });
    std::this_thread::sleep_for(150ms);
    EXPECT_EQ(fake.frames().size(), 1u) << "second frame left before the first answer";
    EXPECT_EQ(first.get(), 0);
    EXPECT_EQ(second.get(), 0);
    EXPECT_EQ(fake.frames().size(), 2u);
}

TEST_F(RequestCoreTest, DifferentTypesAnsweredInReverseOrderEachGetTheirOwn)
{
    connect();
    std::atomic<int> arrived{0};
    // Hold the first answer until the second request is in, then answer both in reverse.
    fake.setFallback([&](const Frame& f) {
        if (++arrived == 1) return Replies{};
        const int other = f.commandType == kHeartbeat ? kWorkMode : kHeartbeat;
        return Replies{Reply(f.commandType, f.commandType == kHeartbeat ? commonResult(0) : generalData({1}, {}, 0)),
                       Reply(other, other == kHeartbeat ? commonResult(0) : generalData({1}, {}, 0))};
    });
    auto heartbeat = std::async(std::launch::async, [&] { return sendResult(kHeartbeat); });
    ASSERT_TRUE(fake.waitForFrames(1, 2s));
    CommunicationResponse response;
    const int modeResult =
        link.requestServiceGetResponseContentMode(CMT::CommunicationType_GetRobotMode, nullptr, 0, response);
    EXPECT_EQ(modeResult, 0);
    EXPECT_EQ(response.commandType, kWorkMode);
    auto parsed = parseAs<zarn::robot::communication::ProtoCommunicationGeneralData>(
        Bytes(response.text, response.textLength));
    ASSERT_EQ(parsed.property1_size(), 1);
    EXPECT_EQ(heartbeat.get(), 0);
}

TEST_F(RequestCoreTest, UnknownCommandTypesAreDropped)
{
    connect();
    LogCapture log;
    ASSERT_TRUE(fake.pushFrame(200, commonResult(0)));
    ASSERT_TRUE(fake.pushFrame(-5, commonResult(0)));
    EXPECT_TRUE(log.waitFor("sdk log:  Command type not exist.", 2s));
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(log.count("sdk log:  Command type not exist."), 2);
    fake.respond(kHeartbeat, commonResult(0));
    EXPECT_EQ(sendResult(kHeartbeat), 0);
}

TEST_F(RequestCoreTest, PayloadOwnershipIsTakenInEveryOutcome)
{
    // Disconnected: the payload is still released (checked by the sanitizer builds).
    char* payload = new char[8]();
    EXPECT_EQ(link.requestServiceOnlyCheckSendResultMode(CMT::CommunicationType_communicationHeart, payload, 8), 10004);
    CommunicationResponse response;
    payload = new char[8]();
    EXPECT_EQ(link.requestServiceGetResponseContentMode(CMT::CommunicationType_GetRobotMode, payload, 8, response),
              10004);
    EXPECT_EQ(response.text, nullptr);
}

TEST(ServerCodeMapping, Table)
{
    EXPECT_EQ(RobotControlServices::getErrCodeByServerResponse(0), 0);
    for (int code : {1, 2, 3, 5, 100, -1}) EXPECT_EQ(RobotControlServices::getErrCodeByServerResponse(code), 10023);
    EXPECT_EQ(RobotControlServices::getErrCodeByServerResponse(4), 10024);
}

}  // namespace
