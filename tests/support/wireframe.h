#ifndef ZARN_TEST_WIREFRAME_H
#define ZARN_TEST_WIREFRAME_H

// Controller-side framing, written apart from the library's transport so that
// tests check the library against the wire format rather than against itself.
//
//   ee cc ff ff | length u32 LE (= payload + 12) | command type i32 LE |
//   payload | check (00 00 00 00) | end (ff ff ff ff)

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zarn_test {

using Bytes = std::string;  // raw octets; std::string keeps literals and comparisons short

struct Frame {
    Bytes raw;             // the whole frame as it travelled
    uint32_t length = 0;   // the length field
    int32_t commandType = 0;
    Bytes payload;
    std::array<uint8_t, 4> check{};
    std::array<uint8_t, 4> end{};
};

// Deviations for building broken frames; defaults give a correct frame.
struct FrameOptions {
    std::optional<uint32_t> length;  // replaces payload + 12
    std::array<uint8_t, 4> start{0xee, 0xcc, 0xff, 0xff};
    std::array<uint8_t, 4> check{0x00, 0x00, 0x00, 0x00};
    std::array<uint8_t, 4> end{0xff, 0xff, 0xff, 0xff};
};

Bytes encodeFrame(int32_t commandType, const Bytes& payload, const FrameOptions& options = {});
Bytes le32(uint32_t value);
uint32_t readLe32(const Bytes& bytes, std::size_t offset);

// Byte string from hex text, blanks ignored: hex("ee cc ff ff").
Bytes hex(const std::string& text);
std::string toHex(const Bytes& bytes);

// Incremental parser: feed bytes as they arrive, take whole frames out.
// Bytes before a start marker, and frames whose length field is below 12, are
// skipped one byte at a time and counted.
class FrameParser {
public:
    void feed(const char* data, std::size_t size);
    void feed(const Bytes& data) { feed(data.data(), data.size()); }
    std::optional<Frame> next();
    std::size_t skippedBytes() const { return m_skipped; }
    std::size_t pendingBytes() const { return m_buffer.size() - m_offset; }

private:
    Bytes m_buffer;
    std::size_t m_offset = 0;
    std::size_t m_skipped = 0;
};

// Every whole frame in bytes (trailing partial data ignored).
std::vector<Frame> parseFrames(const Bytes& bytes);

}  // namespace zarn_test

#endif  // ZARN_TEST_WIREFRAME_H
