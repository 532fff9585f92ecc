#include "kinematics/robotutilservice.h"
#include "serviceinterface.h"

namespace zr = zarn_robot_namespace;

int ServiceInterface::robotServiceRobotFk(const double* jointAngle, int size, zr::wayPoint_S& waypoint)
{
    return RobotUtilService::robotFk(jointAngle, size, waypoint);
}

int ServiceInterface::robotServiceRobotIk(const double* jointAngleRef, const zr::Pos& position,
                                          const zr::Ori& orientation, zr::wayPoint_S& waypoint)
{
    return RobotUtilService::robotIk(jointAngleRef, position, orientation, waypoint);
}

int ServiceInterface::robotServiceRobotIk(const zr::Pos& position, const zr::Ori& orientation,
                                          std::vector<zr::wayPoint_S>& waypoints)
{
    return RobotUtilService::robotIk(position, orientation, waypoints);
}
