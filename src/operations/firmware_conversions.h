#pragma once

#include <QtGlobal>

// How the configuration's values travel to and from transmitters of the
// first firmware generation (below 1.70), which knew neither corrections nor
// damping in the units the record keeps: corrections went as a gain and an
// offset of the measured value, damping as a scaled filter constant, and the
// connections were numbered from 0.

namespace lmk17::conversion {

// The filter constant of one second of damping on the old firmware.
inline constexpr double kOldDampingScale = 2.312;

// Gain g and offset o that make the old firmware apply the corrections cL at
// L and cU at U: g = (U - L) / ((U - L) - cU + cL),
// o = L - (U - L)(L - cL) / ((U - L) - cU + cL). Where the division fails
// (zero or no finite result) g is 1 and o is 0: no correction.
struct GainOffset {
    double gain = 1.0;
    double offset = 0.0;
};
GainOffset CorrectionsToGainOffset(double lower, double upper, double lowerCorrection,
                                   double upperCorrection);

// Back: cL = (L g - L + o) / g, cU = (U g - U + o) / g; both 0 when g is 0 or
// the results are not finite.
struct Corrections {
    double lower = 0.0;
    double upper = 0.0;
};
Corrections GainOffsetToCorrections(double lower, double upper, double gain, double offset);

// Damping in seconds (its sign selects the error-current direction) to the
// old firmware's value and back: (D - 0.5) x 2.312 for D >= 0, (D + 0.5) x
// 2.312 below; back v / 2.312 + 0.5 for v >= 0, v / 2.312 - 0.5 below.
double DampingToOldFirmware(double damping);
double DampingFromOldFirmware(double value);

// Connection code 1..8 as the transmitter numbers it, and back.
int ConnectionToTransmitter(int connectionCode, int firmware);
int ConnectionFromTransmitter(int value, int firmware);

// Working time as the transmitter counts it (units of 10 s below 1.70) to seconds.
qint32 WorkingTimeFromTransmitter(qint32 value, int firmware);

}  // namespace lmk17::conversion
