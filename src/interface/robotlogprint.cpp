#include "interface/robotlogprint.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

std::atomic<RobotLogPrint*> RobotLogPrint::s_robotLogPrintPtr{nullptr};

RobotLogPrint::RobotLogPrint() : m_callback(nullptr), m_levelCallback(nullptr), m_arg(nullptr)
{
    std::memset(m_buffer, 0, sizeof(m_buffer));
    pthread_mutex_init(&m_mutex, nullptr);
    s_robotLogPrintPtr.store(this, std::memory_order_release);
}

RobotLogPrint* RobotLogPrint::getRobotLogPrintPtr()
{
    return s_robotLogPrintPtr.load(std::memory_order_acquire);
}

void RobotLogPrint::registerRobotLogPrintCallback(LogCallback cb, void* arg)
{
    pthread_mutex_lock(&m_mutex);
    m_callback = cb;
    m_levelCallback = nullptr;
    m_arg = arg;
    pthread_mutex_unlock(&m_mutex);
}

void RobotLogPrint::registerRobotLogPrintCallback(LevelLogCallback cb, void* arg)
{
    pthread_mutex_lock(&m_mutex);
    m_callback = nullptr;
    m_levelCallback = cb;
    m_arg = arg;
    pthread_mutex_unlock(&m_mutex);
}

void RobotLogPrint::printTrace(int level, const char* format, ...)
{
    pthread_mutex_lock(&m_mutex);
    if (m_callback == nullptr && m_levelCallback == nullptr) {
        pthread_mutex_unlock(&m_mutex);
        return;
    }
    std::memset(m_buffer, 0, sizeof(m_buffer));
    va_list args;
    va_start(args, format);
    std::vsnprintf(m_buffer, sizeof(m_buffer), format, args);
    va_end(args);
    if (m_callback != nullptr)
        m_callback(level, m_buffer, m_arg);
    else
        m_levelCallback(static_cast<zarn_robot_namespace::LOG_LEVEL>(level), m_buffer, m_arg);
    pthread_mutex_unlock(&m_mutex);
}
