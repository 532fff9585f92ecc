#pragma once

#include <string>

#include "arm.h"
#include "scheduler.h"

namespace zarnsim {

struct Config {
    std::string host = "127.0.0.1";
    int port = 8899;
    int robotType = 0;
    int pushHz = 200;
};

// Robot events go to every connection: they describe the one shared arm.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void broadcastEvent(int type, int code, const std::string& content) = 0;
};

// What a handler may reach besides its own connection.
struct SimContext {
    const Config& config;
    Arm& arm;
    Scheduler& scheduler;
    EventSink& events;
};

}  // namespace zarnsim
