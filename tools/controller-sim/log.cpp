#include "log.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace zarnsim {

namespace {

std::atomic<int> g_level{static_cast<int>(LogLevel::Info)};
std::mutex g_writeMutex;

const char* levelName(LogLevel level)
{
    switch (level) {
    case LogLevel::Error: return "error";
    case LogLevel::Warning: return "warning";
    case LogLevel::Info: return "info";
    case LogLevel::Debug: return "debug";
    }
    return "?";
}

}  // namespace

bool parseLogLevel(const std::string& text, LogLevel& level)
{
    if (text == "error") level = LogLevel::Error;
    else if (text == "warning" || text == "warn") level = LogLevel::Warning;
    else if (text == "info") level = LogLevel::Info;
    else if (text == "debug") level = LogLevel::Debug;
    else return false;
    return true;
}

void setLogLevel(LogLevel level)
{
    g_level.store(static_cast<int>(level));
}

bool logEnabled(LogLevel level)
{
    return static_cast<int>(level) <= g_level.load();
}

void logLine(LogLevel level, const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    // Whole lines only: sessions log from their own threads.
    std::lock_guard<std::mutex> lock(g_writeMutex);
    std::fprintf(stderr, "zarn-controller-sim: [%s] %s\n", levelName(level), text);
    std::fflush(stderr);
}

}  // namespace zarnsim
