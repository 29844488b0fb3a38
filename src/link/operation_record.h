#pragma once

#include "link/process_code.h"

namespace lmk17 {

// The running operation and the one waiting for identification to finish.
// A command that talks to a transmitter sets the pending pair and starts
// identification, which always runs first and then takes the pending pair as
// the current one. The live readings reuse the pending pair to come back from
// a nested primary-variable read.
struct OperationRecord {
    // Step 1 of every operation means "waiting for the timed-request slot".
    static constexpr int kWaitingForSlot = 1;

    ProcessCode processCode = ProcessNone;
    int step = 0;
    ProcessCode pendingCode = ProcessNone;
    int pendingStep = 0;

    bool running() const { return processCode != ProcessNone; }
    bool waitingForSlot() const { return step == kWaitingForSlot; }
    // Stopping clears the current and the pending operation together.
    void clear() { *this = OperationRecord{}; }
};

}  // namespace lmk17
