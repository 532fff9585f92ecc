// The facade of libzarnrobotcontroller: create one ServiceInterface, log in to
// the controller, then drive the arm through its operations. Every operation
// returns a RobotErrorCode value (0 on success); outputs travel by reference.
#ifndef SERVICEINTERFACE_H
#define SERVICEINTERFACE_H

#include <mutex>
#include <vector>

#include "zarnrobottypes.h"

class RobotControlServices;
class RobotIoService;
class RobotMoveService;
class RobotConveyorTrack;
class robotOtherService;
class ForceControl;
class RobotLogPrint;

typedef void (*RealTimeJointStatusCallback)(const zarn_robot_namespace::JointStatus* status, int count, void* arg);
typedef void (*RealTimeRoadPointCallback)(const zarn_robot_namespace::wayPoint_S* waypoint, void* arg);
typedef void (*RealTimeEndSpeedCallback)(double speed, void* arg);
typedef void (*RobotEventCallback)(const zarn_robot_namespace::RobotEventInfo* event, void* arg);
typedef void (*RealTimeMovepStepNumNotifyCallback)(int step, void* arg);
typedef void (*RobotLogPrintCallback)(zarn_robot_namespace::LOG_LEVEL level, const char* text, void* arg);

class ZARN_ROBOT_API ServiceInterface {
public:
    ServiceInterface();
    ~ServiceInterface();
    ServiceInterface(const ServiceInterface&) = delete;
    ServiceInterface& operator=(const ServiceInterface&) = delete;

    /* ---------- login, logout, connection ---------- */
    int robotServiceLogin(const char* host, int port, const char* userName, const char* password);
    int robotServiceLogin(const char* host, int port, const char* userName, const char* password,
                          zarn_robot_namespace::RobotType& robotType, zarn_robot_namespace::RobotDhPara& dhPara);
    int robotServiceLogout();
    int robotServiceGetConnectStatus(bool& status);
    int robotServiceGetJoint6Rotate360EnableFlag(bool& enable);

    /* ---------- error texts and log callback ---------- */
    std::string getErrDescByCode(zarn_robot_namespace::RobotErrorCode code);
    int robotServiceRegisterLogPrintCallback(RobotLogPrintCallback cb, void* arg);

    /* ---------- real-time pushes and callbacks ---------- */
    // Callbacks of the pushes run on the library's receive thread: return
    // quickly, and never wait for a controller answer from inside one.
    int robotServiceSetRealTimeJointStatusPush(bool enable);
    int robotServiceSetRealTimeRoadPointPush(bool enable);
    int robotServiceSetRealTimeEndSpeedPush(bool enable);
    int robotServiceRegisterRealTimeJointStatusCallback(RealTimeJointStatusCallback cb, void* arg);
    int robotServiceRegisterRealTimeRoadPointCallback(RealTimeRoadPointCallback cb, void* arg);
    int robotServiceRegisterRealTimeEndSpeedCallback(RealTimeEndSpeedCallback cb, void* arg);
    int robotServiceRegisterRobotEventInfoCallback(RobotEventCallback cb, void* arg);
    int robotServiceRegisterMovepStepNumNotifyCallback(RealTimeMovepStepNumNotifyCallback cb, void* arg);

