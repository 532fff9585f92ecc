#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "kinematics_fixture.h"

using kintest::KinematicsTest;
using kintest::kJointLimit;
using kintest::kPi;
using WayPoint = zarn_robot_namespace::wayPoint_S;

namespace {

class InverseTest : public KinematicsTest {
protected:
    // Checks that joints q reach the pose of wp.
    static void expectReaches(const double* q, const WayPoint& target, double tolerance) {
        const WayPoint reached = kintest::fk(q);
        EXPECT_LT(kintest::positionGap(reached.cartPos, target.cartPos), tolerance);
        EXPECT_LT(kintest::rotationGap(reached.orientation, target.orientation), tolerance);
    }

    // Distance of the shoulder solutions from each other, as the angle psi of the
    // solver: small values put the two shoulder candidates close together.
    static double shoulderSpread(const WayPoint& target) {
        double a2, a3, d1, d2, d5, d6;
        getDhPara(a2, a3, d1, d2, d5, d6);
        double r[9];
        Ikfunc::QuaternionToOriMatrix(target.orientation, r);
        const double wx = target.cartPos.x - d6 * r[2], wy = target.cartPos.y - d6 * r[5];
        return std::acos(std::fmin(1.0, d2 / std::hypot(wx, wy)));
    }

    int solve(const double* ref, const WayPoint& target, WayPoint& out) {
        return RobotUtilService::robotIk(ref, target.cartPos, target.orientation, out);
    }
};

}  // namespace

TEST_F(InverseTest, RoundTripsOverRandomJointsForEveryRobotType) {
    std::mt19937 rng(20240611u);
    std::uniform_real_distribution<double> joint(-3.0, 3.0);
    std::uniform_real_distribution<double> noise(-0.01, 0.01);
    for (int type = 0; type <= 9; ++type) {
        ASSERT_TRUE(Ikfunc::SetDhParaLen(type));
        int exactMatches = 0;
        for (int n = 0; n < 300; ++n) {
            double q[6], ref[6];
            for (int k = 0; k < 6; ++k) q[k] = joint(rng);
            for (int k = 0; k < 6; ++k) ref[k] = q[k] + noise(rng);
            const WayPoint target = kintest::fk(q);
            WayPoint got{};
            const int rc = solve(ref, target, got);
            const bool wristSingular = std::fabs(std::sin(q[4])) < 1e-3;
            if (rc != 0) {
                EXPECT_TRUE(wristSingular) << "type " << type << " sample " << n;
                continue;
            }
            expectReaches(got.jointpos, target, 1e-7);
            for (int k = 0; k < 6; ++k) EXPECT_LT(std::fabs(got.jointpos[k]), kJointLimit);
            const bool regular = std::fabs(std::sin(q[4])) > 0.1 && std::fabs(std::sin(q[2])) > 0.1 &&
                                 shoulderSpread(target) > 0.1;
            if (!regular) continue;
            ++exactMatches;
            for (int k = 0; k < 6; ++k)
                EXPECT_NEAR(got.jointpos[k], q[k], 1e-8) << "type " << type << " sample " << n << " joint " << k;
        }
        EXPECT_GT(exactMatches, 150) << "type " << type;
    }
}

