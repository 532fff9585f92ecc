#ifndef ZARN_ROBOTCONTROLSERVICES_H
#define ZARN_ROBOTCONTROLSERVICES_H

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "codec/codecrecords.h"
#include "communication/communicationmatetype.h"
#include "communication/communicationresponse.h"
#include "communication/robotcommunicationclient.h"
#include "zarnrobottypes.h"

// Turns frames into blocking calls (one response slot and one send lock per
// command type), routes pushes to the real-time services and robot events to
// the waits and to the application's event thread. Controller services of the
// other families are built on the two request modes declared here.
class RobotControlServices : public RobotCommunicationClient {
public:
    typedef CommunicationMateType::CommunicationCommandType CommandType;
    typedef void (*RealTimeJointStatusCallback)(const zarn_robot_namespace::JointStatus*, int, void*);
    typedef void (*RealTimeRoadPointCallback)(const zarn_robot_namespace::wayPoint_S*, void*);
    typedef void (*RealTimeEndSpeedCallback)(double, void*);
    typedef void (*RobotEventCallback)(const zarn_robot_namespace::RobotEventInfo*, void*);
    typedef void (*MovepProgressNotifyCallback)(int, void*);
    // Reads a response payload; fills the caller's outputs and the server code.
    typedef std::function<bool(const char* data, int len, int& serverCode)> ResponseReader;

    RobotControlServices();
    ~RobotControlServices() override;

    /* ---------- request core ---------- */
    int sendRequestWaitResponse(const CommunicationRequest& request, CommunicationResponse& response);
    int requestServiceOnlyCheckSendResultMode(CommandType type, void* payload, int length);
    int requestServiceGetResponseContentMode(CommandType type, void* payload, int length,
                                             CommunicationResponse& response);
    // The response-content pattern shared by every reading service: exchange,
    // read, map the server code; a reader failure logs failLine and gives failCode.
    int requestAndReadResponse(CommandType type, char* payload, int length, const ResponseReader& reader,
                               const char* failLine, int failCode);
    static int getErrCodeByServerResponse(int serverCode);

    void responseProcess(int socketFd, const char* data, int length) override;
    int heartbeatService() override;
    void disconnectProcess() override;

    /* ---------- login ---------- */
    int loginService(const char* host, int port, const std::string& userName, const std::string& password,
                     zarn_robot_namespace::RobotType& robotType, zarn_robot_namespace::RobotDhPara& dhPara);
    int logoutService();
    int getJoint6Rotate360EnableFlag(bool& enable);
    int getJoint1Rotate360EnableFlag(bool& enable);

    /* ---------- pushes and their switches ---------- */
    void realTimeRobotEventResponseService(CommunicationResponse& slot);
    void realTimeJointStatusService(CommunicationResponse& slot);
    void realTimeJointAngleService(CommunicationResponse& slot);
    void realTimeEndSpeedService(CommunicationResponse& slot);
    void realTimeMovepProgressNotifyService(CommunicationResponse& slot);

    int setRealTimeJointStatusPush(bool enable);
    int setRealTimeJointAnglePush(bool enable);
    int setRealTimeEndSpeedPush(bool enable);

    void robotServiceRegisterRealTimeJointStatusCallbackService(RealTimeJointStatusCallback cb, void* arg);
    void robotServiceRegisterRealTimeRoadPointCallbackService(RealTimeRoadPointCallback cb, void* arg);
    void robotServiceRegisterRealTimeEndSpeedCallbackService(RealTimeEndSpeedCallback cb, void* arg);
    void robotServiceRegisterRobotEventInfoCallbackService(RobotEventCallback cb, void* arg);
    void robotServiceRegisterMovepProgressNotifyCallbackService(MovepProgressNotifyCallback cb, void* arg);

    /* ---------- robot events ---------- */
    void robotRealTimeEventProcess(zarn_robot_namespace::RobotEventInfo event);

    // Move-finish queue: callers hold its mutex around these.
    void pushEventToMoveFinishEventQueue(zarn_robot_namespace::RobotEventType type);
    zarn_robot_namespace::RobotEventType frontToMoveFinishEventQueue() const;
    void clearMoveFinishEventQueue();
    std::mutex* getRobotMoveAtTrackTargetPosMutexPtr() { return &m_moveFinish.mutex; }
    std::condition_variable* getRobotMoveAtTrackTargetPosConditonPtr() { return &m_moveFinish.condition; }
    void setMoveFinishEventType(zarn_robot_namespace::RobotEventType type) { m_moveFinishEventType = type; }
    zarn_robot_namespace::RobotEventType getMoveFinishEventType() const { return m_moveFinishEventType; }

