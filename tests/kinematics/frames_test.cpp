#include <gtest/gtest.h>

#include <cmath>

#include "kinematics/usercoordcalib.h"
#include "kinematics_fixture.h"

namespace zr = zarn_robot_namespace;
using kintest::KinematicsTest;
using kintest::positionGap;
using kintest::rotationGap;

namespace {

const Pos kP1{0.1, 0.2, 0.3};
const Pos kP2{0.5, 0.2, 0.3};
const Pos kP3{0.2, 0.6, 0.3};

Ori axisAngle(double ax, double ay, double az, double angle)
{
    const double n = std::sqrt(ax * ax + ay * ay + az * az);
    const double s = std::sin(angle / 2) / n;
    return Ori{std::cos(angle / 2), ax * s, ay * s, az * s};
}

void expectRow(const double* R, int row, double x, double y, double z, double tolerance)
{
    EXPECT_NEAR(R[row * 3], x, tolerance) << "row " << row;
    EXPECT_NEAR(R[row * 3 + 1], y, tolerance) << "row " << row;
    EXPECT_NEAR(R[row * 3 + 2], z, tolerance) << "row " << row;
}

void apply(const double* R, const double* v, double* out, bool transpose)
{
    for (int i = 0; i < 3; ++i) {
        out[i] = 0;
        for (int j = 0; j < 3; ++j) out[i] += (transpose ? R[j * 3 + i] : R[i * 3 + j]) * v[j];
    }
}

// Frames are taught with three well separated postures and a tool that is
// neither the identity nor a pure offset.
class FramesTest : public KinematicsTest {
protected:
    void SetUp() override
    {
        KinematicsTest::SetUp();
        const double postures[3][6] = {{0.1, -0.3, 1.2, 0.4, 1.5, 0.2},
                                       {0.5, -0.2, 1.0, 0.3, 1.4, 0.1},
                                       {0.2, 0.1, 1.3, 0.2, 1.6, -0.3}};
        RobotUtilService::initCoordCalibrateByJointAngleAndToolDataType(frame);
        frame.coordType = 2;
        frame.methods = 3;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 6; ++j) frame.jointAngleArray[i].jointPos[j] = postures[i][j];
        frame.toolDesc.toolInEndPosition = Pos{0.01, -0.02, 0.1};
        frame.toolDesc.toolInEndOrientation = axisAngle(1, 1, 0, 0.4);

        tool.toolInEndPosition = Pos{-0.03, 0.015, 0.12};
        tool.toolInEndOrientation = axisAngle(0, 1, 2, -0.7);

        const double joints[6] = {0.3, -0.4, 1.1, 0.2, 1.3, 0.5};
        flange = kintest::fk(joints);
    }

    zr::CoordCalibrateByJointAngleAndTool frame{};
    zr::ToolInEndDesc tool{};
    zr::wayPoint_S flange{};
};

}  // namespace

