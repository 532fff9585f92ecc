#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

#include "robot_models.h"

namespace zarnsim {

constexpr int kJointCount = 6;
constexpr int kGainCount = 11;       // servo gain ids 0..10
constexpr int kOrpeErrorCount = 16;
constexpr int kMaxCollisionClass = 10;

// Controller service state; the value is the start-up result of event 20.
enum class ServiceState { Ready = 0, Starting = 1, Working = 2, Closing = 3, Closed = 4 };
enum class MotionState { Idle, Moving, Paused };

struct TcpHalf {
    float x = 0, y = 0, z = 0, payload = 0;
};

struct SafetyConfig {
    std::array<std::uint32_t, kJointCount> reducedJointSpeed{};
    std::uint32_t reducedTcpSpeed = 0;
    std::uint32_t reducedTcpForce = 0;
    std::uint32_t reducedMomentum = 0;
    std::uint32_t reducedPower = 0;
    std::uint32_t safeguardResetConfig = 0;
    std::uint32_t operationalModeConfig = 0;
};

struct SafetyStatus {
    std::uint32_t orpePause = 0;
    std::uint32_t orpeStop = 0;
    std::array<std::uint32_t, kOrpeErrorCount> orpeError{};
    std::uint32_t systemEmergencyStop = 0;
    std::uint32_t reducedModeError = 0;
    std::uint32_t safetyguardResetSucc = 0;
};

struct StartupSettings {
    TcpHalf tcpAuto, tcpManual;
    int collisionClass = 6;
    bool readPose = false;
    bool staticCollisionDetect = false;
    int maxAcc = 0;
};

enum class ControlResult { Applied, Unknown, NotPowered };

enum class FirmwareResult { Accepted, NotStarted, BadCommand };

struct ArmState {
    int robotType = 0;
    DhLengths dh{};
    ServiceState service = ServiceState::Ready;
    MotionState motion = MotionState::Idle;
    MotionState motionBeforePause = MotionState::Idle;
    bool powered = false;
    bool brakesReleased = false;
    int workMode = 0;  // 0 simulator, 1 real arm
    std::array<double, kJointCount> joints{};
    double endSpeed = 0;  // m/s
    StartupSettings settings;
    bool collision = false;
    bool forceControlMode = false;
    bool mountingPoseChanged = false;
    bool overspeedAlarm = false;
    bool currentAlarm = false;
    bool reducedMode = false;
    SafetyConfig safety;
    SafetyStatus safetyStatus;
    std::array<double, kJointCount> jointOffsets{};
    std::array<std::array<int, kGainCount>, kJointCount> gains{};
    std::array<bool, kJointCount> gainsSaved{};
    bool joint1Rot360 = false;
    bool joint6Rot360 = true;
    bool forceTeachWhenProjectRunning = false;
    int firmwareTarget = 0;  // 0 none, 1 master board, 2 slave board in transfer
    std::uint64_t firmwareBytes = 0;
    bool firmwareUpdateOk = false;
};

// The one simulated arm shared by every connection. Every member locks, so
// sessions, the push threads and the scheduler may call in any order.
class Arm {
public:
    explicit Arm(int robotType);

    ArmState snapshot() const;

    void beginStartup(const StartupSettings& settings);
    ServiceState completeStartup();
    void beginShutdown();
    void completeShutdown();
    void setPower(bool on);
    // Brakes open only on a powered arm.
    ControlResult releaseBrake();
    ControlResult applyControlCommand(int command);
    void recoverCollision();
    void setWorkMode(int mode);
    void setTcp(const TcpHalf& automatic, const TcpHalf& manual);
    void setCollisionClass(int collisionClass);
    void setJointOffsets(const std::array<double, kJointCount>& offsets);
    void setJointGain(int joint, int gainId, int value);  // joint 1..6
    void saveJointGains(int joint);                       // joint 1..6
    void setSafetyConfig(const SafetyConfig& config);
    void setOrpePause(std::uint32_t value);
    void setOrpeStop(std::uint32_t value);
    void setOrpeErrors(const std::vector<std::uint32_t>& values);
    void clearSystemEmergencyStop();
    void clearReducedModeError();
    void setSafetyguardResetSucc(std::uint32_t value);
    void setForceTeachWhenProjectRunning(bool enable);
    FirmwareResult firmwareCommand(int command, std::uint64_t size);

    // Move control; each returns the state the arm was in before.
    MotionState stopMotion();
    MotionState pauseMotion();
    MotionState continueMotion();

private:
    mutable std::mutex mutex_;
    ArmState state_;
};

}  // namespace zarnsim
