#pragma once

#include "config/transmitter_config.h"

namespace lmk17 {

// Whether the record's linearization table and cold-junction cubic realize
// the standard characteristic of an input range, as a transmitter needs them
// to measure that range correctly.
//
// Tables fitted elsewhere (at the factory, by another tool, by another
// method) differ from ours in their last digits and are just as good: for
// the resistance thermometers and thermocouples the record's table is
// evaluated against the reference function over the range's span, and the
// cold-junction cubic over the sensor's -50..150 °C, and each is accepted
// when its worst deviation stays within the sensor's own tolerance class
// (see kind of sensor in the source). Ranges whose tables are exact by
// definition (identity and scaled inputs) keep the exact comparison of
// MatchesStandardTables, as does anything with no reference function.
bool CorrespondsToStandardTables(const TransmitterConfig& config, int rangeCode);

// The accuracy a table must reach at `celsius` for a range with a reference
// characteristic (°C), and the deviation the cold-junction cubic may have
// (µV); negative when the range has none.
double StandardTableTolerance(int rangeCode, double celsius);
double StandardCjTolerance(int rangeCode);

}  // namespace lmk17