    /* ---------- controller state and control ---------- */
    // With isBlock the call waits (up to 30 s) for the controller's verdict.
    int robotServiceRobotHandShake(bool isBlock);
    // With wait the call returns once the arm has started (up to 60 s) and
    // writes the controller's start-up state into result; without it, result
    // is left as it was.
    int rootServiceRobotStartup(const zarn_robot_namespace::ToolDynamicsParam& toolDynamicsParam,
                                unsigned char collisionClass, bool readPose, bool staticCollisionDetect, int maxAcc,
                                zarn_robot_namespace::ROBOT_SERVICE_STATE& result, bool wait);
    int robotServiceRobotShutdown(bool wait);
    int rootServiceRobotControl(zarn_robot_namespace::RobotControlCommand command);
    int robotServicePowerControl(bool value);
    int robotServiceReleaseBrake();
    int robotServiceCollisionRecover();
    int robotServiceGetRobotWorkMode(zarn_robot_namespace::RobotWorkMode& mode);
    int robotServiceSetRobotWorkMode(zarn_robot_namespace::RobotWorkMode mode);
    int robotServiceGetRobotCurrentState(zarn_robot_namespace::RobotState& state);
    int robotServiceGetRobotDiagnosisInfo(zarn_robot_namespace::RobotDiagnosis& robotDiagnosis);
    int robotServiceGetIsRealRobotExist(bool& exist);
    int robotServiceGetRobotDevInfoService(zarn_robot_namespace::RobotDevInfo& devInfo);
    int robotServiceGetRobotGravityComponent(zarn_robot_namespace::RobotGravityComponent& gravityComponent);
    // A null array or a non-positive count gives 10002.
    int robotServiceGetRobotJointStatus(zarn_robot_namespace::JointStatus* jointStatus, int count);
    int robotServiceGetJointAngleInfo(zarn_robot_namespace::JointParam& jointParam);
    int robotServiceGetCorrectedWaypoint(zarn_robot_namespace::wayPoint_S wayPoint,
                                         zarn_robot_namespace::wayPoint_S& correctedWayPoint);
    int robotServiceSetRobotAtOriginPose();
    int robotServiceGetRobotSafetyConfig(zarn_robot_namespace::RobotSafetyConfig& safetyConfig);
    // Controllers before revision 3.1 are left alone (result 0); newer ones get
    // the configuration and are read back until it holds (10001 if it never does).
    int robotServiceSetRobotSafetyConfig(const zarn_robot_namespace::RobotSafetyConfig& safetyConfig);
    int robotServiceGetOrpeSafetyStatus(zarn_robot_namespace::OrpeSafetyStatus& safetyStatus);
    int robotServiceSetRobotOrpePause(unsigned char data);
    int robotServiceSetRobotOrpeStop(unsigned char data);
    // A null array or a negative length gives 10002.
    int robotServiceSetRobotOrpeError(unsigned char* data, int len);
    int robotServiceClearSystemEmergencyStop(unsigned char data);
    int robotServiceClearReducedModeError(unsigned char data);
    int robotServiceRobotSafetyguardResetSucc(unsigned char data);
    int robotServiceSetRobotProjectStartup();
    int robotServiceSetRobotProjectStop();
    int robotServiceGetMacCommunicationStatus(bool& value);

    /* ---------- controller parameters ---------- */
    int robotServiceSetToolDynamicsParam(const zarn_robot_namespace::ToolDynamicsParam& toolDynamicsParam);
    int robotServiceSetNoneToolDynamicsParam();
    int robotServiceGetToolDynamicsParam(zarn_robot_namespace::ToolDynamicsParam& toolDynamicsParam);
    // Returns once the controller reports the new class (three reads, 150 ms apart).
    int robotServiceSetRobotCollisionClass(int grade);
    // collisionClass is left as it was when the read fails.
    int robotServiceGetRobotCollisionCurrentService(int& collisionClass);
    int robotServiceSetRobotJointOffset(zarn_robot_namespace::RobotJointOffset& jointOffset);
    // Fills at most count records; a null array or a non-positive count gives 10002.
    int robotServiceGetJointCommonData(zarn_robot_namespace::JointCommonData* jointCommonData, int count);
    int robotServiceSetJointParam_CurrentIP(int joint, unsigned short value);
    int robotServiceSetJointParam_CurrentII(int joint, unsigned short value);
    int robotServiceSetJointParam_CurrentID(int joint, unsigned short value);
    int robotServiceSetJointParam_SpeedP(int joint, unsigned short value);
    int robotServiceSetJointParam_SpeedI(int joint, unsigned short value);
    int robotServiceSetJointParam_SpeedD(int joint, unsigned short value);
    int robotServiceSetJointParam_SpeedDS(int joint, unsigned short value);
    int robotServiceSetJointParam_PosP(int joint, unsigned short value);
    int robotServiceSetJointParam_PosI(int joint, unsigned short value);
    int robotServiceSetJointParam_PosD(int joint, unsigned short value);
    int robotServiceSetJointParam_PosDS(int joint, unsigned short value);
    int robotServiceJointSaveDataFlash(int joint);
    int robotServiceUpdateRobotBoardFirmware(zarn_robot_namespace::update_board_firmware_cmd cmd, const void* data,
                                             unsigned short length);
    int robotServiceGetBoardFirmwareUpdateResultService(bool& value);
    int robotServiceGetRobotEthernetDeviceName(std::string& ethernetDeviceName);
    int robotServiceGetServerVersionInfo(std::string& versionInfo);
    int robotServiceSetEnableForceTeachWhenProjectIsRunning(bool enable);
    // Sends nothing and returns 0.
    int robotServiceSetRobotMaxACC(int maxAcc);

