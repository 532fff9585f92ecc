#ifndef ZARN_KINEMATICS_FRAMEPOSE_H
#define ZARN_KINEMATICS_FRAMEPOSE_H

#include <cmath>

#include "kinematics/ikfunc.h"
#include "kinematics/robotutilservice.h"

// Helpers shared by the frame conversions of RobotUtilService.
namespace framepose {

// Methods outside 0 to 8 must stay invalid after narrowing to char (256 would
// otherwise become method 0).
inline char userFrameMethod(int methods)
{
    return (methods >= 0 && methods <= 8) ? static_cast<char>(methods) : static_cast<char>(9);
}

inline Pose_S pose(const Pos& p, const Ori& q) { return Pose_S{cartesianPos_U{p.x, p.y, p.z}, q}; }

inline Pos position(const Pose_S& pose) { return Pos{pose.position.x, pose.position.y, pose.position.z}; }

// Tool pose (p + R(q) t, q (x) qt) of a flange pose.
inline Pose_S toolPose(const Pos& p, const Ori& q, const zarn_robot_namespace::ToolInEndDesc& tool)
{
    Pose_S result = pose(p, q);
    double t[3] = {tool.toolInEndPosition.x, tool.toolInEndPosition.y, tool.toolInEndPosition.z};
    Ikfunc::endPosition2ToolPosition(result, t, nullptr);
    Ikfunc::endOrientation2ToolOrientation(tool.toolInEndOrientation, q, result.orientation);
    return result;
}

inline void framePoses(const CoordCalibrateByToolEndPoint& frame, Pose_S three[3])
{
    for (int i = 0; i < 3; ++i) {
        three[i] = pose(frame.toolEndPoints[i].cartPos, frame.toolEndPoints[i].orientation);
    }
}

// A quaternion that can be normalised: not zero, nothing NaN or infinite.
inline bool usableQuaternion(const Ori& q)
{
    const double n = std::sqrt(q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z);
    return n > 0.0 && std::isfinite(n);
}

}  // namespace framepose

#endif  // ZARN_KINEMATICS_FRAMEPOSE_H
