#pragma once

#include <QString>

namespace lmk17 {

// What the options dialog says under "%s serial port cannot be connected.":
// the system's reason, and when the user lacks the permission to open the
// device, what to do about it.
QString PortFailureDetail(const QString& devicePath, const QString& systemReason);

// Whether the device exists but this user may not open it for reading and
// writing (on Linux: not a member of the device's group, usually dialout).
bool PortPermissionDenied(const QString& devicePath);

}  // namespace lmk17
