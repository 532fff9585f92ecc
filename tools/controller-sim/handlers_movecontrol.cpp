// Stop, pause and continue. The answer carries `ret` (0 refused, 1 accepted
// with a completion event to follow, 2 accepted and already complete); the
// completion event always follows the answer on the wire.
#include <chrono>

#include "arm_messages.h"
#include "exchange.h"
#include "handlers.h"

namespace zarnsim {

namespace {

namespace common = zarn::robot::common;

constexpr int kRetAccepted = 1;
constexpr int kRetComplete = 2;
// Time the arm needs to ramp down or to resume.
constexpr std::chrono::milliseconds kMoveControlDelay{30};

void answerRet(Exchange& ex, int ret)
{
    common::ProtoRobotMoveFuncResult answer;
    answer.set_ret(ret);
    setOk(answer.mutable_errorinfo());
    ex.reply(answer);
}

void slowStop(Exchange& ex)
{
    ex.arm().stopMotion();
    answerRet(ex, kRetAccepted);
    ex.eventAfter(kMoveControlDelay, event::MoveControlDoneA, 0, "Move control done.");
}

void fastStop(Exchange& ex)
{
    ex.arm().stopMotion();
    answerRet(ex, kRetAccepted);
    ex.eventAfter(kMoveControlDelay, event::MoveControlDoneB, 0, "Move control done.");
}

void pause(Exchange& ex)
{
    ex.arm().pauseMotion();
    answerRet(ex, kRetAccepted);
    ex.eventAfter(kMoveControlDelay, event::PauseDone, 0, "Pause done.");
}

// Nothing paused: nothing to resume, so complete at once.
void resume(Exchange& ex)
{
    if (ex.arm().continueMotion() != MotionState::Paused) {
        answerRet(ex, kRetComplete);
        return;
    }
    answerRet(ex, kRetAccepted);
    ex.eventAfter(kMoveControlDelay, event::ContinueDone, 0, "Continue done.");
}

}  // namespace

void addMoveControlHandlers(DispatchTable& table)
{
    table.add(cmd::MoveSlowStop, slowStop);
    table.add(cmd::MoveFastStop, fastStop);
    table.add(cmd::MovePause, pause);
    table.add(cmd::MoveContinue, resume);
}

}  // namespace zarnsim
