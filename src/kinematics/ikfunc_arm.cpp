// Forward and inverse kinematics on joint angles. The joint angles of the
// interface are the negated model angles of the closed-form solver.
#include <cmath>

#include "kinematics/ikfunc.h"
#include "kinematics/our_alg.h"

namespace {

const double kPi = 3.14159265358979323846;
const double kTwoPi = 2.0 * kPi;
const double kJointLimit = 3.0508355324860883;  // 174.8 degrees
const double kPositionTolerance = 0.0001;       // m between target and reached flange

bool allFinite(const double* v, int n) {
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(v[i])) return false;
    return true;
}

// NaN or infinite input, or a quaternion without direction, has no solution
// rather than a table of NaN angles.
bool solvableTarget(const wayPoint_S& wp, const double* ref) {
    const double pose[7] = {wp.cartPos.x,     wp.cartPos.y,     wp.cartPos.z,    wp.orientation.w,
                            wp.orientation.x, wp.orientation.y, wp.orientation.z};
    if (!allFinite(pose, 7) || !allFinite(ref, 6)) return false;
    const double n = Ikfunc::NORM(pose[3], pose[4], pose[5], pose[6]);
    return n > 0.0 && std::isfinite(n);
}

bool inJointRange(const double (*sol)[8], int i) {
    for (int k = 0; k < 6; ++k)
        if (!(std::fabs(sol[k][i]) < kJointLimit)) return false;  // NaN fails too
    return true;
}

bool reachesTarget(const DhModel& m, const wayPoint_S& wp, const double (*sol)[8], int i) {
    const double theta[6] = {-sol[0][i], -sol[1][i], -sol[2][i], -sol[3][i], -sol[4][i], -sol[5][i]};
    double p[3];
    ComputeFkPositionLib(m, theta, p);
    const double dx = p[0] - wp.cartPos.x, dy = p[1] - wp.cartPos.y, dz = p[2] - wp.cartPos.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz) <= kPositionTolerance;
}

// Every solution of the closed form for wp's pose, in joint angles, unfiltered.
int rawSolutions(const DhModel& m, const wayPoint_S& wp, const double* ref, double sol[6][8]) {
    if (!solvableTarget(wp, ref)) return 0;
    double rotation[9], position[3];
    Ikfunc::posOri2homoArr(wp.cartPos, wp.orientation, rotation, position);
    const double thetaRef[6] = {-ref[0], -ref[1], -ref[2], -ref[3], -ref[4], -ref[5]};
    const int n = ComputeIkLib(m, thetaRef, rotation, position, sol);
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < 6; ++k) sol[k][i] = -sol[k][i];
    return n;
}

// Drops solutions outside the joint range or off the target position; a dropped
// column takes the current last one and is examined again.
int filterAdmissible(const DhModel& m, const wayPoint_S& wp, double sol[6][8], int n) {
    for (int i = 0; i < n;) {
        if (inJointRange(sol, i) && reachesTarget(m, wp, sol, i)) {
            ++i;
            continue;
        }
        --n;
        for (int k = 0; k < 6; ++k) sol[k][i] = sol[k][n];
    }
    return n;
}

// Solutions of wp's pose filtered to the admissible ones. One model snapshot
// serves the solver and the check, so a model installed meanwhile cannot mix in.
int admissibleSolutions(const wayPoint_S& wp, const double* ref, double sol[6][8]) {
    const DhModel m = dhModelSnapshot();
    return filterAdmissible(m, wp, sol, rawSolutions(m, wp, ref, sol));
}

// A joint allowed a full turn follows a reference beyond +-pi to the far side.
double fullTurnAdjust(double& q, double ref) {
    double d = q - ref;
    if (d < -kPi && q < 0) {
        q += kTwoPi;
        d += kTwoPi;
    } else if (d > kPi && q > 0) {
        q -= kTwoPi;
        d -= kTwoPi;
    }
    return d;
}

struct Choice {
    const double* ref;
    bool turn1;
    bool turn6;

    // Unweighted distance of solution i to the reference; q receives the
    // solution with its full-turn joints moved toward the reference.
    double distance(const double (*sol)[8], int i, double* q) const {
        double sum = 0;
        for (int k = 0; k < 6; ++k) {
            q[k] = sol[k][i];
            const bool fullTurn = (k == 0 && turn1) || (k == 5 && turn6);
            sum += std::fabs(fullTurn ? fullTurnAdjust(q[k], ref[k]) : q[k] - ref[k]);
        }
        return sum;
    }

