#pragma once

#include <QtGlobal>

namespace lmk17 {

// The one timed-request slot (TmrReqRec): an operation that repeats at a
// period (interval reading, automatic output testing) parks itself at step 1
// and lets the slot resume it when the period is due.
struct TmrReqRec {
    static constexpr int kEmpty = 0;
    static constexpr int kPeriodic = 4;

    int kind = kEmpty;
    int processCode = 0;  // resumed when above 0
    int step = 0;         // resumed when above 0
    int periodMs = 0;
    qint64 dueMs = 0;  // on the engine's monotonic clock

    bool empty() const { return kind == kEmpty; }
};

}  // namespace lmk17
