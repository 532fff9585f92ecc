#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kinematics/matrixmath.h"
#include "kinematics_fixture.h"

namespace zr = zarn_robot_namespace;
using kintest::KinematicsTest;
using kintest::rotationGap;

namespace {

const char* const kToolParamError = "sdk log: toolCalibration\xE3\x80\x80" "error, param error.";
const char* const kToolCalibFailed = "sdk log: Call ikfun api_tool_coord_calib failed.";
const char* const kCoordTypeError =
    "sdk log: Coordinate system calibration\xE3\x80\x80" "param error, coordType!=WorldCoordinate.";

Ori axisAngle(double ax, double ay, double az, double angle)
{
    const double n = std::sqrt(ax * ax + ay * ay + az * az);
    const double s = std::sin(angle / 2) / n;
    return Ori{std::cos(angle / 2), ax * s, ay * s, az * s};
}

void apply(const double* R, const double* v, double* out)
{
    for (int i = 0; i < 3; ++i) out[i] = R[i * 3] * v[0] + R[i * 3 + 1] * v[1] + R[i * 3 + 2] * v[2];
}

Ori matrixToOri(double* R)
{
    Ori q{1, 0, 0, 0};
    EXPECT_TRUE(Ikfunc::OriMatrixToQuaternion(R, q));
    return q;
}

zr::wayPoint_S waypoint(const double* p, const Ori& q)
{
    zr::wayPoint_S wp{};
    wp.cartPos = Pos{p[0], p[1], p[2]};
    wp.orientation = q;
    return wp;
}

// Rotation whose column `a` is `va` and column (a + 1) % 3 is `vb` (both unit,
// orthogonal); the remaining column completes a right-handed frame.
void frameWithColumns(int a, const double* va, const double* vb, double* R)
{
    const int b = (a + 1) % 3, c = (a + 2) % 3;
    const double vc[3] = {va[1] * vb[2] - va[2] * vb[1], va[2] * vb[0] - va[0] * vb[2], va[0] * vb[1] - va[1] * vb[0]};
    for (int row = 0; row < 3; ++row) {
        R[row * 3 + a] = va[row];
        R[row * 3 + b] = vb[row];
        R[row * 3 + c] = vc[row];
    }
}

// Flange poses holding the tool point at one fixed spot, tool given in the flange.
class ToolCalibrationTest : public KinematicsTest {
protected:
    void SetUp() override
    {
        KinematicsTest::SetUp();
        const Ori orientations[6] = {axisAngle(1, 0, 0, 3.0),   axisAngle(1, 1, 0, 2.6),  axisAngle(0, 1, 0, 2.8),
                                     axisAngle(1, 0.2, 0.3, 2.2), axisAngle(-1, 1, 0.5, 2.9), axisAngle(0.3, -1, 0.1, 2.4)};
        for (const Ori& q : orientations) positionPoints.push_back(flangeHolding(q, kFixedPoint));
        Ikfunc::QuaternionToOriMatrix(kToolOri, toolRotation);
        RobotUtilService::initToolInEndDescDataType(result);
    }

    zr::wayPoint_S flangeHolding(const Ori& q, const double* point) const
    {
        double R[9], offset[3];
        Ikfunc::QuaternionToOriMatrix(q, R);
        apply(R, kTool, offset);
        const double p[3] = {point[0] - offset[0], point[1] - offset[1], point[2] - offset[2]};
        return waypoint(p, q);
    }

    // Tool axis `column` of the true tool, in base, for flange orientation Rf.
    void toolAxis(const double* Rf, int column, double* out) const
    {
        const double axis[3] = {toolRotation[column], toolRotation[3 + column], toolRotation[6 + column]};
        apply(Rf, axis, out);
    }

    const double kTool[3] = {0.012, -0.034, 0.156};
    const double kFixedPoint[3] = {0.45, 0.1, 0.3};
    const Ori kToolOri = axisAngle(0.3, -0.5, 0.8, 1.1);
    double toolRotation[9];
    std::vector<zr::wayPoint_S> positionPoints;
    zr::ToolInEndDesc result{};
};

}  // namespace