    // The rule in full: filter, then the first of the smallest distances in table order.
    bool byFilteredTable(const DhModel& m, const wayPoint_S& wp, double sol[6][8], int n, double* best) const {
        n = filterAdmissible(m, wp, sol, n);
        double bestDistance = 0;
        for (int i = 0; i < n; ++i) {
            double q[6];
            const double d = distance(sol, i, q);
            if (i == 0 || d < bestDistance) {
                bestDistance = d;
                for (int k = 0; k < 6; ++k) best[k] = q[k];
            }
        }
        return n > 0;
    }

    // Same result, checking the position of the nearest candidates first: the
    // forward kinematics of one solution usually settles it. Equal distances
    // defer to the table order of the full rule.
    bool nearestFirst(const DhModel& m, const wayPoint_S& wp, double sol[6][8], int n, double* best) const {
        double dist[8], q[8][6];
        int order[8], count = 0;
        for (int i = 0; i < n; ++i) {
            if (!inJointRange(sol, i)) continue;
            dist[i] = distance(sol, i, q[i]);
            int j = count++;
            for (; j > 0 && dist[order[j - 1]] > dist[i]; --j) order[j] = order[j - 1];
            order[j] = i;
        }
        for (int j = 0; j < count; ++j) {
            const int i = order[j];
            if (!reachesTarget(m, wp, sol, i)) continue;
            if (j + 1 < count && dist[order[j + 1]] == dist[i]) return byFilteredTable(m, wp, sol, n, best);
            for (int k = 0; k < 6; ++k) best[k] = q[i][k];
            return true;
        }
        return false;
    }
};

}  // namespace

bool Ikfunc::ArmFk(Pos& pos, Ori& ori, double* joints) {
    if (joints == nullptr) return false;
    const double theta[6] = {-joints[0], -joints[1], -joints[2], -joints[3], -joints[4], -joints[5]};
    double p[3], r[9];
    ComputeFkLib(theta, p, r);
    pos.x = p[0];
    pos.y = p[1];
    pos.z = p[2];
    OriMatrixToQuaternion(r, ori);
    return true;
}

bool Ikfunc::ArmFk(wayPoint_S& wp) {
    Pos p;
    ArmFk(p, wp.orientation, wp.jointpos);
    wp.cartPos.x = p.x;
    wp.cartPos.y = p.y;
    wp.cartPos.z = p.z;
    return true;
}

int Ikfunc::ComputeIk_new(wayPoint_S& wp, double solutions[6][8]) {
    if (solutions == nullptr) return 0;
    return admissibleSolutions(wp, wp.jointpos, solutions);
}

// The reference also guides the solver where the wrist is singular, so the
// chosen solution stays near it there too.
bool Ikfunc::ArmIk(wayPoint_S& wp, double* ref, bool, bool) {
    double r[6];
    const double* src = ref != nullptr ? ref : wp.jointpos;
    for (int k = 0; k < 6; ++k) r[k] = src[k];

    const DhModel m = dhModelSnapshot();
    double sol[6][8];
    const int n = rawSolutions(m, wp, r, sol);
    const Choice choice{r, joint1Rot360.load(std::memory_order_relaxed),
                        joint6Rot360.load(std::memory_order_relaxed)};
    double best[6];
    if (!choice.nearestFirst(m, wp, sol, n, best)) return false;
    for (int k = 0; k < 6; ++k) wp.jointpos[k] = best[k];
    return true;
}

bool Ikfunc::ArmIkProtect(wayPoint_S& wp, double* values, bool a, bool b) {
    if (!ArmIk(wp, values, a, b)) return false;
    if (values != nullptr)
        for (int k = 0; k < 6; ++k) values[k] = wp.jointpos[k];
    return true;
}

bool Ikfunc::api_arm_ik(Pos pos, Ori ori, double* joints) {
    wayPoint_S wp{};
    wp.cartPos = {pos.x, pos.y, pos.z};
    wp.orientation = ori;
    if (joints != nullptr)
        for (int k = 0; k < 6; ++k) wp.jointpos[k] = joints[k];
    return ArmIkProtect(wp, joints, false, false);
}
