// Local computations through the shared library, as an application sees them:
// public headers only, every call through ServiceInterface.
#include <gtest/gtest.h>

#include <cmath>

#include "serviceinterface.h"

namespace zr = zarn_robot_namespace;

namespace {

TEST(FacadeLocal, ForwardAndInverseKinematicsRoundTrip)
{
    ServiceInterface robot;
    const double joints[6] = {0.3, -0.4, 1.1, 0.2, 0.9, -0.5};
    zr::wayPoint_S pose;
    ASSERT_EQ(robot.robotServiceRobotFk(joints, 6, pose), 0);
    EXPECT_EQ(robot.robotServiceRobotFk(joints, 5, pose), zr::ErrCode_ParamError);

    const double ref[6] = {0.25, -0.35, 1.0, 0.25, 0.85, -0.45};
    zr::wayPoint_S solved;
    ASSERT_EQ(robot.robotServiceRobotIk(ref, pose.cartPos, pose.orientation, solved), 0);
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(solved.jointpos[i], joints[i], 1e-6);

    std::vector<zr::wayPoint_S> all;
    EXPECT_EQ(robot.robotServiceRobotIk(pose.cartPos, pose.orientation, all), 0);
    EXPECT_FALSE(all.empty());

    zr::Pos far{10.0, 0.0, 0.0};
    EXPECT_EQ(robot.robotServiceRobotIk(ref, far, pose.orientation, solved), zr::ErrCode_InverseKinFailed);
    EXPECT_EQ(robot.getErrDescByCode(zr::ErrCode_InverseKinFailed), "inverse kin failed.");
}

TEST(FacadeLocal, OrientationConversions)
{
    ServiceInterface robot;
    const zr::Rpy rpy{0.1, 0.2, 0.3};
    zr::Ori q;
    ASSERT_EQ(robot.RPYToQuaternion(rpy, q), 0);
    zr::Rpy back;
    ASSERT_EQ(robot.quaternionToRPY(q, back), 0);
    EXPECT_NEAR(back.rx, 0.1, 1e-6);
    EXPECT_NEAR(back.ry, 0.2, 1e-6);
    EXPECT_NEAR(back.rz, 0.3, 1e-6);

    double identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    ASSERT_EQ(robot.robotServiceOriMatrixToQuaternion(identity, q), 0);
    EXPECT_NEAR(std::fabs(q.w), 1.0, 1e-12);

    zr::Ori toolInEnd{std::cos(0.25), 0, 0, std::sin(0.25)}, end{1, 0, 0, 0}, tool, endAgain;
    EXPECT_EQ(robot.endOrientation2ToolOrientation(toolInEnd, end, tool), 0);
    EXPECT_EQ(robot.toolOrientation2EndOrientation(toolInEnd, tool, endAgain), 0);
    EXPECT_NEAR(endAgain.w, 1.0, 1e-12);
}

TEST(FacadeLocal, RecordInitialisersAndToolOffset)
{
    zr::Ori ori;
    ServiceInterface::initOriDataType(ori);
    EXPECT_EQ(ori.w, 1.0);
    zr::wayPoint_S wp;
    ServiceInterface::initWayPointDataType(wp);
    for (double j : wp.jointpos) EXPECT_EQ(j, 0.0);
    EXPECT_GT(std::fabs(wp.cartPos.x) + std::fabs(wp.cartPos.y) + std::fabs(wp.cartPos.z), 0.1);

    ServiceInterface robot;
    zr::ToolInEndDesc tool;
    ServiceInterface::initToolInEndDescDataType(tool);
    tool.toolInEndPosition.z = 0.1;
    zr::Pos toolPos;
    zr::Ori toolOri;
    ASSERT_EQ(robot.baseToBaseAdditionalTool(wp.cartPos, wp.orientation, tool, toolPos, toolOri), 0);
    const double moved = std::hypot(toolPos.x - wp.cartPos.x, toolPos.y - wp.cartPos.y, toolPos.z - wp.cartPos.z);
    EXPECT_NEAR(moved, 0.1, 1e-9);
}

TEST(FacadeLocal, CalibrationRejectsTooFewPoints)
{
    ServiceInterface robot;
    zr::wayPoint_S wp;
    ServiceInterface::initWayPointDataType(wp);
    zr::ToolInEndDesc tool;
    std::vector<zr::wayPoint_S> three(3, wp);
    EXPECT_NE(robot.robotServiceToolCalibration(three, 'a', tool), 0);

    zr::CoordCalibrateByJointAngleAndTool frame;
    ServiceInterface::initCoordCalibrateByJointAngleAndToolDataType(frame);
    frame.coordType = 2;  // a user frame taught at three identical postures is degenerate
    EXPECT_EQ(robot.robotServiceCheckUserCoordinate(frame), zr::ErrCode_CoordinateSystemCalibrationError);
}

}  // namespace
