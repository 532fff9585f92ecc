#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "kinematics_fixture.h"

using kintest::KinematicsTest;
using WayPoint = zarn_robot_namespace::wayPoint_S;
using ForwardTest = KinematicsTest;

TEST_F(ForwardTest, WorkedExamplesOfTheDefaultArm) {
    const double s = std::sqrt(0.5);
    struct Case {
        double q[6];
        Pos pos;
        Ori ori;
    } cases[] = {
        {{0, 0, 0, 0, 0, 0}, {0, -0.2155, 0.985}, {s, s, 0, 0}},
        {{0, 0, 0, 0, kintest::kPi / 2, 0}, {0.094, -0.1215, 0.985}, {0.5, 0.5, 0.5, 0.5}},
    };
    for (const auto& c : cases) {
        const WayPoint wp = kintest::fk(c.q);
        EXPECT_NEAR(wp.cartPos.x, c.pos.x, 1e-12);
        EXPECT_NEAR(wp.cartPos.y, c.pos.y, 1e-12);
        EXPECT_NEAR(wp.cartPos.z, c.pos.z, 1e-12);
        EXPECT_NEAR(wp.orientation.w, c.ori.w, 1e-12);
        EXPECT_NEAR(wp.orientation.x, c.ori.x, 1e-12);
        EXPECT_NEAR(wp.orientation.y, c.ori.y, 1e-12);
        EXPECT_NEAR(wp.orientation.z, c.ori.z, 1e-12);
        for (int k = 0; k < 6; ++k) EXPECT_EQ(wp.jointpos[k], c.q[k]);
    }
    // At zero angles the arm points straight up.
    const double theta[6] = {0, 0, 0, 0, 0, 0};
    double p[3], r[9];
    ComputeFkLib(theta, p, r);
    const double up[9] = {1, 0, 0, 0, 0, -1, 0, 1, 0};
    for (int i = 0; i < 9; ++i) EXPECT_NEAR(r[i], up[i], 1e-15) << i;
}

TEST_F(ForwardTest, RotationIsOrthonormalAndFlangeLiesD6AlongApproach) {
    Ikfunc::SetDhParaLen(8);
    const double theta[6] = {0.4, -1.1, 0.7, 2.2, -0.3, 1.9};
    double p[3], r[9];
    ComputeFkLib(theta, p, r);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            const double dot = r[3 * i] * r[3 * j] + r[3 * i + 1] * r[3 * j + 1] + r[3 * i + 2] * r[3 * j + 2];
            EXPECT_NEAR(dot, i == j ? 1.0 : 0.0, 1e-14);
        }
    // Joint 6 turns the flange about the approach axis: the position must not move.
    const double turned[6] = {0.4, -1.1, 0.7, 2.2, -0.3, -0.8};
    double p6[3], r6[9];
    ComputeFkLib(turned, p6, r6);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(p6[i], p[i], 1e-15);
    for (int i = 2; i < 9; i += 3) EXPECT_NEAR(r6[i], r[i], 1e-15);
}

TEST_F(ForwardTest, RobotFkRejectsBadJointInputUntouched) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double q[6] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6};
    const double withNan[6] = {0.1, nan, 0.3, 0.4, 0.5, 0.6};
    WayPoint wp{};
    wp.cartPos.x = 7;
    EXPECT_EQ(RobotUtilService::robotFk(q, 5, wp), 10002);
    EXPECT_EQ(RobotUtilService::robotFk(q, 7, wp), 10002);
    EXPECT_EQ(RobotUtilService::robotFk(nullptr, 6, wp), 10002);
    EXPECT_EQ(RobotUtilService::robotFk(withNan, 6, wp), 10002);
    EXPECT_EQ(wp.cartPos.x, 7);
    EXPECT_EQ(wp.jointpos[0], 0);
    EXPECT_TRUE(lines_.empty());
}

