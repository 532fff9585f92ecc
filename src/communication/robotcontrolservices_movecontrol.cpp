#include "codec/protoencodedecode.h"
#include "communication/controlwaits.h"
#include "communication/robotcontrolservices.h"
#include "interface/robotlogprint.h"

using namespace zarn_robot_namespace;

namespace {

typedef CommunicationMateType CMT;

struct MoveControlCommand {
    const char* description;
    RobotControlServices::EventWait& wait;
    int refusalCode;
};

}  // namespace

// The slow stop that raises the board event (134) is carried out like a
// slow stop: sent as 134, completed through the stop wait, refused as 11025.
int RobotControlServices::robotMoveControlService(CommandType type)
{
    const MoveControlCommand* command = nullptr;
    const MoveControlCommand slowStop{"Motion-Control-SlowStop", m_stopWait, ErrCode_SlowStopFailed};
    const MoveControlCommand fastStop{"Motion-Control-FastStop", m_stopWait, ErrCode_FastStopFailed};
    const MoveControlCommand pause{"Motion-Control-Pause", m_pauseWait, ErrCode_PauseFailed};
    const MoveControlCommand resume{"Motion-Control-Continue", m_continueWait, ErrCode_ContinueFailed};
    const MoveControlCommand slowStopWithEvent{"Motion-Control-SlowStopWithBoardEvent", m_stopWait,
                                               ErrCode_SlowStopFailed};
    switch (type) {
    case CMT::CommunicationType_RobotMoveControlType_SlowStop: command = &slowStop; break;
    case CMT::CommunicationType_RobotMoveControlType_FastStop: command = &fastStop; break;
    case CMT::CommunicationType_RobotMoveControlType_Pause: command = &pause; break;
    case CMT::CommunicationType_RobotMoveControlType_Continue: command = &resume; break;
    case CMT::CommunicationType_RobotMoveControlType_SlowStopWithBoardEvent: command = &slowStopWithEvent; break;
    default:
        ZARN_LOG(3, "sdk log: Motion-Control command Undefined.");
        return ErrCode_Failed;
    }
    ZARN_LOG(0, "sdk log: user ready call %s.", command->description);

    int result = ErrCode_Failed;
    {
        // Serialises stop, pause and continue; taken before the wait's mutex.
        std::lock_guard<std::mutex> serialised(m_moveControlLock);
        const unsigned long seen = controlwaits::completionsNow(command->wait);

        call_robot_motion_func_result ret = motion_func_refused;
        // An answer whose common result is not 0 carries no valid ret: its
        // mapped server code is the result.
        result = requestAndReadResponse(
            type, nullptr, 0,
            [&ret](const char* data, int len, int& code) {
                return ProtoEncodeDecode::resolveResponse_moveControlResule(data, len, ret, code);
            },
            "sdk log: Resolve Motion-Control-Response failed.", ErrCode_ResolveResponseFailed);

        if (result == ErrCode_Success) {
            ZARN_LOG(0, "sdk log: Motion-Control peer return result: %d.", static_cast<int>(ret));
            switch (ret) {
            case motion_func_refused:
                result = command->refusalCode;
                break;
            case motion_func_accepted_done:
                result = ErrCode_Success;
                break;
            case motion_func_accepted_event_follows:
            case motion_func_accepted_event_follows_alt: {
                ZARN_LOG(0, "sdk log: Waiting for the Motion-Control-Done of the event");
                const auto deadline = controlwaits::Clock::now() + controlWaitDurations().moveControl;
                if (controlwaits::awaitCompletionAfter(command->wait, seen, deadline)) {
                    result = ErrCode_Success;
                } else {
                    ZARN_LOG(3, "sdk log: Waiting Motion-Control-Done event has timed out");
                    result = ErrCode_Failed;
                }
                break;
            }
            default:
                result = ErrCode_Failed;
                break;
            }
        }
    }
    ZARN_LOG(0, "sdk log: Motion-Control service finish. ret = %d", result);
    return result;
}
