// Conversions between unit quaternions (w, x, y, z) and row-major rotation matrices.
#include <cmath>

#include "interface/robotlogprint.h"
#include "kinematics/ikfunc.h"

double Ikfunc::NORM(double a, double b, double c, double d) {
    return std::sqrt(a * a + b * b + c * c + d * d);
}

double Ikfunc::SIGN(double x) {
    return x >= 0 ? 1.0 : -1.0;
}

bool Ikfunc::OriMatrixToQuaternion(double* r, Ori& ori) {
    if (r == nullptr) return false;
    const double w2 = (r[0] + r[4] + r[8] + 1.0) / 4.0;
    double q[4] = {w2, (r[0] + 1.0) / 2.0 - w2, (r[4] + 1.0) / 2.0 - w2, (r[8] + 1.0) / 2.0 - w2};
    for (int i = 0; i < 4; ++i) {
        if (q[i] < 0) {
            ZARN_LOG(0, "negative quaternion square: %d %f", i, q[i]);
            q[i] = 0;
        } else {
            q[i] = std::sqrt(q[i]);
        }
    }
    q[1] *= SIGN(r[7] - r[5]);
    q[2] *= SIGN(r[2] - r[6]);
    q[3] *= SIGN(r[3] - r[1]);
    // A non-finite matrix would otherwise yield a NaN quaternion reported as success.
    const double n = NORM(q[0], q[1], q[2], q[3]);
    if (n == 0.0 || !std::isfinite(n)) return false;
    ori.w = q[0] / n;
    ori.x = q[1] / n;
    ori.y = q[2] / n;
    ori.z = q[3] / n;
    return true;
}

void Ikfunc::QuaternionToOriMatrix(Ori ori, double* r) {
    if (r == nullptr) return;
    const double n = NORM(ori.w, ori.x, ori.y, ori.z);
    const double w = ori.w / n, x = ori.x / n, y = ori.y / n, z = ori.z / n;
    r[0] = 1 - 2 * y * y - 2 * z * z;
    r[1] = 2 * x * y - 2 * w * z;
    r[2] = 2 * x * z + 2 * w * y;
    r[3] = 2 * x * y + 2 * w * z;
    r[4] = 1 - 2 * x * x - 2 * z * z;
    r[5] = 2 * y * z - 2 * w * x;
    r[6] = 2 * x * z - 2 * w * y;
    r[7] = 2 * y * z + 2 * w * x;
    r[8] = 1 - 2 * x * x - 2 * y * y;
}

void Ikfunc::posOri2homoArr(cartesianPos_U pos, Ori ori, double* rotation, double* position) {
    QuaternionToOriMatrix(ori, rotation);
    if (position == nullptr) return;
    position[0] = pos.x;
    position[1] = pos.y;
    position[2] = pos.z;
}
