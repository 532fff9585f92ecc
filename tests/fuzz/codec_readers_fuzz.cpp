// Feeds every codec reader the same arbitrary bytes; the readers must neither
// crash nor read outside the payload, whatever the controller sends.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "codec/protoencodedecode.h"

using namespace zarn_robot_namespace;
using PED = ProtoEncodeDecode;

namespace {

template <class T>
void prefill(T& value)
{
    std::memset(static_cast<void*>(&value), 0x5a, sizeof(value));
}

void readAll(const char* data, int len)
{
    int code = 0;
    {
        RobotWorkMode mode = RobotModeSimulator;
        RobotState state = RobotStopped;
        bool flag = false;
        double speed = 0;
        int step = 0;
        PED::resolveResponse_robotWorkMode(data, len, mode, code);
        PED::resolveResponse_robotState(data, len, state, code);
        PED::resolveResponse_isRealRobotExist(data, len, flag, code);
        PED::resolveResponse_robotEndSpeed(data, len, speed);
        PED::resolveResponse_movepProgressNotify(data, len, step);
    }
    {
        CommunicationCommonResultResponse common{0, ""};
        PED::resolveResponse_commonFormat(data, len, common);
        RobotType type = RobotType_0;
        RobotDhPara dh;
        prefill(dh);
        PED::resolveResponse_DhParam(data, len, type, dh, code);
    }
    {
        RobotTcpParam tcp;
        RobotGravityComponent gravity;
        RobotCollisionCurrent collision;
        OrpeSafetyStatus safetyStatus;
        RobotSafetyConfig safetyConfig;
        RobotDevInfo devInfo;
        FtSensorCalResult calib;
        WrenchParam wrench;
        call_robot_motion_func_result moveResult = motion_func_refused;
        ToolDynamicsParam dynamics;
        ToolInEndDesc tool;
        prefill(tcp);
        prefill(gravity);
        prefill(collision);
        prefill(safetyStatus);
        prefill(safetyConfig);
        prefill(devInfo);
        prefill(calib);
        prefill(wrench);
        prefill(dynamics);
        prefill(tool);
        PED::resolveResponse_tcpParam(data, len, tcp, code);
        PED::resolveResponse_gravityComponent(data, len, gravity, code);
        PED::resolveResponse_collisionCurrent(data, len, collision, code);
        PED::resolveResponse_safetyStatus(data, len, safetyStatus, code);
        PED::resolveResponse_safetyConfig(data, len, safetyConfig, code);
        PED::resolveResponse_devInfo(data, len, devInfo, code);
        PED::resolveResponse_FtSensorCalibResult(data, len, calib, code);
        PED::resolveResponse_Wrench(data, len, wrench, code);
        PED::resolveResponse_moveControlResule(data, len, moveResult, code);
        PED::resolveResponse_getToolDynamicsParam(data, len, dynamics, code);
        PED::resolveResponse_getToolKinematicsParam(data, len, tool, code);
    }
    {
        RobotEventInfo event{0, 0, ""};
        JointParam joints;
        wayPoint_S waypoint;
        JointStatus statuses[6];
        RobotDiagnosis diagnosis;
        RobotToolAllIOStatus toolIo;
        SeamTracking seam;
        prefill(joints);
        prefill(waypoint);
        prefill(statuses);
        prefill(diagnosis);
        prefill(toolIo);
        prefill(seam);
        PED::resolveResponse_robotEvent(data, len, event);
        PED::resolveResponse_jointAngle(data, len, joints, code);
        PED::resolveResponse_waypoint(data, len, waypoint, code);
        PED::resolveResponse_jointStatus(data, len, statuses, 6, code);
        PED::resolveResponse_jointStatus(data, len, statuses, 2, code);
        PED::resolveResponse_robotDiagnosis(data, len, diagnosis);
        PED::resolveResponse_robotDiagnosisInfo(data, len, diagnosis, code);
        PED::resolveResponse_robotToolIoStatus(data, len, toolIo, code);
        PED::resolveResponse_SeamTracking(data, len, seam, code);
    }
    {
        std::vector<RobotDiagnosisIODesc> digital(3);
        std::vector<RobotAnalogIODesc> analog(3);
        std::vector<int> ints{1, 2};
        std::vector<double> doubles{1.0};
        std::vector<JointCommonData> joints(1);
        std::string name = "name";
        PED::resolveResponse_robotDiagnosisIOData(data, len, digital, code);
        PED::resolveResponse_robotAnalogIOData(data, len, analog, code);
        PED::resolveResponse_getDynIdentifyResults(data, len, ints, code);
        PED::resolveResponse_intTypeValueVector(data, len, ints, code);
        PED::resolveResponse_doubleTypeValueVector(data, len, doubles, code);
        PED::resolveResponse_jointCommonData(data, len, joints, code);
        PED::resolveResponse_ethernetDeviceName(data, len, name, code);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Every unreadable input writes failure lines; drop them to keep the run fast.
    std::cerr.rdbuf(nullptr);
    std::cout.rdbuf(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 20)) return 0;
    // An exact-size heap copy lets the address checker see any read past the end.
    std::vector<char> payload(data, data + size);
    readAll(payload.data(), static_cast<int>(payload.size()));
    return 0;
}
