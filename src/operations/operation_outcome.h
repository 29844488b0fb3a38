#pragma once

namespace lmk17 {

// How the last operation started through the session ended.
enum class OperationOutcome {
    None,             // nothing started yet
    Running,          // still talking to the transmitter
    Completed,        // ran to its end (a live operation: handed over after identification)
    Refused,          // identification refused the device, or it does not fit the operation
    CorruptPreset,    // an interrupted write was found: the default configuration was preset
    CorruptDeclined,  // an interrupted write was found and the preset declined
    Declined,         // a question on the way was answered No
    Stopped,          // stopped: a failed exchange not repeated, or a break
};

}  // namespace lmk17