    /* ---------- kinematics ---------- */
    int robotServiceRobotFk(const double* jointAngle, int size, zarn_robot_namespace::wayPoint_S& waypoint);
    int robotServiceRobotIk(const double* jointAngleRef, const zarn_robot_namespace::Pos& position,
                            const zarn_robot_namespace::Ori& orientation, zarn_robot_namespace::wayPoint_S& waypoint);
    int robotServiceRobotIk(const zarn_robot_namespace::Pos& position, const zarn_robot_namespace::Ori& orientation,
                            std::vector<zarn_robot_namespace::wayPoint_S>& waypoints);

    /* ---------- orientation and frame transforms ---------- */
    int robotServiceOriMatrixToQuaternion(double* rotationMatrix, zarn_robot_namespace::Ori& orientation);
    int quaternionToRPY(const zarn_robot_namespace::Ori& orientation, zarn_robot_namespace::Rpy& rpy);
    int RPYToQuaternion(const zarn_robot_namespace::Rpy& rpy, zarn_robot_namespace::Ori& orientation);
    int baseToUserCoordinate(const zarn_robot_namespace::Pos& flangePositionOnBase,
                             const zarn_robot_namespace::Ori& flangeOrientationOnBase,
                             const zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& userCoord,
                             const zarn_robot_namespace::ToolInEndDesc& toolInEndDesc,
                             zarn_robot_namespace::Pos& toolEndPositionOnUserCoord,
                             zarn_robot_namespace::Ori& toolEndOrientationOnUserCoord);
    int baseToBaseAdditionalTool(const zarn_robot_namespace::Pos& flangePositionOnBase,
                                 const zarn_robot_namespace::Ori& flangeOrientationOnBase,
                                 const zarn_robot_namespace::ToolInEndDesc& toolInEndDesc,
                                 zarn_robot_namespace::Pos& toolEndPositionOnBase,
                                 zarn_robot_namespace::Ori& toolEndOrientationOnBase);
    int userToBaseCoordinate(const zarn_robot_namespace::Pos& toolEndPositionOnUserCoord,
                             const zarn_robot_namespace::Ori& toolEndOrientationOnUserCoord,
                             const zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& userCoord,
                             const zarn_robot_namespace::ToolInEndDesc& toolInEndDesc,
                             zarn_robot_namespace::Pos& flangePositionOnBase,
                             zarn_robot_namespace::Ori& flangeOrientationOnBase);
    int userCoordPointToBasePoint(const zarn_robot_namespace::Pos& userCoordPoint,
                                  const zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& userCoord,
                                  zarn_robot_namespace::Pos& basePoint);
    int endOrientation2ToolOrientation(zarn_robot_namespace::Ori& toolInEndOrientation,
                                       const zarn_robot_namespace::Ori& endOrientation,
                                       zarn_robot_namespace::Ori& toolOrientation);
    int toolOrientation2EndOrientation(zarn_robot_namespace::Ori& toolInEndOrientation,
                                       const zarn_robot_namespace::Ori& toolOrientation,
                                       zarn_robot_namespace::Ori& endOrientation);

