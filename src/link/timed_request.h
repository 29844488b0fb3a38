#pragma once

#include <QtGlobal>

#include "link/process_code.h"

namespace lmk17 {

// The one timed-request slot (TmrReqRec): an operation that repeats at a
// period (interval reading, automatic output testing) parks itself at step 1
// and lets the slot resume it when the period is due.
struct TmrReqRec {
    static constexpr int kEmpty = 0;
    static constexpr int kPeriodic = 4;

    int kind = kEmpty;
    ProcessCode processCode = ProcessNone;  // resumed unless none
    int step = 0;                           // resumed when above 0
    int periodMs = 0;
    qint64 dueMs = 0;  // on the engine's monotonic clock

    bool empty() const { return kind == kEmpty; }
};

}  // namespace lmk17