namespace {

// The choice rule written out plainly: admissible table, full-turn adjustment,
// first of the smallest unweighted distances.
bool expectedNearest(const WayPoint& target, const double* ref, double* out) {
    wayPoint_S wp{};
    wp.cartPos = {target.cartPos.x, target.cartPos.y, target.cartPos.z};
    wp.orientation = target.orientation;
    for (int k = 0; k < 6; ++k) wp.jointpos[k] = ref[k];
    double sol[6][8];
    const int n = Ikfunc::ComputeIk_new(wp, sol);
    double best = 0;
    for (int i = 0; i < n; ++i) {
        double d = 0, q[6];
        for (int k = 0; k < 6; ++k) {
            q[k] = sol[k][i];
            double dk = q[k] - ref[k];
            const bool turn = (k == 0 && Ikfunc::joint1Rot360) || (k == 5 && Ikfunc::joint6Rot360);
            if (turn && dk < -kPi && q[k] < 0) {
                q[k] += 2 * kPi;
                dk += 2 * kPi;
            } else if (turn && dk > kPi && q[k] > 0) {
                q[k] -= 2 * kPi;
                dk -= 2 * kPi;
            }
            d += std::fabs(dk);
        }
        if (i == 0 || d < best) {
            best = d;
            for (int k = 0; k < 6; ++k) out[k] = q[k];
        }
    }
    return n > 0;
}

}  // namespace

TEST_F(InverseTest, NearestSolutionFollowsTheTableRuleForAnyReference) {
    std::mt19937 rng(99u);
    std::uniform_real_distribution<double> joint(-3.1, 3.1);
    int ties = 0;
    for (int n = 0; n < 3000; ++n) {
        RobotUtilService::setJoint1Rot360(n % 4 == 1 || n % 4 == 3);
        RobotUtilService::setJoint6Rot360(n % 4 >= 2);
        double q[6], ref[6];
        for (int k = 0; k < 6; ++k) q[k] = joint(rng);
        for (int k = 0; k < 6; ++k) ref[k] = joint(rng);
        const WayPoint target = kintest::fk(q);
        std::vector<WayPoint> all;
        RobotUtilService::robotIk(target.cartPos, target.orientation, all);
        // Midway between two solutions the distances may tie exactly; the rule
        // then takes the earlier one of the table.
        if (all.size() >= 2 && n % 3 == 0)
            for (int k = 0; k < 6; ++k) ref[k] = 0.5 * (all[0].jointpos[k] + all[1].jointpos[k]);
        double expected[6];
        const bool solvable = expectedNearest(target, ref, expected);
        WayPoint got{};
        ASSERT_EQ(solve(ref, target, got), solvable ? 0 : 10012) << n;
        if (!solvable) continue;
        for (int k = 0; k < 6; ++k) ASSERT_EQ(got.jointpos[k], expected[k]) << "sample " << n << " joint " << k;
        if (n % 3 == 0 && all.size() >= 2) {
            double da = 0, db = 0;
            for (int k = 0; k < 6; ++k) {
                da += std::fabs(all[0].jointpos[k] - ref[k]);
                db += std::fabs(all[1].jointpos[k] - ref[k]);
            }
            ties += da == db;
        }
    }
    EXPECT_GT(ties, 0);
}

TEST_F(InverseTest, SolverFindsEightSolutionsAndMirrorsItsInputsInPlace) {
    const double theta[6] = {-0.5, -0.6, -1.9, 0.3, -1.2, -0.2};
    double p[3], r[9];
    ComputeFkLib(theta, p, r);
    double rs[9], ps[3];
    for (int i = 0; i < 9; ++i) rs[i] = r[i];
    for (int i = 0; i < 3; ++i) ps[i] = p[i];
    double sol[6][8];
    ASSERT_EQ(ComputeIkLib(theta, rs, ps, sol), 8);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(rs[i], i < 6 ? -r[i] : r[i]) << i;
    EXPECT_EQ(ps[0], -p[0]);
    EXPECT_EQ(ps[1], -p[1]);
    EXPECT_EQ(ps[2], p[2]);
    for (int i = 0; i < 8; ++i) {
        const double t[6] = {sol[0][i], sol[1][i], sol[2][i], sol[3][i], sol[4][i], sol[5][i]};
        double pi[3], ri[9];
        ComputeFkLib(t, pi, ri);
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(pi[k], p[k], 1e-12) << "solution " << i;
        for (int k = 0; k < 9; ++k) EXPECT_NEAR(ri[k], r[k], 1e-12) << "solution " << i;
        for (int j = 0; j < i; ++j) {
            double gap = 0;
            for (int k = 0; k < 6; ++k) gap += std::fabs(sol[k][i] - sol[k][j]);
            EXPECT_GT(gap, 1e-3) << "solutions " << j << " and " << i << " coincide";
        }
    }
}

