#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "context.h"
#include "dispatch.h"
#include "framing.h"

namespace zarnsim {

enum class PushKind { JointStatus, JointAngle, EndSpeed };

// One client connection: a reader thread that answers requests in arrival
// order and a push thread for the real-time pushes this client switched on.
class Session {
public:
    Session(int fd, int id, SimContext& context, const DispatchTable& table);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    void start();
    // Wakes both threads, joins them and closes the socket. Main thread only.
    void stop();
    bool finished() const { return readerDone_.load(); }
    int id() const { return id_; }

    // Whole frames only; false once the connection is broken.
    bool send(int command, const std::string& payload);

    // Switching off returns only after any push of that kind in flight has
    // been written, so nothing of that kind follows the switch's answer.
    void setPush(PushKind kind, bool on);

private:
    void readLoop();
    void pushLoop();
    void handleFrame(const Frame& frame);
    void sendPushes();
    void markBroken();
    bool anyPushOn() const;

    const int fd_;
    const int id_;
    SimContext& context_;
    const DispatchTable& table_;

    std::mutex sendMutex_;
    std::atomic<bool> broken_{false};
    std::atomic<bool> readerDone_{false};

    std::atomic<bool> pushJointStatus_{false};
    std::atomic<bool> pushJointAngle_{false};
    std::atomic<bool> pushEndSpeed_{false};
    std::mutex pushMutex_;               // guards closing_ and the push wait
    std::condition_variable pushWake_;
    bool closing_ = false;
    std::mutex pushSendMutex_;           // held while one round of pushes is written

    std::thread reader_;
    std::thread pusher_;
    bool stopped_ = false;
};

}  // namespace zarnsim
