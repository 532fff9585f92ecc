#ifndef ZARN_KINEMATICS_OUR_ALG_H
#define ZARN_KINEMATICS_OUR_ALG_H

// The process-wide kinematic model of the arm (robot type and DH lengths) and
// the closed-form forward and inverse kinematics that read it.

// Robot type numbers; 0 to 9 name a built-in length set, 0 being the default.
typedef int zarn_robot_type;

// One consistent view of the model. Kinematics reads one per call so a model
// installed by another thread never mixes old and new lengths in one result.
struct DhModel {
    zarn_robot_type robotType;
    double a2;
    double a3;
    double d1;
    double d2;  // total sideways offset used by the kinematics
    double d5;
    double d6;
    double d4;  // elbow offset, kept with the set, read by no formula
};

DhModel dhModelSnapshot();

void setDhParaLen(zarn_robot_type type, double a2, double a3, double d1, double d2, double d5,
                  double d6, double d4);
void getDhPara(double& a2, double& a3, double& d1, double& d2, double& d5, double& d6);
void getDhPara(double& a2, double& a3, double& d1, double& d2, double& d5, double& d6, double* d4);
void modifyDhParaLen(const float* aOffsets, const float* dOffsets);
zarn_robot_type getRobotType();

// Nominal length set of a built-in type; false (and the type-0 set) outside 0 to 9.
bool nominalDhModel(zarn_robot_type type, DhModel& out);

// Model angles in, flange position (3) and row-major rotation (9) out.
void ComputeFkLib(const double* theta, double* position, double* rotation);
void ComputeFkLib(const DhModel& model, const double* theta, double* position, double* rotation);

// Flange position only, for checks that need no orientation.
void ComputeFkPositionLib(const DhModel& model, const double* theta, double* position);

// Up to eight solutions, column i of the table is solution i. Rows 1 and 2 of
// `rotation` and x, y of `position` are negated in place: pass scratch copies.
int ComputeIkLib(const double* thetaRef, double* rotation, double* position, double solutions[6][8]);
int ComputeIkLib(const DhModel& model, const double* thetaRef, double* rotation, double* position,
                 double solutions[6][8]);

// Angle in (-pi, pi] from a sine and cosine of any common scale.
double antiSinCos(double s, double c);

#endif  // ZARN_KINEMATICS_OUR_ALG_H
