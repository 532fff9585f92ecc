#include "arm.h"

#include <algorithm>

namespace zarnsim {

namespace {

// A relaxed pose away from singularities, so that kinematics on it is
// meaningful for clients.
constexpr std::array<double, kJointCount> kHomePose = {0.0, -0.127, 1.288, -0.153, 1.571, 0.0};

// Current loop P/I/D, speed loop P/I/D/DS, position loop P/I/D/DS.
constexpr std::array<int, kGainCount> kDefaultGains = {1200, 300, 0, 800, 60, 0, 0, 500, 0, 0, 0};

bool validJoint(int joint)
{
    return joint >= 1 && joint <= kJointCount;
}

}  // namespace

Arm::Arm(int robotType)
{
    state_.robotType = robotType;
    state_.dh = nominalDhLengths(robotType);
    state_.joints = kHomePose;
    state_.safety.reducedJointSpeed = {180, 180, 180, 180, 180, 180};
    state_.safety.reducedTcpSpeed = 1500;
    state_.safety.reducedTcpForce = 150;
    state_.safety.reducedMomentum = 25;
    state_.safety.reducedPower = 300;
    for (auto& joint : state_.gains)
        joint = kDefaultGains;
}

ArmState Arm::snapshot() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return state_;
}

void Arm::beginStartup(const StartupSettings& settings)
{
    std::lock_guard<std::mutex> lock(mutex_);
    state_.settings = settings;
    if (state_.service != ServiceState::Working)
        state_.service = ServiceState::Starting;
}

ServiceState Arm::completeStartup()
{
    std::lock_guard<std::mutex> lock(mutex_);
    // A shutdown that overtook the start-up wins.
    if (state_.service == ServiceState::Starting || state_.service == ServiceState::Working) {
        state_.powered = true;
        state_.brakesReleased = true;
        state_.service = ServiceState::Working;
    }
    return state_.service;
}

void Arm::beginShutdown()
{
    std::lock_guard<std::mutex> lock(mutex_);
    state_.service = ServiceState::Closing;
    state_.motion = MotionState::Idle;
    state_.endSpeed = 0;
}

void Arm::completeShutdown()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (state_.service != ServiceState::Closing)
        return;
    state_.powered = false;
    state_.brakesReleased = false;
    state_.service = ServiceState::Closed;
}

void Arm::setPower(bool on)
{
    std::lock_guard<std::mutex> lock(mutex_);
    state_.powered = on;
    if (!on) {
        state_.brakesReleased = false;
        state_.motion = MotionState::Idle;
        state_.endSpeed = 0;
    }
}

ControlResult Arm::releaseBrake()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.powered)
        return ControlResult::NotPowered;
    state_.brakesReleased = true;
    return ControlResult::Applied;
}

ControlResult Arm::applyControlCommand(int command)
{
    std::lock_guard<std::mutex> lock(mutex_);
    ArmState& s = state_;
    switch (command) {
    case 0:
        if (!s.powered)
            return ControlResult::NotPowered;
        s.brakesReleased = true;
        break;
    case 1: s.brakesReleased = false; s.motion = MotionState::Idle; s.endSpeed = 0; break;
    case 2: s.overspeedAlarm = true; break;
    case 3: s.overspeedAlarm = false; break;
    case 4: s.forceControlMode = false; break;
    case 5: s.forceControlMode = true; break;
    case 6:
    case 7: break;  // procedure/normal mode switch: nothing observable here
    case 8: s.settings.readPose = true; break;
    case 9: s.settings.readPose = false; break;
    case 10: s.mountingPoseChanged = true; break;
    case 11: s.mountingPoseChanged = false; break;
    case 12: s.settings.staticCollisionDetect = true; break;
    case 13: s.settings.staticCollisionDetect = false; break;
    case 14: s.overspeedAlarm = false; break;
    case 15: s.currentAlarm = false; break;
    default: return ControlResult::Unknown;
    }
    return ControlResult::Applied;
}

void Arm::recoverCollision()
{
    std::lock_guard<std::mutex> lock(mutex_);
    state_.collision = false;
}

void Arm::setWorkMode(int mode)
{
    std::lock_guard<std::mutex> lock(mutex_);
    state_.workMode = mode;
}

