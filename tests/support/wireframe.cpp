#include "wireframe.h"

#include <cctype>
#include <cstring>
#include <stdexcept>

namespace zarn_test {

namespace {
const unsigned char kStart[4] = {0xee, 0xcc, 0xff, 0xff};
const std::size_t kHeader = 8;  // start marker + length field
const uint32_t kMinLength = 12; // command type + check + end
}  // namespace

Bytes le32(uint32_t value)
{
    Bytes out(4, '\0');
    for (int i = 0; i < 4; ++i) out[i] = static_cast<char>((value >> (8 * i)) & 0xff);
    return out;
}

uint32_t readLe32(const Bytes& bytes, std::size_t offset)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes.at(offset + i));
    return value;
}

Bytes encodeFrame(int32_t commandType, const Bytes& payload, const FrameOptions& options)
{
    Bytes out;
    out.reserve(payload.size() + 20);
    out.append(reinterpret_cast<const char*>(options.start.data()), 4);
    out += le32(options.length ? *options.length : static_cast<uint32_t>(payload.size() + 12));
    out += le32(static_cast<uint32_t>(commandType));
    out += payload;
    out.append(reinterpret_cast<const char*>(options.check.data()), 4);
    out.append(reinterpret_cast<const char*>(options.end.data()), 4);
    return out;
}

Bytes hex(const std::string& text)
{
    Bytes out;
    int pending = -1;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c))) continue;
        if (!std::isxdigit(static_cast<unsigned char>(c))) throw std::invalid_argument("hex: bad digit");
        const int v = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
        if (pending < 0) {
            pending = v;
        } else {
            out.push_back(static_cast<char>(pending * 16 + v));
            pending = -1;
        }
    }
    if (pending >= 0) throw std::invalid_argument("hex: odd digit count");
    return out;
}

std::string toHex(const Bytes& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i) out.push_back(' ');
        const auto b = static_cast<uint8_t>(bytes[i]);
        out.push_back(digits[b >> 4]);
        out.push_back(digits[b & 15]);
    }
    return out;
}

void FrameParser::feed(const char* data, std::size_t size)
{
    // Drop consumed bytes now and then so the buffer does not grow forever.
    if (m_offset > 0 && m_offset * 2 > m_buffer.size()) {
        m_buffer.erase(0, m_offset);
        m_offset = 0;
    }
    m_buffer.append(data, size);
}

std::optional<Frame> FrameParser::next()
{
    for (;;) {
        const std::size_t available = m_buffer.size() - m_offset;
        if (available < 4) return std::nullopt;
        if (std::memcmp(m_buffer.data() + m_offset, kStart, 4) != 0) {
            ++m_offset;
            ++m_skipped;
            continue;
        }
        if (available < kHeader) return std::nullopt;
        const uint32_t length = readLe32(m_buffer, m_offset + 4);
        if (length < kMinLength) {
            ++m_offset;
            ++m_skipped;
            continue;
        }
        if (available < kHeader + length) return std::nullopt;

        Frame frame;
        frame.raw = m_buffer.substr(m_offset, kHeader + length);
        frame.length = length;
        frame.commandType = static_cast<int32_t>(readLe32(frame.raw, 8));
        frame.payload = frame.raw.substr(12, length - kMinLength);
        for (int i = 0; i < 4; ++i) {
            frame.check[i] = static_cast<uint8_t>(frame.raw[kHeader + length - 8 + i]);
            frame.end[i] = static_cast<uint8_t>(frame.raw[kHeader + length - 4 + i]);
        }
        m_offset += kHeader + length;
        return frame;
    }
}

std::vector<Frame> parseFrames(const Bytes& bytes)
{
    FrameParser parser;
    parser.feed(bytes);
    std::vector<Frame> frames;
    while (auto frame = parser.next()) frames.push_back(std::move(*frame));
    return frames;
}

}  // namespace zarn_test