    // One wait of the controller services: a mutex, its condition and a
    // counter of completions so that a waiter never misses a signal that
    // arrives between its request and its wait.
    // The mutex is timed because the pause-done event, which runs on the
    // thread that delivers every response, waits for it only a bounded time.
    struct EventWait {
        std::timed_mutex mutex;
        std::condition_variable_any condition;
        unsigned long completions = 0;
    };
    EventWait& startupWait() { return m_startupWait; }
    EventWait& shutdownWait() { return m_shutdownWait; }
    EventWait& handshakeWait() { return m_handshakeWait; }
    EventWait& stopWait() { return m_stopWait; }
    EventWait& pauseWait() { return m_pauseWait; }
    EventWait& continueWait() { return m_continueWait; }
    std::mutex& moveControlLock() { return m_moveControlLock; }
    int startupResult() const { return m_startupResult.load(); }
    bool handshakeResult() const { return m_handshakeResult.load(); }

    /* ---------- controller state and control ---------- */
    int robotControlService(zarn_robot_namespace::RobotControlCommand command);
    int armPowerControlService(bool on);
    int rootReleaseBrake();
    int collisionRecover();
    int setRobotWorkModeService(zarn_robot_namespace::RobotWorkMode mode);
    int getRobotWorkModeService(zarn_robot_namespace::RobotWorkMode& mode);
    int getRobotCurrentStateService(zarn_robot_namespace::RobotState& state);
    int getRobotDiagnosisInfo(zarn_robot_namespace::RobotDiagnosis& diagnosis);
    int getIsRealRobotExist(bool& exist);
    int getRobotDevInfoService(zarn_robot_namespace::RobotDevInfo& info);
    int getRobotGravityComponent(zarn_robot_namespace::RobotGravityComponent& gravity);
    // A null array or a non-positive count gives 10002 without a request.
    int getRobotJointStatus(zarn_robot_namespace::JointStatus* statuses, int count);
    int getCurrentJointAngle(zarn_robot_namespace::JointParam& joints);
    int getJointAngleFromController(zarn_robot_namespace::JointParam& joints);
    int getCorrectedWaypoint(const zarn_robot_namespace::wayPoint_S& in, zarn_robot_namespace::wayPoint_S& out);
    int setRobotAtOriginPoseService();
    int getRobotSafetyConfig(zarn_robot_namespace::RobotSafetyConfig& config);
    int setRobotSafetyConfig(const zarn_robot_namespace::RobotSafetyConfig& config);
    // Sends only to controllers whose revision knows the command, then reads
    // the configuration back until it matches (six reads at most).
    int setRobotSafetyConfigVerified(const zarn_robot_namespace::RobotSafetyConfig& config);
    static bool robotSafetyConfigIsEqual(const zarn_robot_namespace::RobotSafetyConfig& a,
                                         const zarn_robot_namespace::RobotSafetyConfig& b);
    int getOrpeSafetyStatus(zarn_robot_namespace::OrpeSafetyStatus& status);

    int safeIoAboutCommunication(CommandType type, const std::vector<int>& values);
    int setRobotOrpePause(unsigned char value);
    int setRobotOrpeStop(unsigned char value);
    // A null array or a negative length gives 10002 without a request.
    int setRobotOrpeError(const unsigned char* data, int len);
    int clearSystemEmergencyStop(unsigned char value);
    int clearReducedModeError(unsigned char value);
    int robotSafetyguardResetSucc(unsigned char value);

    // Both halves carry the tool's centre and payload, narrowed to float.
    static RobotTcpParam tcpParamFromToolDynamics(const zarn_robot_namespace::ToolDynamicsParam& tool);
    int robotStartupService(const RobotTcpParam& tcp, unsigned char collisionClass, bool readPose,
                            bool staticCollisionDetect, int maxAcc, zarn_robot_namespace::ROBOT_SERVICE_STATE& result,
                            bool wait);
    int robotShutdownService(bool wait);
    int robotHandShakeService(bool wait);
    // Stop, pause and continue (89-92, and 134 as a slow stop raising the board event).
    int robotMoveControlService(CommandType type);

