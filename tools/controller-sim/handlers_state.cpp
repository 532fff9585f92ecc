// Start-up, shutdown, handshake, power and brakes, work mode, and the state,
// diagnosis, device and joint queries.
#include <chrono>

#include "arm_messages.h"
#include "exchange.h"
#include "handlers.h"
#include "log.h"

namespace zarnsim {

namespace {

namespace comm = zarn::robot::communication;
namespace common = zarn::robot::common;
using std::chrono::milliseconds;

// Completion delays of a real controller's start-up, shutdown and handshake.
constexpr milliseconds kStartupDelay{250};
constexpr milliseconds kShutdownDelay{150};
constexpr milliseconds kHandShakeDelay{100};

TcpHalf toTcpHalf(const comm::TcpParam& p)
{
    return TcpHalf{p.positionx(), p.positiony(), p.positionz(), p.payload()};
}

void answerControlResult(Exchange& ex, ControlResult r, int command)
{
    if (r == ControlResult::Applied)
        ex.replyResult(result::Ok, "");
    else if (r == ControlResult::NotPowered)
        ex.replyResult(result::NotAllowed, "arm is not powered");
    else
        ex.replyResult(result::BadRequest, "unknown robot control command " + std::to_string(command));
}

void startup(Exchange& ex)
{
    comm::ProtoCommunicationRobotStartupProfile request;
    if (!ex.parse(request))
        return;
    if (request.collisionclass() < 0 || request.collisionclass() > kMaxCollisionClass) {
        ex.replyResult(result::BadRequest, "collision class out of range");
        return;
    }
    StartupSettings settings;
    settings.tcpAuto = toTcpHalf(request.tcpparam().paramautorun());
    settings.tcpManual = toTcpHalf(request.tcpparam().parammanual());
    settings.collisionClass = request.collisionclass();
    settings.readPose = request.readpose();
    settings.staticCollisionDetect = request.staticcollisiondetect();
    settings.maxAcc = request.maxacc();
    ex.arm().beginStartup(settings);
    ex.replyResult(result::Ok, "");

    Arm& arm = ex.arm();
    EventSink& events = ex.context().events;
    ex.after(kStartupDelay, [&arm, &events] {
        // The event always comes, carrying whatever state start-up reached,
        // so that a client waiting for it is never left hanging.
        const ServiceState reached = arm.completeStartup();
        events.broadcastEvent(event::StartupDone, static_cast<int>(reached), "Robot startup done.");
        if (reached == ServiceState::Working)
            events.broadcastEvent(event::InitIkParam, arm.snapshot().joint6Rot360 ? 1 : 0, "Init ik param.");
    });
}

void shutdown(Exchange& ex)
{
    ex.arm().beginShutdown();
    ex.replyResult(result::Ok, "");
    Arm& arm = ex.arm();
    EventSink& events = ex.context().events;
    ex.after(kShutdownDelay, [&arm, &events] {
        arm.completeShutdown();
        events.broadcastEvent(event::ShutdownDone, 0, "Robot shutdown done.");
    });
}

void handShake(Exchange& ex)
{
    ex.replyResult(result::Ok, "");
    ex.eventAfter(kHandShakeDelay, event::HandShakeSucc, 0, "Handshake succeeded.");
}

void robotControl(Exchange& ex)
{
    comm::ProtoCommunicationGeneralData request;
    if (!ex.parse(request))
        return;
    if (request.property1_size() < 1) {
        ex.replyResult(result::BadRequest, "robot control command missing");
        return;
    }
    const int command = request.property1(0);
    answerControlResult(ex, ex.arm().applyControlCommand(command), command);
}

void collisionRecover(Exchange& ex)
{
    ex.arm().recoverCollision();
    ex.replyResult(result::Ok, "");
}

void setPower(Exchange& ex)
{
    comm::ProtoCommunicationGeneralData request;
    if (!ex.parse(request))
        return;
    if (request.property2_size() < 1) {
        ex.replyResult(result::BadRequest, "power state missing");
        return;
    }
    ex.arm().setPower(request.property2(0));
    ex.replyResult(result::Ok, "");
}

void releaseBrake(Exchange& ex)
{
    answerControlResult(ex, ex.arm().releaseBrake(), 0);
}

void setWorkMode(Exchange& ex)
{
    comm::ProtoCommunicationGeneralData request;
    if (!ex.parse(request))
        return;
    if (request.property1_size() < 1 || request.property1(0) < 0 || request.property1(0) > 1) {
        ex.replyResult(result::BadRequest, "work mode must be 0 (simulator) or 1 (real)");
        return;
    }
    ex.arm().setWorkMode(request.property1(0));
    ex.replyResult(result::Ok, "");
}

void getWorkMode(Exchange& ex)
{
    ex.reply(generalInts({ex.arm().snapshot().workMode}));
}

void getCurrentState(Exchange& ex)
{
    // Stopped 0, running 1, paused 2.
    const MotionState motion = ex.arm().snapshot().motion;
    const int value = motion == MotionState::Moving ? 1 : motion == MotionState::Paused ? 2 : 0;
    ex.reply(generalInts({value}));
}

void getDiagnosis(Exchange& ex)
{
    const ArmState s = ex.arm().snapshot();
    comm::ProtoCommunicationRobotDiagnosisInfo answer;
    answer.set_num(1);
    comm::RobotDiagnosis* d = answer.add_robotdiagnosis();
    d->set_armcanbusstatus(s.powered ? 0x3f : 0);  // one bit per joint on the bus
    d->set_armpowercurrent(!s.powered ? 0.0f : s.brakesReleased ? 1.35f : 0.42f);
    d->set_armpowervoltage(s.powered ? 48.0f : 0.0f);
    d->set_armpowerstatus(s.powered);
    d->set_contorllertemp(38);
    d->set_contorllerhumidity(35);
    d->set_remotehalt(false);
    d->set_softemergency(false);
    d->set_remoteemergency(false);
    d->set_robotcollision(s.collision);
    d->set_forcecontrolmode(s.forceControlMode);
    d->set_brakestuats(!s.brakesReleased);  // true while the brakes hold
    d->set_robotendspeed(static_cast<float>(s.endSpeed));
    d->set_robotmaxacc(s.settings.maxAcc);
    d->set_orpestatus(s.safetyStatus.orpePause != 0 || s.safetyStatus.orpeStop != 0);
    d->set_enablereadpose(s.settings.readPose);
    d->set_robotmountingposechanged(s.mountingPoseChanged);
    d->set_encodererrorstatus(false);
    d->set_staticcollisiondetect(s.settings.staticCollisionDetect);
    d->set_jointcollisiondetect(0);
    d->set_encoderlineserror(false);
    d->set_jointerrorstatus(false);
    d->set_singularityoverspeedalarm(s.overspeedAlarm);
    d->set_robotcurrentalarm(s.currentAlarm);
    d->set_toolioerror(0);
    d->set_robotmountingposewarning(false);
    d->set_mactargetposbuffersize(1000);
    d->set_mactargetposdatasize(0);
    d->set_macdatainterruptwarning(0);
    setOk(answer.add_errorinfo());
    ex.reply(answer);
}

void getIsRealRobotExist(Exchange& ex)
{
    ex.reply(generalBools({false}));
}

void getDeviceInfo(Exchange& ex)
{
    const ArmState s = ex.arm().snapshot();
    common::ProtoResponseRobotDevInfo answer;
    comm::OurRobotDevInfo* info = answer.add_devinfo();
    info->set_type(static_cast<std::uint32_t>(s.robotType));
    info->set_revision("V4.5.0");
    info->set_manuid("ZARN-SIM");
    info->set_jointtype("ZJ-A");
    for (int j = 0; j < kJointCount; ++j) {
        comm::JointVersion* v = info->add_jointver();
        v->set_hwversion("HW2.1");
        v->set_swversion("SW4.2.17");
        info->add_jointproductid("ZJ17-SIM-0" + std::to_string(j + 1));
    }
    info->set_desc("simulated");
    info->set_slavedevversion("SLV-1.3.2");
    info->set_extendioboardversion("IO-1.0.4");
    setOk(answer.mutable_errorinfo());
    ex.reply(answer);
}

void getGravityComponent(Exchange& ex)
{
    const ArmState s = ex.arm().snapshot();
    common::ProtoResponseRobotGravityComponent answer;
    comm::RobotGravityComponent* g = answer.add_gravitycomponent();
    g->set_x(0.0f);
    g->set_y(0.0f);
    g->set_z(-9.81f * s.settings.tcpAuto.payload);
    setOk(answer.mutable_errorinfo());
    ex.reply(answer);
}

void getJointStatus(Exchange& ex)
{
    ex.reply(jointStatusMessage(ex.arm().snapshot()));
}

void getJointAngle(Exchange& ex)
{
    ex.reply(jointAngleMessage(ex.arm().snapshot()));
}

// No calibration to correct for: the waypoint comes back as sent.
void getCorrectedWaypoint(Exchange& ex)
{
    common::ProtoRoadPoint request;
    if (!ex.parse(request))
        return;
    if (request.jointpos_size() != kJointCount) {
        ex.replyResult(result::BadRequest, "waypoint needs six joint angles");
        return;
    }
    common::ProtoRoadPointResponse answer;
    *answer.mutable_waypoint() = request;
    setOk(answer.add_errorinfo());
    ex.reply(answer);
}

void setAtOriginPose(Exchange& ex)
{
    ex.replyResult(result::Ok, "");
}

}  // namespace

void addStateHandlers(DispatchTable& table)
{
    table.add(cmd::Startup, startup);
    table.add(cmd::Shutdown, shutdown);
    table.add(cmd::HandShake, handShake);
    table.add(cmd::RobotControl, robotControl);
    table.add(cmd::CollisionRecover, collisionRecover);
    table.add(cmd::SetPowerStatus, setPower);
    table.add(cmd::ReleaseBrake, releaseBrake);
    table.add(cmd::SetWorkMode, setWorkMode);
    table.add(cmd::GetWorkMode, getWorkMode);
    table.add(cmd::GetCurrentState, getCurrentState);
    table.add(cmd::GetDiagnosis, getDiagnosis);
    table.add(cmd::GetIsRealRobotExist, getIsRealRobotExist);
    table.add(cmd::GetDeviceInfo, getDeviceInfo);
    table.add(cmd::GetGravityComponent, getGravityComponent);
    table.add(cmd::GetJointStatus, getJointStatus);
    table.add(cmd::GetJointAngle, getJointAngle);
    table.add(cmd::GetJointAngleFromController, getJointAngle);
    table.add(cmd::GetCorrectedWaypoint, getCorrectedWaypoint);
    table.add(cmd::SetAtOriginPose, setAtOriginPose);
}

}  // namespace zarnsim
