#include "kinematics/robotutilservice.h"
#include "serviceinterface.h"

namespace zr = zarn_robot_namespace;

int ServiceInterface::robotServiceOriMatrixToQuaternion(double* rotationMatrix, zr::Ori& orientation)
{
    return RobotUtilService::oriMatrixToQuaternion(rotationMatrix, orientation);
}

int ServiceInterface::quaternionToRPY(const zr::Ori& orientation, zr::Rpy& rpy)
{
    return RobotUtilService::quaternionToRPY(orientation, rpy);
}

int ServiceInterface::RPYToQuaternion(const zr::Rpy& rpy, zr::Ori& orientation)
{
    return RobotUtilService::RPYToQuaternion(rpy, orientation);
}

int ServiceInterface::baseToUserCoordinate(const zr::Pos& flangePositionOnBase, const zr::Ori& flangeOrientationOnBase,
                                           const zr::CoordCalibrateByJointAngleAndTool& userCoord,
                                           const zr::ToolInEndDesc& toolInEndDesc, zr::Pos& toolEndPositionOnUserCoord,
                                           zr::Ori& toolEndOrientationOnUserCoord)
{
    return RobotUtilService::base2UserCoordinate(flangePositionOnBase, flangeOrientationOnBase, userCoord,
                                                 toolInEndDesc, toolEndPositionOnUserCoord,
                                                 toolEndOrientationOnUserCoord);
}

int ServiceInterface::baseToBaseAdditionalTool(const zr::Pos& flangePositionOnBase,
                                               const zr::Ori& flangeOrientationOnBase,
                                               const zr::ToolInEndDesc& toolInEndDesc,
                                               zr::Pos& toolEndPositionOnBase, zr::Ori& toolEndOrientationOnBase)
{
    zr::wayPoint_S flange;
    RobotUtilService::initWayPointDataType(flange);
    flange.cartPos = flangePositionOnBase;
    flange.orientation = flangeOrientationOnBase;
    zr::wayPoint_S tool = flange;
    const int result = RobotUtilService::base2BaseAdditionalTool(flange, toolInEndDesc, tool);
    toolEndPositionOnBase = tool.cartPos;
    toolEndOrientationOnBase = tool.orientation;
    return result;
}

int ServiceInterface::userToBaseCoordinate(const zr::Pos& toolEndPositionOnUserCoord,
                                           const zr::Ori& toolEndOrientationOnUserCoord,
                                           const zr::CoordCalibrateByJointAngleAndTool& userCoord,
                                           const zr::ToolInEndDesc& toolInEndDesc, zr::Pos& flangePositionOnBase,
                                           zr::Ori& flangeOrientationOnBase)
{
    return RobotUtilService::user2BaseCoordinate(toolEndPositionOnUserCoord, toolEndOrientationOnUserCoord,
                                                 userCoord, toolInEndDesc, flangePositionOnBase,
                                                 flangeOrientationOnBase);
}

int ServiceInterface::userCoordPointToBasePoint(const zr::Pos& userCoordPoint,
                                                const zr::CoordCalibrateByJointAngleAndTool& userCoord,
                                                zr::Pos& basePoint)
{
    return RobotUtilService::userCoordPoint2BasePoint(userCoordPoint, userCoord, basePoint);
}

int ServiceInterface::endOrientation2ToolOrientation(zr::Ori& toolInEndOrientation, const zr::Ori& endOrientation,
                                                     zr::Ori& toolOrientation)
{
    return RobotUtilService::endOrientation2ToolOrientation(toolInEndOrientation, endOrientation, toolOrientation);
}

int ServiceInterface::toolOrientation2EndOrientation(zr::Ori& toolInEndOrientation, const zr::Ori& toolOrientation,
                                                     zr::Ori& endOrientation)
{
    return RobotUtilService::toolOrientation2EndOrientation(toolInEndOrientation, toolOrientation, endOrientation);
}

void ServiceInterface::initPosDataType(zr::Pos& position)
{
    RobotUtilService::initPosDataType(position);
}

void ServiceInterface::initOriDataType(zr::Ori& orientation)
{
    RobotUtilService::initOriDataType(orientation);
}

void ServiceInterface::initMoveRelativeDataType(zr::MoveRelative& moveRelative)
{
    RobotUtilService::initMoveRelativeDataType(moveRelative);
}

void ServiceInterface::initWayPointDataType(zr::wayPoint_S& waypoint)
{
    RobotUtilService::initWayPointDataType(waypoint);
}

void ServiceInterface::initToolInEndDescDataType(zr::ToolInEndDesc& toolInEndDesc)
{
    RobotUtilService::initToolInEndDescDataType(toolInEndDesc);
}

void ServiceInterface::initCoordCalibrateByJointAngleAndToolDataType(zr::CoordCalibrateByJointAngleAndTool& coord)
{
    RobotUtilService::initCoordCalibrateByJointAngleAndToolDataType(coord);
}

void ServiceInterface::initToolInertiaDataType(zr::ToolInertia& toolInertia)
{
    RobotUtilService::initToolInertiaDataType(toolInertia);
}

void ServiceInterface::initToolDynamicsParamDataType(zr::ToolDynamicsParam& toolDynamicsParam)
{
    RobotUtilService::initToolDynamicsParamDataType(toolDynamicsParam);
}