TEST_F(FramesTest, TeachPointExample)
{
    double t[3], R[9], O[3], c = 1.0;
    ASSERT_TRUE(userCoordinateCalibLib(kP1, kP2, kP3, 3, c, t, R, O));
    expectRow(R, 0, 1, 0, 0, 1e-15);
    expectRow(R, 1, 0, 1, 0, 1e-15);
    expectRow(R, 2, 0, 0, 1, 1e-15);
    EXPECT_EQ(O[0], 0.1);
    EXPECT_EQ(O[1], 0.2);
    EXPECT_EQ(O[2], 0.3);
    EXPECT_NEAR(t[0], -0.1, 1e-15);
    EXPECT_NEAR(t[1], -0.2, 1e-15);
    EXPECT_NEAR(t[2], -0.3, 1e-15);
    EXPECT_EQ(c, 1.0);  // orthonormal methods leave it alone

    ASSERT_TRUE(userCoordinateCalibLib(kP1, kP2, kP3, 4, c, t, R, O));
    expectRow(R, 0, 1, 0, 0, 1e-15);
    expectRow(R, 1, 0, 0, -1, 1e-15);
    expectRow(R, 2, 0, 1, 0, 1e-15);

    ASSERT_TRUE(userCoordinateCalibLib(kP1, kP2, kP3, 0, c, t, R, O));
    expectRow(R, 0, 1, 0, 0, 1e-15);
    expectRow(R, 1, 0.2425, 0.9701, 0, 5e-5);
    expectRow(R, 2, 0, 0, 1, 1e-15);
    EXPECT_NEAR(c, 0.2425, 5e-5);

    const double before[9] = {R[0], R[1], R[2], R[3], R[4], R[5], R[6], R[7], R[8]};
    EXPECT_FALSE(userCoordinateCalibLib(kP1, kP2, kP3, 9, c, t, R, O));
    for (int i = 0; i < 9; ++i) EXPECT_EQ(R[i], before[i]);

    Pose_S three[3] = {{{0.1, 0.2, 0.3}, {1, 0, 0, 0}}, {{0.5, 0.2, 0.3}, {1, 0, 0, 0}}, {{0.2, 0.6, 0.3}, {1, 0, 0, 0}}};
    EXPECT_FALSE(Ikfunc::userCoordinateCalib(three, 9, t, R, O));
    EXPECT_TRUE(logged(2, "sdk log:User Coordinate Calib: Error Configuration, please re-try!"));
    lines_.clear();
    EXPECT_FALSE(Ikfunc::userCoordinateCalib(three, 3, t, nullptr, O));
    EXPECT_TRUE(lines_.empty());
}

TEST_F(FramesTest, OrthonormalMethodsFollowTheirAxisTable)
{
    // Rows taking the direction P1->P2 and the in-plane direction toward P3.
    const int axes[6][2] = {{0, 1}, {0, 2}, {1, 2}, {1, 0}, {2, 0}, {2, 1}};
    const Pos p1{0.3, -0.1, 0.5}, p2{0.32, 0.2, 0.41}, p3{-0.1, 0.05, 0.6};
    const double u[3] = {p2.x - p1.x, p2.y - p1.y, p2.z - p1.z};
    const double v[3] = {p3.x - p1.x, p3.y - p1.y, p3.z - p1.z};
    const double lengthU = std::sqrt(u[0] * u[0] + u[1] * u[1] + u[2] * u[2]);
    for (int m = 3; m <= 8; ++m) {
        SCOPED_TRACE(m);
        double t[3], R[9], O[3], c = 1.0;
        ASSERT_TRUE(userCoordinateCalibLib(p1, p2, p3, m, c, t, R, O));
        const double* first = R + 3 * axes[m - 3][0];
        const double* second = R + 3 * axes[m - 3][1];
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(first[i], u[i] / lengthU, 1e-15);
        EXPECT_NEAR(second[0] * u[0] + second[1] * u[1] + second[2] * u[2], 0.0, 1e-15);
        EXPECT_GT(second[0] * v[0] + second[1] * v[1] + second[2] * v[2], 0.0);
        // Orthonormal and right-handed.
        double RRt[9];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                RRt[i * 3 + j] = R[i * 3] * R[j * 3] + R[i * 3 + 1] * R[j * 3 + 1] + R[i * 3 + 2] * R[j * 3 + 2];
        for (int i = 0; i < 9; ++i) EXPECT_NEAR(RRt[i], i % 4 == 0 ? 1.0 : 0.0, 1e-15);
        const double det = R[0] * (R[4] * R[8] - R[5] * R[7]) - R[1] * (R[3] * R[8] - R[5] * R[6]) +
                           R[2] * (R[3] * R[7] - R[4] * R[6]);
        EXPECT_NEAR(det, 1.0, 1e-15);
        double image[3];
        const double o[3] = {p1.x, p1.y, p1.z};
        apply(R, o, image, false);
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(image[i] + t[i], 0.0, 1e-15);
    }
}

