#include "exchange.h"

#include "log.h"
#include "robotcommunication.pb.h"
#include "session.h"

namespace zarnsim {

namespace comm = zarn::robot::communication;

std::string encodeCommonResult(int code, const std::string& text)
{
    comm::ProtoRobotCommonResponse result;
    result.set_errorcode(code);
    result.set_errormsg(text);
    return result.SerializeAsString();
}

Exchange::Exchange(Session& session, SimContext& context, const Frame& frame)
    : session_(session), context_(context), frame_(frame)
{
}

void Exchange::reply(const google::protobuf::MessageLite& message)
{
    if (replied_) {
        SIM_LOG(Error, "conn %d: second answer to command %d suppressed", session_.id(), command());
        return;
    }
    // A message with a required field unset would not parse on the client:
    // that is a simulator bug, reported instead of sent.
    if (!message.IsInitialized()) {
        SIM_LOG(Error, "conn %d: answer to command %d lacks %s", session_.id(), command(),
                message.InitializationErrorString().c_str());
        replyResult(result::BadRequest, "simulator could not build the answer");
        return;
    }
    replied_ = true;
    session_.send(command(), message.SerializeAsString());
}

void Exchange::replyResult(int code, const std::string& text)
{
    if (replied_) {
        SIM_LOG(Error, "conn %d: second answer to command %d suppressed", session_.id(), command());
        return;
    }
    replied_ = true;
    if (code != result::Ok)
        SIM_LOG(Debug, "conn %d: command %d answered with code %d: %s", session_.id(), command(), code,
                text.c_str());
    session_.send(command(), encodeCommonResult(code, text));
}

bool Exchange::parse(google::protobuf::MessageLite& message)
{
    // Required fields are checked here rather than by the runtime, which
    // would add its own log line in its own format.
    if (message.ParsePartialFromString(payload()) && message.IsInitialized())
        return true;
    SIM_LOG(Warning, "conn %d: malformed payload for command %d (%zu bytes)", session_.id(), command(),
            payload().size());
    replyResult(result::BadRequest, "malformed payload for command " + std::to_string(command()));
    return false;
}

void Exchange::eventAfter(std::chrono::milliseconds delay, int type, int code, const std::string& content)
{
    EventSink& events = context_.events;
    context_.scheduler.after(delay, [&events, type, code, content] { events.broadcastEvent(type, code, content); });
}

void Exchange::after(std::chrono::milliseconds delay, std::function<void()> work)
{
    context_.scheduler.after(delay, std::move(work));
}

}  // namespace zarnsim
