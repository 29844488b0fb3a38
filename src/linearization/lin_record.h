#pragma once

#include "linearization/lin_pom.h"

namespace lmk17 {

struct TransmitterConfig;

// Whether the selected range's input type has a cold-junction polynomial
// (95) or an RTD characterization (91, 92).
bool RangeHasCjc(int rangeIndex);
bool RangeHasRtd(int rangeIndex);

// Opening the editor: the record's flags, display factor, segment table, CJ
// polynomial and PV unit go into the working record; HasCjc and HasRtd follow
// the range. The RTD values and the CJ unit keep what they had.
void OpenLinPom(LinPom& pom, const TransmitterConfig& config, int rangeIndex);

// Closing the editor with OK: copies the display decimal places, the display
// factor, the segment table, the CJ polynomial and the PV unit back into the
// record. Returns whether the configuration counts as modified: the editor
// reports unsaved changes, the decimal places or the unit differ, or one of
// the 41 numbers moved by more than 1e-6 of its old magnitude.
bool CommitLinPom(const LinPom& pom, TransmitterConfig& config, bool editorUnsaved);

// Default2LinPom: the standard table and CJ polynomial of the range's input
// type, display factor 1, no decimal places, PV unit 0. With `resetEditor`
// also the first unit of the unit list and empty point tables.
void Default2LinPom(LinData& data, int rangeIndex, bool resetEditor);

}  // namespace lmk17
