// User-frame and tool calibration on the public records.
#include <climits>
#include <new>
#include <vector>

#include "interface/robotlogprint.h"
#include "kinematics/framepose.h"
#include "kinematics/robotutilservice.h"
#include "kinematics/toolcalibration.h"

namespace zr = zarn_robot_namespace;

namespace {

bool orientationCountFits(std::size_t count, int method)
{
    return count == 0 || (count == 2 && method >= 3 && method <= 5) || (count == 3 && method >= 0 && method <= 2);
}

std::vector<Pose_S> flangePoses(const std::vector<zr::wayPoint_S>& waypoints)
{
    std::vector<Pose_S> poses;
    poses.reserve(waypoints.size());
    for (const zr::wayPoint_S& wp : waypoints) poses.push_back(framepose::pose(wp.cartPos, wp.orientation));
    return poses;
}

}  // namespace

int RobotUtilService::coordinateSystemCalibration(const zr::CoordCalibrateByJointAngleAndTool& frame, double* t,
                                                  double* R, double* origin)
{
    if (t == nullptr || R == nullptr || origin == nullptr) return zr::ErrCode_ParamError;
    CoordCalibrateByToolEndPoint points;
    const int rc = CoordCalibrateTypeConvert(frame, points);
    if (rc != zr::ErrCode_Success) return rc;
    return coordinateSystemCalibration(points, t, R, origin);
}

int RobotUtilService::coordinateSystemCalibration(const CoordCalibrateByToolEndPoint& frame, double* t, double* R,
                                                  double* origin)
{
    if (t == nullptr || R == nullptr || origin == nullptr) return zr::ErrCode_ParamError;
    if (frame.coordType != 2) {
        ZARN_LOG(3, "sdk log: Coordinate system calibration\u3000param error, coordType!=WorldCoordinate.");
        return zr::ErrCode_ParamError;
    }
    Pose_S three[3];
    framepose::framePoses(frame, three);
    double translation[3], rotation[9], point[3];
    if (!Ikfunc::api_user_coord_calib(three, framepose::userFrameMethod(frame.methods), translation, rotation,
                                      point)) {
        ZARN_LOG(3, "sdk log: call ikFun api_user_coord_calib failed.");
        return zr::ErrCode_CoordinateSystemCalibrationError;
    }
    for (int i = 0; i < 3; ++i) {
        t[i] = translation[i];
        origin[i] = point[i];
    }
    for (int i = 0; i < 9; ++i) R[i] = rotation[i];
    return zr::ErrCode_Success;
}

int RobotUtilService::checkCoordinateSystemCalibration(const zr::CoordCalibrateByJointAngleAndTool& frame)
{
    double t[3], R[9], origin[3];
    return coordinateSystemCalibration(frame, t, R, origin);
}

int RobotUtilService::toolCalibration(const std::vector<zr::wayPoint_S>& positionPoints,
                                      const std::vector<zr::wayPoint_S>& orientationPoints,
                                      zr::ToolKinematicsOriCalibrateMathod method, zr::ToolInEndDesc& tool)
{
    if (positionPoints.size() < 4 || positionPoints.size() > static_cast<std::size_t>(INT_MAX) ||
        !orientationCountFits(orientationPoints.size(), static_cast<int>(method))) {
        ZARN_LOG(3, "sdk log: toolCalibration\u3000error, param error.");
        return zr::ErrCode_ToolCalibrationParamError;
    }

    bool solved = false;
    Pose_S result{cartesianPos_U{0.0, 0.0, 0.0}, Ori{1.0, 0.0, 0.0, 0.0}};
    try {
        std::vector<Pose_S> positionPoses = flangePoses(positionPoints);
        std::vector<Pose_S> orientationPoses = flangePoses(orientationPoints);
        const bool withOrientation = !orientationPoses.empty();
        solved = Ikfunc::api_tool_coord_calib(positionPoses.data(), static_cast<unsigned>(positionPoses.size()),
                                              withOrientation ? orientationPoses.data() : nullptr,
                                              withOrientation ? static_cast<char>(method) : kToolCalibPositionOnly,
                                              result);
    } catch (const std::bad_alloc&) {
        solved = false;
    }
    if (!solved) {
        ZARN_LOG(3, "sdk log: Call ikfun api_tool_coord_calib failed.");
        return zr::ErrCode_ToolCalibrationError;
    }
    tool.toolInEndPosition = framepose::position(result);
    tool.toolInEndOrientation = result.orientation;
    return zr::ErrCode_Success;
}

int RobotUtilService::toolCalibration(const std::vector<zr::wayPoint_S>& positionPoints, char /*method*/,
                                      zr::ToolInEndDesc& tool)
{
    const std::vector<zr::wayPoint_S> noOrientationPoints;
    zr::ToolInEndDesc result;
    initToolInEndDescDataType(result);
    if (toolCalibration(positionPoints, noOrientationPoints, zr::ToolOriCalibrateMathod_xOxy, result) !=
        zr::ErrCode_Success) {
        ZARN_LOG(3, "sdk log: call toolCalibration error.");
        return zr::ErrCode_ToolCalibrationError;
    }
    tool.toolInEndPosition = result.toolInEndPosition;
    initOriDataType(tool.toolInEndOrientation);
    return zr::ErrCode_Success;
}
