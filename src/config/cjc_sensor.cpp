#include "config/cjc_sensor.h"

namespace lmk17 {

double CjcCelsiusToOhm(double t) {
    return ((-1.34834230834187e-09 * t - 0.000579904141117181) * t + 3.90876264552467) * t +
           999.991234344095;
}

double CjcOhmToCelsius(double r) {
    return ((8.00702321894351e-10 * r + 7.30225429108503e-06) * r + 0.238827028759137) * r -
           246.927627846801;
}

}  // namespace lmk17
