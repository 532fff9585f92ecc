// User frames taught by three poses: construction and the pose conversions.
#include "interface/robotlogprint.h"
#include "kinematics/ikfunc.h"
#include "kinematics/rotmath.h"
#include "kinematics/usercoordcalib.h"

namespace {

Pos toPos(const cartesianPos_U& p) { return Pos{p.x, p.y, p.z}; }

}  // namespace

bool Ikfunc::userCoordinateCalib(Pose_S* three, char method, double* t, double* R, double* origin)
{
    if (three == nullptr || t == nullptr || R == nullptr || origin == nullptr) return false;
    double c = 1.0;
    // Degenerate teach points land here too: they are a configuration the
    // user has to teach again, just like an unknown method.
    if (!userCoordinateCalibLib(toPos(three[0].position), toPos(three[1].position), toPos(three[2].position),
                                static_cast<int>(method), c, t, R, origin)) {
        ZARN_LOG(2, "sdk log:User Coordinate Calib: Error Configuration, please re-try!");
        return false;
    }
    return true;
}

bool Ikfunc::api_user_coord_calib(Pose_S* three, char method, double* t, double* R, double* origin)
{
    return userCoordinateCalib(three, method, t, R, origin);
}

bool Ikfunc::waypointDisplay(const Pose_S& toolPose, const double* t, const double* R, Pose_S& userPose)
{
    if (t == nullptr || R == nullptr) return false;
    double toolRotation[9];
    QuaternionToOriMatrix(toolPose.orientation, toolRotation);
    const double position[3] = {toolPose.position.x, toolPose.position.y, toolPose.position.z};
    return hMatrixMultiply(R, t, toolRotation, position, &userPose, nullptr);
}

bool Ikfunc::coordinateTransform(Pose_S* three, char method, const Pose_S& toolPose, Pose_S& userPose)
{
    double t[3], R[9], origin[3];
    if (!userCoordinateCalib(three, method, t, R, origin)) return false;
    return waypointDisplay(toolPose, t, R, userPose);
}

bool Ikfunc::robotCoordConvert(const Pose_S& userPose, Pose_S* three, char method, Pose_S& basePose)
{
    double t[3], R[9], origin[3];
    if (!userCoordinateCalib(three, method, t, R, origin)) return false;
    double userToBase[9];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) userToBase[i * 3 + j] = R[j * 3 + i];
    double userRotation[9];
    QuaternionToOriMatrix(userPose.orientation, userRotation);
    const double position[3] = {userPose.position.x, userPose.position.y, userPose.position.z};
    return hMatrixMultiply(userToBase, origin, userRotation, position, &basePose, nullptr);
}
