#ifndef ZARN_KINEMATICS_USERCOORDCALIB_H
#define ZARN_KINEMATICS_USERCOORDCALIB_H

#include "zarnrobottypes.h"

// Teach points closer than this (metres) to each other, or a third point
// closer than this to the line through the first two, span no frame.
// 1 um lies far below the repeatability of any arm, so a real teach-in never
// trips it, yet it catches points that are equal or aligned up to rounding,
// which would otherwise turn into NaN axes.
constexpr double kUserFrameDegenerateDistance = 1e-6;

// User frame from the teach points p1 (origin), p2 (first axis) and p3 (side of
// the second axis) with construction method 0 to 8. On success R (row-major,
// rows = user X, Y, Z in base), t = -R*origin and origin are written, and for
// the non-orthogonal methods 0 to 2 `c` receives the cosine between the first
// two axes. False for another method, a null output or degenerate points.
bool userCoordinateCalibLib(const zarn_robot_namespace::Pos& p1, const zarn_robot_namespace::Pos& p2,
                            const zarn_robot_namespace::Pos& p3, int method, double& c, double* t,
                            double* R, double* origin);

// Whether the three points are too close or too nearly aligned to span a frame.
bool userFramePointsDegenerate(const zarn_robot_namespace::Pos& p1, const zarn_robot_namespace::Pos& p2,
                               const zarn_robot_namespace::Pos& p3);

#endif  // ZARN_KINEMATICS_USERCOORDCALIB_H
