#ifndef ZARN_KINEMATICS_IKFUNC_H
#define ZARN_KINEMATICS_IKFUNC_H

#include <atomic>

#include "kinematics/our_alg.h"
#include "zarnrobottypes.h"

// Internal pose records of the kinematics. Position and quaternion share the
// public layout, so they are the public types under their internal names.
using Pos = zarn_robot_namespace::Pos;
using Ori = zarn_robot_namespace::Ori;

struct cartesianPos_U {
    double x;
    double y;
    double z;
};

struct Pose_S {
    cartesianPos_U position;
    Ori orientation;
};

// Distinct from the public waypoint but laid out alike: pose, then six joints.
struct wayPoint_S {
    cartesianPos_U cartPos;
    Ori orientation;
    double jointpos[6];
};

// Field-by-field copies between the internal and the public waypoint.
void ikFunRoadPintToZarnWayPoint(const wayPoint_S& from, zarn_robot_namespace::wayPoint_S& to);
void ZarnWayPointToikFunRoadPint(const zarn_robot_namespace::wayPoint_S& from, wayPoint_S& to);

class Ikfunc {
public:
    // Joint 1 / joint 6 may be chosen a full turn away from the principal value.
    static std::atomic<bool> joint1Rot360;
    static std::atomic<bool> joint6Rot360;

    /* ---------- robot model ---------- */
    static bool SetDhParaLen(zarn_robot_type type);
    static void setDhParameters(zarn_robot_type type, double a2, double a3, double d1, double d2,
                                double d5, double d6);

    /* ---------- forward and inverse kinematics ---------- */
    static bool ArmFk(Pos& pos, Ori& ori, double* joints);
    static bool ArmFk(wayPoint_S& wp);
    static int ComputeIk_new(wayPoint_S& wp, double solutions[6][8]);
    static bool ArmIk(wayPoint_S& wp, double* ref, bool, bool);
    static bool ArmIkProtect(wayPoint_S& wp, double* values, bool, bool);
    static bool api_arm_ik(Pos pos, Ori ori, double* joints);

    /* ---------- quaternion and matrix conversions ---------- */
    static bool OriMatrixToQuaternion(double* rotation, Ori& ori);
    static void QuaternionToOriMatrix(Ori ori, double* rotation);
    static void posOri2homoArr(cartesianPos_U pos, Ori ori, double* rotation, double* position);
    static double NORM(double a, double b, double c, double d);
    static double SIGN(double x);

    /* ---------- orientation arithmetic and frame transforms ---------- */
    // q <- q (x) p with `flag`, else q <- p (x) q (Hamilton product).
    static void QuaternionMultply(Ori& q, Ori p, bool flag);
    static void QuaternionInversion(Ori& q);
    // out <- b (x) a: tool orientation from tool-in-flange a and flange b.
    static void endOrientation2ToolOrientation(Ori a, Ori b, Ori& out);
    // out <- b (x) a*: flange orientation from tool-in-flange a and tool b.
    static void toolOrientation2EndOrientation(Ori a, Ori b, Ori& out);
    // out <- p + R(q) t (the pose's own position when out is null; null t copies p).
    static void endPosition2ToolPosition(Pose_S& flange, double* t, double* out);
    // out <- p - R(q) t for a tool pose carrying the flange orientation.
    static void toolPosition2EndPosition(Pose_S tool, cartesianPos_U& out, double* t);
    // rpy: roll, pitch, yaw in radians (R = Rz Ry Rx).
    static void RPYToQuaternion(Ori& q, float* rpy);
    // out: roll, pitch, yaw in degrees, computed in single precision.
    static void quaternionToRPY(Ori q, float* out);
    // C = A B; with a pose: orientation quat(C), position A v + t; else C into out.
    static bool hMatrixMultiply(const double* A, const double* t, const double* B, const double* v,
                                Pose_S* pose, double* out);
    // out = R v (R^T v with `transpose`), plus t when t is given.
    static void hMatrixVectorProduct(const double* R, const double* v, const double* t,
                                     bool transpose, double* out);
    static void waypoint2Pose(const wayPoint_S* waypoints, Pose_S* poses, int n);
    static void pose2Waypoint(const Pose_S* poses, wayPoint_S* waypoints, int n);
    // User frame from the positions of three poses, methods 0 to 8: base-to-user
    // rotation R (rows = user axes), t = -R origin, and the origin.
    static bool userCoordinateCalib(Pose_S* three, char method, double* t, double* R, double* origin);
    static bool api_user_coord_calib(Pose_S* three, char method, double* t, double* R, double* origin);
    // Base tool pose into user coordinates of the frame (t, R).
    static bool waypointDisplay(const Pose_S& toolPose, const double* t, const double* R,
                                Pose_S& userPose);
    // Base tool pose into the user frame taught by three poses.
    static bool coordinateTransform(Pose_S* three, char method, const Pose_S& toolPose,
                                    Pose_S& userPose);
    // User pose of the frame taught by three poses back into the base frame.
    static bool robotCoordConvert(const Pose_S& userPose, Pose_S* three, char method,
                                  Pose_S& basePose);

    /* ---------- calibration ---------- */
    // Tool centre point from count >= 4 flange poses; with a method of 0 to 5
    // and orientation poses also the tool orientation (else `out` keeps its own).
    static bool api_tool_coord_calib(Pose_S* positionPoses, unsigned count, Pose_S* orientationPoses,
                                     char method, Pose_S& out);
    static bool toolCoordinateCalib(Pose_S* poses, int count, bool check, double* position, char method,
                                    Pose_S* orientationPoses, Ori* orientation);
};

#endif  // ZARN_KINEMATICS_IKFUNC_H
