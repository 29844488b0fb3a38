#include "linearization/lin_fit.h"

#include <cmath>
#include <utility>

namespace lmk17 {

SolveStatus SolveLinearSystem(int n, AugmentedMatrix& a,
                              std::array<double, kMaxLinearSystem>& solution) {
    if (n > kMaxLinearSystem) return SolveStatus::TooLarge;
    std::array<int, kMaxLinearSystem> column{};
    for (int i = 0; i < n; ++i) column[size_t(i)] = i;

    for (int k = 0; k < n; ++k) {
        int pr = k, pc = k;
        double best = std::fabs(a[k][k]);
        for (int r = k; r < n; ++r) {
            for (int c = k; c < n; ++c) {
                if (std::fabs(a[r][c]) > best) {
                    best = std::fabs(a[r][c]);
                    pr = r;
                    pc = c;
                }
            }
        }
        for (int c = k; c <= n; ++c) std::swap(a[k][c], a[pr][c]);
        for (int r = 0; r < n; ++r) std::swap(a[r][k], a[r][pc]);
        std::swap(column[size_t(k)], column[size_t(pc)]);

        const double pivot = a[k][k];
        if (!(std::fabs(pivot) > 1e-10)) return SolveStatus::Singular;
        for (int c = k; c <= n; ++c) a[k][c] /= pivot;
        for (int r = 0; r < n; ++r) {
            if (r == k) continue;
            const double f = a[r][k];
            for (int c = k; c <= n; ++c) a[r][c] -= f * a[k][c];
        }
    }
    for (int i = 0; i < n; ++i) solution[size_t(column[size_t(i)])] = a[i][n];
    return SolveStatus::Solved;
}

namespace {

// Solves the leading m x m part of the normal equations (right-hand side
// moved into column m); false when singular or not finite.
bool SolveLeading(int m, const double (&sx)[7], const double (&sxy)[4], Cubic& result) {
    AugmentedMatrix a{};
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j < m; ++j) a[i][j] = sx[i + j];
        a[i][m] = sxy[i];
    }
    std::array<double, kMaxLinearSystem> s{};
    if (SolveLinearSystem(m, a, s) != SolveStatus::Solved) return false;
    Cubic c{};
    for (int i = 0; i < m; ++i) {
        if (!std::isfinite(s[size_t(i)])) return false;
        c[size_t(i)] = s[size_t(i)];
    }
    result = c;
    return true;
}

}  // namespace

Cubic FitCubic(int n, const double* x, const double* y) {
    if (n > kMaxFitPoints) return {0, 0, 0, 0};
    if (n <= 0) return {0, 1, 0, 0};
    if (n == 1) return {y[0] - x[0], 1, 0, 0};

    double sx[7] = {};
    double sxy[4] = {};
    for (int p = 0; p < n; ++p) {
        double power = 1.0;
        for (int k = 0; k < 7; ++k) {
            sx[k] += power;
            if (k < 4) sxy[k] += power * y[p];
            power *= x[p];
        }
    }
    Cubic c{};
    for (int m = n >= 4 ? 4 : n; m >= 2; --m)
        if (SolveLeading(m, sx, sxy, c)) return c;
    // Not even a line: all X (practically) equal.
    return {sxy[0] / n - sx[1] / n, 1, 0, 0};
}

}  // namespace lmk17
