// Records and enumerations shared between applications and libzarnrobotcontroller.
// Member order and widths are part of the binary interface: never reorder them.
#ifndef ZARNROBOTTYPES_H
#define ZARNROBOTTYPES_H

#include <cstddef>
#include <cstdint>
#include <string>

#if defined(ZARN_ROBOT_BUILDING_LIBRARY)
#define ZARN_ROBOT_API __attribute__((visibility("default")))
#else
#define ZARN_ROBOT_API
#endif

namespace zarn_robot_namespace {

/* ---------- error codes and log levels ---------- */

enum RobotErrorCode : int {
    ErrCode_Success = 0,
    ErrCode_Base = 10000,
    ErrCode_Failed,
    ErrCode_ParamError,
    ErrCode_SocketConnectFailed,
    ErrCode_SocketDisconnect,
    ErrCode_CreateRequestFailed,
    ErrCode_InternalVariableError,
    ErrCode_RequestTimeout,
    ErrCode_SendRequestError,
    ErrCode_ResponseIsNull,
    ErrCode_ResolveResponseFailed,
    ErrCode_ForwardKinFailed,
    ErrCode_InverseKinFailed,
    ErrCode_ToolCalibrationError,
    ErrCode_ToolCalibrationParamError,
    ErrCode_CoordinateSystemCalibrationError,
    ErrCode_BaseToUserCoordinateError,
    ErrCode_UserToBaseCoordinateError,
    ErrCode_MotionVariableError,
    ErrCode_MotionRequestError,
    ErrCode_MotionCreateRequestError,
    ErrCode_MoveInterruptedByEvent,
    ErrCode_WaypointVectorLengthError,
    ErrCode_ResponseHasError,
    ErrCode_RealRobotNotExist,
    ErrCode_SlowStopFailed = 11025,
    ErrCode_FastStopFailed,
    ErrCode_PauseFailed,
    ErrCode_ContinueFailed
};

enum LOG_LEVEL : int {
    LOG_LEVEL_INFO = 0,
    LOG_LEVEL_DEBUG = 1,  // never emitted by the library
    LOG_LEVEL_WARNING = 2,
    LOG_LEVEL_ERROR = 3,
    LOG_LEVEL_CRITICAL = 4
};

/* ---------- geometry and motion records ---------- */

struct Pos {
    double x;
    double y;
    double z;
};

struct Ori {
    double w;
    double x;
    double y;
    double z;
};

struct Rpy {
    double rx;
    double ry;
    double rz;
};

struct wayPoint_S {
    Pos cartPos;
    Ori orientation;
    double jointpos[6];
};

struct JointParam {
    double jointPos[6];
};

struct JointVelcAccParam {
    double jointPara[6];
};

struct ToolInEndDesc {
    Pos toolInEndPosition;
    Ori toolInEndOrientation;
};

struct MoveRelative {
    bool ena;
    float relativePosition[3];
    Ori relativeOri;
};

struct CoordCalibrateByJointAngleAndTool {
    int coordType;  // 0 base, 1 end, 2 world
    int methods;
    JointParam jointAngleArray[3];
    ToolInEndDesc toolDesc;
};

struct MoveProfile_t {
    JointVelcAccParam jointMaxAcc;
    JointVelcAccParam jointMaxVelc;
    double endMaxLineAcc;
    double endMaxLineVelc;
    MoveRelative relativeMove;
    CoordCalibrateByJointAngleAndTool userCoord;
    char reserved[8];  // never read or written by the library
    ToolInEndDesc toolInEndDesc;
};

struct JointRangeOfMotion {
    bool enable;
    double jointLimit[6][2];
};

struct RobotJointOffset {
    double joint1;
    double joint2;
    double joint3;
    double joint4;
    double joint5;
    double joint6;
};

struct RobotDhPara {
    double A3;
    double A4;
    double D1;
    double D2;
    double D5;
    double D6;
};

struct ToolInertia {
    double xx;
    double xy;
    double xz;
    double yy;
    double yz;
    double zz;
};

struct ToolDynamicsParam {
    double positionX;
    double positionY;
    double positionZ;
    double payload;
    ToolInertia toolInertia;
};

/* ---------- status, diagnosis and device records ---------- */

struct JointStatus {
    int32_t jointCurrentI;
    int32_t jointSpeedMoto;
    float jointPosJ;
    float jointCurVol;
    float jointCurTemp;
    int32_t jointTagCurrentI;
    float jointTagSpeedMoto;
    float jointTagPosJ;
    uint16_t jointErrorNum;
};

#pragma pack(push, 1)

struct JointCommonData {
    int16_t JointCurVol;
    int16_t JointCurTemp;
    int16_t JointWorkMode;
    int16_t JointDriEnable;
    int16_t JointOpenPwm;
    int32_t JointTagCurrent;
    int32_t JointTagSpeed;
    int32_t JointTagPos;
    int16_t JointMaxCur;
    int16_t JointMaxSpeed;
    int16_t JointMaxAcc;
    int32_t JointMINPos;
    int32_t JointMAXPos;
    int16_t JointSEVLock;
    int16_t JointCurP;
    int16_t JointCurI;
    int16_t JointCurD;
    int16_t JointSpeedP;
    int16_t JointSpeedI;
    int16_t JointSpeedD;
    int16_t JointSpeedDS;
    int16_t JointPosP;
    int16_t JointPosI;
    int16_t JointPosD;
    int16_t JointPosDS;
};

struct RobotDiagnosis {
    uint8_t armCanbusStatus;
    float armPowerCurrent;
    float armPowerVoltage;
    bool armPowerStatus;
    int8_t contorllerTemp;
    uint8_t contorllerHumidity;
    bool remoteHalt;
    bool softEmergency;
    bool remoteEmergency;
    bool robotCollision;
    bool forceControlMode;
    bool brakeStuats;
    float robotEndSpeed;
    int32_t robotMaxAcc;
    bool orpeStatus;
    bool enableReadPose;
    bool robotMountingPoseChanged;
    bool encoderErrorStatus;
    bool staticCollisionDetect;
    uint8_t jointCollisionDetect;
    bool encoderLinesError;
    bool jointErrorStatus;
    bool singularityOverSpeedAlarm;
    bool robotCurrentAlarm;
    uint8_t toolIoError;
    bool robotMountingPoseWarning;
    uint16_t macTargetPosBufferSize;
    uint16_t macTargetPosDataSize;
    uint8_t macDataInterruptWarning;
};

struct RobotJointVersion {
    char hwVersion[8];
    char swVersion[16];
};

struct RobotDevInfo {
    uint8_t type;
    char revision[16];
    char manuID[16];
    char jointType[16];
    RobotJointVersion jointVer[8];
    char desc[64];
    char jointProductID[8][16];
    char slaveDevVersion[16];
    char extendIoBoardVersion[16];
};

#pragma pack(pop)

struct RobotDiagnosisIODesc {
    uint8_t addr;
    uint8_t value;  // value before type, unlike the wire message
    uint8_t type;
};

struct RobotAnalogIODesc {
    uint8_t addr;
    float value;
    uint8_t type;
};

/* ---------- IO enumerations ---------- */

enum RobotIoType : int {
    BoardControllerDigitalInput = 0,
    BoardControllerDigitalOutput = 1,
    BoardControllerAnalogInput = 2,
    BoardControllerAnalogOutput = 3,
    BoardUserDigitalInput = 4,
    BoardUserDigitalOutput = 5,
    BoardUserAnalogInput = 6,
    BoardUserAnalogOutput = 7,
    ToolDigitalInput = 8,
    ToolDigitalOutput = 9,
    ToolAnalogInput = 10
};

enum IO_STATUS : int { IO_STATUS_OFF = 0, IO_STATUS_ON = 1 };

enum ToolDigitalIOAddr : int {
    TOOL_DIGITAL_IO_0 = 0,
    TOOL_DIGITAL_IO_1 = 1,
    TOOL_DIGITAL_IO_2 = 2,
    TOOL_DIGITAL_IO_3 = 3
};

enum ToolIOType : int { TOOL_IO_IN = 0, TOOL_IO_OUT = 1 };

// Supply voltage code; the controller gives the values their meaning.
enum ToolPowerType : int { OUT_0V = 0, OUT_12V = 1, OUT_24V = 2 };

struct RobotIoDesc {
    char ioId[32];
    RobotIoType ioType;
    char ioName[32];
    int ioAddr;
    double ioValue;
};

struct RobotGravityComponent {
    float x;
    float y;
    float z;
};

struct RobotSafetyConfig {
    uint16_t robotReducedConfigJointSpeed[6];
    uint32_t robotReducedConfigTcpSpeed;
    uint32_t robotReducedConfigTcpForce;
    uint32_t robotReducedConfigMomentum;
    uint32_t robotReducedConfigPower;
    uint8_t robotSafeguradResetConfig;
    uint8_t robotOperationalModeConfig;
};

struct OrpeSafetyStatus {
    uint8_t orpePause;
    uint8_t orpeStop;
    uint8_t orpeError[16];
    uint8_t systemEmergencyStop;
    uint8_t reducedModeError;
    uint8_t safetyguardResetSucc;
};

/* ---------- robot events ---------- */

// The controller may send any value; these are the ones the library reacts to.
enum RobotEventType : int {
    RobotEvent_moveControlDoneA = 6,
    RobotEvent_startupDone = 20,
    RobotEvent_shutdownDone = 21,
    RobotEvent_atTrackTargetPos = 22,
    RobotEvent_controllerAbnormal = 26,
    RobotEvent_socketDisconnected = 27,
    RobotEvent_handShakeSucc = 35,
    RobotEvent_handShakeFailed = 36,
    RobotEvent_initIkParam = 42,
    RobotEvent_moveControlDoneB = 44,
    RobotEvent_pauseDone = 45,
    RobotEvent_continueDone = 46,
    RobotEvent_none = 1000
};

struct RobotEventInfo {
    int eventType;  // a RobotEventType value
    int eventCode;
    std::string eventContent;
};

/* ---------- peripheral and process records ---------- */

struct SeamTracking {
    bool trackEnable;
    wayPoint_S currentRoadPoint;
    wayPoint_S nextRoadPoint;
    int timeInterval;
    double currentPosError[3];
    double maxVel;
    double maxAcc;
    bool paraChanged;
};

struct WeaveMove {
    bool enable;
    int intParam;
    double param1;
    double param2;
    double param3;
    double param4;
};

struct RegulateSpeedModeConfig_t {
    double value1;
    double value2;
    double jointValues1[6];
    double jointValues2[6];
};

struct RobotRecongnitionParam {
    uint8_t type;
    uint8_t dataLen;
    uint8_t data[256];
};

/* ---------- motion and controller enumerations ---------- */

enum move_track : int {
    NO_TRACK = 0,
    TRACKING = 1,
    ARC_CIR = 2,
    CARTESIAN_MOVEP = 3,
    CARTESIAN_CUBICSPLINE = 4,
    CARTESIAN_UBSPLINEINTP = 5,
    CARTESIAN_GNUBSPLINEINTP = 6,
    CARTESIAN_LOOKAHEAD = 7,
    JIONT_CUBICSPLINE = 8,
    JOINT_UBSPLINEINTP = 9,
    JOINT_GNUBSPLINEINTP = 10,
    // extended arc kinds: mapped onto ARC_CIR before they reach the wire
    ARC = 11,
    CARTESIAN_MOVEP_ARC = 12,
    CARTESIAN_CIRCLE = 13,
    CARTESIAN_ARC_ORI_FIXED = 14,
    CARTESIAN_CIRCLE_ORI_FIXED = 101
};

enum teach_mode : int {
    NO_TEACH = 0,
    JOINT1 = 1,
    JOINT2 = 2,
    JOINT3 = 3,
    JOINT4 = 4,
    JOINT5 = 5,
    JOINT6 = 6,
    MOV_X = 7,
    MOV_Y = 8,
    MOV_Z = 9,
    ROT_X = 10,
    ROT_Y = 11,
    ROT_Z = 12
};

enum RobotMoveControlCommand : int {
    RobotMoveSlowStop = 0,
    RobotMovePause = 1,
    RobotMoveContinue = 2
};

enum ToolKinematicsOriCalibrateMathod : int {
    ToolOriCalibrateMathod_xOxy = 0,
    ToolOriCalibrateMathod_yOyz = 1,
    ToolOriCalibrateMathod_zOzx = 2,
    ToolOriCalibrateMathod_TxRBz_TxyPBzAndTyABnz = 3,
    ToolOriCalibrateMathod_TyRBz_TyzPBzAndTzABnz = 4,
    ToolOriCalibrateMathod_TzRBz_TzxPBzAndTxABnz = 5
};

// The following carry numbers that only the controller interprets.
enum RobotType : int {
    RobotType_0 = 0, RobotType_1, RobotType_2, RobotType_3, RobotType_4,
    RobotType_5, RobotType_6, RobotType_7, RobotType_8, RobotType_9
};

enum RobotState : int {
    RobotStopped = 0,
    RobotRunning = 1,
    RobotPaused = 2,
    RobotResumed = 3
};

enum RobotWorkMode : int {
    RobotModeSimulator = 0,
    RobotModeReal = 1
};

enum RobotControlCommand : int {
    RobotRelease = 0,
    RobotBrake = 1,
    OverspeedWarning = 2,
    OverspeedRecover = 3,
    DisableForceJoint = 4,
    EnableForceJoint = 5,
    ToProcedure = 6,
    ToNormal = 7,
    EnableReadPose = 8,
    DisableReadPose = 9,
    MountingPoseChanged = 10,
    MountingPoseUnChanged = 11,
    EnableStaticCollisionDetect = 12,
    DisableStaticCollisionDetect = 13,
    ClearSingularityOverSpeedAlarm = 14,
    ClearRobotCurrentAlarm = 15
};

enum ROBOT_SERVICE_STATE : int {
    ROBOT_SERVICE_READY = 0,
    ROBOT_SERVICE_STARTING = 1,
    ROBOT_SERVICE_WORKING = 2,
    ROBOT_SERVICE_CLOSING = 3,
    ROBOT_SERVICE_CLOSED = 4,
    ROBOT_SETVICE_FAULT_POWER = 5,
    ROBOT_SETVICE_FAULT_BRAKE = 6,
    ROBOT_SETVICE_FAULT_NO_ROBOT = 7
};

enum update_board_firmware_cmd : int {
    update_master_board_firmware_trans_start = 1,
    update_master_board_firmware_trans_data = 2,
    update_master_board_firmware_trans_end = 3,
    update_slave_board_firmware_trans_start = 4,
    update_slave_board_firmware_trans_data = 5,
    update_slave_board_firmware_trans_end = 6
};

enum Robot_Dyn_identify_traj : int {
    Dyn_identify_traj_none = 0,
    Dyn_identify_traj_robot = 1,
    Dyn_identify_traj_tool = 2
};

/* ---------- layout checks: these records cross the binary interface ---------- */

static_assert(sizeof(JointCommonData) == 60, "JointCommonData must stay byte-packed");
static_assert(offsetof(JointCommonData, JointTagCurrent) == 10, "JointCommonData layout");
static_assert(offsetof(JointCommonData, JointMINPos) == 28, "JointCommonData layout");
static_assert(offsetof(RobotDiagnosis, armPowerCurrent) == 1, "RobotDiagnosis must stay byte-packed");
static_assert(offsetof(RobotDiagnosis, robotEndSpeed) == 18, "RobotDiagnosis layout");
static_assert(offsetof(RobotDiagnosis, macTargetPosBufferSize) == 38, "RobotDiagnosis layout");
static_assert(sizeof(RobotDiagnosis) == 43, "RobotDiagnosis must stay byte-packed");
static_assert(offsetof(RobotDevInfo, revision) == 1, "RobotDevInfo must stay byte-packed");
static_assert(offsetof(RobotDevInfo, desc) == 241, "RobotDevInfo layout");
static_assert(sizeof(RobotDevInfo) == 465, "RobotDevInfo must stay byte-packed");
static_assert(sizeof(wayPoint_S) == 104, "wayPoint_S layout");
static_assert(sizeof(RobotDiagnosisIODesc) == 3, "RobotDiagnosisIODesc layout");

}  // namespace zarn_robot_namespace

#endif  // ZARNROBOTTYPES_H