TEST_F(InverseTest, EveryAdmissibleSolutionIsReturnedWhenItIsTheReference) {
    const double q[6] = {0.5, 0.6, 1.9, -0.3, 1.2, 0.2};
    const WayPoint target = kintest::fk(q);
    std::vector<WayPoint> all(3);
    EXPECT_EQ(RobotUtilService::robotIk(target.cartPos, target.orientation, all), 0);
    ASSERT_EQ(all.size(), 8u);
    for (const WayPoint& s : all) {
        expectReaches(s.jointpos, target, 1e-9);
        EXPECT_LT(kintest::positionGap(s.cartPos, target.cartPos), 1e-9);
        WayPoint got{};
        ASSERT_EQ(solve(s.jointpos, target, got), 0);
        for (int k = 0; k < 6; ++k) EXPECT_DOUBLE_EQ(got.jointpos[k], s.jointpos[k]);
        EXPECT_EQ(got.cartPos.x, target.cartPos.x);
        EXPECT_EQ(got.orientation.w, target.orientation.w);
    }
}

TEST_F(InverseTest, FullTurnFlagsFollowAReferenceBeyondHalfATurn) {
    const double q[6] = {3.0, 0.3, 0.5, 0.2, 0.4, -3.0};
    double ref[6] = {-3.1, 0.3, 0.5, 0.2, 0.4, 3.1};
    const WayPoint target = kintest::fk(q);
    struct Case {
        bool turn1, turn6;
        double j1, j6;
    } cases[] = {{false, false, 3.0, -3.0},
                 {true, true, 3.0 - 2 * kPi, -3.0 + 2 * kPi},
                 {true, false, 3.0 - 2 * kPi, -3.0},
                 {false, true, 3.0, -3.0 + 2 * kPi}};
    for (const auto& c : cases) {
        RobotUtilService::setJoint1Rot360(c.turn1);
        RobotUtilService::setJoint6Rot360(c.turn6);
        WayPoint got{};
        ASSERT_EQ(solve(ref, target, got), 0);
        EXPECT_NEAR(got.jointpos[0], c.j1, 1e-9) << c.turn1 << c.turn6;
        EXPECT_NEAR(got.jointpos[5], c.j6, 1e-9) << c.turn1 << c.turn6;
        for (int k = 1; k < 5; ++k) EXPECT_NEAR(got.jointpos[k], q[k], 1e-9);
        expectReaches(got.jointpos, target, 1e-9);
    }
    // ArmIkProtect hands the chosen joints back through the reference array too.
    RobotUtilService::setJoint1Rot360(true);
    RobotUtilService::setJoint6Rot360(true);
    wayPoint_S wp{};
    wp.cartPos = {target.cartPos.x, target.cartPos.y, target.cartPos.z};
    wp.orientation = target.orientation;
    ASSERT_TRUE(Ikfunc::ArmIkProtect(wp, ref, false, false));
    EXPECT_NEAR(ref[0], 3.0 - 2 * kPi, 1e-9);
    EXPECT_NEAR(ref[5], -3.0 + 2 * kPi, 1e-9);
}

TEST_F(InverseTest, SingularWristKeepsTheReferenceConfiguration) {
    const double q[6] = {0.3, -0.4, 0.9, 0.5, 0.0, 0.7};
    const WayPoint target = kintest::fk(q);
    WayPoint got{};
    ASSERT_EQ(solve(q, target, got), 0);
    for (int k = 0; k < 6; ++k) EXPECT_NEAR(got.jointpos[k], q[k], 1e-9) << k;

    // Also through api_arm_ik, whose joint array is the reference.
    double joints[6] = {0.3, -0.4, 0.9, 0.5, 0.0, 0.7};
    ASSERT_TRUE(Ikfunc::api_arm_ik(target.cartPos, target.orientation, joints));
    for (int k = 0; k < 6; ++k) EXPECT_NEAR(joints[k], q[k], 1e-9) << k;
}

