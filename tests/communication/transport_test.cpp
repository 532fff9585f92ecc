#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "communication/robotcommunicationclient.h"
#include "fakecontroller.h"
#include "interface/robotlogprint.h"
#include "robotcommunication.pb.h"
#include "wiremessages.h"
#include "zarnrobottypes.h"

using namespace std::chrono_literals;
using zarn_test::Bytes;
using zarn_test::encodeFrame;
using zarn_test::FakeController;
using zarn_test::FrameOptions;
using zarn_test::hex;
using zarn_test::le32;

namespace {

/* ---------- log capture ---------- */

class LogCapture {
public:
    static LogCapture& instance()
    {
        static LogCapture* capture = new LogCapture();
        return *capture;
    }
    void clear()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_lines.clear();
    }
    // Lines whose text starts with prefix, in order.
    std::vector<std::string> lines(const std::string& prefix = "") const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        std::vector<std::string> out;
        for (const auto& l : m_lines)
            if (l.second.compare(0, prefix.size(), prefix) == 0) out.push_back(l.second);
        return out;
    }
    int levelOf(const std::string& text) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto& l : m_lines)
            if (l.second == text) return l.first;
        return -1;
    }

private:
    LogCapture()
    {
        static RobotLogPrint* sink = new RobotLogPrint();  // process-wide, never destroyed
        sink->registerRobotLogPrintCallback(&LogCapture::callback, this);
    }
    static void callback(int level, const char* text, void* arg)
    {
        auto* self = static_cast<LogCapture*>(arg);
        std::lock_guard<std::mutex> lock(self->m_mutex);
        self->m_lines.emplace_back(level, text);
    }
    mutable std::mutex m_mutex;
    std::vector<std::pair<int, std::string>> m_lines;
};

const char* const kHeaderError = "sdk communication log: Recv Header error.";
const char* const kLengthError = "sdk communication log: Recv lengthBlock error.";
const char* const kTextError = "sdk communication log:  Recv text block error.";
const char* const kTransportPrefix = "sdk communication log:";

/* ---------- a transport that records what it is handed ---------- */

struct Received {
    int socketFd;
    Bytes data;
    bool statusDuringCall;
    int descriptorDuringCall;

    int commandType() const
    {
        int32_t type;
        std::memcpy(&type, data.data(), 4);
        return type;
    }
    Bytes payload() const { return data.substr(4); }
};

class RecordingClient : public RobotCommunicationClient {
public:
    ~RecordingClient() override { disconnectRobotServer(); }

    using RobotCommunicationClient::currentSocketFd;

    // Runs on the receive thread before the message is recorded.
    std::function<void(RecordingClient&, const Received&)> onMessage;

    void responseProcess(int socketFd, const char* data, int length) override
    {
        Received r{socketFd, Bytes(data, static_cast<std::size_t>(length)), getCurrentConnectStatus(),
                   currentSocketFd()};
        if (onMessage) onMessage(*this, r);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_received.push_back(std::move(r));
        }
        m_changed.notify_all();
    }
    void disconnectProcess() override {}
    int heartbeatService() override { return 0; }

    int connectTo(int port)
    {
        setServerIP("127.0.0.1");
        setServerPort(port);
        return connectRobotServer();
    }
    bool waitForMessages(std::size_t count, std::chrono::milliseconds timeout = 5s)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, timeout, [&] { return m_received.size() >= count; });
    }
    std::vector<Received> received() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_received;
    }
    bool send(int type, const Bytes& payload)
    {
        CommunicationRequest request;
        request.text = payload.empty() ? nullptr : const_cast<char*>(payload.data());
        request.textLength = static_cast<int>(payload.size());
        request.commandType = type;
        return encodeAndSendCommunicationPackage(request);
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Received> m_received;
};

class TransportTest : public ::testing::Test {
protected:
    void SetUp() override { LogCapture::instance().clear(); }

    void connectClient()
    {
        ASSERT_EQ(client.connectTo(fake.port()), 0);
        ASSERT_TRUE(fake.waitForClient(2s));
    }
    std::vector<std::string> transportLines() const { return LogCapture::instance().lines(kTransportPrefix); }

