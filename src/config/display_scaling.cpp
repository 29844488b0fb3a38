#include "config/display_scaling.h"

#include <cmath>

#include "config/catalogue.h"

namespace lmk17 {

namespace {

// A damaged record may carry a zero or non-finite factor; scaling by it would
// turn every shown value into 0 or infinity, so such a factor counts as 1.
double usableFactor(const TransmitterConfig& config) {
    const double f = config.DisplayFactor;
    return std::isfinite(f) && f != 0.0 ? f : 1.0;
}

}  // namespace

double ToDisplay(const TransmitterConfig& config, double stored) {
    return stored * usableFactor(config) / DisplayDivisor(config.RangeFlags);
}

double FromDisplay(const TransmitterConfig& config, double shown) {
    return shown * DisplayDivisor(config.RangeFlags) / usableFactor(config);
}

bool WithinInterval(double x, double a, double b) {
    return a - std::fabs(a) * kBoundTolerance <= x && x <= b + std::fabs(b) * kBoundTolerance;
}

bool WithinInputRange(const TransmitterConfig& config, double x) {
    return WithinInterval(x, config.YStart(), config.YEnd());
}

bool WithinCorrectionBound(const TransmitterConfig& config, double x) {
    const double bound =
        (1.0 + kBoundTolerance) * kCorrectionFraction * (config.YEnd() - config.YStart());
    return std::fabs(x) <= bound;
}

QString FormatG5(double value) {
    return QString::asprintf(" %.*g", 5, value);
}

QString FormatFixed(double value, int decimals) {
    return QString::asprintf(" %.*f", decimals, value);
}

QString FormatRangeDependent(const TransmitterConfig& config, double stored) {
    return FormatG5(ToDisplay(config, stored));
}

}  // namespace lmk17
