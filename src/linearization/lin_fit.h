#pragma once

#include <array>

namespace lmk17 {

inline constexpr int kMaxLinearSystem = 10;
inline constexpr int kMaxFitPoints = 64;

enum class SolveStatus { Solved, Singular, TooLarge };

// An n x (n + 1) augmented matrix, n <= 10.
using AugmentedMatrix = std::array<std::array<double, kMaxLinearSystem + 1>, kMaxLinearSystem>;

// Gauss-Jordan elimination with full pivoting. The pivot search keeps the
// first of equal magnitudes in row-major order; a pivot of magnitude 1e-10 or
// less makes the system singular. On success `solution[0..n-1]` holds the
// unknowns in their original order; otherwise it is left untouched. The
// matrix is used as working storage.
SolveStatus SolveLinearSystem(int n, AugmentedMatrix& a,
                              std::array<double, kMaxLinearSystem>& solution);

// Coefficients c0..c3 (of X^0 first).
using Cubic = std::array<double, 4>;

// The least-squares polynomial through n points, of a degree chosen by n:
// none for n = 0 (Y = X), an offset of slope 1 for n = 1, a line for n = 2,
// a parabola for n = 3 and a cubic from n = 4; all zero for n > 64.
//
// When the normal equations are singular (for instance, all X equal), the
// degree is lowered until they are not; when not even a line can be solved,
// the result is the slope-1 line through the mean point, as for a single
// point. Never returns non-finite coefficients for finite input.
Cubic FitCubic(int n, const double* x, const double* y);

// c0 + c1 x + c2 x^2 + c3 x^3.
inline double EvaluateCubic(const Cubic& c, double x) {
    return c[0] + c[1] * x + c[2] * x * x + c[3] * x * x * x;
}

}  // namespace lmk17