TEST_F(FramesTest, DegenerateTeachPointsAreRejected)
{
    struct Case {
        const char* name;
        Pos p1, p2, p3;
        bool usable;
    } cases[] = {
        {"second equals first", kP1, kP1, kP3, false},
        {"third equals first", kP1, kP2, kP1, false},
        {"third on the line", kP1, kP2, Pos{0.9, 0.2, 0.3}, false},
        {"third 0.1 um off the line", kP1, kP2, Pos{0.9, 0.2, 0.3 + 1e-7}, false},
        {"first two 0.5 um apart", kP1, Pos{0.1 + 5e-7, 0.2, 0.3}, kP3, false},
        {"third 10 um off the line", kP1, kP2, Pos{0.9, 0.2 + 1e-5, 0.3}, true},
    };
    for (const Case& k : cases) {
        for (int m = 0; m <= 8; ++m) {
            double t[3] = {7, 7, 7}, R[9] = {7, 7, 7, 7, 7, 7, 7, 7, 7}, O[3] = {7, 7, 7}, c = 1.0;
            EXPECT_EQ(userCoordinateCalibLib(k.p1, k.p2, k.p3, m, c, t, R, O), k.usable) << k.name << " m " << m;
            if (!k.usable) {
                EXPECT_EQ(R[4], 7.0);
                EXPECT_EQ(c, 1.0);
            } else {
                for (double r : R) EXPECT_TRUE(std::isfinite(r)) << k.name;
            }
        }
    }
}

TEST_F(FramesTest, BaseToUserAndBackRoundTrips)
{
    for (int m = 3; m <= 8; ++m) {
        SCOPED_TRACE(m);
        frame.methods = m;
        Pos userPos{};
        Ori userOri{};
        ASSERT_EQ(RobotUtilService::base2UserCoordinate(flange.cartPos, flange.orientation, frame, tool, userPos, userOri), 0);

        // The user pose is the tool pose seen from the calibrated frame.
        double t[3], R[9], O[3];
        ASSERT_EQ(RobotUtilService::coordinateSystemCalibration(frame, t, R, O), 0);
        zr::wayPoint_S toolPose{};
        RobotUtilService::base2BaseAdditionalTool(flange, tool, toolPose);
        const double p[3] = {toolPose.cartPos.x, toolPose.cartPos.y, toolPose.cartPos.z};
        double expected[3];
        apply(R, p, expected, false);
        EXPECT_NEAR(userPos.x, expected[0] + t[0], 1e-14);
        EXPECT_NEAR(userPos.y, expected[1] + t[1], 1e-14);
        EXPECT_NEAR(userPos.z, expected[2] + t[2], 1e-14);

        Pos backPos{};
        Ori backOri{};
        ASSERT_EQ(RobotUtilService::user2BaseCoordinate(userPos, userOri, frame, tool, backPos, backOri), 0);
        EXPECT_LT(positionGap(backPos, flange.cartPos), 1e-13);
        EXPECT_LT(rotationGap(backOri, flange.orientation), 1e-13);
    }

    frame.coordType = 0;
    Pos userPos{};
    Ori userOri{};
    ASSERT_EQ(RobotUtilService::base2UserCoordinate(flange.cartPos, flange.orientation, frame, tool, userPos, userOri), 0);
    Pos backPos{};
    Ori backOri{};
    ASSERT_EQ(RobotUtilService::user2BaseCoordinate(userPos, userOri, frame, tool, backPos, backOri), 0);
    EXPECT_LT(positionGap(backPos, flange.cartPos), 1e-14);
    EXPECT_LT(rotationGap(backOri, flange.orientation), 1e-14);
}

