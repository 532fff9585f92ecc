// Default contents of the records applications most often fill by hand.
#include <cstring>

#include "kinematics/robotutilservice.h"

namespace zr = zarn_robot_namespace;

void RobotUtilService::initPosDataType(Pos& pos) { pos = Pos{0.0, 0.0, 0.0}; }

void RobotUtilService::initOriDataType(Ori& ori) { ori = Ori{1.0, 0.0, 0.0, 0.0}; }

void RobotUtilService::initMoveRelativeDataType(zr::MoveRelative& relative)
{
    relative.ena = false;
    relative.relativePosition[0] = 0.0f;
    relative.relativePosition[1] = 0.0f;
    relative.relativePosition[2] = 0.0f;
    initOriDataType(relative.relativeOri);
}

void RobotUtilService::initWayPointDataType(zr::wayPoint_S& wp)
{
    for (double& joint : wp.jointpos) joint = 0.0;
    const double zeros[6] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
    robotFk(zeros, 6, wp);
}

void RobotUtilService::initToolInEndDescDataType(zr::ToolInEndDesc& tool)
{
    initPosDataType(tool.toolInEndPosition);
    initOriDataType(tool.toolInEndOrientation);
}

void RobotUtilService::initCoordCalibrateByJointAngleAndToolDataType(zr::CoordCalibrateByJointAngleAndTool& frame)
{
    std::memset(&frame, 0, sizeof(frame));
    initToolInEndDescDataType(frame.toolDesc);
}

void RobotUtilService::initToolInertiaDataType(zr::ToolInertia& inertia) { inertia = zr::ToolInertia{0, 0, 0, 0, 0, 0}; }

void RobotUtilService::initToolDynamicsParamDataType(zr::ToolDynamicsParam& param)
{
    param.positionX = 0.0;
    param.positionY = 0.0;
    param.positionZ = 0.0;
    param.payload = 0.0;
    initToolInertiaDataType(param.toolInertia);
}
