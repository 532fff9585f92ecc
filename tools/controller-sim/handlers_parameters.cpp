// Persistent controller parameters: tool centre point, collision class, joint
// offsets and servo gains, joint driver data, firmware update, network name
// and server version, force teach switch.
#include <cmath>
#include <vector>

#include "arm_messages.h"
#include "exchange.h"
#include "handlers.h"

namespace zarnsim {

namespace {

namespace comm = zarn::robot::communication;
namespace common = zarn::robot::common;

constexpr double kPi = 3.14159265358979323846;
constexpr double kEncoderCountsPerTurn = 524288.0;  // 19-bit joint encoders
constexpr double kJointLimit = 3.05;                 // radians either side

int encoderCounts(double radians)
{
    return static_cast<int>(std::lround(radians * kEncoderCountsPerTurn / (2.0 * kPi)));
}

void fillTcpHalf(comm::TcpParam* out, const TcpHalf& in)
{
    out->set_positionx(in.x);
    out->set_positiony(in.y);
    out->set_positionz(in.z);
    out->set_payload(in.payload);
}

TcpHalf toTcpHalf(const comm::TcpParam& p)
{
    return TcpHalf{p.positionx(), p.positiony(), p.positionz(), p.payload()};
}

// Integer-list requests: the values, or an answered BadRequest.
bool parseInts(Exchange& ex, std::vector<int>& values, int expected)
{
    comm::ProtoCommunicationIntVector request;
    if (!ex.parse(request))
        return false;
    if (request.value_size() != expected) {
        ex.replyResult(result::BadRequest, "expected " + std::to_string(expected) + " values");
        return false;
    }
    values.assign(request.value().begin(), request.value().end());
    return true;
}

bool validJoint(int joint)
{
    return joint >= 1 && joint <= kJointCount;
}

void setTcpParam(Exchange& ex)
{
    comm::RobotTcpParam request;
    if (!ex.parse(request))
        return;
    ex.arm().setTcp(toTcpHalf(request.paramautorun()), toTcpHalf(request.parammanual()));
    ex.replyResult(result::Ok, "");
}

void getTcpParam(Exchange& ex)
{
    const ArmState s = ex.arm().snapshot();
    common::ProtoResponseRobotTcpParam answer;
    comm::RobotTcpParam* tcp = answer.add_tcpparam();
    fillTcpHalf(tcp->mutable_paramautorun(), s.settings.tcpAuto);
    fillTcpHalf(tcp->mutable_parammanual(), s.settings.tcpManual);
    setOk(answer.mutable_errorinfo());
    ex.reply(answer);
}

void getCollisionCurrent(Exchange& ex)
{
    const ArmState s = ex.arm().snapshot();
    common::ProtoResponseRobotCollisionCurrent answer;
    comm::RobotCollisionCurrent* c = answer.add_collisioncurrent();
    // A more sensitive (higher) class trips at a lower current.
    for (int j = 0; j < kJointCount; ++j)
        c->add_jointcollisioncurrent(static_cast<std::uint32_t>(6000 - 400 * s.settings.collisionClass - 300 * j));
    c->set_collisionclass(static_cast<std::uint32_t>(s.settings.collisionClass));
    setOk(answer.mutable_errorinfo());
    ex.reply(answer);
}

void setCollisionGrade(Exchange& ex)
{
    comm::ProtoCommunicationGeneralData request;
    if (!ex.parse(request))
        return;
    if (request.property1_size() < 1 || request.property1(0) < 0 || request.property1(0) > kMaxCollisionClass) {
        ex.replyResult(result::BadRequest, "collision class must be 0..10");
        return;
    }
    ex.arm().setCollisionClass(request.property1(0));
    ex.replyResult(result::Ok, "");
}

void setJointOffset(Exchange& ex)
{
    common::RobotJointOffset request;
    if (!ex.parse(request))
        return;
    ex.arm().setJointOffsets({request.joint1(), request.joint2(), request.joint3(), request.joint4(),
                              request.joint5(), request.joint6()});
    ex.replyResult(result::Ok, "");
}

// [gain id 0..10, joint 1..6, value 0..65535]
void setJointParam(Exchange& ex)
{
    std::vector<int> v;
    if (!parseInts(ex, v, 3))
        return;
    if (v[0] < 0 || v[0] >= kGainCount || !validJoint(v[1]) || v[2] < 0 || v[2] > 65535) {
        ex.replyResult(result::BadRequest, "gain id 0..10, joint 1..6 and value 0..65535 expected");
        return;
    }
    ex.arm().setJointGain(v[1], v[0], v[2]);
    ex.replyResult(result::Ok, "");
}

void jointSaveDataFlash(Exchange& ex)
{
    std::vector<int> v;
    if (!parseInts(ex, v, 1))
        return;
    if (!validJoint(v[0])) {
        ex.replyResult(result::BadRequest, "joint must be 1..6");
        return;
    }
    ex.arm().saveJointGains(v[0]);
    ex.replyResult(result::Ok, "");
}

void getJointCommonData(Exchange& ex)
{
    const ArmState s = ex.arm().snapshot();
    comm::ProtoJointCommonDataResponse answer;
    for (int j = 0; j < kJointCount; ++j) {
        comm::ProtoJointCommonData* d = answer.add_jointcommondata();
        const auto& g = s.gains[j];
        d->set_jointcurvol(s.powered ? 480 : 0);  // 0.1 V
        d->set_jointcurtemp(36 + j);
        d->set_jointworkmode(s.powered ? 3 : 0);  // 3: position loop
        d->set_jointdrienable(s.powered ? 1 : 0);
        d->set_jointopenpwm(0);
        d->set_jointtagcurrent(0);
        d->set_jointtagspeed(0);
        d->set_jointtagpos(encoderCounts(s.joints[j]));
        d->set_jointmaxcur(2400);
        d->set_jointmaxspeed(3000);
        d->set_jointmaxacc(10000);
        d->set_jointminpos(encoderCounts(-kJointLimit));
        d->set_jointmaxpos(encoderCounts(kJointLimit));
        d->set_jointsevlock(s.brakesReleased ? 0 : 1);
        d->set_jointcurp(g[0]);
        d->set_jointcuri(g[1]);
        d->set_jointcurd(g[2]);
        d->set_jointspeedp(g[3]);
        d->set_jointspeedi(g[4]);
        d->set_jointspeedd(g[5]);
        d->set_jointspeedds(g[6]);
        d->set_jointposp(g[7]);
        d->set_jointposi(g[8]);
        d->set_jointposd(g[9]);
        d->set_jointposds(g[10]);
    }
    setOk(answer.mutable_errorinfo());
    ex.reply(answer);
}

// Only the transfer is modelled: start, data blocks, end; the content is
// counted, not kept.
void updateBoardFirmware(Exchange& ex)
{
    comm::ProtoCommunicationRobotBoardFirmware request;
    if (!ex.parse(request))
        return;
    if (request.firmwarecontentsize() < 0 ||
        static_cast<std::size_t>(request.firmwarecontentsize()) != request.firmwarecontent().size()) {
        ex.replyResult(result::BadRequest, "firmware content size does not match its length");
        return;
    }
    switch (ex.arm().firmwareCommand(request.command(), request.firmwarecontent().size())) {
    case FirmwareResult::Accepted: ex.replyResult(result::Ok, ""); break;
    case FirmwareResult::NotStarted: ex.replyResult(result::NotAllowed, "no firmware transfer started"); break;
    case FirmwareResult::BadCommand: ex.replyResult(result::BadRequest, "firmware command must be 1..6"); break;
    }
}

void firmwareUpdateResult(Exchange& ex)
{
    ex.reply(generalBools({ex.arm().snapshot().firmwareUpdateOk}));
}

void answerText(Exchange& ex, const std::string& text)
{
    comm::ProtoCommunicationEthernetDeviceNameResponse answer;
    answer.set_name(text);
    setOk(answer.mutable_errorinfo());
    ex.reply(answer);
}

void getEthernetDeviceName(Exchange& ex)
{
    answerText(ex, "eth0");
}

void getServerVersion(Exchange& ex)
{
    answerText(ex, "V4.5.0.24-sim");
}

void setForceTeachWhenProjectRunning(Exchange& ex)
{
    std::vector<int> v;
    if (!parseInts(ex, v, 1))
        return;
    if (v[0] != 0 && v[0] != 1) {
        ex.replyResult(result::BadRequest, "value must be 0 or 1");
        return;
    }
    ex.arm().setForceTeachWhenProjectRunning(v[0] == 1);
    ex.replyResult(result::Ok, "");
}

}  // namespace

void addParameterHandlers(DispatchTable& table)
{
    table.add(cmd::SetTcpParam, setTcpParam);
    table.add(cmd::GetTcpParam, getTcpParam);
    table.add(cmd::GetCollisionCurrent, getCollisionCurrent);
    table.add(cmd::SetCollisionGrade, setCollisionGrade);
    table.add(cmd::SetJointOffset, setJointOffset);
    table.add(cmd::SetJointParam, setJointParam);
    table.add(cmd::JointSaveDataFlash, jointSaveDataFlash);
    table.add(cmd::GetJointCommonData, getJointCommonData);
    table.add(cmd::UpdateBoardFirmware, updateBoardFirmware);
    table.add(cmd::FirmwareUpdateResult, firmwareUpdateResult);
    table.add(cmd::GetEthernetDeviceName, getEthernetDeviceName);
    table.add(cmd::GetServerVersion, getServerVersion);
    table.add(cmd::SetForceTeachWhenProjectRunning, setForceTeachWhenProjectRunning);
}

}  // namespace zarnsim