TEST(MatrixMath, PositiveDefiniteInverse)
{
    double zeroPivot[4] = {0, 1, 1, 2};
    EXPECT_FALSE(positiveDefiniteMatrixInverse(zeroPivot, 2));

    double indefinite[4] = {-2, 1, 1, 3};
    ASSERT_TRUE(positiveDefiniteMatrixInverse(indefinite, 2));
    const double expected[4] = {-3.0 / 7, 1.0 / 7, 1.0 / 7, 2.0 / 7};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(indefinite[i], expected[i], 1e-15);

    const double spd[16] = {4, 1, 0.5, 0.2, 1, 3, 0.4, 0.1, 0.5, 0.4, 2, 0.3, 0.2, 0.1, 0.3, 1.5};
    double inverse[16];
    for (int i = 0; i < 16; ++i) inverse[i] = spd[i];
    ASSERT_TRUE(positiveDefiniteMatrixInverse(inverse, 4));
    double identity[16];
    ASSERT_TRUE(matrixMultiplication(identity, spd, inverse, 4, 4, 4, true, true));
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(identity[i], i % 5 == 0 ? 1.0 : 0.0, 1e-14);

    double single[1] = {4};
    ASSERT_TRUE(positiveDefiniteMatrixInverse(single, 1));
    EXPECT_EQ(single[0], 0.25);
    EXPECT_FALSE(positiveDefiniteMatrixInverse(nullptr, 2));
    EXPECT_FALSE(positiveDefiniteMatrixInverse(single, 0));
}

TEST(MatrixMath, Multiplication)
{
    const double A[6] = {1, 2, 3, 4, 5, 6};  // 2x3, or 3x2 read transposed
    const double B[6] = {1, 0, 0, 1, 1, 1};  // 3x2
    double C[4] = {10, 10, 10, 10};
    ASSERT_TRUE(matrixMultiplication(C, A, B, 2, 3, 2, false, true));
    const double accumulated[4] = {14, 15, 20, 21};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(C[i], accumulated[i]);

    // A stored 3x2 and used transposed: C (2x2) = A^T * B' with B' 3x2.
    ASSERT_TRUE(matrixMultiplication(C, A, B, 2, 3, 2, true, false));
    const double transposed[4] = {1 + 5, 3 + 5, 2 + 6, 4 + 6};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(C[i], transposed[i]);

    // The result may overwrite B.
    double M[9] = {0, 1, 0, -1, 0, 0, 0, 0, 1};
    double V[3] = {1, 2, 3};
    ASSERT_TRUE(matrixMultiplication(V, M, V, 3, 3, 1, true, true));
    EXPECT_EQ(V[0], 2);
    EXPECT_EQ(V[1], -1);
    EXPECT_EQ(V[2], 3);

    EXPECT_FALSE(matrixMultiplication(C, nullptr, B, 2, 3, 2, true, true));
    EXPECT_FALSE(matrixMultiplication(nullptr, A, B, 2, 3, 2, true, true));
    EXPECT_EQ(C[0], transposed[0]);
}

TEST(MatrixMath, CrossProduct)
{
    Pos a{2, 0, 0}, b{0, 3, 0}, out{};
    vectorCrossProduct(out, a, b, false);
    EXPECT_EQ(out.z, 6.0);
    vectorCrossProduct(a, a, b, true);  // output may be an input
    EXPECT_EQ(a.x, 0.0);
    EXPECT_EQ(a.z, 1.0);
    // Parallel inputs stay a zero vector instead of turning into NaN.
    vectorCrossProduct(out, b, b, true);
    EXPECT_EQ(out.x, 0.0);
    EXPECT_EQ(out.z, 0.0);
}

TEST_F(ToolCalibrationTest, PositionOnlyRecoversTheToolPoint)
{
    result.toolInEndOrientation = Ori{0, 1, 0, 0};
    ASSERT_EQ(RobotUtilService::toolCalibration(positionPoints, 'x', result), 0);
    EXPECT_NEAR(result.toolInEndPosition.x, 0.012, 1e-12);
    EXPECT_NEAR(result.toolInEndPosition.y, -0.034, 1e-12);
    EXPECT_NEAR(result.toolInEndPosition.z, 0.156, 1e-12);
    EXPECT_EQ(result.toolInEndOrientation.w, 1.0);
    EXPECT_EQ(result.toolInEndOrientation.x, 0.0);

    const std::vector<zr::wayPoint_S> none;
    zr::ToolInEndDesc twoList{};
    ASSERT_EQ(RobotUtilService::toolCalibration(positionPoints, none, zr::ToolOriCalibrateMathod_yOyz, twoList), 0);
    EXPECT_NEAR(twoList.toolInEndPosition.z, 0.156, 1e-12);
    EXPECT_EQ(twoList.toolInEndOrientation.w, 1.0);
}

