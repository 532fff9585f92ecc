// Login, logout, heartbeat and the two full-turn flags read right after login.
#include "arm_messages.h"
#include "exchange.h"
#include "handlers.h"
#include "log.h"
#include "session.h"

namespace zarnsim {

namespace {

namespace comm = zarn::robot::communication;
namespace common = zarn::robot::common;

// Any user name and password are accepted: there are no accounts to check.
void login(Exchange& ex)
{
    comm::ProtoRequestLogin request;
    if (!ex.parse(request))
        return;
    const ArmState state = ex.arm().snapshot();
    common::ProtoResponseRobotDhParam answer;
    answer.set_robottype(state.robotType);
    common::DhParam* dh = answer.mutable_dhparam();
    dh->set_a3(state.dh.a3);
    dh->set_a4(state.dh.a4);
    dh->set_d1(state.dh.d1);
    dh->set_d2(state.dh.d2);
    dh->set_d5(state.dh.d5);
    dh->set_d6(state.dh.d6);
    setOk(answer.mutable_errorinfo());
    SIM_LOG(Info, "conn %d: login of user \"%s\"", ex.session().id(), request.username().c_str());
    ex.reply(answer);
}

void logout(Exchange& ex)
{
    ex.replyResult(result::Ok, "");
}

void heartbeat(Exchange& ex)
{
    ex.replyResult(result::Ok, "");
}

void joint6Rot360Flag(Exchange& ex)
{
    ex.reply(generalBools({ex.arm().snapshot().joint6Rot360}));
}

void joint1Rot360Flag(Exchange& ex)
{
    ex.reply(generalBools({ex.arm().snapshot().joint1Rot360}));
}

}  // namespace

void addLoginHandlers(DispatchTable& table)
{
    table.add(cmd::Login, login);
    table.add(cmd::Logout, logout);
    table.add(cmd::Heartbeat, heartbeat);
    table.add(cmd::GetJoint6Rot360Flag, joint6Rot360Flag);
    table.add(cmd::GetJoint1Rot360Flag, joint1Rot360Flag);
}

}  // namespace zarnsim