    /* ---------- controller parameters ---------- */
    int setTcpParamService(const RobotTcpParam& param);
    int getTcpParamService(RobotTcpParam& param);
    int setToolDynamicsByTcpParam(const zarn_robot_namespace::ToolDynamicsParam& tool);
    int getToolDynamicsByTcpParam(zarn_robot_namespace::ToolDynamicsParam& tool);
    int getRobotCollisionCurrentService(RobotCollisionCurrent& current);
    // Leaves collisionClass unchanged when the read fails.
    int getRobotCollisionClass(int& collisionClass);
    int setRobotCollisionClassService(int collisionClass);
    int setRobotJointOffsetService(const zarn_robot_namespace::RobotJointOffset& offset);
    int setJointParamService(int gainId, int joint, int value);
    int jointSaveDataFlashService(int joint);
    // A null array or a non-positive count gives 10002 without a request.
    int getJointCommonData(zarn_robot_namespace::JointCommonData* data, int count);
    int updateRobotBoardFirmwareService(zarn_robot_namespace::update_board_firmware_cmd cmd, const void* data,
                                        unsigned short length);
    int getBoardFirmwareUpdateResultService(bool& succeeded);
    int getRobotEthernetDeviceNameService(std::string& name);
    int getServerVersionInfoService(std::string& version);
    int setEnableForceTeachWhenProjectIsRunning(bool enable);

    // How long the controller services wait for their completion events.
    struct ControlWaitDurations {
        std::chrono::milliseconds startup{60000};
        std::chrono::milliseconds shutdown{30000};
        std::chrono::milliseconds handshake{30000};
        std::chrono::milliseconds moveControl{4000};
    };
    ControlWaitDurations controlWaitDurations() const;

    static constexpr int REQUEST_TIMEOUT_MS = 1500;

protected:
    // Test seam: lets tests shorten the waits instead of sleeping a minute.
    void setControlWaitDurations(const ControlWaitDurations& durations);

private:
    void storeResponse(int socketFd, int type, char* payload, int length);
    void dispatchPush(int socketFd, int type, char* payload, int length);
    void signalWait(EventWait& wait);
    void signalPauseDoneBounded();
    void signalContinueDone();
    void queueForApplication(const zarn_robot_namespace::RobotEventInfo& event);
    void eventThreadBody();

    std::unique_ptr<CommunicationResponse[]> m_responseSlots;
    std::unique_ptr<std::mutex[]> m_sendLocks;

    // Callbacks are registered by the facade before any connection and read on
    // the receive and event threads.
    struct Callbacks {
        std::atomic<RealTimeJointStatusCallback> jointStatus{nullptr};
        std::atomic<void*> jointStatusArg{nullptr};
        std::atomic<RealTimeRoadPointCallback> roadPoint{nullptr};
        std::atomic<void*> roadPointArg{nullptr};
        std::atomic<RealTimeEndSpeedCallback> endSpeed{nullptr};
        std::atomic<void*> endSpeedArg{nullptr};
        std::atomic<RobotEventCallback> robotEvent{nullptr};
        std::atomic<void*> robotEventArg{nullptr};
        std::atomic<MovepProgressNotifyCallback> movep{nullptr};
        std::atomic<void*> movepArg{nullptr};
    } m_callbacks;

    EventWait m_startupWait;
    EventWait m_shutdownWait;
    EventWait m_handshakeWait;
    EventWait m_stopWait;
    EventWait m_pauseWait;
    EventWait m_continueWait;
    std::mutex m_moveControlLock;
    std::atomic<int> m_startupResult{0};
    std::atomic<bool> m_handshakeResult{false};
    mutable std::mutex m_waitDurationsMutex;
    ControlWaitDurations m_waitDurations;

    struct MoveFinishQueue {
        std::mutex mutex;
        std::condition_variable condition;
        std::deque<zarn_robot_namespace::RobotEventType> events;
    } m_moveFinish;
    zarn_robot_namespace::RobotEventType m_moveFinishEventType = zarn_robot_namespace::RobotEvent_none;

    // Application events are delivered in arrival order by a thread of their
    // own, so that a slow application callback never delays responses.
    struct ApplicationEventQueue {
        std::mutex mutex;
        std::condition_variable condition;
        std::deque<zarn_robot_namespace::RobotEventInfo> events;
        bool stopping = false;
    } m_appEvents;
    std::thread m_eventThread;
};

#endif  // ZARN_ROBOTCONTROLSERVICES_H
