// Closed-form forward kinematics. Joints 2, 3 and 4 turn about parallel axes,
// so the chain reduces to the angles theta2 - theta3 and theta2 - theta3 + theta4.
#include <cmath>

#include "kinematics/our_alg.h"

void ComputeFkLib(const double* theta, double* position, double* rotation) {
    if (position == nullptr || rotation == nullptr || theta == nullptr) return;
    ComputeFkLib(dhModelSnapshot(), theta, position, rotation);
}

void ComputeFkLib(const DhModel& m, const double* theta, double* position, double* rotation) {
    if (position == nullptr || rotation == nullptr || theta == nullptr) return;
    const double t23 = theta[1] - theta[2];
    const double t234 = t23 + theta[3];
    const double c1 = std::cos(theta[0]), s1 = std::sin(theta[0]);
    const double c2 = std::cos(theta[1]), s2 = std::sin(theta[1]);
    const double c23 = std::cos(t23), s23 = std::sin(t23);
    const double c234 = std::cos(t234), s234 = std::sin(t234);
    const double c5 = std::cos(theta[4]), s5 = std::sin(theta[4]);
    const double c6 = std::cos(theta[5]), s6 = std::sin(theta[5]);

    const double h = m.a2 * s2 + m.a3 * s23 + m.d5 * s234 - m.d6 * c234 * s5;
    const double side = m.d2 + m.d6 * c5;
    position[0] = c1 * h - s1 * side;
    position[1] = -s1 * h - c1 * side;
    position[2] = m.d1 + m.a2 * c2 + m.a3 * c23 + m.d5 * c234 + m.d6 * s234 * s5;

    const double c234c5 = c234 * c5;
    rotation[0] = c1 * c234c5 * c6 - c1 * s234 * s6 - s1 * s5 * c6;
    rotation[1] = c1 * s234 * c6 + c1 * c234c5 * s6 - s1 * s5 * s6;
    rotation[2] = -c1 * c234 * s5 - s1 * c5;
    rotation[3] = -s1 * c234c5 * c6 + s1 * s234 * s6 - c1 * s5 * c6;
    rotation[4] = -s1 * s234 * c6 - s1 * c234c5 * s6 - c1 * s5 * s6;
    rotation[5] = s1 * c234 * s5 - c1 * c5;
    rotation[6] = -c234 * s6 - s234 * c5 * c6;
    rotation[7] = c234 * c6 - s234 * c5 * s6;
    rotation[8] = s234 * s5;
}

void ComputeFkPositionLib(const DhModel& m, const double* theta, double* position) {
    const double t23 = theta[1] - theta[2];
    const double t234 = t23 + theta[3];
    const double c1 = std::cos(theta[0]), s1 = std::sin(theta[0]);
    const double s2 = std::sin(theta[1]), c2 = std::cos(theta[1]);
    const double c234 = std::cos(t234), s234 = std::sin(t234);
    const double c5 = std::cos(theta[4]), s5 = std::sin(theta[4]);
    const double h = m.a2 * s2 + m.a3 * std::sin(t23) + m.d5 * s234 - m.d6 * c234 * s5;
    const double side = m.d2 + m.d6 * c5;
    position[0] = c1 * h - s1 * side;
    position[1] = -s1 * h - c1 * side;
    position[2] = m.d1 + m.a2 * c2 + m.a3 * std::cos(t23) + m.d5 * c234 + m.d6 * s234 * s5;
}
