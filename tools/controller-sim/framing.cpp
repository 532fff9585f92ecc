#include "framing.h"

#include <algorithm>
#include <cstring>

namespace zarnsim {

namespace {

void appendLe32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

std::uint32_t readLe32(const char* p)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(p[i]);
    return value;
}

bool isStartMarker(const char* p)
{
    return std::memcmp(p, kStartMarker, 4) == 0;
}

}  // namespace

std::string encodeFrame(std::int32_t command, const std::string& payload)
{
    if (payload.size() > kMaxPayload)
        return std::string();
    std::string out;
    out.reserve(payload.size() + kFrameOverhead);
    out.append(reinterpret_cast<const char*>(kStartMarker), 4);
    appendLe32(out, static_cast<std::uint32_t>(payload.size() + 12));
    appendLe32(out, static_cast<std::uint32_t>(command));
    out.append(payload);
    out.append(reinterpret_cast<const char*>(kCheckField), 4);
    out.append(reinterpret_cast<const char*>(kEndMarker), 4);
    return out;
}

void FrameDecoder::feed(const char* data, std::size_t size)
{
    buffer_.append(data, size);
}

void FrameDecoder::consume(std::size_t n)
{
    offset_ += n;
    if (offset_ == buffer_.size()) {
        buffer_.clear();
        offset_ = 0;
    } else if (offset_ >= 65536 && offset_ * 2 >= buffer_.size()) {
        buffer_.erase(0, offset_);
        offset_ = 0;
    }
}

FrameDecoder::Result FrameDecoder::next(Frame& frame, std::uint64_t& count)
{
    const char* begin = buffer_.data() + offset_;
    const std::size_t avail = buffered();

    // Resynchronise on the next start marker; a tail that may begin one stays.
    std::size_t marker = 0;
    while (marker + 4 <= avail && !isStartMarker(begin + marker))
        ++marker;
    if (marker + 4 > avail) {
        std::size_t keep = std::min<std::size_t>(avail, 3);
        while (keep > 0 && std::memcmp(begin + avail - keep, kStartMarker, keep) != 0)
            --keep;
        marker = avail - keep;
    }
    if (marker > 0) {
        count = marker;
        consume(marker);
        return Result::Garbage;
    }
    if (avail < 8)
        return Result::NeedMore;

    const std::uint32_t length = readLe32(begin + 4);
    if (length < kMinLengthField || length > kMaxLengthField) {
        // Drop the marker's first byte only: the real frame may start inside.
        count = length;
        consume(1);
        return Result::BadLength;
    }
    if (avail < 8 + static_cast<std::size_t>(length))
        return Result::NeedMore;

    const char* text = begin + 8;
    const std::size_t payloadSize = length - 12;
    frame.command = static_cast<std::int32_t>(readLe32(text));
    frame.payload.assign(text + 4, payloadSize);
    frame.trailerValid = std::memcmp(text + 4 + payloadSize, kCheckField, 4) == 0 &&
                         std::memcmp(text + 8 + payloadSize, kEndMarker, 4) == 0;
    consume(8 + length);
    return Result::Frame;
}

}  // namespace zarnsim
