#pragma once

#include <string>

namespace zarnsim {

enum class LogLevel { Error = 0, Warning = 1, Info = 2, Debug = 3 };

// Parses "error", "warning"/"warn", "info" or "debug"; false for anything else.
bool parseLogLevel(const std::string& text, LogLevel& level);

void setLogLevel(LogLevel level);
bool logEnabled(LogLevel level);

// One line on standard error, prefixed with the program name and the level.
// Standard output is kept for the single ready line.
void logLine(LogLevel level, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace zarnsim

#define SIM_LOG(level, ...)                                   \
    do {                                                      \
        if (::zarnsim::logEnabled(::zarnsim::LogLevel::level)) \
            ::zarnsim::logLine(::zarnsim::LogLevel::level, __VA_ARGS__); \
    } while (0)
