#include <cstring>

#include "communication/robotcontrolservices.h"
#include "serviceinterface.h"

using namespace zarn_robot_namespace;

namespace {

// Servo gain identifiers of the joint parameter command.
enum JointGain {
    Gain_CurrentIP = 0,
    Gain_CurrentII,
    Gain_CurrentID,
    Gain_SpeedP,
    Gain_SpeedI,
    Gain_SpeedD,
    Gain_SpeedDS,
    Gain_PosP,
    Gain_PosI,
    Gain_PosD,
    Gain_PosDS
};
}  // namespace

/* ---------- controller state and control ---------- */

int ServiceInterface::robotServiceRobotHandShake(bool isBlock)
{
    return m_robotControlServices->robotHandShakeService(isBlock);
}

int ServiceInterface::rootServiceRobotStartup(const ToolDynamicsParam& toolDynamicsParam, unsigned char collisionClass,
                                              bool readPose, bool staticCollisionDetect, int maxAcc,
                                              ROBOT_SERVICE_STATE& result, bool wait)
{
    return m_robotControlServices->robotStartupService(
        RobotControlServices::tcpParamFromToolDynamics(toolDynamicsParam), collisionClass, readPose,
        staticCollisionDetect, maxAcc, result, wait);
}

int ServiceInterface::robotServiceRobotShutdown(bool wait)
{
    return m_robotControlServices->robotShutdownService(wait);
}

int ServiceInterface::rootServiceRobotControl(RobotControlCommand command)
{
    return m_robotControlServices->robotControlService(command);
}

int ServiceInterface::robotServicePowerControl(bool value)
{
    return m_robotControlServices->armPowerControlService(value);
}

int ServiceInterface::robotServiceReleaseBrake()
{
    return m_robotControlServices->rootReleaseBrake();
}

int ServiceInterface::robotServiceCollisionRecover()
{
    return m_robotControlServices->collisionRecover();
}

int ServiceInterface::robotServiceGetRobotWorkMode(RobotWorkMode& mode)
{
    return m_robotControlServices->getRobotWorkModeService(mode);
}

int ServiceInterface::robotServiceSetRobotWorkMode(RobotWorkMode mode)
{
    return m_robotControlServices->setRobotWorkModeService(mode);
}

int ServiceInterface::robotServiceGetRobotCurrentState(RobotState& state)
{
    return m_robotControlServices->getRobotCurrentStateService(state);
}

int ServiceInterface::robotServiceGetRobotDiagnosisInfo(RobotDiagnosis& robotDiagnosis)
{
    return m_robotControlServices->getRobotDiagnosisInfo(robotDiagnosis);
}

int ServiceInterface::robotServiceGetIsRealRobotExist(bool& exist)
{
    return m_robotControlServices->getIsRealRobotExist(exist);
}

int ServiceInterface::robotServiceGetRobotDevInfoService(RobotDevInfo& devInfo)
{
    return m_robotControlServices->getRobotDevInfoService(devInfo);
}

int ServiceInterface::robotServiceGetRobotGravityComponent(RobotGravityComponent& gravityComponent)
{
    return m_robotControlServices->getRobotGravityComponent(gravityComponent);
}

int ServiceInterface::robotServiceGetRobotJointStatus(JointStatus* jointStatus, int count)
{
    return m_robotControlServices->getRobotJointStatus(jointStatus, count);
}

int ServiceInterface::robotServiceGetJointAngleInfo(JointParam& jointParam)
{
    return m_robotControlServices->getCurrentJointAngle(jointParam);
}

int ServiceInterface::robotServiceGetCorrectedWaypoint(wayPoint_S wayPoint, wayPoint_S& correctedWayPoint)
{
    return m_robotControlServices->getCorrectedWaypoint(wayPoint, correctedWayPoint);
}

int ServiceInterface::robotServiceSetRobotAtOriginPose()
{
    return m_robotControlServices->setRobotAtOriginPoseService();
}

int ServiceInterface::robotServiceGetRobotSafetyConfig(RobotSafetyConfig& safetyConfig)
{
    return m_robotControlServices->getRobotSafetyConfig(safetyConfig);
}

int ServiceInterface::robotServiceSetRobotSafetyConfig(const RobotSafetyConfig& safetyConfig)
{
    return m_robotControlServices->setRobotSafetyConfigVerified(safetyConfig);
}

int ServiceInterface::robotServiceGetOrpeSafetyStatus(OrpeSafetyStatus& safetyStatus)
{
    return m_robotControlServices->getOrpeSafetyStatus(safetyStatus);
}

int ServiceInterface::robotServiceSetRobotOrpePause(unsigned char data)
{
    return m_robotControlServices->setRobotOrpePause(data);
}

int ServiceInterface::robotServiceSetRobotOrpeStop(unsigned char data)
{
    return m_robotControlServices->setRobotOrpeStop(data);
}

int ServiceInterface::robotServiceSetRobotOrpeError(unsigned char* data, int len)
{
    return m_robotControlServices->setRobotOrpeError(data, len);
}

int ServiceInterface::robotServiceClearSystemEmergencyStop(unsigned char data)
{
    return m_robotControlServices->clearSystemEmergencyStop(data);
}

int ServiceInterface::robotServiceClearReducedModeError(unsigned char data)
{
    return m_robotControlServices->clearReducedModeError(data);
}

