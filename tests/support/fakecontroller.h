#ifndef ZARN_TEST_FAKECONTROLLER_H
#define ZARN_TEST_FAKECONTROLLER_H

// A scriptable stand-in for the controller's server: a TCP listener on
// 127.0.0.1 with an ephemeral port that serves one client at a time (and
// accepts the next one after a close), records every frame it receives and
// answers as scripted.
//
//   FakeController fake;
//   fake.respond(115, commonResult(0));                 // table entry
//   fake.respondWith(22, [](const Frame&) {             // handler entry
//       return Replies{{22, commonResult(0)}, {2, robotEvent(22, 0)}};
//   });
//   client.connect("127.0.0.1", fake.port());
//   auto frame = fake.waitForCommand(115, 2s);
//   fake.pushFrame(2, robotEvent(27, 0, "..."));
//   fake.sendRaw(hex("00 01") + encodeFrame(3, payload));
//   fake.closeClient();
//
// Handlers run on the controller's own I/O thread, one frame at a time; they
// may call pushFrame, sendRaw and closeClient.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "wireframe.h"

namespace zarn_test {

// One thing the controller writes in answer: a frame, or raw bytes when `raw`
// is set; written after `delay`.
struct Reply {
    int32_t commandType = 0;
    Bytes payload;
    std::optional<Bytes> raw;
    std::chrono::milliseconds delay{0};

    Reply() = default;
    Reply(int32_t type, Bytes body, std::chrono::milliseconds after = std::chrono::milliseconds(0))
        : commandType(type), payload(std::move(body)), delay(after)
    {
    }
    static Reply rawBytes(Bytes bytes, std::chrono::milliseconds after = std::chrono::milliseconds(0))
    {
        Reply r;
        r.raw = std::move(bytes);
        r.delay = after;
        return r;
    }
};
using Replies = std::vector<Reply>;

// Decides the answer to one received frame; an empty list stays silent.
using Handler = std::function<Replies(const Frame&)>;

class FakeController {
public:
    FakeController();
    ~FakeController();
    FakeController(const FakeController&) = delete;
    FakeController& operator=(const FakeController&) = delete;

    int port() const { return m_port; }

    /* ---- script ---- */
    // Every request of `type` is answered by one frame of the same type.
    void respond(int32_t type, Bytes payload);
    // Every request of `type` is answered by what the handler returns.
    void respondWith(int32_t type, Handler handler);
    // Asked for frames that no table entry covers.
    void setFallback(Handler handler);
    // Forget table and fallback: the controller stays silent.
    void clearScript();

    /* ---- unasked output (false when no client is connected or the write fails) ---- */
    bool pushFrame(int32_t type, const Bytes& payload);
    bool sendRaw(const Bytes& bytes);
    // Closes the current client's connection; waits (bounded) until it is gone
    // unless called from a handler.
    void closeClient();

    /* ---- connection state ---- */
    bool hasClient() const;
    int acceptedCount() const;
    bool waitForClient(std::chrono::milliseconds timeout);
    // Waits until the client has gone (it closed, or closeClient()).
    bool waitForNoClient(std::chrono::milliseconds timeout);

    /* ---- what was received ---- */
    std::vector<Frame> frames() const;
    std::size_t byteCount() const;        // every byte received, framed or not
    std::size_t skippedByteCount() const; // bytes that belonged to no frame
    bool waitForFrames(std::size_t count, std::chrono::milliseconds timeout);
    // First recorded frame of that type (recorded before or during the wait).
    std::optional<Frame> waitForCommand(int32_t type, std::chrono::milliseconds timeout);
    void clearFrames();

private:
    void run();
    void serveClient(int fd);
    void handleFrame(const Frame& frame);
    void writeReplies(const Replies& replies);
    bool writeAll(const Bytes& bytes);
    void dropClient();
    bool onIoThread() const { return std::this_thread::get_id() == m_thread.get_id(); }

    int m_listenFd = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;

    mutable std::mutex m_mutex;  // everything below but the write path
    std::condition_variable m_changed;
    int m_clientFd = -1;
    int m_accepted = 0;
    std::vector<Frame> m_frames;
    std::size_t m_bytes = 0;
    std::size_t m_skipped = 0;
    std::map<int32_t, Handler> m_table;
    Handler m_fallback;

    std::mutex m_writeMutex;  // one writer at a time; the descriptor is closed only under it
};

}  // namespace zarn_test

#endif  // ZARN_TEST_FAKECONTROLLER_H
