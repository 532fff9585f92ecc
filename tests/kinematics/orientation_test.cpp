#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "kinematics_fixture.h"

namespace zr = zarn_robot_namespace;
using kintest::KinematicsTest;
using kintest::kPi;

namespace {

Ori axisAngle(double ax, double ay, double az, double angle)
{
    const double s = std::sin(angle / 2);
    return Ori{std::cos(angle / 2), ax * s, ay * s, az * s};
}

Ori hamilton(const Ori& a, const Ori& b)
{
    return Ori{a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z, a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y,
               a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x, a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w};
}

void expectOri(const Ori& actual, const Ori& expected, double tolerance)
{
    EXPECT_NEAR(actual.w, expected.w, tolerance);
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

}  // namespace

using OrientationTest = KinematicsTest;

TEST_F(OrientationTest, RpyFollowsYawPitchRollProductAndComesBack)
{
    const zr::Rpy rpy{0.1, 0.2, 0.3};
    Ori q{};
    EXPECT_EQ(RobotUtilService::RPYToQuaternion(rpy, q), 0);
    const Ori expected = hamilton(hamilton(axisAngle(0, 0, 1, 0.3), axisAngle(0, 1, 0, 0.2)), axisAngle(1, 0, 0, 0.1));
    expectOri(q, expected, 1e-7);  // angles pass through single precision

    zr::Rpy back{};
    EXPECT_EQ(RobotUtilService::quaternionToRPY(q, back), 0);
    EXPECT_NEAR(back.rx, 0.1, 1e-6);
    EXPECT_NEAR(back.ry, 0.2, 1e-6);
    EXPECT_NEAR(back.rz, 0.3, 1e-6);
}

TEST_F(OrientationTest, RpyRoundTripsAcrossQuadrants)
{
    const zr::Rpy cases[] = {{0, 0, 0}, {-2.5, 0.7, 3.0}, {3.0, -1.2, -2.9}, {1.0, 1.5, -0.4}, {-0.3, -1.5, 1.9}};
    for (const zr::Rpy& rpy : cases) {
        Ori q{};
        RobotUtilService::RPYToQuaternion(rpy, q);
        EXPECT_NEAR(Ikfunc::NORM(q.w, q.x, q.y, q.z), 1.0, 1e-12);
        zr::Rpy back{};
        RobotUtilService::quaternionToRPY(q, back);
        EXPECT_NEAR(back.rx, rpy.rx, 2e-5) << rpy.rx << " " << rpy.ry << " " << rpy.rz;
        EXPECT_NEAR(back.ry, rpy.ry, 2e-5);
        EXPECT_NEAR(back.rz, rpy.rz, 2e-5);
    }
}

TEST_F(OrientationTest, RpyAtGimbalLockKeepsTheRotation)
{
    // Pitch exactly 90 degrees with a 0.5 rad roll: A and C vanish exactly.
    const double h = std::sqrt(0.5);
    const Ori q = hamilton(Ori{h, 0, h, 0}, axisAngle(1, 0, 0, 0.5));
    zr::Rpy rpy{};
    RobotUtilService::quaternionToRPY(q, rpy);
    EXPECT_NEAR(rpy.ry, kPi / 2, 1e-3);
    // Whichever branch the single-precision noise picks, the rotation must be the same.
    Ori back{};
    RobotUtilService::RPYToQuaternion(rpy, back);
    EXPECT_LT(kintest::rotationGap(back, q), 1e-3);
}

TEST_F(OrientationTest, ToolAndFlangeOrientationsAreHamiltonProducts)
{
    Ori identity{1, 0, 0, 0};
    const Ori endOri = axisAngle(0, 0, 1, 0.8);
    Ori toolOri{};
    RobotUtilService::endOrientation2ToolOrientation(identity, endOri, toolOri);
    expectOri(toolOri, endOri, 0);

    // Non-commuting pair: the order of the product matters.
    Ori toolInEnd = axisAngle(1, 0, 0, kPi / 2);
    const Ori flange = axisAngle(0, 0, 1, kPi / 2);
    RobotUtilService::endOrientation2ToolOrientation(toolInEnd, flange, toolOri);
    expectOri(toolOri, hamilton(flange, toolInEnd), 1e-15);
    EXPECT_GT(kintest::rotationGap(toolOri, hamilton(toolInEnd, flange)), 0.5);

    Ori endBack{};
    RobotUtilService::toolOrientation2EndOrientation(toolInEnd, toolOri, endBack);
    expectOri(endBack, flange, 1e-15);
}

TEST_F(OrientationTest, MatrixToQuaternionRejectsBadInputWithoutTouchingOutput)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    double broken[9] = {nan, 0, 0, 0, nan, 0, 0, 0, nan};
    Ori q{0.1, 0.2, 0.3, 0.4};
    EXPECT_EQ(RobotUtilService::oriMatrixToQuaternion(broken, q), zr::ErrCode_Failed);
    EXPECT_EQ(RobotUtilService::oriMatrixToQuaternion(nullptr, q), zr::ErrCode_ParamError);
    expectOri(q, Ori{0.1, 0.2, 0.3, 0.4}, 0);

