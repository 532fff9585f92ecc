#pragma once

#include <chrono>
#include <cstdint>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <queue>
#include <thread>
#include <vector>

namespace zarnsim {

// Runs delayed work (the completion events that follow an answer) on one
// thread, in deadline order. Work still pending at stop() is dropped.
class Scheduler {
public:
    using Clock = std::chrono::steady_clock;

    Scheduler();
    ~Scheduler();
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;

    void after(std::chrono::milliseconds delay, std::function<void()> work);
    void stop();

private:
    struct Task {
        Clock::time_point due;
        std::uint64_t sequence;  // keeps equal deadlines in submission order
        std::function<void()> work;
        bool operator>(const Task& other) const
        {
            return due != other.due ? due > other.due : sequence > other.sequence;
        }
    };

    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::priority_queue<Task, std::vector<Task>, std::greater<Task>> tasks_;
    std::uint64_t nextSequence_ = 0;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace zarnsim
