#include "cj_cubic_fit.h"

#include <cmath>

#include "config/cjc_sensor.h"
#include "minimax_lp.h"
#include "table_fit.h"

namespace lmk17::reference {

namespace {

constexpr int kSamples = 801;  // every 0.25 °C

struct Point {
    double s;   // sensor resistance mapped onto -1..1
    double uv;  // thermocouple voltage, µV
};

struct Scale {
    double mid;
    double half;
};

Scale sensorScale() {
    const double lo = CjcCelsiusToOhm(kCjLowCelsius);
    const double hi = CjcCelsiusToOhm(kCjHighCelsius);
    return {(lo + hi) / 2.0, (hi - lo) / 2.0};
}

std::vector<Point> points(Thermocouple type) {
    const Scale sc = sensorScale();
    std::vector<Point> out;
    for (int i = 0; i < kSamples; ++i) {
        const double t = kCjLowCelsius + (kCjHighCelsius - kCjLowCelsius) * i / (kSamples - 1);
        out.push_back(
            {(CjcCelsiusToOhm(t) - sc.mid) / sc.half, ThermocoupleMillivolts(type, t) * 1000.0});
    }
    return out;
}

std::optional<std::array<double, 4>> minimax(const std::vector<Point>& pts) {
    LinearProgram lp;
    lp.c = {0, 0, 0, 0, 1};
    for (const Point& p : pts) {
        const double s2 = p.s * p.s;
        lp.g.push_back({1.0, p.s, s2, s2 * p.s, -1.0});
        lp.h.push_back(p.uv);
        lp.g.push_back({-1.0, -p.s, -s2, -s2 * p.s, -1.0});
        lp.h.push_back(-p.uv);
    }
    const LpSolution sol = SolveLinearProgram(lp);
    if (!sol.ok) return std::nullopt;
    return std::array<double, 4>{sol.z[0], sol.z[1], sol.z[2], sol.z[3]};
}

// Normal equations on -1..1, solved by Gaussian elimination with pivoting.
std::optional<std::array<double, 4>> leastSquares(const std::vector<Point>& pts) {
    double m[4][5] = {};
    for (const Point& p : pts) {
        const double pw[4] = {1.0, p.s, p.s * p.s, p.s * p.s * p.s};
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j) m[i][j] += pw[i] * pw[j];
            m[i][4] += pw[i] * p.uv;
        }
    }
    for (int k = 0; k < 4; ++k) {
        int piv = k;
        for (int i = k + 1; i < 4; ++i)
            if (std::fabs(m[i][k]) > std::fabs(m[piv][k])) piv = i;
        if (std::fabs(m[piv][k]) < 1e-12) return std::nullopt;
        for (int j = 0; j < 5; ++j) std::swap(m[k][j], m[piv][j]);
        for (int i = k + 1; i < 4; ++i) {
            const double f = m[i][k] / m[k][k];
            for (int j = k; j < 5; ++j) m[i][j] -= f * m[k][j];
        }
    }
    std::array<double, 4> d{};
    for (int i = 3; i >= 0; --i) {
        double s = m[i][4];
        for (int j = i + 1; j < 4; ++j) s -= m[i][j] * d[j];
        d[i] = s / m[i][i];
    }
    return d;
}

}  // namespace

std::optional<CjCubic> FitCjCubic(Thermocouple type, CjFitKind kind) {
    const std::vector<Point> pts = points(type);
    const auto d = kind == CjFitKind::Minimax ? minimax(pts) : leastSquares(pts);
    if (!d) return std::nullopt;
    const Scale sc = sensorScale();
    CjCubic c = ExpandAffine(*d, 1.0 / sc.half, -sc.mid / sc.half);
    for (double& v : c) v *= 1e-6;  // µV -> V
    return c;
}

}  // namespace lmk17::reference