    FakeController fake;
    RecordingClient client;
};

std::vector<std::string> skipLines(int bytes)
{
    std::vector<std::string> out;
    for (int i = 0; i < bytes; ++i) {
        out.push_back(kHeaderError);
        out.push_back(kLengthError);
        out.push_back(kTextError);
    }
    return out;
}

}  // namespace

/* ---------------- sending ---------------- */

TEST_F(TransportTest, FramesAreWrittenByteExact)
{
    connectClient();
    struct Case {
        int type;
        Bytes payload;
        Bytes expected;
    } cases[] = {
        {115, "", hex("ee cc ff ff 0c 00 00 00 73 00 00 00 00 00 00 00 ff ff ff ff")},
        {22, "abc", hex("ee cc ff ff 0f 00 00 00 16 00 00 00 61 62 63 00 00 00 00 ff ff ff ff")},
        {-5, hex("00"), hex("ee cc ff ff 0d 00 00 00 fb ff ff ff 00 00 00 00 00 ff ff ff ff")},
    };
    for (const auto& c : cases) ASSERT_TRUE(client.send(c.type, c.payload));
    ASSERT_TRUE(fake.waitForFrames(3, 5s));
    const auto frames = fake.frames();
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(zarn_test::toHex(frames[i].raw), zarn_test::toHex(cases[i].expected)) << "case " << i;
    }
}

TEST_F(TransportTest, SizeLimitAcceptsLargestPayloadAndRefusesOneMore)
{
    connectClient();
    const Bytes largest(4194027, 'x');
    ASSERT_TRUE(client.send(22, largest));
    ASSERT_TRUE(fake.waitForFrames(1, 20s));
    EXPECT_EQ(fake.frames()[0].payload.size(), largest.size());
    EXPECT_EQ(fake.frames()[0].length, 4194039u);
    const std::size_t bytesBefore = fake.byteCount();

    EXPECT_FALSE(client.send(22, Bytes(4194028, 'y')));
    EXPECT_EQ(transportLines(), std::vector<std::string>{
                                    "sdk communication log: The message size is larger than the specified size. "
                                    "length:4194040"});
    EXPECT_EQ(LogCapture::instance().levelOf(transportLines().at(0)), 3);

    // Nothing of the refused frame went out: the next bytes are the next frame's.
    ASSERT_TRUE(client.send(115, ""));
    ASSERT_TRUE(fake.waitForFrames(2, 5s));
    EXPECT_EQ(fake.frames()[1].commandType, 115);
    EXPECT_EQ(fake.byteCount(), bytesBefore + 20);
    EXPECT_EQ(fake.skippedByteCount(), 0u);
}

TEST_F(TransportTest, InvalidRequestsAreRefused)
{
    CommunicationRequest notConnected;
    notConnected.commandType = 115;
    EXPECT_FALSE(client.encodeAndSendCommunicationPackage(notConnected));
    EXPECT_EQ(transportLines(), std::vector<std::string>{"sdk communication log: Socket send messages error. errorcode=-1"});

    connectClient();
    CommunicationRequest negative;
    negative.commandType = 22;
    negative.textLength = -1;
    EXPECT_FALSE(client.encodeAndSendCommunicationPackage(negative));
    CommunicationRequest missingText;
    missingText.commandType = 22;
    missingText.textLength = 10;
    EXPECT_FALSE(client.encodeAndSendCommunicationPackage(missingText));

    ASSERT_TRUE(client.send(115, ""));
    ASSERT_TRUE(fake.waitForFrames(1, 5s));
    EXPECT_EQ(fake.byteCount(), 20u);
}

