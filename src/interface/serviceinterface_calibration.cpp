#include "kinematics/robotutilservice.h"
#include "serviceinterface.h"

namespace zr = zarn_robot_namespace;

int ServiceInterface::robotServiceToolCalibration(const std::vector<zr::wayPoint_S>& toolPositionCalibrateWaypoints,
                                                  const std::vector<zr::wayPoint_S>& toolOrientationCalibrateWaypoints,
                                                  zr::ToolKinematicsOriCalibrateMathod method,
                                                  zr::ToolInEndDesc& toolInEndDesc)
{
    return RobotUtilService::toolCalibration(toolPositionCalibrateWaypoints, toolOrientationCalibrateWaypoints, method,
                                             toolInEndDesc);
}

int ServiceInterface::robotServiceToolCalibration(const std::vector<zr::wayPoint_S>& toolPositionCalibrateWaypoints,
                                                  char method, zr::ToolInEndDesc& toolInEndDesc)
{
    return RobotUtilService::toolCalibration(toolPositionCalibrateWaypoints, method, toolInEndDesc);
}

int ServiceInterface::robotServiceCheckUserCoordinate(const zr::CoordCalibrateByJointAngleAndTool& userCoord)
{
    return RobotUtilService::checkCoordinateSystemCalibration(userCoord);
}

int ServiceInterface::robotServiceUserCoordinateCalibration(const zr::CoordCalibrateByJointAngleAndTool& userCoord,
                                                            double bInWPos[3], double bInWOri[9], double wInBPos[3])
{
    return RobotUtilService::coordinateSystemCalibration(userCoord, bInWPos, bInWOri, wInBPos);
}
