#pragma once

namespace lmk17::reference {

enum class Thermocouple { J, K, N, R, S, T, B, E, L };

struct CelsiusRange {
    double low;
    double high;
};

// Where the reference function of a type is defined.
CelsiusRange ThermocoupleRange(Thermocouple type);

// Thermoelectric voltage in mV of a junction at `celsius` against 0 °C.
// Outside its range the nearest piece of the function is extended.
double ThermocoupleMillivolts(Thermocouple type, double celsius);

// The inverse of ThermocoupleMillivolts within the type's range (solved
// numerically to well below 1e-9 °C, which the published inverse
// polynomials with their 0.02..0.06 °C do not reach).
double ThermocoupleCelsius(Thermocouple type, double millivolts);

// The characteristic of the old German type L (Fe-CuNi).
double TypeLMillivolts(double celsius);

}  // namespace lmk17::reference