    double quarterTurnZ[9] = {0, -1, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(RobotUtilService::oriMatrixToQuaternion(quarterTurnZ, q), 0);
    expectOri(q, axisAngle(0, 0, 1, kPi / 2), 1e-15);
}

TEST_F(OrientationTest, NoneToolToleranceIsStrict)
{
    zr::ToolInEndDesc tool{};
    RobotUtilService::initToolInEndDescDataType(tool);
    EXPECT_TRUE(RobotUtilService::isNoneTool(tool));
    tool.toolInEndOrientation.w = 1 - 0.5e-5;
    tool.toolInEndPosition.z = -0.5e-5;
    EXPECT_TRUE(RobotUtilService::isNoneTool(tool));
    tool.toolInEndPosition.z = 2e-5;
    EXPECT_FALSE(RobotUtilService::isNoneTool(tool));
    RobotUtilService::initToolInEndDescDataType(tool);
    tool.toolInEndOrientation.y = -2e-5;
    EXPECT_FALSE(RobotUtilService::isNoneTool(tool));
}

TEST_F(OrientationTest, PointInFlangeAttachedFrame)
{
    zr::wayPoint_S wp{};
    wp.cartPos = Pos{0.1, 0.2, 0.3};
    wp.orientation = axisAngle(0, 0, 1, kPi / 2);
    Pos out{};
    // Flange turned 90 degrees about z, frame a further 90 degrees about z: x maps to -x.
    EXPECT_EQ(RobotUtilService::endPosition2BasePosition(wp, Pos{0.01, 0, 0.02}, out, axisAngle(0, 0, 1, kPi / 2)), 0);
    EXPECT_NEAR(out.x, 0.09, 1e-15);
    EXPECT_NEAR(out.y, 0.2, 1e-15);
    EXPECT_NEAR(out.z, 0.32, 1e-15);
}

TEST_F(OrientationTest, RecordInitialisers)
{
    Ori ori{0, 5, 5, 5};
    RobotUtilService::initOriDataType(ori);
    expectOri(ori, Ori{1, 0, 0, 0}, 0);
    RobotUtilService::initOrientation(ori);
    expectOri(ori, Ori{1, 0, 0, 0}, 0);

    zr::MoveRelative relative{true, {1, 2, 3}, {0, 0, 0, 0}};
    RobotUtilService::initMoveRelativeDataType(relative);
    EXPECT_FALSE(relative.ena);
    EXPECT_EQ(relative.relativePosition[2], 0.0f);
    expectOri(relative.relativeOri, Ori{1, 0, 0, 0}, 0);

    zr::CoordCalibrateByJointAngleAndTool frame;
    std::memset(&frame, 0x5a, sizeof(frame));
    RobotUtilService::initCoordCalibrateByJointAngleAndToolDataType(frame);
    EXPECT_EQ(frame.coordType, 0);
    EXPECT_EQ(frame.methods, 0);
    EXPECT_EQ(frame.jointAngleArray[2].jointPos[5], 0.0);
    EXPECT_TRUE(RobotUtilService::isNoneTool(frame.toolDesc));
    EXPECT_EQ(frame.toolDesc.toolInEndOrientation.w, 1.0);

    zr::ToolDynamicsParam dynamics;
    std::memset(&dynamics, 0x5a, sizeof(dynamics));
    RobotUtilService::initToolDynamicsParamDataType(dynamics);
    EXPECT_EQ(dynamics.payload, 0.0);
    EXPECT_EQ(dynamics.toolInertia.zz, 0.0);
    EXPECT_EQ(dynamics.toolInertia.xy, 0.0);
}

TEST_F(OrientationTest, InitWayPointFollowsTheModelInForce)
{
    zr::wayPoint_S wp;
    std::memset(&wp, 0x5a, sizeof(wp));
    RobotUtilService::initWayPointDataType(wp);
    for (double joint : wp.jointpos) EXPECT_EQ(joint, 0.0);
    EXPECT_NEAR(wp.cartPos.x, 0.0, 1e-15);
    EXPECT_NEAR(wp.cartPos.y, -0.2155, 1e-15);
    EXPECT_NEAR(wp.cartPos.z, 0.985, 1e-15);
    expectOri(wp.orientation, Ori{std::sqrt(0.5), std::sqrt(0.5), 0, 0}, 1e-15);

    ASSERT_TRUE(Ikfunc::SetDhParaLen(9));
    RobotUtilService::initWayPointDataType(wp);
    EXPECT_NEAR(wp.cartPos.y, -(0.1935 + 0.1063), 1e-12);
    EXPECT_NEAR(wp.cartPos.z, 0.1955 + 0.753 + 0.72 + 0.127, 1e-12);
}
