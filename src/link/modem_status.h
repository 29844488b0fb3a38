#pragma once

namespace lmk17 {

// The modem-status inputs of a serial port.
struct ModemStatus {
    bool cts = false;   // clear to send
    bool dsr = false;   // data set ready
    bool ring = false;  // ring indicator
    bool rlsd = false;  // receive line signal detect (DCD)

    bool any() const { return cts || dsr || ring || rlsd; }
    bool operator==(const ModemStatus&) const = default;
};

}  // namespace lmk17
