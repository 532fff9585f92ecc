// Framing and loopback sockets for the benchmarks' stand-in controllers,
// written apart from the library so that the library is what gets measured.
#ifndef ZARN_BENCH_LOOPBACKWIRE_H
#define ZARN_BENCH_LOOPBACKWIRE_H

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <string>

namespace benchwire {

inline std::string frame(int32_t type, const std::string& payload)
{
    std::string out("\xee\xcc\xff\xff", 4);
    const uint32_t length = static_cast<uint32_t>(payload.size() + 12);
    out.append(reinterpret_cast<const char*>(&length), 4);
    out.append(reinterpret_cast<const char*>(&type), 4);
    out += payload;
    out.append("\x00\x00\x00\x00\xff\xff\xff\xff", 8);
    return out;
}

inline bool readExact(int fd, char* buf, size_t n)
{
    size_t got = 0;
    while (got < n) {
        const ssize_t r = recv(fd, buf + got, n - got, 0);
        if (r <= 0) return false;
        got += static_cast<size_t>(r);
    }
    return true;
}

inline bool writeAll(int fd, const std::string& bytes)
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t w = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (w <= 0) return false;
        sent += static_cast<size_t>(w);
    }
    return true;
}

// A listening socket on 127.0.0.1 with an ephemeral port.
inline int listenLoopback(int& port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr));
    listen(fd, 4);
    socklen_t len = sizeof(addr);
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    port = ntohs(addr.sin_port);
    return fd;
}

}  // namespace benchwire

#endif  // ZARN_BENCH_LOOPBACKWIRE_H