TEST_F(TransportTest, SendingToAVanishedPeerFailsWithoutSignal)
{
    int pair[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    close(pair[1]);
    CommunicationRequest request;
    request.commandType = 115;
    EXPECT_FALSE(client.encodeAndSendCommunicationPackage(pair[0], request));  // no SIGPIPE
    EXPECT_EQ(transportLines(), std::vector<std::string>{"sdk communication log: Socket send messages error. errorcode=-1"});
    close(pair[0]);
}

TEST_F(TransportTest, ConcurrentSendersNeverInterleave)
{
    connectClient();
    const int threads = 4, perThread = 50;
    std::vector<std::thread> senders;
    for (int t = 0; t < threads; ++t) {
        senders.emplace_back([&, t] {
            for (int i = 0; i < perThread; ++i) client.send(30 + t, Bytes(3000 + i, static_cast<char>('a' + t)));
        });
    }
    for (auto& s : senders) s.join();
    ASSERT_TRUE(fake.waitForFrames(threads * perThread, 10s));
    EXPECT_EQ(fake.skippedByteCount(), 0u);
    for (const auto& f : fake.frames()) {
        ASSERT_EQ(f.payload, Bytes(f.payload.size(), static_cast<char>('a' + f.commandType - 30)));
    }
}

/* ---------------- receiving ---------------- */

TEST_F(TransportTest, DeliversCommandTypeAndPayload)
{
    connectClient();
    ASSERT_TRUE(fake.pushFrame(3, "joint"));
    ASSERT_TRUE(fake.pushFrame(7, ""));
    ASSERT_TRUE(client.waitForMessages(2));
    const auto got = client.received();
    EXPECT_EQ(got[0].commandType(), 3);
    EXPECT_EQ(got[0].payload(), "joint");
    EXPECT_EQ(got[0].socketFd, client.currentSocketFd());
    EXPECT_EQ(got[1].data, le32(7));  // length 12: command type only
    EXPECT_TRUE(transportLines().empty());
}

TEST_F(TransportTest, BackToBackStreamLosesNothing)
{
    // A burst far larger than the socket buffers while the consumer starts
    // slowly, so the receive window closes and reopens: every frame must
    // arrive, with nothing skipped as garbage.
    std::atomic<int> seen{0};
    client.onMessage = [&](RecordingClient&, const Received&) {
        if (++seen < 200) std::this_thread::sleep_for(1ms);
    };
    connectClient();
    const int kFrames = 40000;
    Bytes stream;
    for (int i = 0; i < kFrames; ++i) stream += encodeFrame(3, Bytes(200 + i % 50, static_cast<char>('a' + i % 26)));
    std::thread writer([&] {
        for (std::size_t at = 0; at < stream.size(); at += 61000) fake.sendRaw(stream.substr(at, 61000));
    });
    const bool all = client.waitForMessages(kFrames, 60s);
    writer.join();
    ASSERT_TRUE(all) << client.received().size() << " of " << kFrames;
    const auto got = client.received();
    for (int i = 0; i < kFrames; i += 997) EXPECT_EQ(got[i].payload().size(), static_cast<std::size_t>(200 + i % 50));
    EXPECT_TRUE(transportLines().empty());
}

TEST_F(TransportTest, GarbageBeforeAFrameIsSkippedByteByByte)
{
    connectClient();
    struct Case {
        const char* garbage;
        int skipped;
    } cases[] = {{"00 01", 2}, {"ee cc ff", 3}, {"ee", 1}};
    std::size_t expectedMessages = 0;
    for (const auto& c : cases) {
        LogCapture::instance().clear();
        ASSERT_TRUE(fake.sendRaw(hex(c.garbage) + encodeFrame(11, "speed")));
        ASSERT_TRUE(client.waitForMessages(++expectedMessages));
        EXPECT_EQ(client.received().back().payload(), "speed") << c.garbage;
        EXPECT_EQ(transportLines(), skipLines(c.skipped)) << c.garbage;
        EXPECT_EQ(LogCapture::instance().levelOf(kHeaderError), 3);
    }
}

TEST_F(TransportTest, CheckFieldAndEndMarkerAreNotChecked)
{
    connectClient();
    FrameOptions broken;
    broken.check = {1, 2, 3, 4};
    broken.end = {0, 0, 0, 0};
    ASSERT_TRUE(fake.sendRaw(encodeFrame(133, "step", broken) + encodeFrame(133, "next")));
    ASSERT_TRUE(client.waitForMessages(2));
    EXPECT_EQ(client.received()[0].payload(), "step");
    EXPECT_EQ(client.received()[1].payload(), "next");
    EXPECT_TRUE(transportLines().empty());
}

TEST_F(TransportTest, LargestFrameArrivesWhole)
{
    connectClient();
    Bytes payload(4194027, '\0');
    for (std::size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<char>(i * 7);
    ASSERT_TRUE(fake.pushFrame(3, payload));
    ASSERT_TRUE(client.waitForMessages(1, 10s));
    EXPECT_TRUE(client.received()[0].payload() == payload);
}

// A length field that cannot describe a frame is dropped and the stream
// resynchronises on the next start marker; the connection stays up.
TEST_F(TransportTest, ImpossibleLengthFieldsAreDroppedAndTheStreamRecovers)
{
    connectClient();
    const Bytes start = hex("ee cc ff ff");
    struct Case {
        const char* name;
        Bytes bytes;
        const char* line;  // the line that reports the drop
    } cases[] = {
        {"zero", start + le32(0), "sdk communication log: Invalid frame length:0, frame dropped."},
        {"buffer plus one", start + le32(4194305) + Bytes(100, 'z'),
         "sdk communication log: Invalid frame length:4194305, frame dropped."},
        {"all ones", start + le32(0xffffffffu) + Bytes(20, '\xee'),
         "sdk communication log: Invalid frame length:4294967295, frame dropped."},
        {"too short for a command", start + le32(5) + hex("01 02 03 04 05"), nullptr},
    };
    std::size_t expectedMessages = 0;
    for (const auto& c : cases) {
        LogCapture::instance().clear();
        ASSERT_TRUE(fake.sendRaw(c.bytes + encodeFrame(11, "after")));
        ASSERT_TRUE(client.waitForMessages(++expectedMessages)) << c.name;
        EXPECT_EQ(client.received().back().commandType(), 11) << c.name;
        EXPECT_EQ(client.received().back().payload(), "after") << c.name;
        const auto lines = transportLines();
        if (c.line) {
            ASSERT_FALSE(lines.empty()) << c.name;
            EXPECT_EQ(lines.front(), c.line) << c.name;
        } else {
            EXPECT_TRUE(lines.empty()) << c.name;
        }
    }
    EXPECT_EQ(client.received().size(), expectedMessages);  // nothing delivered for the broken ones
    EXPECT_TRUE(client.getCurrentConnectStatus());
}

TEST_F(TransportTest, TextBlockCutShort)
{
    connectClient();
    const Bytes cut = hex("ee cc ff ff") + le32(100) + le32(3) + "partial";

    // Stalled past the receive time-out: dropped, later frames still arrive.
    ASSERT_TRUE(fake.sendRaw(cut));
    std::this_thread::sleep_for(2500ms);
    ASSERT_TRUE(fake.pushFrame(3, "later"));
    ASSERT_TRUE(client.waitForMessages(1));
    EXPECT_EQ(client.received()[0].payload(), "later");
    EXPECT_EQ(transportLines().at(0), kTextError);

    // Ended by the peer: the disconnect is noticed, nothing hangs.
    ASSERT_TRUE(fake.sendRaw(cut));
    fake.closeClient();
    ASSERT_TRUE(client.waitForMessages(2));
    EXPECT_EQ(client.received()[1].commandType(), 2);
    EXPECT_FALSE(client.getCurrentConnectStatus());
}

TEST_F(TransportTest, PeerCloseDeliversOneDisconnectEvent)
{
    connectClient();
    fake.closeClient();
    ASSERT_TRUE(client.waitForMessages(1));
    std::this_thread::sleep_for(300ms);  // a second message would arrive within a few passes
    const auto got = client.received();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].commandType(), 2);
    EXPECT_EQ(got[0].socketFd, -1);
    EXPECT_FALSE(got[0].statusDuringCall);
    EXPECT_EQ(got[0].descriptorDuringCall, -1);
    const auto event = zarn_test::parseAs<zarn::robot::communication::ProtoCommunicationRobotEvent>(got[0].payload());
    EXPECT_EQ(event.eventtype(), 27);
    EXPECT_EQ(event.eventcode(), 0);
    EXPECT_EQ(event.eventcontent(), "Server disconnected.");
    // The end of the stream first fails the head like any short read.
    EXPECT_EQ(transportLines(), (std::vector<std::string>{kHeaderError, kLengthError, kTextError,
                                                          "sdk communication log: recv return 0, Server disconnenct."}));

    EXPECT_FALSE(client.getCurrentConnectStatus());
    client.disconnectRobotServer();  // joins the ended thread
    EXPECT_EQ(LogCapture::instance().lines("pthread_join:"),
              std::vector<std::string>{"pthread_join:Receive data thread exited successfully."});

    // The same object connects again.
    ASSERT_EQ(client.connectTo(fake.port()), 0);
    ASSERT_TRUE(fake.waitForClient(2s));
    ASSERT_TRUE(fake.pushFrame(3, "again"));
    ASSERT_TRUE(client.waitForMessages(2));
}

