#pragma once

#include <QString>

#include "config/transmitter_config.h"

namespace lmk17 {

// Range-dependent values are stored in device units and shown scaled by the
// record's display factor and decimal places: shown = stored x F / m.
double ToDisplay(const TransmitterConfig& config, double stored);
double FromDisplay(const TransmitterConfig& config, double shown);

// Relative tolerance of every bound check: values written by the transmitter
// or typed by the user a hair beyond a limit are still accepted.
inline constexpr double kBoundTolerance = 0.001;
// Largest correction and hysteresis, as a fraction of YEnd - YStart.
inline constexpr double kCorrectionFraction = 0.05;

// a - |a| x 0.001 <= x <= b + |b| x 0.001
bool WithinInterval(double x, double a, double b);
// Within YStart..YEnd of the record's linearization table, with the tolerance.
bool WithinInputRange(const TransmitterConfig& config, double x);
// |x| <= (1 + 0.001) x 0.05 x (YEnd - YStart)
bool WithinCorrectionBound(const TransmitterConfig& config, double x);

// Field texts; every number in a field starts with one blank.
QString FormatG5(double value);                   // " %.*g", 5 significant digits
QString FormatFixed(double value, int decimals);  // " %.*f"
// A range-dependent value as its edit shows it (scaled, " %.*g").
QString FormatRangeDependent(const TransmitterConfig& config, double stored);

}  // namespace lmk17
