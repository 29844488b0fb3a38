#pragma once

#include <QString>
#include <random>

namespace lmk17::sim {

// Where a simulated transmitter's primary variable comes from, in its own
// units (e.g. degrees Celsius for a Pt100 range, volts for R05).
struct PvSource {
    enum Kind { MidRange, Constant, Ramp, Sine };
    Kind kind = MidRange;
    double a = 0.0;  // constant value; ramp start; sine centre
    double b = 0.0;  // ramp end; sine amplitude
    double periodS = 60.0;
    double noise = 0.0;  // standard deviation of added Gaussian noise

    // tS: seconds since the transmitter started; lower/upper: its measuring range.
    double value(double tS, double lower, double upper, std::mt19937& rng) const;

    // "const:V", "ramp:FROM:TO:PERIOD", "sine:CENTRE:AMPLITUDE:PERIOD", "mid";
    // false with a reason for anything else.
    static bool parse(const QString& text, PvSource& out, QString* error);
};

}  // namespace lmk17::sim
