#include "operations/firmware_conversions.h"

#include <cmath>

#include "config/firmware.h"

namespace lmk17::conversion {

GainOffset CorrectionsToGainOffset(double lower, double upper, double lowerCorrection,
                                   double upperCorrection) {
    const double span = upper - lower;
    const double divisor = span - upperCorrection + lowerCorrection;
    GainOffset out;
    if (divisor == 0.0) return out;
    const double gain = span / divisor;
    const double offset = lower - span * (lower - lowerCorrection) / divisor;
    if (std::isfinite(gain)) out.gain = gain;
    if (std::isfinite(offset)) out.offset = offset;
    return out;
}

Corrections GainOffsetToCorrections(double lower, double upper, double gain, double offset) {
    Corrections out;
    if (gain == 0.0) return out;
    const double cl = (lower * gain - lower + offset) / gain;
    const double cu = (upper * gain - upper + offset) / gain;
    if (!std::isfinite(cl) || !std::isfinite(cu)) return out;
    out.lower = cl;
    out.upper = cu;
    return out;
}

double DampingToOldFirmware(double damping) {
    return damping >= 0.0 ? (damping - 0.5) * kOldDampingScale : (damping + 0.5) * kOldDampingScale;
}

double DampingFromOldFirmware(double value) {
    return value >= 0.0 ? value / kOldDampingScale + 0.5 : value / kOldDampingScale - 0.5;
}

int ConnectionToTransmitter(int connectionCode, int fw) {
    return firmware::UsesOneBasedConnections(fw) ? connectionCode : connectionCode - 1;
}

int ConnectionFromTransmitter(int value, int fw) {
    return firmware::UsesOneBasedConnections(fw) ? value : value + 1;
}

qint32 WorkingTimeFromTransmitter(qint32 value, int fw) {
    if (firmware::CountsWorkingTimeInSeconds(fw)) return value;
    // Beyond the 32-bit range only for a damaged counter; keep the largest time.
    const qint64 seconds = qint64(value) * 10;
    if (seconds > INT32_MAX) return INT32_MAX;
    if (seconds < INT32_MIN) return INT32_MIN;
    return qint32(seconds);
}

}  // namespace lmk17::conversion