TEST_F(ForwardTest, JointStringToWaypointReadsUpToSixNumbers) {
    struct Case {
        const char* text;
        double q[6];
    } cases[] = {
        {"0.1,0.2,0.3,0.4,0.5,0.6", {0.1, 0.2, 0.3, 0.4, 0.5, 0.6}},
        {"  0.1;\t-0.2 0.3,0.4,0.5,0.6,9,9", {0.1, -0.2, 0.3, 0.4, 0.5, 0.6}},
        {"1,2,x,4", {1, 2, 0, 0, 0, 0}},
        {"0.5", {0.5, 0, 0, 0, 0, 0}},
        {"", {0, 0, 0, 0, 0, 0}},
        {"abc", {0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        WayPoint wp;
        wp.jointpos[5] = 42;
        EXPECT_EQ(RobotUtilService::jointStringToWaypoint(c.text, wp), 1) << c.text;
        const WayPoint expected = kintest::fk(c.q);
        for (int k = 0; k < 6; ++k) EXPECT_EQ(wp.jointpos[k], c.q[k]) << c.text;
        EXPECT_EQ(wp.cartPos.x, expected.cartPos.x) << c.text;
        EXPECT_EQ(wp.cartPos.z, expected.cartPos.z) << c.text;
        EXPECT_EQ(wp.orientation.w, expected.orientation.w) << c.text;
    }
}

TEST_F(ForwardTest, MatrixToQuaternionClampsNegativeSquaresWithLogAndRefusesNaN) {
    // Not a rotation: the trace makes w's square negative.
    double r[9] = {0.9, 0, 0, 0, -1, 0, 0, 0, -1};
    Ori q{9, 9, 9, 9};
    EXPECT_TRUE(Ikfunc::OriMatrixToQuaternion(r, q));
    EXPECT_TRUE(logged(0, "negative quaternion square: 0 -0.025000"));
    EXPECT_EQ(q.w, 0);
    EXPECT_NEAR(Ikfunc::NORM(q.w, q.x, q.y, q.z), 1.0, 1e-15);

    r[4] = std::numeric_limits<double>::quiet_NaN();
    Ori untouched{9, 9, 9, 9};
    EXPECT_FALSE(Ikfunc::OriMatrixToQuaternion(r, untouched));
    EXPECT_EQ(untouched.w, 9);
    EXPECT_FALSE(Ikfunc::OriMatrixToQuaternion(nullptr, untouched));
}

TEST_F(ForwardTest, QuaternionMatrixRoundTripNormalisesAndKeepsSigns) {
    const Ori inputs[] = {{2, 0, 0, 0}, {0.1, -0.7, 0.3, 0.6}, {0, 0, 0, 1}, {-0.5, 0.5, -0.5, 0.5}};
    for (const Ori& in : inputs) {
        double r[9];
        Ikfunc::QuaternionToOriMatrix(in, r);
        Ori out;
        ASSERT_TRUE(Ikfunc::OriMatrixToQuaternion(r, out));
        const double n = Ikfunc::NORM(in.w, in.x, in.y, in.z);
        const double sign = in.w < 0 ? -1 : 1;  // the conversion returns w >= 0
        EXPECT_NEAR(out.w, sign * in.w / n, 1e-12);
        EXPECT_NEAR(out.x, sign * in.x / n, 1e-12);
        EXPECT_NEAR(out.y, sign * in.y / n, 1e-12);
        EXPECT_NEAR(out.z, sign * in.z / n, 1e-12);
    }
    EXPECT_EQ(Ikfunc::SIGN(0.0), 1);
    EXPECT_EQ(Ikfunc::SIGN(-1e-300), -1);
    EXPECT_EQ(Ikfunc::SIGN(std::numeric_limits<double>::quiet_NaN()), -1);
}

TEST(AntiSinCos, QuadrantsAndNearVerticalCosine) {
    const double pi = kintest::kPi;
    struct Case {
        double s, c, angle;
    } cases[] = {{0, 1, 0},           {1, 0, pi / 2},        {-1, 0, -pi / 2},     {0, -1, pi},
                 {-0.0, -2, pi},      {3, -3, 3 * pi / 4},   {-3, -3, -3 * pi / 4}, {1, 1e-6, pi / 2},
                 {-1, -1e-6, -pi / 2}, {0.5, 0.5, pi / 4}};
    for (const auto& c : cases) EXPECT_NEAR(antiSinCos(c.s, c.c), c.angle, 1e-15) << c.s << " " << c.c;
}