TEST_F(FramesTest, EndFrameGivesTheToolOrNothing)
{
    frame.coordType = 1;
    RobotUtilService::initToolInEndDescDataType(frame.toolDesc);
    tool.toolInEndPosition = Pos{0.01, 0.02, 0.15};
    Pos userPos{};
    Ori userOri{};
    EXPECT_EQ(RobotUtilService::base2UserCoordinate(flange.cartPos, flange.orientation, frame, tool, userPos, userOri), 0);
    EXPECT_EQ(userPos.x, 0.01);
    EXPECT_EQ(userPos.y, 0.02);
    EXPECT_EQ(userPos.z, 0.15);
    EXPECT_EQ(userOri.w, tool.toolInEndOrientation.w);
    EXPECT_EQ(userOri.z, tool.toolInEndOrientation.z);

    frame.toolDesc.toolInEndPosition.z = 0.1;
    EXPECT_EQ(RobotUtilService::base2UserCoordinate(flange.cartPos, flange.orientation, frame, tool, userPos, userOri), 0);
    EXPECT_EQ(userPos.z, 0.0);
    EXPECT_EQ(userOri.w, 1.0);
    EXPECT_EQ(userOri.x, 0.0);

    Pos untouched{9, 9, 9};
    Ori untouchedOri{9, 9, 9, 9};
    EXPECT_EQ(RobotUtilService::user2BaseCoordinate(userPos, userOri, frame, tool, untouched, untouchedOri),
              zr::ErrCode_ParamError);
    EXPECT_TRUE(logged(3, "sdk log: user2BaseCoordinate() Does not support end coordinate systems."));
    EXPECT_EQ(untouched.x, 9.0);
}

TEST_F(FramesTest, ConversionErrorsLeaveOutputsUntouched)
{
    Pos pos{9, 9, 9};
    Ori ori{9, 9, 9, 9};
    const Ori zero{0, 0, 0, 0};

    frame.coordType = 5;
    EXPECT_EQ(RobotUtilService::user2BaseCoordinate(flange.cartPos, flange.orientation, frame, tool, pos, ori),
              zr::ErrCode_UserToBaseCoordinateError);
    frame.coordType = 2;
    EXPECT_EQ(RobotUtilService::user2BaseCoordinate(flange.cartPos, zero, frame, tool, pos, ori),
              zr::ErrCode_UserToBaseCoordinateError);

    for (int method : {9, -1, 256}) {
        SCOPED_TRACE(method);
        frame.methods = method;
        lines_.clear();
        EXPECT_EQ(RobotUtilService::base2UserCoordinate(flange.cartPos, flange.orientation, frame, tool, pos, ori),
                  zr::ErrCode_BaseToUserCoordinateError);
        EXPECT_TRUE(logged(2, "sdk log:User Coordinate Calib: Error Configuration, please re-try!"));
        EXPECT_EQ(RobotUtilService::user2BaseCoordinate(flange.cartPos, flange.orientation, frame, tool, pos, ori),
                  zr::ErrCode_UserToBaseCoordinateError);
    }
    EXPECT_EQ(pos.x, 9.0);
    EXPECT_EQ(ori.w, 9.0);
}

TEST_F(FramesTest, DegenerateFrameIsRejectedByEveryConversion)
{
    // Three identical postures: coincident teach points.
    for (int i = 1; i < 3; ++i) frame.jointAngleArray[i] = frame.jointAngleArray[0];
    Pos pos{9, 9, 9};
    Ori ori{9, 9, 9, 9};
    EXPECT_EQ(RobotUtilService::base2UserCoordinate(flange.cartPos, flange.orientation, frame, tool, pos, ori),
              zr::ErrCode_BaseToUserCoordinateError);
    EXPECT_EQ(RobotUtilService::user2BaseCoordinate(flange.cartPos, flange.orientation, frame, tool, pos, ori),
              zr::ErrCode_UserToBaseCoordinateError);
    EXPECT_EQ(RobotUtilService::userCoordPoint2BasePoint(Pos{0.1, 0, 0}, frame, pos), zr::ErrCode_UserToBaseCoordinateError);
    EXPECT_TRUE(logged(3, "sdk log: userCoordPoint2BasePoint call userToBaseCoordinate failed."));
    double vector[3] = {0.1, 0.2, 0.3}, baseVector[3] = {9, 9, 9};
    EXPECT_EQ(RobotUtilService::offsetVectorUserCoord2Base(vector, frame, baseVector),
              zr::ErrCode_UserToBaseCoordinateError);
    EXPECT_TRUE(logged(3, "sdk log: offsetVectorUserCoord2Base call userToBaseCoordinate failed."));
    EXPECT_EQ(RobotUtilService::relativeMoveAndRot(flange, frame, tool, Pos{0.1, 0, 0}, Ori{1, 0, 0, 0}, pos, ori), 0);
    double t[3], R[9], O[3];
    EXPECT_EQ(RobotUtilService::coordinateSystemCalibration(frame, t, R, O), zr::ErrCode_CoordinateSystemCalibrationError);
    EXPECT_EQ(pos.x, 9.0);
    EXPECT_EQ(ori.w, 9.0);
    EXPECT_EQ(baseVector[0], 9.0);
}

