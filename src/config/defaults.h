#pragma once

#include "common/line_codes.h"
#include "config/transmitter_config.h"

namespace lmk17 {

// The default address byte and baud code: common/line_codes.h.

// Fills the record with the catalogue's defaults for a transmitter type
// (1..41) and firmware (1..18): the type's default range with its connection,
// flags, factor, unit, nine defaults and standard tables, the type's default
// comparator flags and the output type's default limits. When rangeIndex
// (1..36) names an optional-customer range, the record keeps that range.
// Serial number, change date, the four texts and the working time are kept.
// Returns false, leaving the record unchanged, for indexes out of range.
bool SetDefaultConfiguration(TransmitterConfig& config, int typeIndex, int rangeIndex,
                             int firmwareIndex);

// The output type's default output limits and error outputs, normalised, with
// gain 1 and offset 0. The output code words and polynomial survive only for
// firmware 1.81..1.89 when both words are non-zero. False for bad indexes.
bool SetDefaultOutputLimits(TransmitterConfig& config, int typeIndex, int firmwareIndex);

// The record's range-dependent part as choosing the range in the range list
// sets it: code, default connection, flags (bit 7 kept), display factor,
// nine defaults, standard tables, unit; CJ temperature and lead resistances 0.
// The comparator flags are left for the next comparator check.
bool ApplyRangeDefaults(TransmitterConfig& config, int rangeIndex);

// The display factor of a range whose linearization the user defines:
// 1, 10 or 100 by its decimal places (3 counts as 2).
double EditorDisplayFactor(quint8 rangeFlags);

}  // namespace lmk17
