#include "kinematics/usercoordcalib.h"

#include "kinematics/rotmath.h"

namespace {

void difference(const zarn_robot_namespace::Pos& a, const zarn_robot_namespace::Pos& b, double* out)
{
    out[0] = a.x - b.x;
    out[1] = a.y - b.y;
    out[2] = a.z - b.z;
}

void setRow(double* R, int row, const double* axis)
{
    R[row * 3] = axis[0];
    R[row * 3 + 1] = axis[1];
    R[row * 3 + 2] = axis[2];
}

}  // namespace

bool userFramePointsDegenerate(const zarn_robot_namespace::Pos& p1, const zarn_robot_namespace::Pos& p2,
                               const zarn_robot_namespace::Pos& p3)
{
    double u[3], v[3], n[3];
    difference(p2, p1, u);
    difference(p3, p1, v);
    const double lengthU = rotmath::norm(u);
    // The negated comparisons also reject NaN coordinates.
    if (!(lengthU >= kUserFrameDegenerateDistance)) return true;
    if (!(rotmath::norm(v) >= kUserFrameDegenerateDistance)) return true;
    rotmath::cross(u, v, n);
    // |u x v| / |u| is the distance of p3 from the line through p1 and p2.
    return !(rotmath::norm(n) / lengthU >= kUserFrameDegenerateDistance);
}

bool userCoordinateCalibLib(const zarn_robot_namespace::Pos& p1, const zarn_robot_namespace::Pos& p2,
                            const zarn_robot_namespace::Pos& p3, int method, double& c, double* t,
                            double* R, double* origin)
{
    if (t == nullptr || R == nullptr || origin == nullptr) return false;
    if (method < 0 || method > 8) return false;
    if (userFramePointsDegenerate(p1, p2, p3)) return false;

    double u[3], v[3], n[3];
    difference(p2, p1, u);
    difference(p3, p1, v);
    rotmath::normalize(u);
    rotmath::cross(u, v, n);
    rotmath::normalize(n);

    // Row index of the axis that takes u, the second direction and the normal.
    int first = 0, second = 1, third = 2;
    double second_axis[3];
    double normal[3] = {n[0], n[1], n[2]};
    if (method <= 2) {
        second_axis[0] = v[0];
        second_axis[1] = v[1];
        second_axis[2] = v[2];
        rotmath::normalize(second_axis);
        first = method;
        second = (method + 1) % 3;
        third = (method + 2) % 3;
    } else {
        // In-plane, at a right angle to u, on the side of p3.
        rotmath::cross(n, u, second_axis);
        static const int kAxes[6][2] = {{0, 1}, {0, 2}, {1, 2}, {1, 0}, {2, 0}, {2, 1}};
        first = kAxes[method - 3][0];
        second = kAxes[method - 3][1];
        third = 3 - first - second;
        // u x second_axis = n; the third axis completes a right-handed frame,
        // which flips n when (first, second) is an odd order of (X, Y, Z).
        if ((second - first + 3) % 3 != 1) {
            normal[0] = -normal[0];
            normal[1] = -normal[1];
            normal[2] = -normal[2];
        }
    }

    double rotation[9];
    setRow(rotation, first, u);
    setRow(rotation, second, second_axis);
    setRow(rotation, third, normal);
    if (method <= 2) c = rotmath::dot(u, second_axis);

    const double o[3] = {p1.x, p1.y, p1.z};
    double translation[3];
    rotmath::apply(rotation, o, translation);
    for (int i = 0; i < 9; ++i) R[i] = rotation[i];
    for (int i = 0; i < 3; ++i) {
        t[i] = -translation[i];
        origin[i] = o[i];
    }
    return true;
}