    /* ---------- record initialisers ---------- */
    static void initPosDataType(zarn_robot_namespace::Pos& position);
    static void initOriDataType(zarn_robot_namespace::Ori& orientation);
    static void initMoveRelativeDataType(zarn_robot_namespace::MoveRelative& moveRelative);
    // Forward kinematics of the zero posture with the robot model in force.
    static void initWayPointDataType(zarn_robot_namespace::wayPoint_S& waypoint);
    static void initToolInEndDescDataType(zarn_robot_namespace::ToolInEndDesc& toolInEndDesc);
    static void initCoordCalibrateByJointAngleAndToolDataType(
        zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& coord);
    static void initToolInertiaDataType(zarn_robot_namespace::ToolInertia& toolInertia);
    static void initToolDynamicsParamDataType(zarn_robot_namespace::ToolDynamicsParam& toolDynamicsParam);

    /* ---------- calibration ---------- */
    int robotServiceToolCalibration(const std::vector<zarn_robot_namespace::wayPoint_S>& toolPositionCalibrateWaypoints,
                                    const std::vector<zarn_robot_namespace::wayPoint_S>& toolOrientationCalibrateWaypoints,
                                    zarn_robot_namespace::ToolKinematicsOriCalibrateMathod method,
                                    zarn_robot_namespace::ToolInEndDesc& toolInEndDesc);
    int robotServiceToolCalibration(const std::vector<zarn_robot_namespace::wayPoint_S>& toolPositionCalibrateWaypoints,
                                    char method, zarn_robot_namespace::ToolInEndDesc& toolInEndDesc);
    int robotServiceCheckUserCoordinate(const zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& userCoord);
    // t (3), R (9, rows = user axes in base) and origin (3) of the user frame.
    int robotServiceUserCoordinateCalibration(const zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& userCoord,
                                              double bInWPos[3], double bInWOri[9], double wInBPos[3]);

    static RobotLogPrint* S_RobotLogPrintPtr;

private:
    template <typename Callback>
    struct CallbackBlock {
        void* arg = nullptr;
        Callback callback = nullptr;
        std::mutex mutex;  // held while the callback runs
    };

    static void recvRealTimeJointStatusPushCallback(const zarn_robot_namespace::JointStatus* status, int count,
                                                    void* facade);
    static void recvRealTimeWaypointPushCallback(const zarn_robot_namespace::wayPoint_S* waypoint, void* facade);
    static void recvRealTimeEndSpeedPushCallback(double speed, void* facade);
    static void recvRobotEventPushCallback(const zarn_robot_namespace::RobotEventInfo* event, void* facade);
    static void recvMovepProgressNotifyCallback(int step, void* facade);
    void registerTrampolines();

    RobotControlServices* m_robotControlServices;
    RobotIoService* m_robotIoService;
    RobotMoveService* m_robotMoveService;
    RobotConveyorTrack* m_robotConveyorTrack;
    robotOtherService* m_robotOtherService;
    ForceControl* m_forceControl;

    CallbackBlock<RealTimeJointStatusCallback> m_jointStatusBlock;
    CallbackBlock<RealTimeRoadPointCallback> m_waypointBlock;
    CallbackBlock<RobotEventCallback> m_robotEventBlock;
    CallbackBlock<RealTimeEndSpeedCallback> m_endSpeedBlock;
    CallbackBlock<RealTimeMovepStepNumNotifyCallback> m_movepBlock;
};

#endif  // SERVICEINTERFACE_H