TEST_F(ToolCalibrationTest, DownwardAxisMethodsRecoverTheOrientation)
{
    const double down[3] = {0, 0, -1};
    for (int m = 3; m <= 5; ++m) {
        SCOPED_TRACE(m);
        const int first = m % 3, second = (m + 1) % 3;
        // Posture 1: the first tool axis points down; posture 2: the second.
        const double h1[3] = {std::cos(0.7), std::sin(0.7), 0}, h2[3] = {std::cos(-2.0), std::sin(-2.0), 0};
        double Q1[9], Q2[9], Rf1[9], Rf2[9];
        frameWithColumns(first, down, h1, Q1);
        frameWithColumns(second, down, h2, Q2);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                Rf1[i * 3 + j] = Q1[i * 3] * toolRotation[j * 3] + Q1[i * 3 + 1] * toolRotation[j * 3 + 1] +
                                 Q1[i * 3 + 2] * toolRotation[j * 3 + 2];
                Rf2[i * 3 + j] = Q2[i * 3] * toolRotation[j * 3] + Q2[i * 3 + 1] * toolRotation[j * 3 + 1] +
                                 Q2[i * 3 + 2] * toolRotation[j * 3 + 2];
            }
        const std::vector<zr::wayPoint_S> orientationPoints = {flangeHolding(matrixToOri(Rf1), kFixedPoint),
                                                               flangeHolding(matrixToOri(Rf2), kFixedPoint)};
        ASSERT_EQ(RobotUtilService::toolCalibration(positionPoints, orientationPoints,
                                                    static_cast<zr::ToolKinematicsOriCalibrateMathod>(m), result),
                  0);
        EXPECT_LT(rotationGap(result.toolInEndOrientation, kToolOri), 1e-12);
        EXPECT_NEAR(result.toolInEndPosition.x, 0.012, 1e-12);
    }
}

TEST_F(ToolCalibrationTest, TaughtDirectionMethodsRecoverTheOrientation)
{
    const Ori flangeOri = axisAngle(1, -0.4, 0.2, 2.7);
    double Rf[9];
    Ikfunc::QuaternionToOriMatrix(flangeOri, Rf);
    for (int m = 0; m <= 2; ++m) {
        SCOPED_TRACE(m);
        double first[3], second[3];
        toolAxis(Rf, m, first);
        toolAxis(Rf, (m + 1) % 3, second);
        // Same flange orientation: tool points move 5 cm along the first axis,
        // then toward the second.
        const double p0[3] = {0.3, -0.2, 0.4};
        double p1[3], p2[3];
        for (int i = 0; i < 3; ++i) {
            p1[i] = p0[i] + 0.05 * first[i];
            p2[i] = p0[i] + 0.03 * first[i] + 0.04 * second[i];
        }
        const std::vector<zr::wayPoint_S> orientationPoints = {waypoint(p0, flangeOri), waypoint(p1, flangeOri),
                                                               waypoint(p2, flangeOri)};
        ASSERT_EQ(RobotUtilService::toolCalibration(positionPoints, orientationPoints,
                                                    static_cast<zr::ToolKinematicsOriCalibrateMathod>(m), result),
                  0);
        EXPECT_LT(rotationGap(result.toolInEndOrientation, kToolOri), 1e-12);
    }
}

TEST_F(ToolCalibrationTest, ParameterErrors)
{
    result.toolInEndPosition.x = 5;
    const std::vector<zr::wayPoint_S> three(positionPoints.begin(), positionPoints.begin() + 3);
    const std::vector<zr::wayPoint_S> none;
    EXPECT_EQ(RobotUtilService::toolCalibration(three, none, zr::ToolOriCalibrateMathod_xOxy, result),
              zr::ErrCode_ToolCalibrationParamError);
    EXPECT_TRUE(logged(3, kToolParamError));

    const std::vector<zr::wayPoint_S> two(positionPoints.begin(), positionPoints.begin() + 2);
    EXPECT_EQ(RobotUtilService::toolCalibration(positionPoints, two, zr::ToolOriCalibrateMathod_yOyz, result),
              zr::ErrCode_ToolCalibrationParamError);
    EXPECT_EQ(RobotUtilService::toolCalibration(positionPoints, three, zr::ToolOriCalibrateMathod_TyRBz_TyzPBzAndTzABnz, result),
              zr::ErrCode_ToolCalibrationParamError);
    const std::vector<zr::wayPoint_S> one(positionPoints.begin(), positionPoints.begin() + 1);
    EXPECT_EQ(RobotUtilService::toolCalibration(positionPoints, one, zr::ToolOriCalibrateMathod_TxRBz_TxyPBzAndTyABnz, result),
              zr::ErrCode_ToolCalibrationParamError);
    EXPECT_EQ(RobotUtilService::toolCalibration(positionPoints, two, static_cast<zr::ToolKinematicsOriCalibrateMathod>(6), result),
              zr::ErrCode_ToolCalibrationParamError);

    lines_.clear();
    EXPECT_EQ(RobotUtilService::toolCalibration(three, 'x', result), zr::ErrCode_ToolCalibrationError);
    EXPECT_TRUE(logged(3, kToolParamError));
    EXPECT_TRUE(logged(3, "sdk log: call toolCalibration error."));
    EXPECT_EQ(result.toolInEndPosition.x, 5.0);
}