TEST_F(FramesTest, UserPointsAndVectors)
{
    Pos base{};
    double vector[3] = {0.1, -0.2, 0.05}, baseVector[3] = {};

    frame.coordType = 0;
    EXPECT_EQ(RobotUtilService::userCoordPoint2BasePoint(Pos{0.1, -0.2, 0.05}, frame, base), 0);
    EXPECT_EQ(base.y, -0.2);
    EXPECT_EQ(RobotUtilService::offsetVectorUserCoord2Base(vector, frame, baseVector), 0);
    EXPECT_EQ(baseVector[1], -0.2);

    frame.coordType = 1;
    EXPECT_EQ(RobotUtilService::userCoordPoint2BasePoint(Pos{0, 0, 0}, frame, base), zr::ErrCode_ParamError);
    EXPECT_TRUE(logged(3, "sdk log:Does not support end coordinate systems."));
    lines_.clear();
    EXPECT_EQ(RobotUtilService::offsetVectorUserCoord2Base(vector, frame, baseVector), zr::ErrCode_ParamError);
    EXPECT_TRUE(lines_.empty());
    EXPECT_EQ(RobotUtilService::offsetVectorUserCoord2Base(nullptr, frame, baseVector), zr::ErrCode_ParamError);
    EXPECT_EQ(RobotUtilService::offsetVectorUserCoord2Base(vector, frame, nullptr), zr::ErrCode_ParamError);

    frame.coordType = 2;
    frame.methods = 7;
    double t[3], R[9], O[3];
    ASSERT_EQ(RobotUtilService::coordinateSystemCalibration(frame, t, R, O), 0);
    ASSERT_EQ(RobotUtilService::userCoordPoint2BasePoint(Pos{0, 0, 0}, frame, base), 0);
    EXPECT_LT(positionGap(base, Pos{O[0], O[1], O[2]}), 1e-15);
    ASSERT_EQ(RobotUtilService::offsetVectorUserCoord2Base(vector, frame, baseVector), 0);
    double expected[3];
    apply(R, vector, expected, true);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(baseVector[i], expected[i], 1e-15);
}

TEST_F(FramesTest, FramePosturesBecomeToolPoses)
{
    CoordCalibrateByToolEndPoint out{};
    out.toolEndPoints[0].cartPos.x = 42;
    frame.coordType = 0;
    frame.methods = 5;
    EXPECT_EQ(RobotUtilService::CoordCalibrateTypeConvert(frame, out), 0);
    EXPECT_EQ(out.methods, 5);
    EXPECT_EQ(out.toolEndPoints[0].cartPos.x, 42.0);

    frame.coordType = 2;
    EXPECT_EQ(RobotUtilService::CoordCalibrateTypeConvert(frame, out), 0);
    for (int i = 0; i < 3; ++i) {
        zr::wayPoint_S expected = kintest::fk(frame.jointAngleArray[i].jointPos);
        RobotUtilService::base2BaseAdditionalTool(expected, frame.toolDesc, expected);
        EXPECT_EQ(out.toolEndPoints[i].cartPos.x, expected.cartPos.x);
        EXPECT_EQ(out.toolEndPoints[i].orientation.w, expected.orientation.w);
        EXPECT_EQ(out.toolEndPoints[i].jointpos[2], frame.jointAngleArray[i].jointPos[2]);
    }
}

