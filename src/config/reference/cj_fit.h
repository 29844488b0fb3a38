#pragma once

#include "config/reference/standard_characteristics.h"

namespace lmk17::reference {

// The cold-junction cubic of a thermocouple type: from the resistance of the
// transmitter's internal sensor (ohm) to the type's voltage (V) at the
// junction's temperature, over the sensor's -50..150 °C.
constexpr double kCjLowCelsius = -50.0;
constexpr double kCjHighCelsius = 150.0;

// Largest |cubic(R(t)) - E(t)| over the sensor's range, in µV.
double CjMaxErrorMicrovolts(Thermocouple type, const CjCubic& cj);

}  // namespace lmk17::reference
