#include "kinematics/toolcalibration.h"

#include "kinematics/matrixmath.h"
#include "kinematics/rotmath.h"

namespace {

double determinant3(const double* A)
{
    return A[0] * (A[4] * A[8] - A[5] * A[7]) - A[1] * (A[3] * A[8] - A[5] * A[6]) +
           A[2] * (A[3] * A[7] - A[4] * A[6]);
}

// Least-squares point t with R_i t + p_i equal for every posture.
bool solveToolPosition(double* rotations, double* positions, int n, bool check, double threshold,
                       double* toolPosition)
{
    double A[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    double b[3] = {0, 0, 0};
    const double* R0 = rotations;
    const double* p0 = positions;
    for (int i = n - 1; i >= 1; --i) {
        double* Ri = rotations + 9 * i;
        double* pi = positions + 3 * i;
        for (int j = 0; j < 9; ++j) Ri[j] -= R0[j];
        for (int j = 0; j < 3; ++j) pi[j] -= p0[j];
        if (!matrixMultiplication(A, Ri, Ri, 3, 3, 3, false, false)) return false;
        if (!matrixMultiplication(b, Ri, pi, 3, 3, 1, false, false)) return false;
    }
    if (check && !(determinant3(A) > threshold)) return false;
    if (!positiveDefiniteMatrixInverse(A, 3)) return false;
    const double minusB[3] = {-b[0], -b[1], -b[2]};
    return matrixMultiplication(toolPosition, A, minusB, 3, 3, 1, true, true);
}

bool pointDirection(const double* from, const double* to, double* out)
{
    for (int i = 0; i < 3; ++i) out[i] = to[i] - from[i];
    if (!(rotmath::dot(out, out) >= kToolOriMinSquaredDistance)) return false;
    rotmath::normalize(out);
    return true;
}

bool solveToolRotation(int method, double orientationRotations[][9], double orientationPositions[][3],
                       const double* toolPosition, double* toolRotation)
{
    double d1[3], d2[3];
    if (method <= 2) {
        double points[3][3];
        for (int k = 0; k < 3; ++k) {
            rotmath::apply(orientationRotations[k], toolPosition, points[k]);
            for (int i = 0; i < 3; ++i) points[k][i] += orientationPositions[k][i];
        }
        if (!pointDirection(points[0], points[1], d1)) return false;
        if (!pointDirection(points[0], points[2], d2)) return false;
    } else {
        // Base -z seen in the flange frame of each posture.
        for (int i = 0; i < 3; ++i) {
            d1[i] = -orientationRotations[0][6 + i];
            d2[i] = -orientationRotations[1][6 + i];
        }
    }

    double normal[3], second[3];
    rotmath::cross(d1, d2, normal);
    // Parallel directions would leave the frame undefined (NaN axes).
    if (!(rotmath::norm(normal) >= kToolOriMinSine * rotmath::norm(d1) * rotmath::norm(d2))) {
        return false;
    }
    rotmath::normalize(normal);
    rotmath::cross(normal, d1, second);
    rotmath::normalize(second);

    double rotation[9];
    const double* columns[3] = {d1, second, normal};
    for (int c = 0; c < 3; ++c) {
        const int column = (method + c) % 3;
        for (int row = 0; row < 3; ++row) rotation[row * 3 + column] = columns[c][row];
    }
    if (method <= 2) {
        // The directions were measured in base: express them in the flange.
        if (!matrixMultiplication(rotation, orientationRotations[0], rotation, 3, 3, 3, true, false)) {
            return false;
        }
    }
    for (int i = 0; i < 9; ++i) toolRotation[i] = rotation[i];
    return true;
}

}  // namespace

bool toolCoordinateCalibLib(double* rotations, double* positions, int n, char method,
                            double orientationRotations[][9], double orientationPositions[][3],
                            bool check, double threshold, double* toolPosition, double* toolRotation)
{
    if (rotations == nullptr || positions == nullptr || toolPosition == nullptr || n < 4) return false;
    const int oriMethod = static_cast<int>(method);
    const bool withOrientation = oriMethod >= 0 && oriMethod <= 5;
    if (withOrientation) {
        if (orientationRotations == nullptr || toolRotation == nullptr) return false;
        if (oriMethod <= 2 && orientationPositions == nullptr) return false;
    }

    double position[3];
    if (!solveToolPosition(rotations, positions, n, check, threshold, position)) return false;
    double rotation[9];
    if (withOrientation &&
        !solveToolRotation(oriMethod, orientationRotations, orientationPositions, position, rotation)) {
        return false;
    }
    for (int i = 0; i < 3; ++i) toolPosition[i] = position[i];
    if (withOrientation) {
        for (int i = 0; i < 9; ++i) toolRotation[i] = rotation[i];
    }
    return true;
}
