// Model installation and forward/inverse kinematics on the public records.
#include <cmath>
#include <cstdlib>

#include "interface/robotlogprint.h"
#include "kinematics/robotutilservice.h"

using zarn_robot_namespace::ErrCode_InverseKinFailed;
using zarn_robot_namespace::ErrCode_ParamError;
using zarn_robot_namespace::ErrCode_Success;
using ZarnWayPoint = zarn_robot_namespace::wayPoint_S;

void RobotUtilService::setRobotDhParam(int type, const zarn_robot_namespace::RobotDhPara& dh) {
    Ikfunc::setDhParameters(type, dh.A3, dh.A4, dh.D1, dh.D2, dh.D5, dh.D6);
}

int RobotUtilService::setJoint1Rot360(bool enable) {
    Ikfunc::joint1Rot360.store(enable);
    if (enable)
        ZARN_LOG(0, "sdk log: enable joint1 360.");
    else
        ZARN_LOG(0, "sdk log: disenable joint1 360.");
    return ErrCode_Success;
}

int RobotUtilService::setJoint6Rot360(bool enable) {
    Ikfunc::joint6Rot360.store(enable);
    if (enable)
        ZARN_LOG(0, "sdk log: enable joint6 360.");
    else
        ZARN_LOG(0, "sdk log: disenable joint6 360.");
    return ErrCode_Success;
}

// Non-finite joints would only yield a NaN pose reported as success.
int RobotUtilService::robotFk(const double* joints, int count, ZarnWayPoint& wp) {
    if (count != 6 || joints == nullptr) return ErrCode_ParamError;
    for (int k = 0; k < 6; ++k)
        if (!std::isfinite(joints[k])) return ErrCode_ParamError;
    double q[6];
    for (int k = 0; k < 6; ++k) q[k] = joints[k];
    Pos pos;
    Ori ori{1, 0, 0, 0};
    Ikfunc::ArmFk(pos, ori, q);
    wp.cartPos = pos;
    wp.orientation = ori;
    for (int k = 0; k < 6; ++k) wp.jointpos[k] = q[k];
    return ErrCode_Success;
}

int RobotUtilService::robotIk(const double* ref, const Pos& pos, const Ori& ori, ZarnWayPoint& wp) {
    if (ref == nullptr) return ErrCode_ParamError;
    wayPoint_S target{};
    target.cartPos = {pos.x, pos.y, pos.z};
    target.orientation = ori;
    for (int k = 0; k < 6; ++k) target.jointpos[k] = ref[k];
    if (!Ikfunc::ArmIk(target, nullptr, false, false)) {
        ZARN_LOG(3, "sdk log: call robotIk error.");
        return ErrCode_InverseKinFailed;
    }
    wp.cartPos = pos;
    wp.orientation = ori;
    for (int k = 0; k < 6; ++k) wp.jointpos[k] = target.jointpos[k];
    return ErrCode_Success;
}

// Without a caller's reference the all-zero posture guides the singular wrist.
int RobotUtilService::robotIk(const Pos& pos, const Ori& ori, std::vector<ZarnWayPoint>& all) {
    all.clear();
    wayPoint_S target{};
    target.cartPos = {pos.x, pos.y, pos.z};
    target.orientation = ori;
    double sol[6][8];
    const int n = Ikfunc::ComputeIk_new(target, sol);
    all.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double q[6] = {sol[0][i], sol[1][i], sol[2][i], sol[3][i], sol[4][i], sol[5][i]};
        ZarnWayPoint wp{};
        robotFk(q, 6, wp);
        all.push_back(wp);
    }
    return ErrCode_Success;
}

// Up to six numbers, each followed by one separator of any kind.
int RobotUtilService::jointStringToWaypoint(const std::string& text, ZarnWayPoint& wp) {
    wp = ZarnWayPoint{};
    const char* p = text.c_str();
    double joints[6] = {0, 0, 0, 0, 0, 0};
    for (int k = 0; k < 6; ++k) {
        char* end = nullptr;
        const double v = std::strtod(p, &end);
        if (end == p) break;
        joints[k] = v;
        p = end;
        if (*p == '\0') break;
        ++p;
    }
    for (int k = 0; k < 6; ++k) wp.jointpos[k] = joints[k];
    robotFk(joints, 6, wp);
    return 1;
}
