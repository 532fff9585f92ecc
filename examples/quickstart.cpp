// Quick start: log in to a controller (or the bundled simulator), start the arm
// up, read its state, run the kinematics locally, watch the joint-angle push
// for a second, shut down and log out. Every step prints its result code and
// the library's text for it.
//
//   quickstart [host] [port]        defaults: 127.0.0.1 8899
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "serviceinterface.h"

using namespace zarn_robot_namespace;

namespace {

ServiceInterface* g_robot = nullptr;

// Prints one step and its outcome; returns true on success.
bool report(const char* step, int code)
{
    std::printf("%-34s -> %5d %s\n", step, code,
                g_robot->getErrDescByCode(static_cast<RobotErrorCode>(code)).c_str());
    return code == ErrCode_Success;
}

void onLog(LOG_LEVEL level, const char* text, void*)
{
    if (level >= LOG_LEVEL_ERROR) std::printf("  [library log %d] %s\n", static_cast<int>(level), text);
}

void onEvent(const RobotEventInfo* event, void*)
{
    std::printf("  [robot event] type %d code %d \"%s\"\n", event->eventType, event->eventCode,
                event->eventContent.c_str());
}

std::atomic<int> g_waypoints{0};
wayPoint_S g_lastWaypoint;

void onWaypoint(const wayPoint_S* waypoint, void*)
{
    g_lastWaypoint = *waypoint;  // runs on the library's receive thread: keep it short
    ++g_waypoints;
}

void printPose(const char* label, const wayPoint_S& wp)
{
    std::printf("  %s: position (%.4f, %.4f, %.4f) m, orientation (%.4f, %.4f, %.4f, %.4f)\n", label, wp.cartPos.x,
                wp.cartPos.y, wp.cartPos.z, wp.orientation.w, wp.orientation.x, wp.orientation.y, wp.orientation.z);
}

}  // namespace

int main(int argc, char** argv)
{
    const char* host = argc > 1 ? argv[1] : "127.0.0.1";
    const int port = argc > 2 ? std::atoi(argv[2]) : 8899;

    ServiceInterface robot;
    g_robot = &robot;
    robot.robotServiceRegisterLogPrintCallback(onLog, nullptr);
    robot.robotServiceRegisterRobotEventInfoCallback(onEvent, nullptr);

    RobotType type;
    RobotDhPara dh;
    std::printf("connecting to %s:%d\n", host, port);
    if (!report("login", robot.robotServiceLogin(host, port, "user", "123456", type, dh))) return 1;
    std::printf("  robot type %d, DH a2 %.4f a3 %.4f d1 %.4f d2 %.4f d5 %.4f d6 %.4f\n", static_cast<int>(type), dh.A3,
                dh.A4, dh.D1, dh.D2, dh.D5, dh.D6);

    ToolDynamicsParam tool;
    ServiceInterface::initToolDynamicsParamDataType(tool);
    ROBOT_SERVICE_STATE state = ROBOT_SERVICE_READY;
    bool ok = report("start-up (waiting)", robot.rootServiceRobotStartup(tool, 6, true, true, 1000, state, true));
    if (ok) std::printf("  start-up result %d\n", static_cast<int>(state));

    RobotDevInfo info;
    if (report("device information", robot.robotServiceGetRobotDevInfoService(info)))
        std::printf("  type %u, revision \"%s\", manufacturer \"%s\", description \"%s\"\n", info.type, info.revision,
                    info.manuID, info.desc);

    RobotDiagnosis diagnosis;
    if (report("diagnosis", robot.robotServiceGetRobotDiagnosisInfo(diagnosis)))
        std::printf("  power %s, %.1f V %.2f A, controller %d degC, brakes %s, collision %s\n",
                    diagnosis.armPowerStatus ? "on" : "off", diagnosis.armPowerVoltage, diagnosis.armPowerCurrent,
                    diagnosis.contorllerTemp, diagnosis.brakeStuats ? "engaged" : "released",
                    diagnosis.robotCollision ? "yes" : "no");

    JointParam joints;
    wayPoint_S flange;
    if (report("joint angles", robot.robotServiceGetJointAngleInfo(joints))) {
        std::printf("  joints (rad):");
        for (double q : joints.jointPos) std::printf(" %.4f", q);
        std::printf("\n");
        if (report("forward kinematics", robot.robotServiceRobotFk(joints.jointPos, 6, flange)))
            printPose("flange pose", flange);

        wayPoint_S solved;
        if (report("inverse kinematics", robot.robotServiceRobotIk(joints.jointPos, flange.cartPos,
                                                                    flange.orientation, solved))) {
            double worst = 0;
            for (int i = 0; i < 6; ++i) worst = std::max(worst, std::abs(solved.jointpos[i] - joints.jointPos[i]));
            std::printf("  IK reproduces the joints within %.2e rad\n", worst);
        }
    }

    report("joint-angle push on", robot.robotServiceRegisterRealTimeRoadPointCallback(onWaypoint, nullptr));
    std::this_thread::sleep_for(std::chrono::seconds(1));
    report("joint-angle push off", robot.robotServiceRegisterRealTimeRoadPointCallback(nullptr, nullptr));
    std::printf("  %d waypoints arrived in one second\n", g_waypoints.load());
    if (g_waypoints.load() > 0) printPose("last pushed pose", g_lastWaypoint);

    ok = report("shutdown (waiting)", robot.robotServiceRobotShutdown(true)) && ok;
    report("logout", robot.robotServiceLogout());
    return ok ? 0 : 1;
}
