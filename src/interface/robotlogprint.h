#ifndef ZARN_ROBOTLOGPRINT_H
#define ZARN_ROBOTLOGPRINT_H

#include <pthread.h>

#include <atomic>
#include <cstddef>

#include "zarnrobottypes.h"

// The process-wide log sink: formats one line into a fixed buffer and hands it
// to the application's callback. Created by the first facade, never destroyed.
class RobotLogPrint {
public:
    typedef void (*LogCallback)(int level, const char* text, void* arg);
    // The form applications register through the facade.
    typedef void (*LevelLogCallback)(zarn_robot_namespace::LOG_LEVEL level, const char* text, void* arg);

    RobotLogPrint();
    RobotLogPrint(const RobotLogPrint&) = delete;
    RobotLogPrint& operator=(const RobotLogPrint&) = delete;

    static RobotLogPrint* getRobotLogPrintPtr();

    // A later registration of either form replaces the earlier one; null switches the sink off.
    void registerRobotLogPrintCallback(LogCallback cb, void* arg);
    void registerRobotLogPrintCallback(LevelLogCallback cb, void* arg);
    void registerRobotLogPrintCallback(std::nullptr_t, void* arg) { registerRobotLogPrintCallback(LogCallback(nullptr), arg); }

    void printTrace(int level, const char* format, ...) __attribute__((format(printf, 3, 4)));

    static const int BUFFER_SIZE = 2048;

private:
    char m_buffer[BUFFER_SIZE];
    pthread_mutex_t m_mutex;
    LogCallback m_callback;
    LevelLogCallback m_levelCallback;
    void* m_arg;

    // Read by every log call on any thread while the first facade may be creating it.
    static std::atomic<RobotLogPrint*> s_robotLogPrintPtr;
};

// Logs through the sink if one exists; code that runs before any facade logs nothing.
#define ZARN_LOG(level, ...)                                                        \
    do {                                                                            \
        RobotLogPrint* zarn_log_sink_ = RobotLogPrint::getRobotLogPrintPtr();       \
        if (zarn_log_sink_ != nullptr) zarn_log_sink_->printTrace((level), __VA_ARGS__); \
    } while (0)

#endif  // ZARN_ROBOTLOGPRINT_H
