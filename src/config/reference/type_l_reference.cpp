// Type L (Fe-CuNi) after DIN 43710, withdrawn in favour of type J. The
// standard's full 1 °C table is not publicly available; the most complete
// public source found are its basic values ("Grundwerte") every 100 °C from
// -200 to 900 °C, as reproduced in the thermocouple tables of vendors' and
// university handbooks (e.g. a lecture handout of the Institut für
// Elektrothermische Prozesstechnik, "Grundwerte der Thermospannungen in mV",
// Fe-CuNi DIN 43710, 0.01 mV resolution). Between them the
// characteristic follows the ITS-90 type J function (same metals) plus a
// natural cubic spline through the differences L - J at those points, so the
// published values are met exactly and the shape in between is that of an
// iron-constantan couple rather than of an arbitrary interpolant.
#include <array>

#include "config/reference/thermocouple_reference.h"

namespace lmk17::reference {

namespace {

constexpr int kPoints = 12;
constexpr double kFirst = -200.0;
constexpr double kStep = 100.0;

// DIN 43710 basic values in mV at -200, -100, 0, 100, ... 900 °C.
constexpr std::array<double, kPoints> kDin43710 = {-8.15, -4.75, 0.0,   5.37,  10.95, 16.56,
                                                   22.16, 27.85, 33.67, 39.72, 46.22, 53.14};

struct Spline {
    std::array<double, kPoints> y{};  // L - J at the points
    std::array<double, kPoints> m{};  // second derivatives, natural ends
};

Spline makeSpline() {
    Spline s;
    for (int k = 0; k < kPoints; ++k)
        s.y[k] = kDin43710[k] - ThermocoupleMillivolts(Thermocouple::J, kFirst + kStep * k);
    // Equal steps: m[k-1] + 4 m[k] + m[k+1] = 6 (y[k-1] - 2 y[k] + y[k+1]) / h².
    std::array<double, kPoints> diag{}, rhs{};
    for (int k = 1; k < kPoints - 1; ++k) {
        diag[k] = 4.0;
        rhs[k] = 6.0 * (s.y[k - 1] - 2.0 * s.y[k] + s.y[k + 1]) / (kStep * kStep);
    }
    for (int k = 2; k < kPoints - 1; ++k) {  // Thomas elimination, unit off-diagonals
        const double f = 1.0 / diag[k - 1];
        diag[k] -= f;
        rhs[k] -= f * rhs[k - 1];
    }
    for (int k = kPoints - 2; k >= 1; --k)
        s.m[k] = (rhs[k] - (k + 1 < kPoints - 1 ? s.m[k + 1] : 0.0)) / diag[k];
    return s;
}

double deviation(double t) {
    static const Spline s = makeSpline();
    int k = static_cast<int>((t - kFirst) / kStep);
    if (k < 0) k = 0;
    if (k > kPoints - 2) k = kPoints - 2;
    const double a = (kFirst + kStep * (k + 1) - t) / kStep;
    const double b = 1.0 - a;
    return a * s.y[k] + b * s.y[k + 1] +
           ((a * a * a - a) * s.m[k] + (b * b * b - b) * s.m[k + 1]) * kStep * kStep / 6.0;
}

}  // namespace

double TypeLMillivolts(double t) {
    return ThermocoupleMillivolts(Thermocouple::J, t) + deviation(t);
}

}  // namespace lmk17::reference
