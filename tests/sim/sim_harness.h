#pragma once

// Starts the simulator as a child process and talks to it with a framing of
// its own, so that the simulator is checked without the library's code.

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace simtest {

using Millis = std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

struct WireFrame {
    std::int32_t command = -1;
    std::string payload;
};

inline std::string encodeWireFrame(std::int32_t command, const std::string& payload)
{
    std::string out("\xee\xcc\xff\xff", 4);
    const std::uint32_t length = static_cast<std::uint32_t>(payload.size() + 12);
    const std::uint32_t type = static_cast<std::uint32_t>(command);
    for (std::uint32_t v : {length, type})
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
    out += payload;
    out.append("\x00\x00\x00\x00\xff\xff\xff\xff", 8);
    return out;
}

inline std::uint32_t readLe32(const char* p)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    return v;
}

inline int remainingMs(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<Millis>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// The built simulator: $ZARN_SIM_PATH, else next to the test's build tree.
inline std::string simulatorPath()
{
    if (const char* env = std::getenv("ZARN_SIM_PATH"))
        if (*env)
            return env;
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return "zarn-controller-sim";
    std::string dir(self, static_cast<std::size_t>(n));
    dir.erase(dir.rfind('/'));
    return dir + "/../tools/controller-sim/zarn-controller-sim";
}

class SimProcess {
public:
    explicit SimProcess(const std::vector<std::string>& args = {})
    {
        int out[2];
        if (::pipe2(out, O_CLOEXEC) != 0)
            return;
        const std::string path = simulatorPath();
        std::vector<std::string> all = {path, "--port", "0", "--log-level", "error"};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : all)
            argv.push_back(&a[0]);
        argv.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        const int rc = posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        if (rc != 0) {
            pid_ = -1;
            ::close(out[0]);
            return;
        }
        readReadyLine(out[0]);
        ::close(out[0]);
    }

    ~SimProcess()
    {
        if (pid_ > 0 && stop(SIGTERM, Millis(3000)) < 0 && pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool ready() const { return port_ > 0; }
    int port() const { return port_; }
    const std::string& readyLine() const { return readyLine_; }

    // Sends `signal` and waits; the exit status, or -1 when it did not exit
    // normally within `timeout`.
    int stop(int signal, Millis timeout)
    {
        if (pid_ <= 0)
            return -1;
        ::kill(pid_, signal);
        const auto deadline = Clock::now() + timeout;
        for (;;) {
            int status = 0;
            const pid_t r = ::waitpid(pid_, &status, WNOHANG);
            if (r == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            if (r < 0 || Clock::now() >= deadline)
                return -1;
            std::this_thread::sleep_for(Millis(10));
        }
    }

private:
    void readReadyLine(int fd)
    {
        const auto deadline = Clock::now() + Millis(5000);
        std::string line;
        while (line.find('\n') == std::string::npos) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, remainingMs(deadline)) <= 0)
                return;
            char buf[256];
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n <= 0)
                return;
            line.append(buf, static_cast<std::size_t>(n));
        }
        readyLine_ = line.substr(0, line.find('\n'));
        const std::string marker = "zarn-controller-sim: listening on ";
        const std::size_t colon = readyLine_.rfind(':');
        if (readyLine_.rfind(marker, 0) == 0 && colon != std::string::npos)
            port_ = std::atoi(readyLine_.c_str() + colon + 1);
    }

    pid_t pid_ = -1;
    int port_ = -1;
    std::string readyLine_;
};

class SimClient {
public:
    SimClient() = default;
    ~SimClient() { close(); }
    SimClient(const SimClient&) = delete;
    SimClient& operator=(const SimClient&) = delete;

    bool connect(int port)
    {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(static_cast<std::uint16_t>(port));
        ::inet_pton(AF_INET, "127.0.0.1", &addr.sin_addr);
        return fd_ >= 0 && ::connect(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    }

    void close()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

    bool sendRaw(const std::string& bytes)
    {
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            sent += static_cast<std::size_t>(n);
        }
        return true;
    }

    bool sendFrame(std::int32_t command, const std::string& payload = std::string())
    {
        return sendRaw(encodeWireFrame(command, payload));
    }

    // The next frame from the wire (not from the backlog).
    bool readFrame(WireFrame& frame, Millis timeout)
    {
        const auto deadline = Clock::now() + timeout;
        while (!takeFrame(frame)) {
            if (!fill(deadline))
                return false;
        }
        return true;
    }

    // Sends a request and returns its answer; frames of other types that
    // arrive first are kept in the backlog.
    bool request(std::int32_t command, const std::string& payload, std::string& answer,
                 Millis timeout = Millis(1500))
    {
        if (!sendFrame(command, payload))
            return false;
        const auto deadline = Clock::now() + timeout;
        WireFrame frame;
        for (;;) {
            if (!readFrame(frame, Millis(remainingMs(deadline))))
                return false;
            if (frame.command == command) {
                answer = frame.payload;
                return true;
            }
            backlog_.push_back(frame);
        }
    }

    // The first kept or arriving frame of `command`; others stay kept.
    bool waitFor(std::int32_t command, WireFrame& frame, Millis timeout)
    {
        for (auto it = backlog_.begin(); it != backlog_.end(); ++it) {
            if (it->command == command) {
                frame = *it;
                backlog_.erase(it);
                return true;
            }
        }
        const auto deadline = Clock::now() + timeout;
        for (;;) {
            if (!readFrame(frame, Millis(remainingMs(deadline))))
                return false;
            if (frame.command == command)
                return true;
            backlog_.push_back(frame);
        }
    }

    std::deque<WireFrame>& backlog() { return backlog_; }

private:
    bool fill(Clock::time_point deadline)
    {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, remainingMs(deadline)) <= 0)
            return false;
        char buf[65536];
        const ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
        if (n <= 0)
            return false;
        buffer_.append(buf, static_cast<std::size_t>(n));
        return true;
    }

    // The simulator must send clean frames: anything else is a failure here.
    bool takeFrame(WireFrame& frame)
    {
        if (buffer_.size() < 8)
            return false;
        if (buffer_.compare(0, 4, std::string("\xee\xcc\xff\xff", 4)) != 0) {
            frame.command = -1;
            frame.payload = "bad start marker";
            buffer_.clear();
            return true;
        }
        const std::uint32_t length = readLe32(buffer_.data() + 4);
        if (buffer_.size() < 8 + static_cast<std::size_t>(length))
            return false;
        const auto command = static_cast<std::int32_t>(readLe32(buffer_.data() + 8));
        const bool trailerOk = length >= 12 &&
            buffer_.compare(length, 8, std::string("\x00\x00\x00\x00\xff\xff\xff\xff", 8)) == 0;
        frame.command = trailerOk ? command : -1;
        frame.payload = trailerOk ? buffer_.substr(12, length - 12) : "bad trailer";
        buffer_.erase(0, 8 + static_cast<std::size_t>(length));
        return true;
    }

    int fd_ = -1;
    std::string buffer_;
    std::deque<WireFrame> backlog_;
};

}  // namespace simtest
