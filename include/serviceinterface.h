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
