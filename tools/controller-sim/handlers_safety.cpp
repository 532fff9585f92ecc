// Safety configuration, safety status and the safety-IO commands.
#include <vector>

#include "arm_messages.h"
#include "exchange.h"
#include "handlers.h"

namespace zarnsim {

namespace {

namespace comm = zarn::robot::communication;
namespace common = zarn::robot::common;

void getSafetyConfig(Exchange& ex)
{
    const SafetyConfig c = ex.arm().snapshot().safety;
    common::ProtoResponseRobotSafetyConfig answer;
    common::ProtoRobotSafetyConfig* out = answer.add_safetyconfig();
    for (std::uint32_t speed : c.reducedJointSpeed)
        out->add_robotreducedconfigjointspeed(static_cast<int>(speed));
    out->set_robotreducedconfigtcpspeed(static_cast<int>(c.reducedTcpSpeed));
    out->set_robotreducedconfigtcpforce(static_cast<int>(c.reducedTcpForce));
    out->set_robotreducedconfigmomentum(static_cast<int>(c.reducedMomentum));
    out->set_robotreducedconfigpower(static_cast<int>(c.reducedPower));
    out->set_robotsafeguradresetconfig(static_cast<int>(c.safeguardResetConfig));
    out->set_robotoperationalmodeconfig(static_cast<int>(c.operationalModeConfig));
    setOk(answer.mutable_errorinfo());
    ex.reply(answer);
}

bool nonNegative(std::int32_t v)
{
    return v >= 0;
}

void setSafetyConfig(Exchange& ex)
{
    common::ProtoResponseRobotSafetyConfig request;
    if (!ex.parse(request))
        return;
    if (request.safetyconfig_size() < 1 || request.safetyconfig(0).robotreducedconfigjointspeed_size() != kJointCount) {
        ex.replyResult(result::BadRequest, "safety configuration needs one entry with six joint speeds");
        return;
    }
    const common::ProtoRobotSafetyConfig& in = request.safetyconfig(0);
    const std::int32_t scalars[] = {in.robotreducedconfigtcpspeed(), in.robotreducedconfigtcpforce(),
                                    in.robotreducedconfigmomentum(), in.robotreducedconfigpower(),
                                    in.robotsafeguradresetconfig(),  in.robotoperationalmodeconfig()};
    bool valid = true;
    for (std::int32_t v : scalars)
        valid = valid && nonNegative(v);
    for (std::int32_t v : in.robotreducedconfigjointspeed())
        valid = valid && nonNegative(v);
    if (!valid) {
        ex.replyResult(result::BadRequest, "safety limits must not be negative");
        return;
    }
    SafetyConfig c;
    for (int j = 0; j < kJointCount; ++j)
        c.reducedJointSpeed[j] = static_cast<std::uint32_t>(in.robotreducedconfigjointspeed(j));
    c.reducedTcpSpeed = static_cast<std::uint32_t>(in.robotreducedconfigtcpspeed());
    c.reducedTcpForce = static_cast<std::uint32_t>(in.robotreducedconfigtcpforce());
    c.reducedMomentum = static_cast<std::uint32_t>(in.robotreducedconfigmomentum());
    c.reducedPower = static_cast<std::uint32_t>(in.robotreducedconfigpower());
    c.safeguardResetConfig = static_cast<std::uint32_t>(in.robotsafeguradresetconfig());
    c.operationalModeConfig = static_cast<std::uint32_t>(in.robotoperationalmodeconfig());
    ex.arm().setSafetyConfig(c);
    ex.replyResult(result::Ok, "");
}

void getOrpeSafetyStatus(Exchange& ex)
{
    const SafetyStatus s = ex.arm().snapshot().safetyStatus;
    common::ProtoResponseOrpeSafetyStatus answer;
    common::ProtoOrpeSafetyStatus* out = answer.add_safetystatus();
    out->set_orpepause(static_cast<int>(s.orpePause));
    out->set_orpestop(static_cast<int>(s.orpeStop));
    for (std::uint32_t e : s.orpeError)
        out->add_orpeerror(e);
    out->set_systememergencystop(static_cast<int>(s.systemEmergencyStop));
    out->set_reducedmodeerror(static_cast<int>(s.reducedModeError));
    out->set_safetyguardresetsucc(static_cast<int>(s.safetyguardResetSucc));
    setOk(answer.mutable_errorinfo());
    ex.reply(answer);
}

// The safety-IO commands carry their values in a parameter list; all but
// the ORPE error list need exactly one.
bool parseSafetyParams(Exchange& ex, std::vector<std::uint32_t>& values, bool single)
{
    comm::protoSafeCommunicationParam request;
    if (!ex.parse(request))
        return false;
    if (single && request.param_size() != 1) {
        ex.replyResult(result::BadRequest, "exactly one safety IO value expected");
        return false;
    }
    if (request.param_size() > kOrpeErrorCount) {
        ex.replyResult(result::BadRequest, "at most 16 ORPE error values");
        return false;
    }
    values.assign(request.param().begin(), request.param().end());
    return true;
}

void setOrpePause(Exchange& ex)
{
    std::vector<std::uint32_t> v;
    if (!parseSafetyParams(ex, v, true))
        return;
    ex.arm().setOrpePause(v[0]);
    ex.replyResult(result::Ok, "");
}

void setOrpeStop(Exchange& ex)
{
    std::vector<std::uint32_t> v;
    if (!parseSafetyParams(ex, v, true))
        return;
    ex.arm().setOrpeStop(v[0]);
    ex.replyResult(result::Ok, "");
}

void setOrpeError(Exchange& ex)
{
    std::vector<std::uint32_t> v;
    if (!parseSafetyParams(ex, v, false))
        return;
    ex.arm().setOrpeErrors(v);
    ex.replyResult(result::Ok, "");
}

void clearSystemEmergencyStop(Exchange& ex)
{
    std::vector<std::uint32_t> v;
    if (!parseSafetyParams(ex, v, true))
        return;
    ex.arm().clearSystemEmergencyStop();
    ex.replyResult(result::Ok, "");
}

void clearReducedModeError(Exchange& ex)
{
    std::vector<std::uint32_t> v;
    if (!parseSafetyParams(ex, v, true))
        return;
    ex.arm().clearReducedModeError();
    ex.replyResult(result::Ok, "");
}

void safetyguardResetSucc(Exchange& ex)
{
    std::vector<std::uint32_t> v;
    if (!parseSafetyParams(ex, v, true))
        return;
    ex.arm().setSafetyguardResetSucc(v[0]);
    ex.replyResult(result::Ok, "");
}

}  // namespace

void addSafetyHandlers(DispatchTable& table)
{
    table.add(cmd::GetSafetyConfig, getSafetyConfig);
    table.add(cmd::SetSafetyConfig, setSafetyConfig);
    table.add(cmd::GetOrpeSafetyStatus, getOrpeSafetyStatus);
    table.add(cmd::SetOrpePause, setOrpePause);
    table.add(cmd::SetOrpeStop, setOrpeStop);
    table.add(cmd::SetOrpeError, setOrpeError);
    table.add(cmd::ClearSystemEmergencyStop, clearSystemEmergencyStop);
    table.add(cmd::ClearReducedModeError, clearReducedModeError);
    table.add(cmd::SafetyguardResetSucc, safetyguardResetSucc);
}

}  // namespace zarnsim
