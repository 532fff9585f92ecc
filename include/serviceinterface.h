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