TEST_F(InverseTest, SingularWristWithStretchedArmIgnoresTheReferenceElbow) {
    const double cases[][6] = {
        {0.3, 0.0, 0.0, 0.0, 0.0, 0.4},          // stretched along the vertical
        {0.3, -kPi / 2, 0.0, 0.0, 0.0, 0.4},     // stretched sideways
        {-0.5, kPi / 2, 0.0, 0.0, 0.0, -1.0},
    };
    for (const auto& q : cases) {
        const WayPoint target = kintest::fk(q);
        const double ref[6] = {q[0], q[1] + 0.2, q[2] - 0.3, q[3] + 0.1, q[4], q[5]};
        WayPoint got{};
        ASSERT_EQ(solve(ref, target, got), 0) << q[1];
        for (int k = 0; k < 6; ++k) EXPECT_NEAR(got.jointpos[k], q[k], 1e-9) << q[1] << " joint " << k;
    }
}

TEST_F(InverseTest, SingularWristSolutionBeyondTheJointRangeIsDropped) {
    // Joint 6 comes out as g - theta234 unwrapped: 3.383 rad here, past 174.8 degrees.
    const double q[6] = {0.3, 0.4, 0.3, 0.4, 0.0, 2.9};
    const WayPoint target = kintest::fk(q);
    const double thetaRef[6] = {-0.3, -0.4, -0.3, -0.4, 0.0, -2.9};
    double r[9], p[3], sol[6][8];
    Ikfunc::posOri2homoArr({target.cartPos.x, target.cartPos.y, target.cartPos.z}, target.orientation, r, p);
    const int raw = ComputeIkLib(thetaRef, r, p, sol);
    bool rawHasIt = false;
    for (int i = 0; i < raw; ++i)
        if (sol[4][i] == 0.0 && std::fabs(sol[5][i] - (2 * kPi - 2.9)) < 1e-9) rawHasIt = true;
    EXPECT_TRUE(rawHasIt);

    std::vector<WayPoint> all;
    EXPECT_EQ(RobotUtilService::robotIk(target.cartPos, target.orientation, all), 0);
    for (const WayPoint& s : all)
        for (int k = 0; k < 6; ++k) EXPECT_LT(std::fabs(s.jointpos[k]), kJointLimit);
    WayPoint got{};
    if (solve(q, target, got) == 0) {
        EXPECT_NE(got.jointpos[4], 0.0);
        expectReaches(got.jointpos, target, 1e-9);
    }
}

TEST_F(InverseTest, SolutionOutsideTheJointRangeIsNeverReturned) {
    const double q[6] = {3.1, 0.3, 0.5, 0.2, 0.4, 0.1};
    const WayPoint target = kintest::fk(q);
    std::vector<WayPoint> all;
    EXPECT_EQ(RobotUtilService::robotIk(target.cartPos, target.orientation, all), 0);
    for (const WayPoint& s : all) {
        for (int k = 0; k < 6; ++k) EXPECT_LT(std::fabs(s.jointpos[k]), kJointLimit);
        expectReaches(s.jointpos, target, 1e-9);
    }
    WayPoint got{};
    if (solve(q, target, got) == 0) {
        EXPECT_GT(std::fabs(got.jointpos[0] - 3.1), 1e-3);
    }
}

