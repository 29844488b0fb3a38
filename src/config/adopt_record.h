#pragma once

#include "config/config_view.h"
#include "config/transmitter_config.h"

namespace lmk17 {

// The check that failed when a record is found corrupt (the adoption step).
enum class CorruptStep {
    None = 0,
    RangeNotListed = 2,
    ConnectionNotPermitted = 7,
    DisplayFactor = 8,
    RangeValues = 11,
    Corrections = 12,
    LeadResistance = 13,
    CjTemperature = 14,
    Damping = 15,
    Comparators = 16,
    BaudCode = 19,
};

struct AdoptResult {
    ConfigView view;
    CorruptStep corrupt = CorruptStep::None;
    bool tablesReplaced = false;  // the standard tables were copied in (step 5)
};

// Checks the record step by step, fills the view from it and mends what it may
// mend silently (standard tables of fixed ranges, unused comparator values,
// comparator bits the type lacks). Stops at the first corrupt finding. The
// warning of a replaced table is put into view.warnings, not shown here.
AdoptResult AdoptRecord(TransmitterConfig& config, int typeIndex, int firmwareIndex);

}  // namespace lmk17
