#pragma once

// Every behaviour that depends on the transmitter's firmware branches here, on
// the version number × 100 (160 = 1.60, 190 = 1.90). Keeping the thresholds in
// one place means a new firmware generation is taught to the program once.

namespace lmk17::firmware {

// The first generation (1.60 and earlier than 1.70) numbers the sensor
// connections from 0 and counts the working time in units of 10 s.
inline constexpr bool UsesOneBasedConnections(int fw) {
    return fw >= 170;
}
inline constexpr bool CountsWorkingTimeInSeconds(int fw) {
    return fw >= 170;
}
// Corrections are exchanged as corrections (older firmware: gain and offset),
// damping as seconds (older firmware: a scaled value).
inline constexpr bool HasDirectCorrections(int fw) {
    return fw >= 170;
}
// Relays may signal the transmitter's error state, and the comparators' state
// on a transmitter error can be chosen.
inline constexpr bool HasErrorStateChoices(int fw) {
    return fw >= 170;
}

// 1.81..1.89 keep the output limits as raw output codes plus the
// transmitter's own calibration polynomial.
inline constexpr bool UsesOutputCodes(int fw) {
    return fw >= 181 && fw <= 189;
}
// The output limits and error outputs can be edited (1.81 and later).
inline constexpr bool HasOutputLimits(int fw) {
    return fw >= 181;
}

// 1.90 and later: adjustable output range (gain and offset), normalised
// output limits as parameters of their own, and a second lead resistance for
// the two-sensor connection.
inline constexpr bool HasOutputRange(int fw) {
    return fw >= 190;
}
inline constexpr bool HasNormalisedLimits(int fw) {
    return fw >= 190;
}
inline constexpr bool HasSecondLeadResistance(int fw) {
    return fw >= 190;
}

// 1.91 and later: selectable 50/60 Hz input filter.
inline constexpr bool HasInputFilter(int fw) {
    return fw >= 191;
}

}  // namespace lmk17::firmware
