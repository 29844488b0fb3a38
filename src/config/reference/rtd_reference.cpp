#include "config/reference/rtd_reference.h"

namespace lmk17::reference {

// IEC 60751:2008, clause 4.2: R(t) = R0 [1 + A t + B t² + C (t - 100) t³],
// the C term only below 0 °C. Valid -200..850 °C.
double PlatinumOhm(double t, double r0) {
    constexpr double kA = 3.9083e-3;
    constexpr double kB = -5.775e-7;
    constexpr double kC = -4.183e-12;
    const double c = t < 0.0 ? kC * (t - 100.0) * t * t * t : 0.0;
    return r0 * (1.0 + kA * t + kB * t * t + c);
}

// DIN 43760:1987 nickel characteristic (alpha = 0.00618):
// R(t) = R0 [1 + A t + B t² + D t⁴ + F t⁶], valid -60..250 °C.
double NickelOhm(double t, double r0) {
    constexpr double kA = 5.485e-3;
    constexpr double kB = 6.650e-6;
    constexpr double kD = 2.805e-11;
    constexpr double kF = -2.000e-17;
    const double t2 = t * t;
    const double t4 = t2 * t2;
    return r0 * (1.0 + kA * t + kB * t2 + kD * t4 + kF * t4 * t2);
}

}  // namespace lmk17::reference
