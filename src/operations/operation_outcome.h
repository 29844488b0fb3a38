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
    Mismatched,       // written, but reading it back gave other values
    BackupFailed,  // the configuration before the write could not be read or kept: nothing written
    Unchanged,     // the transmitter already held the configuration: nothing written
};

// What a start of an operation did. Converts to true exactly when the
// operation was started (it may still have ended at once).
class StartResult {
public:
    enum Reason {
        Started,
        Busy,             // another operation runs or a request is outstanding
        Declined,         // a question on the way was answered No
        NoConfiguration,  // the command needs a configuration and there is none
        CheckFailed,      // the complete check before a write found an error
        NotConnected,     // no port is open: the request was refused (result 300)
    };
    StartResult(Reason reason) : reason_(reason) {}  // NOLINT: a reason is a result
    Reason reason() const { return reason_; }
    operator bool() const { return reason_ == Started; }  // NOLINT: "if (start())"
    bool operator==(Reason reason) const { return reason_ == reason; }

private:
    Reason reason_;
};

}  // namespace lmk17