TEST_F(ToolCalibrationTest, UnsolvableInputsFail)
{
    result.toolInEndPosition.x = 5;
    const Ori flangeOri = axisAngle(0, 1, 0, 2.5);
    double Rf[9], first[3], second[3];
    Ikfunc::QuaternionToOriMatrix(flangeOri, Rf);
    toolAxis(Rf, 0, first);
    toolAxis(Rf, 1, second);
    const double p0[3] = {0.3, -0.2, 0.4};
    double near1[3], near2[3], along[3], further[3];
    for (int i = 0; i < 3; ++i) {
        near1[i] = p0[i] + 0.009 * first[i];
        near2[i] = p0[i] + 0.009 * second[i];
        along[i] = p0[i] + 0.05 * first[i];
        further[i] = p0[i] + 0.09 * first[i];
    }
    struct Case {
        const char* name;
        std::vector<zr::wayPoint_S> orientationPoints;
        int method;
    } cases[] = {
        {"second posture within 1 cm", {waypoint(p0, flangeOri), waypoint(near1, flangeOri), waypoint(along, flangeOri)}, 0},
        {"third posture within 1 cm", {waypoint(p0, flangeOri), waypoint(along, flangeOri), waypoint(near2, flangeOri)}, 1},
        {"three postures on one line", {waypoint(p0, flangeOri), waypoint(along, flangeOri), waypoint(further, flangeOri)}, 2},
        {"same axis down twice", {positionPoints[0], positionPoints[0]}, 3},
    };
    for (const Case& k : cases) {
        lines_.clear();
        EXPECT_EQ(RobotUtilService::toolCalibration(positionPoints, k.orientationPoints,
                                                    static_cast<zr::ToolKinematicsOriCalibrateMathod>(k.method), result),
                  zr::ErrCode_ToolCalibrationError)
            << k.name;
        EXPECT_TRUE(logged(3, kToolCalibFailed)) << k.name;
    }

    // Every posture with one orientation: the normal equations are singular.
    std::vector<zr::wayPoint_S> sameOrientation = positionPoints;
    for (size_t i = 1; i < sameOrientation.size(); ++i) {
        sameOrientation[i].orientation = sameOrientation[0].orientation;
        sameOrientation[i].cartPos.x += 0.01 * static_cast<double>(i);
    }
    EXPECT_EQ(RobotUtilService::toolCalibration(sameOrientation, 'x', result), zr::ErrCode_ToolCalibrationError);
    EXPECT_EQ(result.toolInEndPosition.x, 5.0);
}

TEST_F(ToolCalibrationTest, IkfuncStepGuards)
{
    Pose_S poses[6];
    for (int i = 0; i < 6; ++i) {
        poses[i].position = cartesianPos_U{positionPoints[i].cartPos.x, positionPoints[i].cartPos.y, positionPoints[i].cartPos.z};
        poses[i].orientation = positionPoints[i].orientation;
    }
    Pose_S out{{9, 9, 9}, {0, 0, 1, 0}};
    EXPECT_FALSE(Ikfunc::api_tool_coord_calib(nullptr, 6, nullptr, 0, out));
    EXPECT_FALSE(Ikfunc::api_tool_coord_calib(poses, 3, nullptr, 0, out));
    EXPECT_EQ(out.position.x, 9.0);
    // A method outside 0 to 5 calibrates the position and keeps the orientation.
    ASSERT_TRUE(Ikfunc::api_tool_coord_calib(poses, 6, poses, 6, out));
    EXPECT_NEAR(out.position.y, -0.034, 1e-12);
    EXPECT_EQ(out.orientation.y, 1.0);
    double position[3];
    EXPECT_FALSE(Ikfunc::toolCoordinateCalib(poses, 6, false, nullptr, 6, nullptr, nullptr));
    EXPECT_FALSE(Ikfunc::toolCoordinateCalib(poses, 3, false, position, 6, nullptr, nullptr));
}

