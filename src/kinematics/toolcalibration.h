#ifndef ZARN_KINEMATICS_TOOLCALIBRATION_H
#define ZARN_KINEMATICS_TOOLCALIBRATION_H

// Tool orientation methods 0 to 5; any other value calibrates the position only.
constexpr char kToolCalibPositionOnly = 6;

// Tool orientation postures whose tool points lie closer than 1 cm (squared
// distance below this) give no usable direction.
constexpr double kToolOriMinSquaredDistance = 1e-4;

// Two orientation directions whose cross product is shorter than this (the
// sine of their angle) are parallel up to rounding and span no tool frame.
constexpr double kToolOriMinSine = 1e-6;

// Tool centre point (and, for methods 0 to 5, tool orientation) from n >= 4
// flange poses whose tool point was held at one fixed spot. `rotations` holds
// n row-major 3x3 matrices and `positions` n points; both are modified in
// place. Methods 0 to 2 read three orientation postures, 3 to 5 read two. With
// `check` set, det(A) of the normal equations must exceed `threshold`.
// Outputs: toolPosition (3) and, with an orientation method, toolRotation (9,
// row-major). False on too few poses, a null input, a singular system or
// orientation postures that span no frame.
bool toolCoordinateCalibLib(double* rotations, double* positions, int n, char method,
                            double orientationRotations[][9], double orientationPositions[][3],
                            bool check, double threshold, double* toolPosition, double* toolRotation);

#endif  // ZARN_KINEMATICS_TOOLCALIBRATION_H