int ServiceInterface::robotServiceRobotSafetyguardResetSucc(unsigned char data)
{
    return m_robotControlServices->robotSafetyguardResetSucc(data);
}

// A project is started and stopped through the safety stop input.
int ServiceInterface::robotServiceSetRobotProjectStartup()
{
    return m_robotControlServices->setRobotOrpeStop(0);
}

int ServiceInterface::robotServiceSetRobotProjectStop()
{
    return m_robotControlServices->setRobotOrpeStop(1);
}

int ServiceInterface::robotServiceGetMacCommunicationStatus(bool& value)
{
    value = true;
    return ErrCode_Success;
}

/* ---------- controller parameters ---------- */

int ServiceInterface::robotServiceSetToolDynamicsParam(const ToolDynamicsParam& toolDynamicsParam)
{
    return m_robotControlServices->setToolDynamicsByTcpParam(toolDynamicsParam);
}

int ServiceInterface::robotServiceSetNoneToolDynamicsParam()
{
    ToolDynamicsParam none;
    std::memset(&none, 0, sizeof(none));
    return m_robotControlServices->setToolDynamicsByTcpParam(none);
}

int ServiceInterface::robotServiceGetToolDynamicsParam(ToolDynamicsParam& toolDynamicsParam)
{
    return m_robotControlServices->getToolDynamicsByTcpParam(toolDynamicsParam);
}

int ServiceInterface::robotServiceSetRobotCollisionClass(int grade)
{
    return m_robotControlServices->setRobotCollisionClassService(grade);
}

int ServiceInterface::robotServiceGetRobotCollisionCurrentService(int& collisionClass)
{
    return m_robotControlServices->getRobotCollisionClass(collisionClass);
}

int ServiceInterface::robotServiceSetRobotJointOffset(RobotJointOffset& jointOffset)
{
    return m_robotControlServices->setRobotJointOffsetService(jointOffset);
}

int ServiceInterface::robotServiceGetJointCommonData(JointCommonData* jointCommonData, int count)
{
    return m_robotControlServices->getJointCommonData(jointCommonData, count);
}

int ServiceInterface::robotServiceSetJointParam_CurrentIP(int joint, unsigned short value)
{
    return m_robotControlServices->setJointParamService(Gain_CurrentIP, joint, value);
}

int ServiceInterface::robotServiceSetJointParam_CurrentII(int joint, unsigned short value)
{
    return m_robotControlServices->setJointParamService(Gain_CurrentII, joint, value);
}

int ServiceInterface::robotServiceSetJointParam_CurrentID(int joint, unsigned short value)
{
    return m_robotControlServices->setJointParamService(Gain_CurrentID, joint, value);
}

int ServiceInterface::robotServiceSetJointParam_SpeedP(int joint, unsigned short value)
{
    return m_robotControlServices->setJointParamService(Gain_SpeedP, joint, value);
}

int ServiceInterface::robotServiceSetJointParam_SpeedI(int joint, unsigned short value)
{
    return m_robotControlServices->setJointParamService(Gain_SpeedI, joint, value);
}

int ServiceInterface::robotServiceSetJointParam_SpeedD(int joint, unsigned short value)
{
    return m_robotControlServices->setJointParamService(Gain_SpeedD, joint, value);
}

int ServiceInterface::robotServiceSetJointParam_SpeedDS(int joint, unsigned short value)
{
    return m_robotControlServices->setJointParamService(Gain_SpeedDS, joint, value);
}

int ServiceInterface::robotServiceSetJointParam_PosP(int joint, unsigned short value)
{
    return m_robotControlServices->setJointParamService(Gain_PosP, joint, value);
}

int ServiceInterface::robotServiceSetJointParam_PosI(int joint, unsigned short value)
{
    return m_robotControlServices->setJointParamService(Gain_PosI, joint, value);
}

int ServiceInterface::robotServiceSetJointParam_PosD(int joint, unsigned short value)
{
    return m_robotControlServices->setJointParamService(Gain_PosD, joint, value);
}

int ServiceInterface::robotServiceSetJointParam_PosDS(int joint, unsigned short value)
{
    return m_robotControlServices->setJointParamService(Gain_PosDS, joint, value);
}

int ServiceInterface::robotServiceJointSaveDataFlash(int joint)
{
    return m_robotControlServices->jointSaveDataFlashService(joint);
}

int ServiceInterface::robotServiceUpdateRobotBoardFirmware(update_board_firmware_cmd cmd, const void* data,
                                                           unsigned short length)
{
    return m_robotControlServices->updateRobotBoardFirmwareService(cmd, data, length);
}

int ServiceInterface::robotServiceGetBoardFirmwareUpdateResultService(bool& value)
{
    return m_robotControlServices->getBoardFirmwareUpdateResultService(value);
}

int ServiceInterface::robotServiceGetRobotEthernetDeviceName(std::string& ethernetDeviceName)
{
    return m_robotControlServices->getRobotEthernetDeviceNameService(ethernetDeviceName);
}

int ServiceInterface::robotServiceGetServerVersionInfo(std::string& versionInfo)
{
    return m_robotControlServices->getServerVersionInfoService(versionInfo);
}

int ServiceInterface::robotServiceSetEnableForceTeachWhenProjectIsRunning(bool enable)
{
    return m_robotControlServices->setEnableForceTeachWhenProjectIsRunning(enable);
}

int ServiceInterface::robotServiceSetRobotMaxACC(int /*maxAcc*/)
{
    return ErrCode_Success;
}
