#pragma once

#include <QString>

namespace lmk17 {

// Why a serial port could not be opened, in codes: the link has no words of
// its own. The options dialog and the status bar word it in the running
// language (link/ui/port_status_text.h), lmk17-cli in English.
enum class PortFailureReason {
    System,            // only the system's reason is known
    PermissionDenied,  // the device exists but this user may not open it
};

struct PortFailure {
    PortFailureReason reason = PortFailureReason::System;
    QString systemReason;  // the system's own error text, without surrounding blanks
};

// What is known about a failed open of `devicePath` that the system
// explained with `systemReason`.
PortFailure PortFailureOf(const QString& devicePath, const QString& systemReason);

// Whether the device exists but this user may not open it for reading and
// writing (on Linux: not a member of the device's group, usually dialout).
bool PortPermissionDenied(const QString& devicePath);

}  // namespace lmk17
