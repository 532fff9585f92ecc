#ifndef ZARN_TEST_LOGCAPTURE_H
#define ZARN_TEST_LOGCAPTURE_H

// Collects the library's log lines for the lifetime of the object. Header-only:
// it uses the log sink of whichever component the test links.

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "interface/robotlogprint.h"

namespace zarn_test {

class LogCapture {
public:
    LogCapture()
    {
        sink()->registerRobotLogPrintCallback(static_cast<RobotLogPrint::LogCallback>(&LogCapture::collect), this);
    }
    ~LogCapture() { sink()->registerRobotLogPrintCallback(static_cast<RobotLogPrint::LogCallback>(nullptr), nullptr); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // The process-wide sink, created here when no facade made it yet.
    static RobotLogPrint* sink()
    {
        static RobotLogPrint* created = RobotLogPrint::getRobotLogPrintPtr() != nullptr
                                            ? RobotLogPrint::getRobotLogPrintPtr()
                                            : new RobotLogPrint();
        return created;
    }

    std::vector<std::pair<int, std::string>> lines() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_lines;
    }
    int count(const std::string& text) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return static_cast<int>(std::count_if(m_lines.begin(), m_lines.end(),
                                              [&](const std::pair<int, std::string>& l) { return l.second == text; }));
    }
    bool contains(const std::string& text) const { return count(text) > 0; }
    int levelOf(const std::string& text) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto& l : m_lines)
            if (l.second == text) return l.first;
        return -1;
    }
    bool waitFor(const std::string& text, std::chrono::milliseconds timeout)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, timeout, [&] {
            return std::any_of(m_lines.begin(), m_lines.end(),
                               [&](const std::pair<int, std::string>& l) { return l.second == text; });
        });
    }
    void clear()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_lines.clear();
    }

private:
    static void collect(int level, const char* text, void* self)
    {
        auto* capture = static_cast<LogCapture*>(self);
        {
            std::lock_guard<std::mutex> lock(capture->m_mutex);
            capture->m_lines.emplace_back(level, text);
        }
        capture->m_changed.notify_all();
    }

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::pair<int, std::string>> m_lines;
};

}  // namespace zarn_test

#endif  // ZARN_TEST_LOGCAPTURE_H
