#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "arm.h"
#include "context.h"
#include "dispatch.h"
#include "scheduler.h"

namespace zarnsim {

class Session;

// The listening server: accepts connections, owns their sessions and
// delivers robot events to all of them.
class Simulator : public EventSink {
public:
    explicit Simulator(const Config& config);
    ~Simulator() override;

    // Binds and listens; the bound port, or -1 with `error` set.
    int listen(std::string& error);
    // Accepts until `stopFd` becomes readable, then stops every session.
    void run(int stopFd);

    void broadcastEvent(int type, int code, const std::string& content) override;

private:
    void accept();
    void reapFinished();
    void stopAll();

    const Config config_;
    Arm arm_;
    Scheduler scheduler_;
    SimContext context_;
    const DispatchTable table_;
    int listenFd_ = -1;
    int nextId_ = 1;
    std::mutex sessionsMutex_;
    std::vector<std::shared_ptr<Session>> sessions_;
};

}  // namespace zarnsim