void Arm::setTcp(const TcpHalf& automatic, const TcpHalf& manual)
{
    std::lock_guard<std::mutex> lock(mutex_);
    state_.settings.tcpAuto = automatic;
    state_.settings.tcpManual = manual;
}

void Arm::setCollisionClass(int collisionClass)
{
    std::lock_guard<std::mutex> lock(mutex_);
    state_.settings.collisionClass = collisionClass;
}

void Arm::setJointOffsets(const std::array<double, kJointCount>& offsets)
{
    std::lock_guard<std::mutex> lock(mutex_);
    state_.jointOffsets = offsets;
}

void Arm::setJointGain(int joint, int gainId, int value)
{
    if (!validJoint(joint) || gainId < 0 || gainId >= kGainCount)
        return;
    std::lock_guard<std::mutex> lock(mutex_);
    state_.gains[joint - 1][gainId] = value;
    state_.gainsSaved[joint - 1] = false;
}

void Arm::saveJointGains(int joint)
{
    if (!validJoint(joint))
        return;
    std::lock_guard<std::mutex> lock(mutex_);
    state_.gainsSaved[joint - 1] = true;
}

void Arm::setSafetyConfig(const SafetyConfig& config)
{
    std::lock_guard<std::mutex> lock(mutex_);
    state_.safety = config;
}

void Arm::setOrpePause(std::uint32_t value)
{
    std::lock_guard<std::mutex> lock(mutex_);
    state_.safetyStatus.orpePause = value;
}

void Arm::setOrpeStop(std::uint32_t value)
{
    std::lock_guard<std::mutex> lock(mutex_);
    state_.safetyStatus.orpeStop = value;
}

void Arm::setOrpeErrors(const std::vector<std::uint32_t>& values)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto& errors = state_.safetyStatus.orpeError;
    errors.fill(0);
    std::copy_n(values.begin(), std::min<std::size_t>(values.size(), errors.size()), errors.begin());
}

void Arm::clearSystemEmergencyStop()
{
    std::lock_guard<std::mutex> lock(mutex_);
    state_.safetyStatus.systemEmergencyStop = 0;
}

void Arm::clearReducedModeError()
{
    std::lock_guard<std::mutex> lock(mutex_);
    state_.safetyStatus.reducedModeError = 0;
}

void Arm::setSafetyguardResetSucc(std::uint32_t value)
{
    std::lock_guard<std::mutex> lock(mutex_);
    state_.safetyStatus.safetyguardResetSucc = value;
}

void Arm::setForceTeachWhenProjectRunning(bool enable)
{
    std::lock_guard<std::mutex> lock(mutex_);
    state_.forceTeachWhenProjectRunning = enable;
}

FirmwareResult Arm::firmwareCommand(int command, std::uint64_t size)
{
    if (command < 1 || command > 6)
        return FirmwareResult::BadCommand;
    const int board = command <= 3 ? 1 : 2;
    const int step = (command - 1) % 3;  // 0 start, 1 data, 2 end
    std::lock_guard<std::mutex> lock(mutex_);
    ArmState& s = state_;
    if (step == 0) {
        s.firmwareTarget = board;
        s.firmwareBytes = 0;
        s.firmwareUpdateOk = false;
        return FirmwareResult::Accepted;
    }
    if (s.firmwareTarget != board)
        return FirmwareResult::NotStarted;
    if (step == 1) {
        s.firmwareBytes += size;
    } else {
        s.firmwareUpdateOk = s.firmwareBytes > 0;
        s.firmwareTarget = 0;
    }
    return FirmwareResult::Accepted;
}

MotionState Arm::stopMotion()
{
    std::lock_guard<std::mutex> lock(mutex_);
    const MotionState before = state_.motion;
    state_.motion = MotionState::Idle;
    state_.endSpeed = 0;
    return before;
}

MotionState Arm::pauseMotion()
{
    std::lock_guard<std::mutex> lock(mutex_);
    const MotionState before = state_.motion;
    if (before != MotionState::Paused) {
        state_.motionBeforePause = before;
        state_.motion = MotionState::Paused;
        state_.endSpeed = 0;
    }
    return before;
}

MotionState Arm::continueMotion()
{
    std::lock_guard<std::mutex> lock(mutex_);
    const MotionState before = state_.motion;
    if (before == MotionState::Paused)
        state_.motion = state_.motionBeforePause;
    return before;
}

}  // namespace zarnsim
