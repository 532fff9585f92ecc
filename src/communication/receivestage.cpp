#include "communication/receivestage.h"

#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

ReceiveStage::ReceiveStage(std::size_t capacity) : m_data(new char[capacity]), m_capacity(capacity)
{
}

void ReceiveStage::reset()
{
    m_begin = m_end = 0;
}

long ReceiveStage::fill(int fd, std::size_t need)
{
    if (m_begin > 0 && m_capacity - m_end < need) {
        std::memmove(m_data.get(), m_data.get() + m_begin, buffered());
        m_end -= m_begin;
        m_begin = 0;
    }
    while (buffered() < need) {
        const ssize_t n = recv(fd, m_data.get() + m_end, m_capacity - m_end, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n;
        m_end += static_cast<std::size_t>(n);
    }
    return static_cast<long>(buffered());
}

long ReceiveStage::peek(int fd, void* buf, std::size_t len)
{
    len = std::min(len, m_capacity);
    const long r = fill(fd, len);
    const std::size_t have = std::min(buffered(), len);
    if (have == 0) return r;
    std::memcpy(buf, m_data.get() + m_begin, have);
    return static_cast<long>(have);
}

long ReceiveStage::read(int fd, void* buf, std::size_t len, std::size_t chunk)
{
    char* out = static_cast<char*>(buf);
    const std::size_t staged = std::min(buffered(), len);
    std::memcpy(out, m_data.get() + m_begin, staged);
    m_begin += staged;
    if (m_begin == m_end) reset();

    std::size_t done = staged;
    while (done < len) {
        const ssize_t n = recv(fd, out + done, std::min(chunk, len - done), 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<long>(len);
}
