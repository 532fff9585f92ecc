// Closed-form inverse kinematics: up to two shoulder angles, two wrist flips
// and two elbow configurations. A singular wrist (joint 5 at 0 or pi) couples
// joint 6 with the sum angle of joints 2 to 4; there the reference joints pick
// one of the infinitely many solutions.
#include <cmath>

#include "kinematics/our_alg.h"

namespace {

const double kPi = 3.14159265358979323846;
const double kTwoPi = 2.0 * kPi;
const double kHalfPi = 0.5 * kPi;

const double kInsideCylinderMargin = 0.0125;  // m the wrist may lie inside radius d2
const double kSingleShoulder = 0.9999999998;  // d2/rho above which psi is taken as 0
const double kWristUnreachable = 1.0001;
const double kWristSingular = 0.99999994;
const double kElbowTolerance = 1.0001;
const double kElbowToleranceRetry = 1.046;
const double kElbowStretched = 0.9999999999995;
const double kSinPi = 1.2246467991473532e-16;
const double kPlanarTolerance = 1.0001;
const double kStretchTolerance = 0.0001;

// Into (-pi, pi]; the sums wrapped here stay within three turns.
double wrapPi(double a) {
    if (a > kPi) a -= kTwoPi;
    if (a > kPi) a -= kTwoPi;
    if (a <= -kPi) a += kTwoPi;
    if (a <= -kPi) a += kTwoPi;
    return a;
}

struct Target {
    double r11, r12, r13, r21, r22, r23, r31, r32, r33;
    double px, py, pz;
};

class Solver {
public:
    Solver(const DhModel& m, const double* ref, const Target& t, double (*sol)[8])
        : m_(m), ref_(ref), t_(t), sol_(sol) {}

    int count() const { return count_; }

    // Step 4: one regular shoulder angle, both wrist flips.
    void regular(double th1, double c1, double s1, double c5, double elbowTol) {
        const double th5a = std::acos(c5);
        regularWrist(th1, c1, s1, th5a, c5, elbowTol);
        regularWrist(th1, c1, s1, -th5a, c5, elbowTol);
    }

    // Step 5: joint 5 at 0 (sigma 1) or pi (sigma -1).
    void singular(double th1, double c1, double s1, double sigma) {
        const double th5 = sigma > 0 ? 0.0 : kPi;
        const double g = antiSinCos(-t_.r31, t_.r32);
        const double L = c1 * (t_.px - m_.d6 * t_.r13) - s1 * (t_.py - m_.d6 * t_.r23);
        const double V = t_.pz - m_.d1 - m_.d6 * t_.r33;
        const double reach = m_.a2 + m_.a3 + m_.d5;

        if (std::fabs(std::fabs(L) - reach) < kStretchTolerance) {
            const double th2 = L > 0 ? kHalfPi : -kHalfPi;
            store(th1, th2, 0.0, 0.0, th5, g - sigma * th2);
            return;
        }
        if (std::fabs(std::fabs(V) - reach) < kStretchTolerance) {
            const double th2 = V > 0 ? 0.0 : kPi;
            store(th1, th2, 0.0, 0.0, th5, g - sigma * th2);
            return;
        }

        const double th2 = ref_[1];
        const double r = std::sqrt(L * L + V * V);
        if (r <= 0.0) return;  // wrist centre on the shoulder axis: no direction to aim at
        const double beta = antiSinCos(L / r, V / r);
        const double a2a3 = m_.a2 * m_.a3;
        const double K = (m_.d5 * m_.d5 + r * r - m_.a2 * m_.a2 - m_.a3 * m_.a3) / (2.0 * a2a3);
        const double M = -r * m_.d5 / a2a3;
        const double absK = std::fabs(K);
        if (absK > 1.0 - M + kStretchTolerance) return;
        if (absK > 1.0 - M - kStretchTolerance) {
            const double th3 = K > 0 ? 0.0 : kPi;
            const double th234 = wrapPi(beta + th3);
            store(th1, th2, th3, th3 + th234 - th2, th5, g - sigma * th234);
            return;
        }

        const double ref3 = ref_[2];
        const double c = std::cos(ref3);
        double th3;
        if (K + M <= c && c <= K - M) {
            th3 = ref3;
        } else {
            const double c3 = c < K + M ? K + M : K - M;
            if (std::fabs(c3) > 1.0) return;
            th3 = std::acos(c3);
            if (std::fabs(th3 - ref3) > std::fabs(th3 + ref3)) th3 = -th3;
        }
        const double t23 = th2 - th3;
        const double th234 = antiSinCos((L - m_.a2 * std::sin(th2) - m_.a3 * std::sin(t23)) / m_.d5,
                                        (V - m_.a2 * std::cos(th2) - m_.a3 * std::cos(t23)) / m_.d5);
        store(th1, th2, th3, th234 - th2 + th3, th5, g - sigma * th234);
    }

private:
    void regularWrist(double th1, double c1, double s1, double th5, double c5, double elbowTol) {
        const double s5 = std::sin(th5);
        const double cx = -(t_.r21 * c1 + t_.r11 * s1) / s5;
        const double sx = -(t_.r22 * c1 + t_.r12 * s1) / s5;
        const double n = std::sqrt(cx * cx + sx * sx);
        const double c6 = cx / n, s6 = sx / n;
        const double th6 = antiSinCos(s6, c6);

        const double S = s5 * t_.r33 - c5 * (t_.r31 * c6 + t_.r32 * s6);
        const double C = t_.r32 * c6 - t_.r31 * s6;
        const double th234 = antiSinCos(S, C);

        const double A = c1 * (t_.px - m_.d6 * t_.r13) - s1 * (t_.py - m_.d6 * t_.r23) - m_.d5 * S;
        const double B = t_.pz - m_.d1 - m_.d6 * t_.r33 - m_.d5 * C;
        const double C3 = (A * A + B * B - m_.a2 * m_.a2 - m_.a3 * m_.a3) / (2.0 * m_.a2 * m_.a3);
        if (std::fabs(C3) > elbowTol) return;

        if (std::fabs(C3) > kElbowStretched) {
            if (C3 > 0)
                elbow(th1, th5, th6, th234, A, B, C3, 0.0, 0.0);
            else
                elbow(th1, th5, th6, th234, A, B, C3, kPi, kSinPi);
            return;
        }
        const double th3 = std::acos(C3);
        const double s3 = std::sin(th3);
        elbow(th1, th5, th6, th234, A, B, C3, th3, s3);
        elbow(th1, th5, th6, th234, A, B, C3, -th3, -s3);
    }

