#ifndef ZARN_RECEIVESTAGE_H
#define ZARN_RECEIVESTAGE_H

#include <cstddef>
#include <memory>

// Bytes taken off the socket but not yet consumed by the frame parser.
//
// Looking ahead with MSG_PEEK leaves data in the kernel queue; when a frame's
// first bytes sit in a large receive buffer segment the advertised window can
// stay shut, the sender stalls, and the peek ends at its time-out with a short
// head that is then skipped as garbage. Taking the bytes into this stage keeps
// the window open; peeks and reads are then served from here first.
//
// Used by the receive thread only.
class ReceiveStage {
public:
    explicit ReceiveStage(std::size_t capacity);

    void reset();
    std::size_t buffered() const { return m_end - m_begin; }

    // Copies len bytes without consuming them, waiting for them as a blocking
    // recv would. Returns len, or fewer when the peer closed or the receive
    // time-out passed with part of them here, or the failing recv result (0, -1).
    long peek(int fd, void* buf, std::size_t len);
    // Consumes len bytes (any length: the stage is drained first, the rest is
    // read straight from the socket in chunks). Same results as peek.
    long read(int fd, void* buf, std::size_t len, std::size_t chunk);

private:
    long fill(int fd, std::size_t need);

    std::unique_ptr<char[]> m_data;
    std::size_t m_capacity;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
};

#endif  // ZARN_RECEIVESTAGE_H
