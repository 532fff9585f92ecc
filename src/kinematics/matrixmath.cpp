#include "kinematics/matrixmath.h"

#include <cmath>
#include <cstddef>
#include <memory>
#include <new>

bool matrixMultiplication(double* C, const double* A, const double* B, unsigned m, unsigned k,
                          unsigned p, bool overwrite, bool aPlain)
{
    if (C == nullptr || A == nullptr || B == nullptr) return false;
    const std::size_t count = static_cast<std::size_t>(m) * p;
    std::unique_ptr<double[]> product(new (std::nothrow) double[count > 0 ? count : 1]);
    if (!product) return false;

    for (std::size_t i = 0; i < m; ++i) {
        for (std::size_t j = 0; j < p; ++j) {
            double sum = 0.0;
            for (std::size_t l = 0; l < k; ++l) {
                const double a = aPlain ? A[i * k + l] : A[l * m + i];
                sum += a * B[l * p + j];
            }
            product[i * p + j] = overwrite ? sum : C[i * p + j] + sum;
        }
    }
    for (std::size_t i = 0; i < count; ++i) C[i] = product[i];
    return true;
}

bool positiveDefiniteMatrixInverse(double* M, int n)
{
    if (M == nullptr || n < 1) return false;
    const std::size_t size = static_cast<std::size_t>(n);
    std::unique_ptr<double[]> row(new (std::nothrow) double[size]);
    if (!row) return false;

    // Each step eliminates the top-left pivot and rotates the matrix by one
    // row and column, so after n steps the lower triangle holds the inverse.
    for (std::size_t k = 0; k < size; ++k) {
        const double pivot = M[0];
        if (std::fabs(pivot) + 1.0 == 1.0) return false;
        const std::size_t last = size - k - 1;
        for (std::size_t i = 1; i < size; ++i) {
            const double g = M[i * size];
            row[i] = g / pivot;
            if (i <= last) row[i] = -row[i];
            for (std::size_t j = 1; j <= i; ++j) {
                M[(i - 1) * size + j - 1] = M[i * size + j] + g * row[j];
            }
        }
        M[size * size - 1] = 1.0 / pivot;
        for (std::size_t i = 1; i < size; ++i) M[(size - 1) * size + i - 1] = row[i];
    }
    for (std::size_t i = 0; i + 1 < size; ++i) {
        for (std::size_t j = i + 1; j < size; ++j) M[i * size + j] = M[j * size + i];
    }
    return true;
}

void vectorCrossProduct(zarn_robot_namespace::Pos& out, const zarn_robot_namespace::Pos& a,
                        const zarn_robot_namespace::Pos& b, bool normalize)
{
    zarn_robot_namespace::Pos c{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    if (normalize) {
        const double length = std::sqrt(c.x * c.x + c.y * c.y + c.z * c.z);
        if (length > 0.0) {
            c.x /= length;
            c.y /= length;
            c.z /= length;
        }
    }
    out = c;
}