TEST_F(TransportTest, ReconnectAfterPeerCloseWithoutDisconnect)
{
    connectClient();
    fake.closeClient();
    ASSERT_TRUE(client.waitForMessages(1));
    ASSERT_EQ(client.connectTo(fake.port()), 0);
    ASSERT_TRUE(fake.waitForClient(2s));
    ASSERT_TRUE(client.send(115, ""));
    EXPECT_TRUE(fake.waitForCommand(115, 5s).has_value());
}

/* ---------------- connect and disconnect ---------------- */

TEST_F(TransportTest, SecondConnectFailsAndKeepsTheFirstConnection)
{
    connectClient();
    const int fd = client.currentSocketFd();
    EXPECT_EQ(client.connectRobotServer(), zarn_robot_namespace::ErrCode_Failed);
    EXPECT_TRUE(client.getCurrentConnectStatus());
    EXPECT_EQ(client.currentSocketFd(), fd);
    EXPECT_EQ(fake.acceptedCount(), 1);
    ASSERT_TRUE(fake.pushFrame(7, "still here"));
    ASSERT_TRUE(client.waitForMessages(1));
    ASSERT_TRUE(client.send(115, ""));
    EXPECT_TRUE(fake.waitForCommand(115, 5s).has_value());
}

TEST_F(TransportTest, DisconnectWhenNeverConnectedDoesNothing)
{
    client.disconnectRobotServer();
    client.disconnectRobotServer();
    EXPECT_FALSE(client.getCurrentConnectStatus());
    EXPECT_EQ(client.currentSocketFd(), -1);
    EXPECT_TRUE(LogCapture::instance().lines().empty());
}

