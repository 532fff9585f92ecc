// Conversions of status, diagnosis, safety, event and IO point records.
#include <algorithm>

#include "codec/protoencodedecode.h"
#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"

namespace comm = zarn::robot::communication;
namespace common = zarn::robot::common;
using namespace zarn_robot_namespace;

/* ---- tool centre point ---- */

bool ProtoEncodeDecode::robotTcpParamTypeConversion(const RobotTcpParam& param, comm::RobotTcpParam& message)
{
    auto write = [](const TcpParam& from, comm::TcpParam& to) {
        to.set_positionx(from.positionX);
        to.set_positiony(from.positionY);
        to.set_positionz(from.positionZ);
        to.set_payload(from.payload);
    };
    write(param.paramAutorun, *message.mutable_paramautorun());
    write(param.paramManual, *message.mutable_parammanual());
    return true;
}

bool ProtoEncodeDecode::robotTcpParamTypeConversion(const comm::RobotTcpParam& message, RobotTcpParam& param)
{
    auto read = [](const comm::TcpParam& from) {
        return TcpParam{from.positionx(), from.positiony(), from.positionz(), from.payload()};
    };
    param.paramAutorun = read(message.paramautorun());
    param.paramManual = read(message.parammanual());
    return true;
}

/* ---- joint status ---- */

bool ProtoEncodeDecode::jointStatusTypeConversion(const JointStatus& status, common::ProtoJointStatus& message)
{
    message.set_jointcurrenti(status.jointCurrentI);
    message.set_jointspeedmoto(status.jointSpeedMoto);
    message.set_jointposj(status.jointPosJ);
    message.set_jointcurvol(status.jointCurVol);
    message.set_jointcurtemp(status.jointCurTemp);
    message.set_jointtagcurrenti(status.jointTagCurrentI);
    message.set_jointtagspeedmoto(status.jointTagSpeedMoto);
    message.set_jointtagposj(status.jointTagPosJ);
    message.set_jointerrornum(status.jointErrorNum);
    return true;
}

bool ProtoEncodeDecode::jointStatusTypeConversion(const common::ProtoJointStatus& message, JointStatus& status)
{
    status.jointCurrentI = message.jointcurrenti();
    status.jointSpeedMoto = message.jointspeedmoto();
    status.jointPosJ = message.jointposj();
    status.jointCurVol = message.jointcurvol();
    status.jointCurTemp = message.jointcurtemp();
    status.jointTagCurrentI = message.jointtagcurrenti();
    status.jointTagSpeedMoto = message.jointtagspeedmoto();
    status.jointTagPosJ = message.jointtagposj();
    status.jointErrorNum = static_cast<uint16_t>(message.jointerrornum());
    return true;
}

/* ---- diagnosis ---- */

bool ProtoEncodeDecode::robotDiagnosisTypeConversionToProto(const RobotDiagnosis& d, comm::RobotDiagnosis& m)
{
    m.set_armcanbusstatus(d.armCanbusStatus);
    m.set_armpowercurrent(d.armPowerCurrent);
    m.set_armpowervoltage(d.armPowerVoltage);
    m.set_armpowerstatus(d.armPowerStatus);
    m.set_contorllertemp(d.contorllerTemp);
    m.set_contorllerhumidity(d.contorllerHumidity);
    m.set_remotehalt(d.remoteHalt);
    m.set_softemergency(d.softEmergency);
    m.set_remoteemergency(d.remoteEmergency);
    m.set_robotcollision(d.robotCollision);
    m.set_forcecontrolmode(d.forceControlMode);
    m.set_brakestuats(d.brakeStuats);
    m.set_robotendspeed(d.robotEndSpeed);
    m.set_robotmaxacc(d.robotMaxAcc);
    m.set_orpestatus(d.orpeStatus);
    m.set_enablereadpose(d.enableReadPose);
    m.set_robotmountingposechanged(d.robotMountingPoseChanged);
    m.set_encodererrorstatus(d.encoderErrorStatus);
    m.set_staticcollisiondetect(d.staticCollisionDetect);
    m.set_jointcollisiondetect(d.jointCollisionDetect);
    m.set_encoderlineserror(d.encoderLinesError);
    m.set_jointerrorstatus(d.jointErrorStatus);
    m.set_singularityoverspeedalarm(d.singularityOverSpeedAlarm);
    m.set_robotcurrentalarm(d.robotCurrentAlarm);
    m.set_toolioerror(d.toolIoError);
    m.set_robotmountingposewarning(d.robotMountingPoseWarning);
    m.set_mactargetposbuffersize(d.macTargetPosBufferSize);
    m.set_mactargetposdatasize(d.macTargetPosDataSize);
    m.set_macdatainterruptwarning(d.macDataInterruptWarning);
    return true;
}

