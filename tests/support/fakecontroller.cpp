#include "fakecontroller.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace zarn_test {

namespace {
const int kPollMs = 20;
const auto kCloseWait = std::chrono::seconds(5);
}  // namespace

FakeController::FakeController()
{
    m_listenFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_listenFd < 0) throw std::runtime_error("FakeController: socket failed");
    const int one = 1;
    setsockopt(m_listenFd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof(one));

    struct sockaddr_in address;
    std::memset(&address, 0, sizeof(address));
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t size = sizeof(address);
    if (bind(m_listenFd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(m_listenFd, 4) != 0 || getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        close(m_listenFd);
        throw std::runtime_error("FakeController: cannot listen on 127.0.0.1");
    }
    m_port = ntohs(address.sin_port);
    m_thread = std::thread(&FakeController::run, this);
}

FakeController::~FakeController()
{
    m_stop.store(true);
    if (m_thread.joinable()) m_thread.join();
    close(m_listenFd);
}

/* ---------------- script ---------------- */

void FakeController::respond(int32_t type, Bytes payload)
{
    respondWith(type, [type, payload](const Frame&) { return Replies{Reply(type, payload)}; });
}

void FakeController::respondWith(int32_t type, Handler handler)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_table[type] = std::move(handler);
}

void FakeController::setFallback(Handler handler)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_fallback = std::move(handler);
}

void FakeController::clearScript()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_table.clear();
    m_fallback = nullptr;
}

/* ---------------- output ---------------- */

bool FakeController::pushFrame(int32_t type, const Bytes& payload)
{
    return writeAll(encodeFrame(type, payload));
}

bool FakeController::sendRaw(const Bytes& bytes)
{
    return writeAll(bytes);
}

bool FakeController::writeAll(const Bytes& bytes)
{
    std::lock_guard<std::mutex> write(m_writeMutex);
    int fd;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        fd = m_clientFd;
    }
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void FakeController::closeClient()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_clientFd >= 0) shutdown(m_clientFd, SHUT_RDWR);
    }
    // The I/O thread sees the end of the stream and closes the descriptor.
    if (!onIoThread()) waitForNoClient(std::chrono::duration_cast<std::chrono::milliseconds>(kCloseWait));
}

/* ---------------- state ---------------- */

bool FakeController::hasClient() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_clientFd >= 0;
}

int FakeController::acceptedCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_accepted;
}

bool FakeController::waitForClient(std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [this] { return m_clientFd >= 0; });
}

bool FakeController::waitForNoClient(std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [this] { return m_clientFd < 0; });
}

std::vector<Frame> FakeController::frames() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_frames;
}

std::size_t FakeController::byteCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bytes;
}

std::size_t FakeController::skippedByteCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_skipped;
}

bool FakeController::waitForFrames(std::size_t count, std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return m_frames.size() >= count; });
}

std::optional<Frame> FakeController::waitForCommand(int32_t type, std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    std::optional<Frame> found;
    m_changed.wait_for(lock, timeout, [&] {
        for (const Frame& f : m_frames) {
            if (f.commandType == type) {
                found = f;
                return true;
            }
        }
        return false;
    });
    return found;
}

void FakeController::clearFrames()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_frames.clear();
    m_bytes = 0;
    m_skipped = 0;
}

/* ---------------- I/O thread ---------------- */

void FakeController::run()
{
    while (!m_stop.load()) {
        struct pollfd watch = {m_listenFd, POLLIN, 0};
        if (poll(&watch, 1, kPollMs) <= 0) continue;
        const int fd = accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        // Bounded writes: a client that stops reading cannot hang a test.
        struct timeval sendTimeout = {2, 0};
        setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &sendTimeout, sizeof(sendTimeout));
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_clientFd = fd;
            ++m_accepted;
        }
        m_changed.notify_all();
        serveClient(fd);
        dropClient();
    }
}

void FakeController::serveClient(int fd)
{
    FrameParser parser;
    std::vector<char> chunk(64 * 1024);
    while (!m_stop.load()) {
        struct pollfd watch = {fd, POLLIN, 0};
        const int ready = poll(&watch, 1, kPollMs);
        if (ready < 0 && errno != EINTR) return;
        if (ready <= 0) continue;
        const ssize_t n = recv(fd, chunk.data(), chunk.size(), 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) return;  // closed by the client, or by closeClient()

        parser.feed(chunk.data(), static_cast<std::size_t>(n));
        std::vector<Frame> received;
        while (auto frame = parser.next()) received.push_back(std::move(*frame));
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bytes += static_cast<std::size_t>(n);
            m_skipped = parser.skippedBytes();
            for (const Frame& f : received) m_frames.push_back(f);
        }
        m_changed.notify_all();
        for (const Frame& f : received) handleFrame(f);
    }
}

void FakeController::handleFrame(const Frame& frame)
{
    Handler handler;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_table.find(frame.commandType);
        if (it != m_table.end()) {
            handler = it->second;
        } else {
            handler = m_fallback;
        }
    }
    if (handler) writeReplies(handler(frame));
}

void FakeController::writeReplies(const Replies& replies)
{
    for (const Reply& reply : replies) {
        if (reply.delay.count() > 0) std::this_thread::sleep_for(reply.delay);
        writeAll(reply.raw ? *reply.raw : encodeFrame(reply.commandType, reply.payload));
    }
}

void FakeController::dropClient()
{
    std::lock_guard<std::mutex> write(m_writeMutex);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_clientFd >= 0) close(m_clientFd);
        m_clientFd = -1;
    }
    m_changed.notify_all();
}

}  // namespace zarn_test
