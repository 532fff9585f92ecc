#pragma once

#include <chrono>
#include <functional>
#include <string>

#include <google/protobuf/message_lite.h>

#include "commands.h"
#include "context.h"
#include "framing.h"

namespace zarnsim {

class Session;

// One request and its single answer. Handlers read the payload, change the
// arm, answer once and may schedule events that follow the answer.
class Exchange {
public:
    Exchange(Session& session, SimContext& context, const Frame& frame);

    int command() const { return frame_.command; }
    const std::string& payload() const { return frame_.payload; }
    Arm& arm() { return context_.arm; }
    const Config& config() const { return context_.config; }
    Session& session() { return session_; }
    SimContext& context() { return context_; }

    void reply(const google::protobuf::MessageLite& message);
    void replyResult(int code, const std::string& text);
    bool replied() const { return replied_; }

    // Parses the payload; on failure answers BadRequest and returns false.
    bool parse(google::protobuf::MessageLite& message);

    // Robot event to every connection after `delay`; the answer of this
    // exchange has been written by then, so the event always follows it.
    void eventAfter(std::chrono::milliseconds delay, int type, int code, const std::string& content);
    void after(std::chrono::milliseconds delay, std::function<void()> work);

private:
    Session& session_;
    SimContext& context_;
    const Frame& frame_;
    bool replied_ = false;
};

// Serialized common result (the answer of every plain setter).
std::string encodeCommonResult(int code, const std::string& text);

}  // namespace zarnsim