    void elbow(double th1, double th5, double th6, double th234, double A, double B, double C3,
               double th3, double s3) {
        const double k1 = m_.a2 + m_.a3 * C3;
        const double k2 = m_.a3 * s3;
        const double D = k1 * k1 + k2 * k2;
        const double u = (B * k1 - A * k2) / D;
        const double v = (A * k1 + B * k2) / D;
        if (u * u + v * v > kPlanarTolerance) return;
        const double th2 = antiSinCos(v, u);
        store(th1, th2, th3, wrapPi(th234 - th2 + th3), th5, th6);
    }

    void store(double t1, double t2, double t3, double t4, double t5, double t6) {
        if (count_ >= 8) return;
        sol_[0][count_] = t1;
        sol_[1][count_] = t2;
        sol_[2][count_] = t3;
        sol_[3][count_] = t4;
        sol_[4][count_] = t5;
        sol_[5][count_] = t6;
        ++count_;
    }

    const DhModel& m_;
    const double* ref_;
    const Target& t_;
    double (*sol_)[8];
    int count_ = 0;
};

}  // namespace

double antiSinCos(double s, double c) {
    const double n = std::sqrt(s * s + c * c);
    s /= n;
    c /= n;
    if (std::fabs(c) < 1.75e-5) return s > 0 ? kHalfPi : -kHalfPi;
    const double a = std::atan(s / c);
    if (c < 0) return a > 0 ? a - kPi : a + kPi;
    return a;
}

int ComputeIkLib(const double* thetaRef, double* rotation, double* position, double solutions[6][8]) {
    return ComputeIkLib(dhModelSnapshot(), thetaRef, rotation, position, solutions);
}

int ComputeIkLib(const DhModel& m, const double* thetaRef, double* rotation, double* position,
                 double solutions[6][8]) {
    if (thetaRef == nullptr || rotation == nullptr || position == nullptr || solutions == nullptr)
        return 0;
    // The solver's contract mirrors the target in place; the formulas below are
    // written for the unmirrored pose, so they read the values back negated.
    for (int i = 0; i < 6; ++i) rotation[i] = -rotation[i];
    position[0] = -position[0];
    position[1] = -position[1];
    const Target t{-rotation[0], -rotation[1], -rotation[2], -rotation[3], -rotation[4],
                   -rotation[5], rotation[6],  rotation[7],  rotation[8],  -position[0],
                   -position[1], position[2]};

    const double wx = t.px - m.d6 * t.r13;
    const double wy = t.py - m.d6 * t.r23;
    const double rho = std::sqrt(wx * wx + wy * wy);
    if (!(rho >= m.d2 - kInsideCylinderMargin) || rho <= 0.0) return 0;

    double th1[2];
    int n1 = 0;
    const double phi = antiSinCos(-wx / rho, -wy / rho);
    if (m.d2 / rho > kSingleShoulder) {
        th1[n1++] = phi > kPi ? phi - kTwoPi : phi;
    } else {
        const double psi = std::acos(m.d2 / rho);
        const double plus = phi + psi, minus = phi - psi;
        th1[n1++] = plus > kPi ? plus - kTwoPi : plus;
        th1[n1++] = minus <= -kPi ? minus + kTwoPi : minus;
    }

    Solver solver(m, thetaRef, t, solutions);
    double c1s[2], s1s[2], c5s[2];
    bool regular[2] = {false, false};
    bool anyRegular = false;
    bool lastDropped = false;
    for (int i = 0; i < n1; ++i) {
        const double c1 = std::cos(th1[i]), s1 = std::sin(th1[i]);
        const double c5 = -(t.r13 * s1 + t.r23 * c1);
        c1s[i] = c1;
        s1s[i] = s1;
        c5s[i] = c5;
        lastDropped = std::fabs(c5) > kWristUnreachable;
        if (lastDropped) continue;
        if (std::fabs(c5) > kWristSingular) {
            solver.singular(th1[i], c1, s1, c5 > 0 ? 1.0 : -1.0);
        } else {
            regular[i] = anyRegular = true;
            solver.regular(th1[i], c1, s1, c5, kElbowTolerance);
        }
    }

    // Points just beyond the elbow's reach get one more, tolerant pass; the
    // caller's position check decides whether the result is close enough.
    if (!lastDropped && solver.count() == 0 && anyRegular) {
        for (int i = 0; i < n1; ++i)
            if (regular[i]) solver.regular(th1[i], c1s[i], s1s[i], c5s[i], kElbowToleranceRetry);
    }
    return solver.count();
}