TEST_F(TransportTest, DisconnectStopsAndJoinsTheReceiveThread)
{
    connectClient();
    EXPECT_NE(client.currentSocketFd(), -1);
    client.disconnectRobotServer();
    EXPECT_FALSE(client.getCurrentConnectStatus());
    EXPECT_EQ(client.currentSocketFd(), -1);
    EXPECT_EQ(LogCapture::instance().lines(), (std::vector<std::string>{
                                                  "sdk log: Receive data thread startup ...",
                                                  "sdk log: Receive data thread exit.",
                                                  "pthread_join:Receive data thread exited successfully.",
                                              }));
    EXPECT_TRUE(fake.waitForNoClient(2s));
    EXPECT_TRUE(client.received().empty());  // a local disconnect raises no event
    EXPECT_FALSE(client.send(115, ""));
}

TEST_F(TransportTest, ConnectFailuresReturnFailedAndLeaveNoSocket)
{
    int closedPort;
    {
        FakeController gone;
        closedPort = gone.port();
    }
    struct Case {
        const char* address;
        int port;
    } cases[] = {{"127.0.0.1", closedPort}, {"not-an-address", closedPort}, {"127.0.0.1", 70000}, {"127.0.0.1", 0}};
    for (const auto& c : cases) {
        client.setServerIP(c.address);
        client.setServerPort(c.port);
        EXPECT_EQ(client.connectRobotServer(), zarn_robot_namespace::ErrCode_Failed) << c.address << ":" << c.port;
        EXPECT_FALSE(client.getCurrentConnectStatus());
        EXPECT_EQ(client.currentSocketFd(), -1);
    }
}

