// Every controller state and parameter operation against the simulator.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../sim/sim_harness.h"
#include "serviceinterface.h"

namespace zr = zarn_robot_namespace;

namespace {

class SimulatorServices : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!sim.ready()) GTEST_SKIP() << "simulator not available at " << simtest::simulatorPath();
        ASSERT_EQ(robot.robotServiceLogin("127.0.0.1", sim.port(), "user", "123456"), 0);
    }
    void TearDown() override { robot.robotServiceLogout(); }

    simtest::SimProcess sim;
    ServiceInterface robot;
};

TEST_F(SimulatorServices, StartupShutdownAndHandshakeWait)
{
    zr::ToolDynamicsParam tool;
    ServiceInterface::initToolDynamicsParamDataType(tool);
    zr::ROBOT_SERVICE_STATE state = zr::ROBOT_SETVICE_FAULT_POWER;
    ASSERT_EQ(robot.rootServiceRobotStartup(tool, 6, true, true, 1000, state, true), 0);
    EXPECT_EQ(state, zr::ROBOT_SERVICE_WORKING);
    EXPECT_EQ(robot.robotServiceRobotHandShake(true), 0);
    EXPECT_EQ(robot.robotServiceRobotShutdown(true), 0);
}

TEST_F(SimulatorServices, EveryStateAndParameterOperationSucceeds)
{
    zr::ToolDynamicsParam tool;
    ServiceInterface::initToolDynamicsParamDataType(tool);
    zr::ROBOT_SERVICE_STATE state;
    ASSERT_EQ(robot.rootServiceRobotStartup(tool, 6, true, true, 1000, state, true), 0);

    zr::RobotWorkMode mode;
    zr::RobotState robotState;
    zr::RobotDiagnosis diagnosis;
    zr::RobotDevInfo devInfo;
    zr::RobotGravityComponent gravity;
    zr::JointStatus status[6];
    zr::JointParam joints;
    zr::wayPoint_S waypoint, corrected;
    ServiceInterface::initWayPointDataType(waypoint);
    zr::RobotSafetyConfig safety;
    zr::OrpeSafetyStatus safetyStatus;
    unsigned char orpeError[4] = {0, 0, 0, 0};
    bool flag = false;
    int collisionClass = -1;
    zr::RobotJointOffset offsets = {0, 0, 0, 0, 0, 0};
    zr::JointCommonData common[6];
    std::string text;

    const std::vector<std::pair<const char*, std::function<int()>>> calls = {
        {"power on", [&] { return robot.robotServicePowerControl(true); }},
        {"release brake", [&] { return robot.robotServiceReleaseBrake(); }},
        {"robot control", [&] { return robot.rootServiceRobotControl(zr::RobotRelease); }},
        {"collision recover", [&] { return robot.robotServiceCollisionRecover(); }},
        {"set work mode", [&] { return robot.robotServiceSetRobotWorkMode(zr::RobotModeSimulator); }},
        {"get work mode", [&] { return robot.robotServiceGetRobotWorkMode(mode); }},
        {"current state", [&] { return robot.robotServiceGetRobotCurrentState(robotState); }},
        {"diagnosis", [&] { return robot.robotServiceGetRobotDiagnosisInfo(diagnosis); }},
        {"real robot exists", [&] { return robot.robotServiceGetIsRealRobotExist(flag); }},
        {"device info", [&] { return robot.robotServiceGetRobotDevInfoService(devInfo); }},
        {"gravity component", [&] { return robot.robotServiceGetRobotGravityComponent(gravity); }},
        {"joint status", [&] { return robot.robotServiceGetRobotJointStatus(status, 6); }},
        {"joint angles", [&] { return robot.robotServiceGetJointAngleInfo(joints); }},
        {"corrected waypoint", [&] { return robot.robotServiceGetCorrectedWaypoint(waypoint, corrected); }},
        {"origin pose", [&] { return robot.robotServiceSetRobotAtOriginPose(); }},
        {"get safety config", [&] { return robot.robotServiceGetRobotSafetyConfig(safety); }},
        {"set safety config", [&] { return robot.robotServiceSetRobotSafetyConfig(safety); }},
        {"safety status", [&] { return robot.robotServiceGetOrpeSafetyStatus(safetyStatus); }},
        {"orpe pause", [&] { return robot.robotServiceSetRobotOrpePause(0); }},
        {"orpe stop", [&] { return robot.robotServiceSetRobotOrpeStop(0); }},
        {"orpe error", [&] { return robot.robotServiceSetRobotOrpeError(orpeError, 4); }},
        {"clear emergency stop", [&] { return robot.robotServiceClearSystemEmergencyStop(1); }},
        {"clear reduced mode error", [&] { return robot.robotServiceClearReducedModeError(1); }},
        {"safeguard reset", [&] { return robot.robotServiceRobotSafetyguardResetSucc(1); }},
        {"project startup", [&] { return robot.robotServiceSetRobotProjectStartup(); }},
        {"project stop", [&] { return robot.robotServiceSetRobotProjectStop(); }},
        {"mac status", [&] { return robot.robotServiceGetMacCommunicationStatus(flag); }},
        {"set tool dynamics", [&] { return robot.robotServiceSetToolDynamicsParam(tool); }},
        {"none tool", [&] { return robot.robotServiceSetNoneToolDynamicsParam(); }},
        {"get tool dynamics", [&] { return robot.robotServiceGetToolDynamicsParam(tool); }},
        {"set collision class", [&] { return robot.robotServiceSetRobotCollisionClass(7); }},
        {"get collision class", [&] { return robot.robotServiceGetRobotCollisionCurrentService(collisionClass); }},
        {"joint offsets", [&] { return robot.robotServiceSetRobotJointOffset(offsets); }},
        {"joint common data", [&] { return robot.robotServiceGetJointCommonData(common, 6); }},
        {"current loop P", [&] { return robot.robotServiceSetJointParam_CurrentIP(1, 100); }},
        {"position loop DS", [&] { return robot.robotServiceSetJointParam_PosDS(6, 3); }},
        {"save to flash", [&] { return robot.robotServiceJointSaveDataFlash(1); }},
        {"firmware result", [&] { return robot.robotServiceGetBoardFirmwareUpdateResultService(flag); }},
        {"ethernet device", [&] { return robot.robotServiceGetRobotEthernetDeviceName(text); }},
        {"server version", [&] { return robot.robotServiceGetServerVersionInfo(text); }},
        {"force teach", [&] { return robot.robotServiceSetEnableForceTeachWhenProjectIsRunning(true); }},
        {"max acc", [&] { return robot.robotServiceSetRobotMaxACC(1000); }},
        {"end-speed push off", [&] { return robot.robotServiceSetRealTimeEndSpeedPush(false); }},
    };
    for (const auto& call : calls) EXPECT_EQ(call.second(), 0) << call.first;
    EXPECT_EQ(collisionClass, 7);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(robot.robotServiceRobotShutdown(true), 0);
}

}  // namespace
