#pragma once

namespace zarnsim {

// Command types on the wire (0..137). Only those the simulator answers or
// sends are named here; commandName() knows all of them for log lines.
namespace cmd {
constexpr int Login = 0;
constexpr int Logout = 1;
constexpr int Event = 2;
constexpr int RealTimeJointStatus = 3;
constexpr int EnableJointStatusPush = 4;
constexpr int DisableJointStatusPush = 5;
constexpr int GetJointStatus = 6;
constexpr int RealTimeJointAngle = 7;
constexpr int EnableJointAnglePush = 8;
constexpr int DisableJointAnglePush = 9;
constexpr int GetJointAngle = 10;
constexpr int RealTimeEndSpeed = 11;
constexpr int EnableEndSpeedPush = 12;
constexpr int DisableEndSpeedPush = 13;
constexpr int GetDiagnosis = 15;
constexpr int Startup = 16;
constexpr int Shutdown = 17;
constexpr int RobotControl = 18;
constexpr int CollisionRecover = 19;
constexpr int SetPowerStatus = 20;
constexpr int ReleaseBrake = 21;
constexpr int GetCurrentState = 26;
constexpr int SetTcpParam = 27;
constexpr int GetTcpParam = 28;
constexpr int SetWorkMode = 33;
constexpr int GetWorkMode = 34;
constexpr int GetGravityComponent = 35;
constexpr int GetCollisionCurrent = 36;
constexpr int GetIsRealRobotExist = 37;
constexpr int GetDeviceInfo = 38;
constexpr int SetCollisionGrade = 40;
constexpr int SetAtOriginPose = 60;
constexpr int GetSafetyConfig = 61;
constexpr int SetSafetyConfig = 62;
constexpr int GetOrpeSafetyStatus = 63;
constexpr int SetOrpePause = 64;
constexpr int SetOrpeStop = 65;
constexpr int SetOrpeError = 66;
constexpr int ClearSystemEmergencyStop = 67;
constexpr int ClearReducedModeError = 68;
constexpr int SafetyguardResetSucc = 69;
constexpr int HandShake = 80;
constexpr int UpdateBoardFirmware = 82;
constexpr int FirmwareUpdateResult = 83;
constexpr int GetEthernetDeviceName = 84;
constexpr int SetJointOffset = 86;
constexpr int GetJoint6Rot360Flag = 87;
constexpr int MoveSlowStop = 89;
constexpr int MoveFastStop = 90;
constexpr int MovePause = 91;
constexpr int MoveContinue = 92;
constexpr int GetJointAngleFromController = 114;
constexpr int Heartbeat = 115;
constexpr int GetCorrectedWaypoint = 118;
constexpr int SetForceTeachWhenProjectRunning = 120;
constexpr int GetJointCommonData = 121;
constexpr int SetJointParam = 122;
constexpr int JointSaveDataFlash = 123;
constexpr int GetServerVersion = 124;
constexpr int GetJoint1Rot360Flag = 125;
constexpr int MovepProgressNotify = 133;

constexpr int Count = 138;
}  // namespace cmd

// Robot event types pushed with command 2.
namespace event {
constexpr int MoveControlDoneA = 6;
constexpr int StartupDone = 20;
constexpr int ShutdownDone = 21;
constexpr int HandShakeSucc = 35;
constexpr int HandShakeFailed = 36;
constexpr int InitIkParam = 42;
constexpr int MoveControlDoneB = 44;
constexpr int PauseDone = 45;
constexpr int ContinueDone = 46;
}  // namespace event

// Result codes of the common result. 4 is reserved by the protocol for "no
// real arm", so the simulator never uses it for its own refusals.
namespace result {
constexpr int Ok = 0;
constexpr int NotSupported = 1;
constexpr int BadRequest = 2;   // payload does not parse or a value is out of range
constexpr int NotAllowed = 3;   // the simulated arm's state refuses the request
}  // namespace result

// The enumerator name of a command type, or "unknown command".
const char* commandName(int command);

}  // namespace zarnsim