TEST_F(FramesTest, AdditionalToolMayWriteIntoItsInput)
{
    zr::wayPoint_S wp = flange;
    RobotUtilService::base2BaseAdditionalTool(wp, tool, wp);
    double R[9];
    Ikfunc::QuaternionToOriMatrix(flange.orientation, R);
    const double t[3] = {tool.toolInEndPosition.x, tool.toolInEndPosition.y, tool.toolInEndPosition.z};
    double offset[3];
    apply(R, t, offset, false);
    EXPECT_NEAR(wp.cartPos.x, flange.cartPos.x + offset[0], 1e-15);
    EXPECT_NEAR(wp.cartPos.z, flange.cartPos.z + offset[2], 1e-15);
    EXPECT_EQ(wp.jointpos[4], flange.jointpos[4]);
}

TEST_F(FramesTest, RelativeMoveInBaseAndUserFrames)
{
    const Pos zeroPos{0, 0, 0};
    const Ori identity{1, 0, 0, 0};
    Pos outPos{9, 9, 9};
    Ori outOri{9, 9, 9, 9};

    frame.coordType = 0;
    EXPECT_EQ(RobotUtilService::relativeMoveAndRot(flange, frame, tool, Pos{0.1, 0.2, 0.3}, Ori{0, 1, 0, 0}, outPos, outOri), 1);
    EXPECT_EQ(outPos.z, 0.3);
    EXPECT_EQ(outOri.x, 1.0);

    frame.coordType = 2;
    frame.methods = 6;
    EXPECT_EQ(RobotUtilService::relativeMoveAndRot(flange, frame, tool, zeroPos, identity, outPos, outOri), 1);
    EXPECT_LT(positionGap(outPos, zeroPos), 1e-15);
    EXPECT_LT(rotationGap(outOri, identity), 1e-15);

    // A base point x moves as its user coordinates y = R x + t move to Rr y + rel.
    const Pos rel{0.02, -0.01, 0.03};
    const Ori relOri = axisAngle(1, -1, 2, 0.3);
    ASSERT_EQ(RobotUtilService::relativeMoveAndRot(flange, frame, tool, rel, relOri, outPos, outOri), 1);
    double t[3], R[9], O[3], Rr[9], Rout[9];
    ASSERT_EQ(RobotUtilService::coordinateSystemCalibration(frame, t, R, O), 0);
    Ikfunc::QuaternionToOriMatrix(relOri, Rr);
    Ikfunc::QuaternionToOriMatrix(outOri, Rout);
    const double x[3] = {0.4, -0.3, 0.7};
    double y[3], moved[3], expected[3], actual[3];
    apply(R, x, y, false);
    for (int i = 0; i < 3; ++i) y[i] += t[i];
    apply(Rr, y, moved, false);
    moved[0] += rel.x;
    moved[1] += rel.y;
    moved[2] += rel.z;
    for (int i = 0; i < 3; ++i) moved[i] -= t[i];
    apply(R, moved, expected, true);
    apply(Rout, x, actual, false);
    EXPECT_NEAR(actual[0] + outPos.x, expected[0], 1e-14);
    EXPECT_NEAR(actual[1] + outPos.y, expected[1], 1e-14);
    EXPECT_NEAR(actual[2] + outPos.z, expected[2], 1e-14);

    const Pos keep = outPos;
    EXPECT_EQ(RobotUtilService::relativeMoveAndRot(flange, frame, tool, rel, Ori{0, 0, 0, 0}, outPos, outOri), 0);
    EXPECT_EQ(outPos.x, keep.x);
    frame.methods = 9;
    EXPECT_EQ(RobotUtilService::relativeMoveAndRot(flange, frame, tool, rel, relOri, outPos, outOri), 0);
    EXPECT_EQ(outPos.x, keep.x);
}