TEST_F(InverseTest, JustBeyondReachTheTolerantSecondPassMayStillSucceed) {
    // Arm straight up: one shoulder candidate, the flipped wrist far out of reach.
    const double q[6] = {0.2, 0.0, 0.0, 0.0, 0.7, 0.1};
    const WayPoint top = kintest::fk(q);
    struct Case {
        double lift;
        int rc;
    } cases[] = {{0.03e-3, 0}, {0.2e-3, 10012}};
    for (const auto& c : cases) {
        WayPoint target = top;
        target.cartPos.z += c.lift;
        WayPoint got{};
        ASSERT_EQ(solve(q, target, got), c.rc) << c.lift;
        if (c.rc != 0) continue;
        EXPECT_EQ(got.jointpos[2], 0.0);
        for (int k = 0; k < 6; ++k) EXPECT_NEAR(got.jointpos[k], q[k], 1e-6) << k;
        EXPECT_NEAR(kintest::positionGap(kintest::fk(got.jointpos).cartPos, target.cartPos), c.lift, 1e-9);
    }
}

TEST_F(InverseTest, UnreachableAndNonFiniteTargetsReportNoSolution) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double zero[6] = {0, 0, 0, 0, 0, 0};
    const double nanRef[6] = {0, nan, 0, 0, 0, 0};
    struct Case {
        const char* what;
        Pos pos;
        Ori ori;
        const double* ref;
        bool poseSolvable;  // only the reference is bad
    } cases[] = {
        {"wrist centre on the base axis", {0, 0, 0.5}, {1, 0, 0, 0}, zero, false},
        {"wrist centre inside the offset cylinder", {0.05, 0.05, 0.6}, {1, 0, 0, 0}, zero, false},
        {"beyond reach", {2.0, 0, 0.5}, {1, 0, 0, 0}, zero, false},
        {"NaN coordinate", {nan, 0.3, 0.5}, {1, 0, 0, 0}, zero, false},
        {"infinite coordinate", {0.3, inf, 0.5}, {1, 0, 0, 0}, zero, false},
        {"zero quaternion", {0.3, -0.2, 0.5}, {0, 0, 0, 0}, zero, false},
        {"NaN quaternion", {0.3, -0.2, 0.5}, {nan, 0, 0, 1}, zero, false},
        {"NaN reference", {0.3, -0.2, 0.5}, {0, 1, 0, 0}, nanRef, true},
    };
    for (const auto& c : cases) {
        lines_.clear();
        WayPoint got{};
        got.jointpos[0] = 42;
        EXPECT_EQ(RobotUtilService::robotIk(c.ref, c.pos, c.ori, got), 10012) << c.what;
        EXPECT_EQ(got.jointpos[0], 42) << c.what;
        EXPECT_TRUE(logged(3, "sdk log: call robotIk error.")) << c.what;
        std::vector<WayPoint> all(2);
        EXPECT_EQ(RobotUtilService::robotIk(c.pos, c.ori, all), 0) << c.what;
        EXPECT_EQ(all.empty(), !c.poseSolvable) << c.what;
    }
    WayPoint got{};
    EXPECT_EQ(RobotUtilService::robotIk(nullptr, {0.3, -0.2, 0.5}, {0, 1, 0, 0}, got), 10002);
    EXPECT_FALSE(Ikfunc::api_arm_ik({2.0, 0, 0.5}, {1, 0, 0, 0}, nullptr));
}

TEST_F(InverseTest, NonUnitQuaternionIsNormalisedFirst) {
    const double q[6] = {0.6, -0.9, 1.3, 0.2, -1.1, 0.4};
    const WayPoint target = kintest::fk(q);
    const Ori scaled{3 * target.orientation.w, 3 * target.orientation.x, 3 * target.orientation.y,
                     3 * target.orientation.z};
    WayPoint got{};
    ASSERT_EQ(RobotUtilService::robotIk(q, target.cartPos, scaled, got), 0);
    for (int k = 0; k < 6; ++k) EXPECT_NEAR(got.jointpos[k], q[k], 1e-9);
    EXPECT_EQ(got.orientation.w, scaled.w);  // handed back as given
}
