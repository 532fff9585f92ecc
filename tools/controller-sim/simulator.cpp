#include "simulator.h"

#include <cerrno>
#include <cstring>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include "commands.h"
#include "log.h"
#include "robotcommunication.pb.h"
#include "session.h"

namespace zarnsim {

namespace {

// Bounds the threads and buffers one process can be made to hold.
constexpr std::size_t kMaxSessions = 32;
constexpr int kReapIntervalMs = 200;
constexpr int kSendTimeoutSeconds = 2;

}  // namespace

Simulator::Simulator(const Config& config)
    : config_(config),
      arm_(config.robotType),
      context_{config_, arm_, scheduler_, *this},
      table_(buildDispatchTable())
{
}

Simulator::~Simulator()
{
    // Pending events reach sessions through this object: end them first.
    scheduler_.stop();
    stopAll();
    if (listenFd_ >= 0)
        ::close(listenFd_);
}

int Simulator::listen(std::string& error)
{
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<std::uint16_t>(config_.port));
    if (::inet_pton(AF_INET, config_.host.c_str(), &addr.sin_addr) != 1) {
        error = "not an IPv4 address: " + config_.host;
        return -1;
    }
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0) {
        error = std::string("socket: ") + std::strerror(errno);
        return -1;
    }
    const int one = 1;
    ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(listenFd_, 16) != 0) {
        error = std::string("cannot listen on ") + config_.host + ":" + std::to_string(config_.port) + ": " +
                std::strerror(errno);
        return -1;
    }
    socklen_t len = sizeof addr;
    ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&addr), &len);
    return ntohs(addr.sin_port);
}

void Simulator::run(int stopFd)
{
    for (;;) {
        pollfd fds[2] = {{listenFd_, POLLIN, 0}, {stopFd, POLLIN, 0}};
        const int n = ::poll(fds, 2, kReapIntervalMs);
        if (n < 0 && errno != EINTR) {
            SIM_LOG(Error, "poll failed: %s", std::strerror(errno));
            break;
        }
        if (n > 0 && (fds[1].revents & POLLIN))
            break;
        // Reaped before accepting, so closed connections never count
        // against the limit.
        reapFinished();
        if (n > 0 && (fds[0].revents & POLLIN))
            accept();
    }
    SIM_LOG(Info, "stopping");
    scheduler_.stop();
    stopAll();
}

void Simulator::accept()
{
    sockaddr_in peer{};
    socklen_t len = sizeof peer;
    const int fd = ::accept4(listenFd_, reinterpret_cast<sockaddr*>(&peer), &len, SOCK_CLOEXEC);
    if (fd < 0) {
        SIM_LOG(Warning, "accept failed: %s", std::strerror(errno));
        return;
    }
    char peerText[INET_ADDRSTRLEN] = "?";
    ::inet_ntop(AF_INET, &peer.sin_addr, peerText, sizeof peerText);

    std::lock_guard<std::mutex> lock(sessionsMutex_);
    if (sessions_.size() >= kMaxSessions) {
        SIM_LOG(Warning, "refusing connection from %s:%d: %zu connections open", peerText, ntohs(peer.sin_port),
                sessions_.size());
        ::close(fd);
        return;
    }
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    timeval timeout{kSendTimeoutSeconds, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);

    const int id = nextId_++;
    SIM_LOG(Info, "conn %d: accepted from %s:%d", id, peerText, ntohs(peer.sin_port));
    auto session = std::make_shared<Session>(fd, id, context_, table_);
    session->start();
    sessions_.push_back(std::move(session));
}

void Simulator::reapFinished()
{
    std::vector<std::shared_ptr<Session>> done;
    {
        std::lock_guard<std::mutex> lock(sessionsMutex_);
        for (auto it = sessions_.begin(); it != sessions_.end();) {
            if ((*it)->finished()) {
                done.push_back(std::move(*it));
                it = sessions_.erase(it);
            } else {
                ++it;
            }
        }
    }
    // Joined outside the lock: a session's threads may be broadcasting.
    for (auto& s : done)
        s->stop();
}

void Simulator::stopAll()
{
    std::vector<std::shared_ptr<Session>> all;
    {
        std::lock_guard<std::mutex> lock(sessionsMutex_);
        all.swap(sessions_);
    }
    for (auto& s : all)
        s->stop();
}

void Simulator::broadcastEvent(int type, int code, const std::string& content)
{
    zarn::robot::communication::ProtoCommunicationRobotEvent ev;
    ev.set_eventtype(type);
    ev.set_eventcode(code);
    ev.set_eventcontent(content);
    const std::string payload = ev.SerializeAsString();

    std::vector<std::shared_ptr<Session>> targets;
    {
        std::lock_guard<std::mutex> lock(sessionsMutex_);
        targets = sessions_;
    }
    SIM_LOG(Debug, "event %d code %d to %zu connection(s)", type, code, targets.size());
    for (auto& s : targets)
        s->send(cmd::Event, payload);
}

}  // namespace zarnsim
