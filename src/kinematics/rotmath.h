#ifndef ZARN_KINEMATICS_ROTMATH_H
#define ZARN_KINEMATICS_ROTMATH_H

#include <cmath>

#include "zarnrobottypes.h"

// Small fixed-size helpers for 3-vectors, row-major 3x3 matrices and
// quaternions (w, x, y, z, Hamilton product). Outputs may alias inputs.
namespace rotmath {

using Quat = zarn_robot_namespace::Ori;

// C = A * B
inline void mul(const double* A, const double* B, double* C)
{
    double r[9];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r[i * 3 + j] = A[i * 3] * B[j] + A[i * 3 + 1] * B[3 + j] + A[i * 3 + 2] * B[6 + j];
    for (int i = 0; i < 9; ++i) C[i] = r[i];
}

// C = A^T * B
inline void mulTA(const double* A, const double* B, double* C)
{
    double r[9];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r[i * 3 + j] = A[i] * B[j] + A[3 + i] * B[3 + j] + A[6 + i] * B[6 + j];
    for (int i = 0; i < 9; ++i) C[i] = r[i];
}

// C = A * B^T
inline void mulTB(const double* A, const double* B, double* C)
{
    double r[9];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r[i * 3 + j] = A[i * 3] * B[j * 3] + A[i * 3 + 1] * B[j * 3 + 1] + A[i * 3 + 2] * B[j * 3 + 2];
    for (int i = 0; i < 9; ++i) C[i] = r[i];
}

// out = R * v (or R^T * v with `transpose`)
inline void apply(const double* R, const double* v, double* out, bool transpose = false)
{
    double r[3];
    for (int i = 0; i < 3; ++i) {
        r[i] = transpose ? R[i] * v[0] + R[3 + i] * v[1] + R[6 + i] * v[2]
                         : R[i * 3] * v[0] + R[i * 3 + 1] * v[1] + R[i * 3 + 2] * v[2];
    }
    out[0] = r[0];
    out[1] = r[1];
    out[2] = r[2];
}

inline double dot(const double* a, const double* b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

inline double norm(const double* a) { return std::sqrt(dot(a, a)); }

inline void cross(const double* a, const double* b, double* out)
{
    const double r[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    out[0] = r[0];
    out[1] = r[1];
    out[2] = r[2];
}

// Divides by the length; the caller rules out a zero length beforehand.
inline void normalize(double* a)
{
    const double n = norm(a);
    a[0] /= n;
    a[1] /= n;
    a[2] /= n;
}

inline Quat quatMul(const Quat& a, const Quat& b)
{
    return Quat{a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z,
                   a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y,
                   a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
                   a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w};
}

inline Quat quatConj(const Quat& q) { return Quat{q.w, -q.x, -q.y, -q.z}; }

}  // namespace rotmath

#endif  // ZARN_KINEMATICS_ROTMATH_H