TEST_F(FramesTest, RelativeMoveInEndFrames)
{
    const Pos zeroPos{0, 0, 0};
    const Ori identity{1, 0, 0, 0};
    Pos outPos{};
    Ori outOri{};
    frame.coordType = 1;

    // Frame with its own tool: an offset transform about that tool frame.
    EXPECT_EQ(RobotUtilService::relativeMoveAndRot(flange, frame, tool, zeroPos, identity, outPos, outOri), 1);
    EXPECT_LT(positionGap(outPos, zeroPos), 1e-15);
    EXPECT_LT(rotationGap(outOri, identity), 1e-15);

    zr::wayPoint_S frameTool{};
    RobotUtilService::base2BaseAdditionalTool(flange, frame.toolDesc, frameTool);
    double RF[9];
    Ikfunc::QuaternionToOriMatrix(frameTool.orientation, RF);
    const double rel[3] = {0.01, 0.02, -0.03};
    ASSERT_EQ(RobotUtilService::relativeMoveAndRot(flange, frame, tool, Pos{rel[0], rel[1], rel[2]}, identity, outPos, outOri), 1);
    double shift[3];
    apply(RF, rel, shift, false);
    EXPECT_LT(positionGap(outPos, Pos{shift[0], shift[1], shift[2]}), 1e-15);

    // A pure rotation keeps the frame's origin in place.
    ASSERT_EQ(RobotUtilService::relativeMoveAndRot(flange, frame, tool, zeroPos, axisAngle(0, 0, 1, 0.5), outPos, outOri), 1);
    double M[9], turned[3];
    const double pF[3] = {frameTool.cartPos.x, frameTool.cartPos.y, frameTool.cartPos.z};
    Ikfunc::QuaternionToOriMatrix(outOri, M);
    apply(M, pF, turned, false);
    EXPECT_LT(positionGap(Pos{turned[0] + outPos.x, turned[1] + outPos.y, turned[2] + outPos.z}, frameTool.cartPos), 1e-14);

    // Bare flange frame and no tool: still an offset.
    RobotUtilService::initToolInEndDescDataType(frame.toolDesc);
    zr::ToolInEndDesc none{};
    RobotUtilService::initToolInEndDescDataType(none);
    EXPECT_EQ(RobotUtilService::relativeMoveAndRot(flange, frame, none, zeroPos, identity, outPos, outOri), 1);
    EXPECT_LT(positionGap(outPos, zeroPos), 1e-15);
    EXPECT_LT(rotationGap(outOri, identity), 1e-15);

    // Bare flange frame with a tool: absolute flange target, w marked with +6.
    EXPECT_EQ(RobotUtilService::relativeMoveAndRot(flange, frame, tool, zeroPos, identity, outPos, outOri), 1);
    EXPECT_LT(positionGap(outPos, flange.cartPos), 1e-15);
    EXPECT_NEAR(outOri.w, 6.0 + flange.orientation.w, 1e-15);
    EXPECT_NEAR(outOri.x, flange.orientation.x, 1e-15);

    const Ori relOri = axisAngle(0, 1, 0, 0.4);
    ASSERT_EQ(RobotUtilService::relativeMoveAndRot(flange, frame, tool, Pos{rel[0], rel[1], rel[2]}, relOri, outPos, outOri), 1);
    Ori target = outOri;
    target.w -= 6.0;
    zr::wayPoint_S before{}, after = flange;
    RobotUtilService::base2BaseAdditionalTool(flange, tool, before);
    after.cartPos = outPos;
    after.orientation = target;
    RobotUtilService::base2BaseAdditionalTool(after, tool, after);
    double Rf[9];
    Ikfunc::QuaternionToOriMatrix(flange.orientation, Rf);
    apply(Rf, rel, shift, false);
    EXPECT_LT(positionGap(after.cartPos, Pos{before.cartPos.x + shift[0], before.cartPos.y + shift[1], before.cartPos.z + shift[2]}), 1e-15);
    Ori expectedOri{};
    Ikfunc::endOrientation2ToolOrientation(relOri, flange.orientation, expectedOri);
    EXPECT_LT(rotationGap(target, expectedOri), 1e-15);
}