bool ProtoEncodeDecode::robotDiagnosisTypeConversionToStruct(const comm::RobotDiagnosis& m, RobotDiagnosis& d)
{
    d.armCanbusStatus = static_cast<uint8_t>(m.armcanbusstatus());
    d.armPowerCurrent = m.armpowercurrent();
    d.armPowerVoltage = m.armpowervoltage();
    d.armPowerStatus = m.armpowerstatus();
    d.contorllerTemp = static_cast<int8_t>(m.contorllertemp());
    d.contorllerHumidity = static_cast<uint8_t>(m.contorllerhumidity());
    d.remoteHalt = m.remotehalt();
    d.softEmergency = m.softemergency();
    d.remoteEmergency = m.remoteemergency();
    d.robotCollision = m.robotcollision();
    d.forceControlMode = m.forcecontrolmode();
    d.brakeStuats = m.brakestuats();
    d.robotEndSpeed = m.robotendspeed();
    d.robotMaxAcc = m.robotmaxacc();
    d.orpeStatus = m.orpestatus();
    d.enableReadPose = m.enablereadpose();
    d.robotMountingPoseChanged = m.robotmountingposechanged();
    d.encoderErrorStatus = m.encodererrorstatus();
    d.staticCollisionDetect = m.staticcollisiondetect();
    d.jointCollisionDetect = static_cast<uint8_t>(m.jointcollisiondetect());
    d.encoderLinesError = m.encoderlineserror();
    d.jointErrorStatus = m.jointerrorstatus();
    d.singularityOverSpeedAlarm = m.singularityoverspeedalarm();
    d.robotCurrentAlarm = m.robotcurrentalarm();
    d.toolIoError = static_cast<uint8_t>(m.toolioerror());
    d.robotMountingPoseWarning = m.robotmountingposewarning();
    d.macTargetPosBufferSize = static_cast<uint16_t>(m.mactargetposbuffersize());
    d.macTargetPosDataSize = static_cast<uint16_t>(m.mactargetposdatasize());
    d.macDataInterruptWarning = static_cast<uint8_t>(m.macdatainterruptwarning());
    return true;
}

/* ---- gravity and collision ---- */

bool ProtoEncodeDecode::robotGravityComponentTypeConversion(const RobotGravityComponent& value,
                                                            comm::RobotGravityComponent& message)
{
    message.set_x(value.x);
    message.set_y(value.y);
    message.set_z(value.z);
    return true;
}

bool ProtoEncodeDecode::robotGravityComponentTypeConversion(const comm::RobotGravityComponent& message,
                                                            RobotGravityComponent& value)
{
    value = RobotGravityComponent{message.x(), message.y(), message.z()};
    return true;
}

bool ProtoEncodeDecode::robotCollisionCurrentTypeConversion(const RobotCollisionCurrent& value,
                                                            comm::RobotCollisionCurrent& message)
{
    message.set_collisionclass(value.collisionClass);
    return true;
}

bool ProtoEncodeDecode::robotCollisionCurrentTypeConversion(const comm::RobotCollisionCurrent& message,
                                                            RobotCollisionCurrent& value)
{
    value.collisionClass = static_cast<uint8_t>(message.collisionclass());
    return true;
}

/* ---- safety ---- */

bool ProtoEncodeDecode::RobotSafetyConfigTypeConversion(const RobotSafetyConfig& config,
                                                        common::ProtoRobotSafetyConfig& message)
{
    for (uint16_t speed : config.robotReducedConfigJointSpeed) message.add_robotreducedconfigjointspeed(speed);
    message.set_robotreducedconfigtcpspeed(static_cast<int32_t>(config.robotReducedConfigTcpSpeed));
    message.set_robotreducedconfigtcpforce(static_cast<int32_t>(config.robotReducedConfigTcpForce));
    message.set_robotreducedconfigmomentum(static_cast<int32_t>(config.robotReducedConfigMomentum));
    message.set_robotreducedconfigpower(static_cast<int32_t>(config.robotReducedConfigPower));
    message.set_robotsafeguradresetconfig(config.robotSafeguradResetConfig);
    message.set_robotoperationalmodeconfig(config.robotOperationalModeConfig);
    return true;
}

bool ProtoEncodeDecode::RobotSafetyConfigTypeConversion(const common::ProtoRobotSafetyConfig& message,
                                                        RobotSafetyConfig& config)
{
    const int count = std::min(message.robotreducedconfigjointspeed_size(), 6);
    for (int i = 0; i < count; ++i)
        config.robotReducedConfigJointSpeed[i] = static_cast<uint16_t>(message.robotreducedconfigjointspeed(i));
    config.robotReducedConfigTcpSpeed = static_cast<uint32_t>(message.robotreducedconfigtcpspeed());
    config.robotReducedConfigTcpForce = static_cast<uint32_t>(message.robotreducedconfigtcpforce());
    config.robotReducedConfigMomentum = static_cast<uint32_t>(message.robotreducedconfigmomentum());
    config.robotReducedConfigPower = static_cast<uint32_t>(message.robotreducedconfigpower());
    config.robotSafeguradResetConfig = static_cast<uint8_t>(message.robotsafeguradresetconfig());
    config.robotOperationalModeConfig = static_cast<uint8_t>(message.robotoperationalmodeconfig());
    return true;
}

