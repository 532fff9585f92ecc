// Tool calibration steps of Ikfunc on internal poses.
#include <climits>
#include <memory>
#include <new>

#include "kinematics/ikfunc.h"
#include "kinematics/toolcalibration.h"

namespace {

bool isOrientationMethod(char method) { return static_cast<int>(method) >= 0 && static_cast<int>(method) <= 5; }

}  // namespace

bool Ikfunc::api_tool_coord_calib(Pose_S* positionPoses, unsigned count, Pose_S* orientationPoses, char method,
                                  Pose_S& out)
{
    if (positionPoses == nullptr || count < 4 || count > static_cast<unsigned>(INT_MAX)) return false;
    const bool withOrientation = isOrientationMethod(method) && orientationPoses != nullptr;
    double position[3];
    Ori orientation{1.0, 0.0, 0.0, 0.0};
    if (!toolCoordinateCalib(positionPoses, static_cast<int>(count), false, position,
                             withOrientation ? method : kToolCalibPositionOnly,
                             withOrientation ? orientationPoses : nullptr,
                             withOrientation ? &orientation : nullptr)) {
        return false;
    }
    out.position = cartesianPos_U{position[0], position[1], position[2]};
    if (withOrientation) out.orientation = orientation;
    return true;
}

bool Ikfunc::toolCoordinateCalib(Pose_S* poses, int count, bool check, double* position, char method,
                                 Pose_S* orientationPoses, Ori* orientation)
{
    // The calibration always runs without the determinant check; the flag only
    // keeps the signature of the step.
    (void)check;
    if (poses == nullptr || position == nullptr || count < 4) return false;
    const std::size_t n = static_cast<std::size_t>(count);
    std::unique_ptr<double[]> rotations(new (std::nothrow) double[9 * n]);
    std::unique_ptr<double[]> positions(new (std::nothrow) double[3 * n]);
    if (!rotations || !positions) return false;
    for (std::size_t i = 0; i < n; ++i) {
        posOri2homoArr(poses[i].position, poses[i].orientation, &rotations[9 * i], &positions[3 * i]);
    }

    const bool withOrientation = isOrientationMethod(method) && orientationPoses != nullptr && orientation != nullptr;
    double orientationRotations[3][9];
    double orientationPositions[3][3];
    if (withOrientation) {
        const int postures = static_cast<int>(method) <= 2 ? 3 : 2;
        for (int k = 0; k < postures; ++k) {
            posOri2homoArr(orientationPoses[k].position, orientationPoses[k].orientation, orientationRotations[k],
                           orientationPositions[k]);
        }
    }

    double toolPosition[3];
    double toolRotation[9];
    if (!toolCoordinateCalibLib(rotations.get(), positions.get(), count,
                                withOrientation ? method : kToolCalibPositionOnly,
                                withOrientation ? orientationRotations : nullptr,
                                withOrientation ? orientationPositions : nullptr, false, 0.01, toolPosition,
                                withOrientation ? toolRotation : nullptr)) {
        return false;
    }
    Ori toolOrientation{1.0, 0.0, 0.0, 0.0};
    if (withOrientation && !OriMatrixToQuaternion(toolRotation, toolOrientation)) return false;
    for (int i = 0; i < 3; ++i) position[i] = toolPosition[i];
    if (withOrientation) *orientation = toolOrientation;
    return true;
}
