#ifndef ZARN_KINEMATICS_MATRIXMATH_H
#define ZARN_KINEMATICS_MATRIXMATH_H

#include "zarnrobottypes.h"

// Dense row-major matrix routines used by the least-squares tool calibration.

// C (m x p) gets A*B with A stored m x k (aPlain) or A^T*B with A stored k x m.
// The product is formed in a temporary, so C may alias A or B. With `overwrite`
// clear the product is added to C. False, C untouched, for a null pointer or a
// failed allocation.
bool matrixMultiplication(double* C, const double* A, const double* B, unsigned m, unsigned k,
                          unsigned p, bool overwrite, bool aPlain);

// In-place inverse of a symmetric n x n matrix by a pivot-free sweep over one
// triangle. False when a pivot vanishes (M is then partly overwritten), for a
// null M or n < 1. A non-symmetric input gives a wrong result silently.
bool positiveDefiniteMatrixInverse(double* M, int n);

// out = a x b, scaled to unit length when `normalize` is set. A zero-length
// product is left as it is rather than turned into NaN; `out` may alias a or b.
void vectorCrossProduct(zarn_robot_namespace::Pos& out, const zarn_robot_namespace::Pos& a,
                        const zarn_robot_namespace::Pos& b, bool normalize);

#endif  // ZARN_KINEMATICS_MATRIXMATH_H