TEST_F(TransportTest, DisconnectFromInsideACallbackDoesNotDeadlock)
{
    client.onMessage = [](RecordingClient& self, const Received& r) {
        if (r.commandType() == 99) self.disconnectRobotServer();
    };
    connectClient();
    ASSERT_TRUE(fake.pushFrame(99, "bye"));
    ASSERT_TRUE(client.waitForMessages(1));
    EXPECT_TRUE(fake.waitForNoClient(2s));
    EXPECT_FALSE(client.getCurrentConnectStatus());
    EXPECT_EQ(client.currentSocketFd(), -1);

    client.disconnectRobotServer();  // joins the thread the callback could not
    EXPECT_EQ(LogCapture::instance().lines("pthread_join:"),
              std::vector<std::string>{"pthread_join:Receive data thread exited successfully."});
    EXPECT_EQ(client.received().size(), 1u);  // no disconnect event for a local disconnect
}

TEST_F(TransportTest, ConnectFromInsideACallbackIsRefused)
{
    int result = 0;
    client.onMessage = [&result](RecordingClient& self, const Received&) { result = self.connectRobotServer(); };
    connectClient();
    fake.closeClient();
    ASSERT_TRUE(client.waitForMessages(1));
    EXPECT_EQ(result, zarn_robot_namespace::ErrCode_Failed);
}

TEST(TransportLifetime, DestroyedFromItsOwnCallback)
{
    FakeController fake;
    std::mutex m;
    std::condition_variable cv;
    bool destroyed = false;
    struct SelfDeleting : RobotCommunicationClient {
        std::function<void()> done;
        void responseProcess(int, const char*, int) override
        {
            auto notify = done;
            delete this;
            notify();
        }
        void disconnectProcess() override {}
        int heartbeatService() override { return 0; }
    };
    auto* client = new SelfDeleting();
    client->done = [&] {
        std::lock_guard<std::mutex> lock(m);
        destroyed = true;
        cv.notify_all();
    };
    client->setServerPort(fake.port());
    ASSERT_EQ(client->connectRobotServer(), 0);
    ASSERT_TRUE(fake.pushFrame(3, "x"));
    std::unique_lock<std::mutex> lock(m);
    ASSERT_TRUE(cv.wait_for(lock, 5s, [&] { return destroyed; }));
    lock.unlock();
    EXPECT_TRUE(fake.waitForNoClient(2s));
    std::this_thread::sleep_for(200ms);  // the detached thread finishes without touching the object
}

TEST_F(TransportTest, DisconnectWhilePushesStream)
{
    connectClient();
    std::atomic<bool> stop{false};
    std::thread pusher([&] {
        for (int i = 0; i < 2000 && !stop.load(); ++i) {
            if (!fake.pushFrame(3, Bytes(200, 'p'))) break;
        }
    });
    ASSERT_TRUE(client.waitForMessages(10));
    client.disconnectRobotServer();
    stop.store(true);
    pusher.join();
    EXPECT_FALSE(client.getCurrentConnectStatus());
    EXPECT_EQ(client.currentSocketFd(), -1);
    for (const auto& r : client.received()) ASSERT_EQ(r.commandType(), 3);  // no disconnect event
}

TEST(DisconnectEventPackage, MatchesARobotEventPushAndChecksCapacity)
{
    struct Bare : RobotCommunicationClient {
        void responseProcess(int, const char*, int) override {}
        void disconnectProcess() override {}
        int heartbeatService() override { return 0; }
    } client;
    char buffer[256];
    int length = 0;
    ASSERT_TRUE(client.makeDisconnectEventCommunicationPackage(buffer, sizeof(buffer), &length));
    const Bytes expected = le32(2) + zarn_test::robotEvent(27, 0, "Server disconnected.");
    EXPECT_EQ(Bytes(buffer, static_cast<std::size_t>(length)), expected);

    EXPECT_FALSE(client.makeDisconnectEventCommunicationPackage(buffer, 3, &length));
    EXPECT_FALSE(client.makeDisconnectEventCommunicationPackage(buffer, static_cast<int>(expected.size()) - 1, &length));
    EXPECT_TRUE(client.makeDisconnectEventCommunicationPackage(buffer, static_cast<int>(expected.size()), &length));
    EXPECT_FALSE(client.makeDisconnectEventCommunicationPackage(nullptr, 256, &length));
}
