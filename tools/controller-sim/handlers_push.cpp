// Per-connection switches of the real-time pushes. A switch's answer comes
// before the first push it enables and after the last push it disables.
#include "exchange.h"
#include "handlers.h"
#include "session.h"

namespace zarnsim {

namespace {

template <PushKind Kind, bool On>
void pushSwitch(Exchange& ex)
{
    if (On) {
        ex.replyResult(result::Ok, "");
        ex.session().setPush(Kind, true);
    } else {
        ex.session().setPush(Kind, false);
        ex.replyResult(result::Ok, "");
    }
}

}  // namespace

void addPushHandlers(DispatchTable& table)
{
    table.add(cmd::EnableJointStatusPush, pushSwitch<PushKind::JointStatus, true>);
    table.add(cmd::DisableJointStatusPush, pushSwitch<PushKind::JointStatus, false>);
    table.add(cmd::EnableJointAnglePush, pushSwitch<PushKind::JointAngle, true>);
    table.add(cmd::DisableJointAnglePush, pushSwitch<PushKind::JointAngle, false>);
    table.add(cmd::EnableEndSpeedPush, pushSwitch<PushKind::EndSpeed, true>);
    table.add(cmd::DisableEndSpeedPush, pushSwitch<PushKind::EndSpeed, false>);
}

}  // namespace zarnsim
