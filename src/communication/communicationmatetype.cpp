#include "communication/communicationmatetype.h"

CommunicationMateType* CommunicationMateType::instance()
{
    // Function-local static: initialised once, thread-safe, never destroyed.
    static CommunicationMateType* const s_instance = new CommunicationMateType();
    return s_instance;
}

CommunicationMateType::CommunicationMateType()
{
    initCommunicationCommandTypeDescMap();
}

std::string CommunicationMateType::getCommandDescByType(CommunicationCommandType type)
{
    const auto& map = instance()->m_commandTypeDescMap;
    auto it = map.find(type);
    return it == map.end() ? std::string("unknow") : it->second;
}

void CommunicationMateType::initCommunicationCommandTypeDescMap()
{
    // Names for 0-117 only; the newer types log as "unknow". Some names carry
    // trailing blanks that log readers already match on.
    static const char* const names[] = {
        "CommunicationType_Login",
        "CommunicationType_Logout",
        "CommunicationType_Event",
        "CommunicationType_RealTimeJointStatus",
        "CommunicationType_EnableRealTimeJointStatusPush",
        "CommunicationType_DisableRealTimeJointStatusPush",
        "CommunicationType_GetRobotJointStatus",
        "CommunicationType_RealTimeRobotJointAngle",
        "CommunicationType_EnableRealTimeJointAnglePush",
        "CommunicationType_DisableRealTimeJointAnglePush",
        "CommunicationType_GetRobotJointAngle",
        "CommunicationType_RealTimeRobotEndSpeed",
        "CommunicationType_EnableRealTimeEndSpeedPush",
        "CommunicationType_DisableRealTimeEndSpeedPush",
        "CommunicationType_RealTimeRobotDiagnosis",
        "CommunicationType_GetRobotDiagnosis",
        "CommunicationType_RobotStartup",
        "CommunicationType_RobotShutdown ",
        "CommunicationType_RobotControl",
        "CommunicationType_CollisionRecover",
        "CommunicationType_SetRobotPowerStatus",
        "CommunicationType_SetRobotReleaseBrake",
        "CommunicationType_RobotMove",
        "CommunicationType_RobotTeachMoveStart",
        "CommunicationType_RobotTeachMoveStop",
        "CommunicationType_RobotMoveControl",
        "CommunicationType_GetRobotCurrentState",
        "CommunicationType_SetRobotTcpParam",
        "CommunicationType_GetRobotTcpParam",
        "CommunicationType_SetToolDynamicsParam",
        "CommunicationType_GetToolDynamicsParam",
        "CommunicationType_SetToolKinematicsParam",
        "CommunicationType_GetToolKinematicsParam",
        "CommunicationType_SetRobotMode",
        "CommunicationType_GetRobotMode",
        "CommunicationType_GetRobotGravityComponent",
        "CommunicationType_GetRobotCollisionCurrent",
        "CommunicationType_GetIsRealRobotExist",
        "CommunicationType_GetDeviceInfo",
        "CommunicationType_SetMaxAcc ",
        "CommunicationType_SetRobotCollisionGrade",
        "CommunicationType_GetInterfaceBoardAllDIData",
        "CommunicationType_GetInterfaceBoardAllDOData",
        "CommunicationType_GetInterfaceBoardAllAIData",
        "CommunicationType_GetInterfaceBoardAllAOData",
        "CommunicationType_GetInterfaceBoardAllData",
        "CommunicationType_GetInterfaceBoardOneDIStatus",
        "CommunicationType_GetInterfaceBoardOneDOStatus",
        "CommunicationType_GetInterfaceBoardOneAIStatus",
        "CommunicationType_GetInterfaceBoardOneAOStatus",
        "CommunicationType_SetInterfaceBoardOneDOStatus",
        "CommunicationType_SetInterfaceBoardOneAOStatus",
        "CommunicationType_GetToolPowerVoltageType",
        "CommunicationType_SetToolPowerVoltageType",
        "CommunicationType_SetToolPowerTypeAndDigitalIOType",
        "CommunicationType_SetToolDigitalIOType     ",
        "CommunicationType_GetToolPowerVoltage",
        "CommunicationType_GetToolAllDigitalIOStatus",
        "CommunicationType_GetToolAllAIStatus",
        "CommunicationType_SetToolDigitalIOStatus",
        "CommunicationType_SetRobotAtOriginPose",
        "CommunicationType_GetRobotSafetyConfig",
        "CommunicationType_SetRobotSafetyConfig",
        "CommunicationType_GetOrpeSafetyStatus",
        "CommunicationType_SafetyIoAbout_setRobotOrpePause      ",
        "CommunicationType_SafetyIoAbout_setRobotOrpeStop        ",
        "CommunicationType_SafetyIoAbout_setRobotOrpeError      ",
        "CommunicationType_SafetyIoAbout_clearSystemEmergencyStop",
        "CommunicationType_SafetyIoAbout_clearReducedModeError ",
        "CommunicationType_SafetyIoAbout_robotSafetyguardResetSucc",
        "CommunicationType_SystemHalt",
        "CommunicationType_OfflineTrackWaypointAppend",
        "CommunicationType_OfflineTrackWaypointClear",
        "CommunicationType_OfflineTrackMoveStartup",
        "CommunicationType_OfflineTrackMoveStop",
        "CommunicationType_EnterTcp2CanbusMode",
        "CommunicationType_LeaveTcp2CanbusMode",
        "CommunicationType_SetRobotPosData2Canbus",
        "CommunicationType_StartupOfflineExcitTraj",
        "CommunicationType_GetDynIdentifyResults",
        "CommunicationType_RobotHandShake",
        "CommunicationType_GetToolAllIoStatus",
        "CommunicationType_UpdateRobotBoardFirmware",
        "CommunicationType_FirmwareUpdateResult",
        "CommunicationType_GetRobotEthernetDeviceName",
        "CommunicationType_RobotMoveFastStop",
        "CommunicationType_RobotSetJointOffset",
        "CommunicationType_getEnableJoint6Rot360Flag",
        "CommunicationType_RobotMoveControlType",
        "CommunicationType_RobotMoveControlType_SlowStop",
        "CommunicationType_RobotMoveControlType_FastStop",
        "CommunicationType_RobotMoveControlType_Pause",
        "CommunicationType_RobotMoveControlType_Continue",
        "CommunicationType_setConveyorEncoderReset",
        "CommunicationType_setConveyorStartup",
        "CommunicationType_setConveyorStop",
        "CommunicationType_setConveyorDir",
        "CommunicationType_setRobotCameraCalib",
        "CommunicationType_setConveyorVelc",
        "CommunicationType_setEncoderValPerMeter",
        "CommunicationType_setStartWindowUpstream",
        "CommunicationType_setStartWindowDownstream",
        "CommunicationType_setConveyorTrackDownstream",
        "CommunicationType_enableConveyorTrack",
        "CommunicationType_getConveyorEncoderVal",
        "CommunicationType_appendObject2ConveyorTrackQueue",
        "CommunicationType_setRobotConveyorTrackMaxVelc",
        "CommunicationType_setRobotConveyorTrackMaxAcc",
        "CommunicationType_setRobotConveyorSystemDelay",
        "CommunicationType_setRobotTool",
        "CommunicationType_setWeaveMoveParameters",
        "CommunicationType_setJointRangeOfMotion",
        "CommunicationType_setRobotRecognitionParam",
        "CommunicationType_getRobotRecognitionParam",
        "CommunicationType_getJointAngleFromController",
        "CommunicationType_communicationHeart",
        "CommunicationType_setSeamTrackingParameters",
        "CommunicationType_getSeamTrackingParameters",
    };
    m_commandTypeDescMap.clear();
    for (int i = 0; i < static_cast<int>(sizeof(names) / sizeof(names[0])); ++i)
        m_commandTypeDescMap.emplace(static_cast<CommunicationCommandType>(i), names[i]);
}
