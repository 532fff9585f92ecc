#ifndef ZARN_CODECTESTSUPPORT_H
#define ZARN_CODECTESTSUPPORT_H

// Helpers shared by the codec suites: byte payloads made and checked with the
// generated classes, captured log-sink lines and captured standard streams.
#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "interface/robotlogprint.h"

namespace codectest {

// Owns a builder's output buffer.
struct Payload {
    char* data = nullptr;
    int len = -1;
    Payload() = default;
    Payload(const Payload&) = delete;
    Payload& operator=(const Payload&) = delete;
    ~Payload() { delete[] data; }
};

template <class M>
std::string encode(const M& message)
{
    std::string bytes;
    message.SerializePartialToString(&bytes);
    return bytes;
}

// Decodes a builder's output; a missing required field fails the test.
template <class M>
M decode(const Payload& p)
{
    M message;
    EXPECT_TRUE(p.data != nullptr);
    EXPECT_TRUE(message.ParseFromArray(p.data, p.len)) << "builder output does not parse as complete message";
    return message;
}

// Collects level-3 and other lines of the process-wide sink while alive.
class SinkCapture {
public:
    SinkCapture()
    {
        // The sink is process-wide and never destroyed.
        m_sink = RobotLogPrint::getRobotLogPrintPtr();
        if (m_sink == nullptr) m_sink = new RobotLogPrint();
        m_sink->registerRobotLogPrintCallback(static_cast<RobotLogPrint::LogCallback>(&SinkCapture::collect), this);
    }
    ~SinkCapture() { m_sink->registerRobotLogPrintCallback(static_cast<RobotLogPrint::LogCallback>(nullptr), nullptr); }
    std::vector<std::pair<int, std::string>> lines()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_lines;
    }

private:
    static void collect(int level, const char* text, void* arg)
    {
        SinkCapture* self = static_cast<SinkCapture*>(arg);
        std::lock_guard<std::mutex> lock(self->m_mutex);
        self->m_lines.emplace_back(level, text);
    }
    RobotLogPrint* m_sink;
    std::mutex m_mutex;
    std::vector<std::pair<int, std::string>> m_lines;
};

// Runs fn with standard error and output captured; returns {stderr, stdout}.
template <class Fn>
std::pair<std::string, std::string> captureStreams(Fn fn)
{
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    fn();
    std::string out = testing::internal::GetCapturedStdout();
    std::string err = testing::internal::GetCapturedStderr();
    return {err, out};
}

}  // namespace codectest

#endif  // ZARN_CODECTESTSUPPORT_H
