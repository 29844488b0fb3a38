#pragma once

namespace lmk17 {

// The transmitter's internal cold-junction sensor: two fixed cubics convert
// between its temperature in degrees Celsius and its resistance in ohm.
double CjcCelsiusToOhm(double t);
double CjcOhmToCelsius(double r);

}  // namespace lmk17