bool ProtoEncodeDecode::OrpeSafetyStatusTypeConversion(const OrpeSafetyStatus& status,
                                                       common::ProtoOrpeSafetyStatus& message)
{
    message.set_orpepause(status.orpePause);
    message.set_orpestop(status.orpeStop);
    for (uint8_t error : status.orpeError) message.add_orpeerror(error);
    message.set_systememergencystop(status.systemEmergencyStop);
    message.set_reducedmodeerror(status.reducedModeError);
    message.set_safetyguardresetsucc(status.safetyguardResetSucc);
    return true;
}

bool ProtoEncodeDecode::OrpeSafetyStatusTypeConversion(const common::ProtoOrpeSafetyStatus& message,
                                                       OrpeSafetyStatus& status)
{
    status.orpePause = static_cast<uint8_t>(message.orpepause());
    status.orpeStop = static_cast<uint8_t>(message.orpestop());
    const int count = std::min(message.orpeerror_size(), 16);
    for (int i = 0; i < count; ++i) status.orpeError[i] = static_cast<uint8_t>(message.orpeerror(i));
    status.systemEmergencyStop = static_cast<uint8_t>(message.systememergencystop());
    status.reducedModeError = static_cast<uint8_t>(message.reducedmodeerror());
    status.safetyguardResetSucc = static_cast<uint8_t>(message.safetyguardresetsucc());
    return true;
}

/* ---- events and IO points ---- */

void ProtoEncodeDecode::robotEventTypeConversion(const RobotEventInfo& event,
                                                 comm::ProtoCommunicationRobotEvent& message)
{
    message.set_eventtype(event.eventType);
    message.set_eventcode(event.eventCode);
    message.set_eventcontent(event.eventContent);
}

void ProtoEncodeDecode::robotEventTypeConversion(const comm::ProtoCommunicationRobotEvent& message,
                                                 RobotEventInfo& event)
{
    event.eventType = message.eventtype();
    event.eventCode = message.eventcode();
    event.eventContent = message.eventcontent();
}

void ProtoEncodeDecode::RobotDiagnosisIODescTypeConversion(const RobotDiagnosisIODesc& point,
                                                           comm::ProtoRobotDiagnosisIODesc& message)
{
    message.set_addr(point.addr);
    message.set_type(point.type);
    message.set_value(point.value);
}

void ProtoEncodeDecode::RobotDiagnosisIODescTypeConversion(const comm::ProtoRobotDiagnosisIODesc& message,
                                                           RobotDiagnosisIODesc& point)
{
    point.addr = static_cast<uint8_t>(message.addr());
    point.type = static_cast<uint8_t>(message.type());
    point.value = static_cast<uint8_t>(message.value());
}

void ProtoEncodeDecode::RobotAnalogIODescTypeConversion(const RobotAnalogIODesc& point,
                                                        comm::ProtoRobotAnalogIODesc& message)
{
    message.set_addr(point.addr);
    message.set_type(point.type);
    message.set_value(point.value);
}

void ProtoEncodeDecode::RobotAnalogIODescTypeConversion(const comm::ProtoRobotAnalogIODesc& message,
                                                        RobotAnalogIODesc& point)
{
    point.addr = static_cast<uint8_t>(message.addr());
    point.type = static_cast<uint8_t>(message.type());
    point.value = message.value();
}

/* ---- joint driver data ---- */

bool ProtoEncodeDecode::ProtoJointCommonDataToRobotStruct(const comm::ProtoJointCommonData& m, JointCommonData& j)
{
    auto s16 = [](int32_t v) { return static_cast<int16_t>(v); };
    j.JointCurVol = s16(m.jointcurvol());
    j.JointCurTemp = s16(m.jointcurtemp());
    j.JointWorkMode = s16(m.jointworkmode());
    j.JointDriEnable = s16(m.jointdrienable());
    j.JointOpenPwm = s16(m.jointopenpwm());
    j.JointTagCurrent = m.jointtagcurrent();
    j.JointTagSpeed = m.jointtagspeed();
    j.JointTagPos = m.jointtagpos();
    j.JointMaxCur = s16(m.jointmaxcur());
    j.JointMaxSpeed = s16(m.jointmaxspeed());
    j.JointMaxAcc = s16(m.jointmaxacc());
    j.JointMINPos = m.jointminpos();
    j.JointMAXPos = m.jointmaxpos();
    j.JointSEVLock = s16(m.jointsevlock());
    j.JointCurP = s16(m.jointcurp());
    j.JointCurI = s16(m.jointcuri());
    j.JointCurD = s16(m.jointcurd());
    j.JointSpeedP = s16(m.jointspeedp());
    j.JointSpeedI = s16(m.jointspeedi());
    j.JointSpeedD = s16(m.jointspeedd());
    j.JointSpeedDS = s16(m.jointspeedds());
    j.JointPosP = s16(m.jointposp());
    j.JointPosI = s16(m.jointposi());
    j.JointPosD = s16(m.jointposd());
    j.JointPosDS = s16(m.jointposds());
    return true;
}
