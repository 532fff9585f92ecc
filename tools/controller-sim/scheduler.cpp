#include "scheduler.h"

namespace zarnsim {

Scheduler::Scheduler() : thread_([this] { run(); }) {}

Scheduler::~Scheduler()
{
    stop();
}

void Scheduler::after(std::chrono::milliseconds delay, std::function<void()> work)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (stopping_)
            return;
        tasks_.push(Task{Clock::now() + delay, nextSequence_++, std::move(work)});
    }
    wake_.notify_one();
}

void Scheduler::stop()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void Scheduler::run()
{
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stopping_) {
        if (tasks_.empty()) {
            wake_.wait(lock);
            continue;
        }
        const auto due = tasks_.top().due;
        if (Clock::now() < due) {
            wake_.wait_until(lock, due);
            continue;
        }
        std::function<void()> work = tasks_.top().work;
        tasks_.pop();
        // Work sends on sockets; never hold the queue while it does.
        lock.unlock();
        work();
        lock.lock();
    }
}

}  // namespace zarnsim
