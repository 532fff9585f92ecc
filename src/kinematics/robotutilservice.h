#ifndef ZARN_KINEMATICS_ROBOTUTILSERVICE_H
#define ZARN_KINEMATICS_ROBOTUTILSERVICE_H

#include <string>
#include <vector>

#include "kinematics/ikfunc.h"
#include "zarnrobottypes.h"

/* ---------- frame taught by tool poses (orientation and calibration) ---------- */
// A frame description whose three postures are already turned into tool poses.
struct CoordCalibrateByToolEndPoint {
    int coordType;  // 0 base, 1 end, 2 world (user frame)
    int methods;    // user-frame construction method 0 to 8
    zarn_robot_namespace::wayPoint_S toolEndPoints[3];
};

// Local kinematics on the public records; stateless, callable from any thread.
class RobotUtilService {
public:
    RobotUtilService() {}

    /* ---------- robot model ---------- */
    static void setRobotDhParam(int type, const zarn_robot_namespace::RobotDhPara& dh);
    static int setJoint1Rot360(bool enable);
    static int setJoint6Rot360(bool enable);

    /* ---------- forward and inverse kinematics ---------- */
    static int robotFk(const double* joints, int count, zarn_robot_namespace::wayPoint_S& wp);
    static int robotIk(const double* ref, const Pos& pos, const Ori& ori,
                       zarn_robot_namespace::wayPoint_S& wp);
    static int robotIk(const Pos& pos, const Ori& ori,
                       std::vector<zarn_robot_namespace::wayPoint_S>& all);
    static int jointStringToWaypoint(const std::string& text, zarn_robot_namespace::wayPoint_S& wp);

    /* ---------- orientation arithmetic and frame transforms ---------- */
    static int endOrientation2ToolOrientation(Ori& toolInEnd, const Ori& endOri, Ori& toolOri);
    static int toolOrientation2EndOrientation(Ori& toolInEnd, const Ori& toolOri, Ori& endOri);
    // out = p + R(q (x) frameOri) point for the flange pose (p, q) of wp.
    static int endPosition2BasePosition(const zarn_robot_namespace::wayPoint_S& wp, const Pos& point,
                                        Pos& out, Ori frameOri);
    static int quaternionToRPY(const Ori& q, zarn_robot_namespace::Rpy& rpy);
    static int RPYToQuaternion(const zarn_robot_namespace::Rpy& rpy, Ori& q);
    static int oriMatrixToQuaternion(double* rotation, Ori& q);
    static void initOrientation(Ori& q);
    static bool isNoneTool(const zarn_robot_namespace::ToolInEndDesc& tool);
    static int base2UserCoordinate(const Pos& flangePos, const Ori& flangeOri,
                                   const zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& frame,
                                   const zarn_robot_namespace::ToolInEndDesc& tool, Pos& userPos,
                                   Ori& userOri);
    static int user2BaseCoordinate(const Pos& userPos, const Ori& userOri,
                                   const zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& frame,
                                   const zarn_robot_namespace::ToolInEndDesc& tool, Pos& flangePos,
                                   Ori& flangeOri);
    static int base2BaseAdditionalTool(const zarn_robot_namespace::wayPoint_S& flange,
                                       const zarn_robot_namespace::ToolInEndDesc& tool,
                                       zarn_robot_namespace::wayPoint_S& out);
    static int userCoordPoint2BasePoint(const Pos& userPoint,
                                        const zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& frame,
                                        Pos& basePoint);
    static int offsetVectorUserCoord2Base(const double* userVector,
                                          const zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& frame,
                                          double* baseVector);
    static int CoordCalibrateTypeConvert(const zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& frame,
                                         CoordCalibrateByToolEndPoint& out);
    // 1 with the offset (or, for a flange frame with a tool, the absolute
    // target) in base coordinates, 0 on failure.
    static int relativeMoveAndRot(zarn_robot_namespace::wayPoint_S& wp,
                                  const zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& frame,
                                  zarn_robot_namespace::ToolInEndDesc tool, const Pos& relPos,
                                  const Ori& relOri, Pos& outPos, Ori& outOri);

    /* ---------- record initialisers ---------- */
    static void initPosDataType(Pos& pos);
    static void initOriDataType(Ori& ori);
    static void initMoveRelativeDataType(zarn_robot_namespace::MoveRelative& relative);
    // Forward kinematics of the zero posture with the model in force.
    static void initWayPointDataType(zarn_robot_namespace::wayPoint_S& wp);
    static void initToolInEndDescDataType(zarn_robot_namespace::ToolInEndDesc& tool);
    static void initCoordCalibrateByJointAngleAndToolDataType(
        zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& frame);
    static void initToolInertiaDataType(zarn_robot_namespace::ToolInertia& inertia);
    static void initToolDynamicsParamDataType(zarn_robot_namespace::ToolDynamicsParam& param);

    /* ---------- calibration ---------- */
    // Base-to-user transform of a user frame: t (3), R (9, rows = user axes), origin (3).
    static int coordinateSystemCalibration(const zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& frame,
                                           double* t, double* R, double* origin);
    static int coordinateSystemCalibration(const CoordCalibrateByToolEndPoint& frame, double* t, double* R,
                                           double* origin);
    static int checkCoordinateSystemCalibration(
        const zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& frame);
    static int toolCalibration(const std::vector<zarn_robot_namespace::wayPoint_S>& positionPoints,
                               const std::vector<zarn_robot_namespace::wayPoint_S>& orientationPoints,
                               zarn_robot_namespace::ToolKinematicsOriCalibrateMathod method,
                               zarn_robot_namespace::ToolInEndDesc& tool);
    // Position only; the char is not read.
    static int toolCalibration(const std::vector<zarn_robot_namespace::wayPoint_S>& positionPoints, char method,
                               zarn_robot_namespace::ToolInEndDesc& tool);
};

#endif  // ZARN_KINEMATICS_ROBOTUTILSERVICE_H
