#include "session.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include <sys/socket.h>
#include <unistd.h>

#include "arm_messages.h"
#include "commands.h"
#include "exchange.h"
#include "log.h"

namespace zarnsim {

namespace {

constexpr std::size_t kReadChunk = 65536;

}  // namespace

Session::Session(int fd, int id, SimContext& context, const DispatchTable& table)
    : fd_(fd), id_(id), context_(context), table_(table)
{
}

Session::~Session()
{
    stop();
}

void Session::start()
{
    reader_ = std::thread([this] { readLoop(); });
    pusher_ = std::thread([this] { pushLoop(); });
}

void Session::stop()
{
    if (stopped_)
        return;
    stopped_ = true;
    ::shutdown(fd_, SHUT_RDWR);  // ends a blocking recv or send
    {
        std::lock_guard<std::mutex> lock(pushMutex_);
        closing_ = true;
    }
    pushWake_.notify_all();
    if (reader_.joinable())
        reader_.join();
    if (pusher_.joinable())
        pusher_.join();
    // Events may still be sent from the scheduler thread: mark the session
    // broken under the send lock, so no send can reach a reused descriptor.
    std::lock_guard<std::mutex> lock(sendMutex_);
    broken_.store(true);
    ::close(fd_);
}

bool Session::send(int command, const std::string& payload)
{
    const std::string frame = encodeFrame(command, payload);
    if (frame.empty()) {
        SIM_LOG(Error, "conn %d: answer to command %d too large (%zu bytes)", id_, command, payload.size());
        return false;
    }
    std::lock_guard<std::mutex> lock(sendMutex_);
    if (broken_.load())
        return false;
    std::size_t sent = 0;
    while (sent < frame.size()) {
        const ssize_t n = ::send(fd_, frame.data() + sent, frame.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // A peer that does not read for the send time-out is dropped rather
        // than letting its frames pile up.
        SIM_LOG(Info, "conn %d: send failed (%s), closing", id_, n < 0 ? std::strerror(errno) : "no progress");
        markBroken();
        return false;
    }
    return true;
}

void Session::markBroken()
{
    broken_.store(true);
    ::shutdown(fd_, SHUT_RDWR);
}

void Session::setPush(PushKind kind, bool on)
{
    std::atomic<bool>& flag = kind == PushKind::JointStatus ? pushJointStatus_
                              : kind == PushKind::JointAngle ? pushJointAngle_
                                                             : pushEndSpeed_;
    {
        std::lock_guard<std::mutex> lock(pushMutex_);
        flag.store(on);
    }
    pushWake_.notify_all();
    if (!on) {
        std::lock_guard<std::mutex> drain(pushSendMutex_);
    }
}

bool Session::anyPushOn() const
{
    return pushJointStatus_.load() || pushJointAngle_.load() || pushEndSpeed_.load();
}

void Session::readLoop()
{
    std::vector<char> chunk(kReadChunk);
    FrameDecoder decoder;
    Frame frame;
    bool open = true;
    while (open && !broken_.load()) {
        const ssize_t n = ::recv(fd_, chunk.data(), chunk.size(), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        decoder.feed(chunk.data(), static_cast<std::size_t>(n));
        for (;;) {
            std::uint64_t count = 0;
            const FrameDecoder::Result r = decoder.next(frame, count);
            if (r == FrameDecoder::Result::NeedMore)
                break;
            if (r == FrameDecoder::Result::Garbage) {
                SIM_LOG(Warning, "conn %d: skipped %llu bytes before a start marker", id_,
                        static_cast<unsigned long long>(count));
            } else if (r == FrameDecoder::Result::BadLength) {
                SIM_LOG(Warning, "conn %d: length field %llu out of range, resynchronising", id_,
                        static_cast<unsigned long long>(count));
            } else {
                handleFrame(frame);
            }
            if (broken_.load()) {
                open = false;
                break;
            }
        }
    }
    SIM_LOG(Info, "conn %d: closed", id_);
    readerDone_.store(true);
    {
        std::lock_guard<std::mutex> lock(pushMutex_);
        closing_ = true;
    }
    pushWake_.notify_all();
}

void Session::handleFrame(const Frame& frame)
{
    SIM_LOG(Debug, "conn %d: request %d %s (%zu bytes)", id_, frame.command, commandName(frame.command),
            frame.payload.size());
    Exchange exchange(*this, context_, frame);
    if (!frame.trailerValid) {
        SIM_LOG(Warning, "conn %d: command %d has a bad check field or end marker", id_, frame.command);
        exchange.replyResult(result::BadRequest, "malformed frame: bad check field or end marker");
        return;
    }
    const Handler handler = table_.find(frame.command);
    if (!handler) {
        exchange.replyResult(result::NotSupported,
                             "not supported by the simulator: command " + std::to_string(frame.command));
        return;
    }
    try {
        handler(exchange);
    } catch (const std::exception& e) {
        SIM_LOG(Error, "conn %d: command %d failed: %s", id_, frame.command, e.what());
    }
    if (!exchange.replied()) {
        SIM_LOG(Error, "conn %d: command %d left without an answer", id_, frame.command);
        exchange.replyResult(result::BadRequest, "simulator could not answer command " +
                                                     std::to_string(frame.command));
    }
}

void Session::pushLoop()
{
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
        1.0 / static_cast<double>(context_.config.pushHz)));
    std::unique_lock<std::mutex> lock(pushMutex_);
    auto next = Clock::now();
    while (!closing_) {
        if (!anyPushOn()) {
            pushWake_.wait(lock);
            next = Clock::now();
            continue;
        }
        next += period;
        if (pushWake_.wait_until(lock, next, [this] { return closing_; }))
            break;
        lock.unlock();
        sendPushes();
        lock.lock();
        // After a stall (slow client, loaded machine) resume the rate
        // instead of bursting to catch up.
        if (Clock::now() - next > period * 4)
            next = Clock::now();
    }
}

void Session::sendPushes()
{
    std::lock_guard<std::mutex> lock(pushSendMutex_);
    const ArmState state = context_.arm.snapshot();
    if (pushJointStatus_.load())
        send(cmd::RealTimeJointStatus, jointStatusMessage(state).SerializeAsString());
    if (pushJointAngle_.load())
        send(cmd::RealTimeJointAngle, jointAngleMessage(state).SerializeAsString());
    if (pushEndSpeed_.load())
        send(cmd::RealTimeEndSpeed, endSpeedMessage(state).SerializeAsString());
}

}  // namespace zarnsim