using UserFrameCalibrationTest = KinematicsTest;

TEST_F(UserFrameCalibrationTest, CalibratesAndReportsErrors)
{
    zr::CoordCalibrateByJointAngleAndTool frame{};
    RobotUtilService::initCoordCalibrateByJointAngleAndToolDataType(frame);
    const double postures[3][6] = {{0.1, -0.3, 1.2, 0.4, 1.5, 0.2}, {0.5, -0.2, 1.0, 0.3, 1.4, 0.1}, {0.2, 0.1, 1.3, 0.2, 1.6, -0.3}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 6; ++j) frame.jointAngleArray[i].jointPos[j] = postures[i][j];
    double t[3] = {9, 9, 9}, R[9] = {9, 9, 9, 9, 9, 9, 9, 9, 9}, O[3] = {9, 9, 9};

    EXPECT_EQ(RobotUtilService::coordinateSystemCalibration(frame, t, R, O), zr::ErrCode_ParamError);
    EXPECT_TRUE(logged(3, kCoordTypeError));
    EXPECT_EQ(RobotUtilService::checkCoordinateSystemCalibration(frame), zr::ErrCode_ParamError);

    frame.coordType = 2;
    frame.methods = 9;
    lines_.clear();
    EXPECT_EQ(RobotUtilService::coordinateSystemCalibration(frame, t, R, O), zr::ErrCode_CoordinateSystemCalibrationError);
    std::vector<std::pair<int, std::string>> problems;
    for (const auto& line : lines_)
        if (line.first > 0) problems.push_back(line);
    const std::vector<std::pair<int, std::string>> expectedLines = {
        {2, "sdk log:User Coordinate Calib: Error Configuration, please re-try!"},
        {3, "sdk log: call ikFun api_user_coord_calib failed."}};
    EXPECT_EQ(problems, expectedLines);
    EXPECT_EQ(R[0], 9.0);
    EXPECT_EQ(O[2], 9.0);

    frame.methods = 5;
    EXPECT_EQ(RobotUtilService::coordinateSystemCalibration(frame, nullptr, R, O), zr::ErrCode_ParamError);
    ASSERT_EQ(RobotUtilService::coordinateSystemCalibration(frame, t, R, O), 0);
    EXPECT_EQ(RobotUtilService::checkCoordinateSystemCalibration(frame), 0);
    // The origin is the tool point (here the flange) of the first posture.
    const zr::wayPoint_S first = kintest::fk(postures[0]);
    EXPECT_NEAR(O[0], first.cartPos.x, 1e-15);
    EXPECT_NEAR(O[2], first.cartPos.z, 1e-15);
    double image[3];
    apply(R, O, image);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(image[i] + t[i], 0.0, 1e-15);

    // The tool-pose form on the teach-point example.
    CoordCalibrateByToolEndPoint points{};
    points.coordType = 2;
    points.methods = 3;
    points.toolEndPoints[0].cartPos = Pos{0.1, 0.2, 0.3};
    points.toolEndPoints[1].cartPos = Pos{0.5, 0.2, 0.3};
    points.toolEndPoints[2].cartPos = Pos{0.2, 0.6, 0.3};
    ASSERT_EQ(RobotUtilService::coordinateSystemCalibration(points, t, R, O), 0);
    for (int i = 0; i < 9; ++i) EXPECT_NEAR(R[i], i % 4 == 0 ? 1.0 : 0.0, 1e-15);
    EXPECT_EQ(O[1], 0.2);
    points.toolEndPoints[2].cartPos = Pos{0.9, 0.2, 0.3};  // collinear
    EXPECT_EQ(RobotUtilService::coordinateSystemCalibration(points, t, R, O), zr::ErrCode_CoordinateSystemCalibrationError);
    points.coordType = 1;
    EXPECT_EQ(RobotUtilService::coordinateSystemCalibration(points, t, R, O), zr::ErrCode_ParamError);
}
