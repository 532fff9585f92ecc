#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zarnsim {

// Frame: start marker, length (bytes after the length field), command type,
// payload, check field, end marker; integers little-endian.
constexpr unsigned char kStartMarker[4] = {0xee, 0xcc, 0xff, 0xff};
constexpr unsigned char kCheckField[4] = {0x00, 0x00, 0x00, 0x00};
constexpr unsigned char kEndMarker[4] = {0xff, 0xff, 0xff, 0xff};
constexpr std::size_t kFrameOverhead = 20;
// Length field bounds: command type, check field and end marker at least; at
// most what a well-behaved client sends, so one connection holds at most one
// such frame in memory.
constexpr std::uint32_t kMinLengthField = 12;
constexpr std::uint32_t kMaxLengthField = 4194039;
constexpr std::size_t kMaxPayload = kMaxLengthField - 12;

// The whole frame, or an empty string when the payload exceeds kMaxPayload.
std::string encodeFrame(std::int32_t command, const std::string& payload);

struct Frame {
    std::int32_t command = 0;
    std::string payload;
    bool trailerValid = true;  // check field and end marker as expected
};

// Incremental decoder for one byte stream. Memory stays bounded: garbage is
// dropped as soon as it is recognised, and a length field outside the bounds
// is never trusted.
class FrameDecoder {
public:
    enum class Result {
        NeedMore,   // no complete frame buffered
        Frame,      // `frame` holds the next frame
        Garbage,    // `count` bytes before a start marker were dropped
        BadLength,  // a start marker with length field `count` was dropped
    };

    void feed(const char* data, std::size_t size);
    Result next(Frame& frame, std::uint64_t& count);
    std::size_t buffered() const { return buffer_.size() - offset_; }

private:
    void consume(std::size_t n);

    std::string buffer_;
    std::size_t offset_ = 0;
};

}  // namespace zarnsim
