// Quaternion, roll-pitch-yaw and homogeneous-matrix steps of Ikfunc.
#include <cmath>

#include "kinematics/ikfunc.h"
#include "kinematics/rotmath.h"

namespace {

// atan2 result (radians, single precision) to degrees: the product with 180
// stays single, the division by pi is done in double, the result is single.
float toDegrees(float radians) { return static_cast<float>(static_cast<double>(radians * 180.0f) / M_PI); }

}  // namespace

void Ikfunc::QuaternionMultply(Ori& q, Ori p, bool flag)
{
    q = flag ? rotmath::quatMul(q, p) : rotmath::quatMul(p, q);
}

void Ikfunc::QuaternionInversion(Ori& q) { q = rotmath::quatConj(q); }

void Ikfunc::endOrientation2ToolOrientation(Ori a, Ori b, Ori& out) { out = rotmath::quatMul(b, a); }

void Ikfunc::toolOrientation2EndOrientation(Ori a, Ori b, Ori& out)
{
    out = rotmath::quatMul(b, rotmath::quatConj(a));
}

void Ikfunc::endPosition2ToolPosition(Pose_S& flange, double* t, double* out)
{
    double result[3] = {flange.position.x, flange.position.y, flange.position.z};
    if (t != nullptr) {
        double R[9], offset[3];
        QuaternionToOriMatrix(flange.orientation, R);
        rotmath::apply(R, t, offset);
        for (int i = 0; i < 3; ++i) result[i] += offset[i];
    }
    if (out != nullptr) {
        for (int i = 0; i < 3; ++i) out[i] = result[i];
    } else {
        flange.position = cartesianPos_U{result[0], result[1], result[2]};
    }
}

void Ikfunc::toolPosition2EndPosition(Pose_S tool, cartesianPos_U& out, double* t)
{
    double result[3] = {tool.position.x, tool.position.y, tool.position.z};
    if (t != nullptr) {
        double R[9], offset[3];
        QuaternionToOriMatrix(tool.orientation, R);
        rotmath::apply(R, t, offset);
        for (int i = 0; i < 3; ++i) result[i] -= offset[i];
    }
    out = cartesianPos_U{result[0], result[1], result[2]};
}

void Ikfunc::RPYToQuaternion(Ori& q, float* rpy)
{
    if (rpy == nullptr) return;
    const double cr = std::cos(static_cast<double>(rpy[0]) / 2.0), sr = std::sin(static_cast<double>(rpy[0]) / 2.0);
    const double cp = std::cos(static_cast<double>(rpy[1]) / 2.0), sp = std::sin(static_cast<double>(rpy[1]) / 2.0);
    const double cy = std::cos(static_cast<double>(rpy[2]) / 2.0), sy = std::sin(static_cast<double>(rpy[2]) / 2.0);
    q.w = cr * cp * cy + sr * sp * sy;
    q.x = sr * cp * cy - cr * sp * sy;
    q.y = cr * sp * cy + sr * cp * sy;
    q.z = cr * cp * sy - sr * sp * cy;
}

void Ikfunc::quaternionToRPY(Ori q, float* out)
{
    if (out == nullptr) return;
    const float ww = static_cast<float>(q.w * q.w), xx = static_cast<float>(q.x * q.x);
    const float yy = static_cast<float>(q.y * q.y), zz = static_cast<float>(q.z * q.z);
    const float xy = static_cast<float>(q.x * q.y), wz = static_cast<float>(q.w * q.z);
    const float xz = static_cast<float>(q.x * q.z), wy = static_cast<float>(q.w * q.y);
    const float yz = static_cast<float>(q.y * q.z), wx = static_cast<float>(q.w * q.x);

    const float A = 2.0f * (xy + wz);
    const float C = 2.0f * (ww + xx) - 1.0f;
    const float D = 2.0f * (xz - wy);
    const float B = 2.0f * (yz + wx);
    const float E = 2.0f * (ww + zz) - 1.0f;

    float roll, pitch, yaw;
    if (std::fabs(C) < 1e-16f && std::fabs(A) < 1e-16f) {
        yaw = 0.0f;
        pitch = toDegrees(atan2f(-D, C));
        roll = toDegrees(atan2f(-2.0f * (yz - wx), 2.0f * (ww + yy) - 1.0f));
    } else {
        yaw = toDegrees(atan2f(A, C));
        pitch = toDegrees(atan2f(-D, sqrtf(A * A + C * C)));
        roll = toDegrees(atan2f(B, E));
    }
    out[0] = roll;
    out[1] = pitch;
    out[2] = yaw;
}

bool Ikfunc::hMatrixMultiply(const double* A, const double* t, const double* B, const double* v,
                             Pose_S* pose, double* out)
{
    if (A == nullptr || B == nullptr) return false;
    double C[9];
    rotmath::mul(A, B, C);
    if (pose == nullptr) {
        if (out == nullptr) return false;
        for (int i = 0; i < 9; ++i) out[i] = C[i];
        return true;
    }
    if (v == nullptr) return false;
    Ori orientation{1.0, 0.0, 0.0, 0.0};
    if (!OriMatrixToQuaternion(C, orientation)) return false;
    double position[3];
    hMatrixVectorProduct(A, v, t, false, position);
    pose->orientation = orientation;
    pose->position = cartesianPos_U{position[0], position[1], position[2]};
    return true;
}

void Ikfunc::hMatrixVectorProduct(const double* R, const double* v, const double* t, bool transpose,
                                  double* out)
{
    if (R == nullptr || v == nullptr || out == nullptr) return;
    double result[3];
    rotmath::apply(R, v, result, transpose);
    for (int i = 0; i < 3; ++i) out[i] = result[i] + (t != nullptr ? t[i] : 0.0);
}

void Ikfunc::waypoint2Pose(const wayPoint_S* waypoints, Pose_S* poses, int n)
{
    if (waypoints == nullptr || poses == nullptr) return;
    for (int i = 0; i < n; ++i) {
        poses[i].position = waypoints[i].cartPos;
        poses[i].orientation = waypoints[i].orientation;
    }
}

void Ikfunc::pose2Waypoint(const Pose_S* poses, wayPoint_S* waypoints, int n)
{
    if (waypoints == nullptr || poses == nullptr) return;
    for (int i = 0; i < n; ++i) {
        waypoints[i].cartPos = poses[i].position;
        waypoints[i].orientation = poses[i].orientation;
    }
}
