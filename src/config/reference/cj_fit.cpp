#include "config/reference/cj_fit.h"

#include <algorithm>
#include <cmath>

#include "config/cjc_sensor.h"

namespace lmk17::reference {

double CjMaxErrorMicrovolts(Thermocouple type, const CjCubic& cj) {
    double worst = 0.0;
    constexpr int kDense = 4001;
    for (int i = 0; i < kDense; ++i) {
        const double t = kCjLowCelsius + (kCjHighCelsius - kCjLowCelsius) * i / (kDense - 1);
        const double r = CjcCelsiusToOhm(t);
        const double v = ((cj[0] * r + cj[1]) * r + cj[2]) * r + cj[3];
        worst = std::max(worst, std::fabs(v - ThermocoupleMillivolts(type, t) * 1e-3) * 1e6);
    }
    return worst;
}

}  // namespace lmk17::reference
