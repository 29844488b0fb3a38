#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace lmk17 {

// What the last program that had a serial device open left on its line, kept
// in a small file per device in the user's runtime folder. A program writes
// "busy" when it opens the device and, when it closes it, either "quiet" (no
// request outstanding, nothing on its way) or the time its last unanswered
// request went out. A program killed in the middle leaves "busy".
//
// A record holds for the device it was written for: a device made anew under
// the same name (another pseudo-terminal, an adapter plugged in again) has
// another stamp, and its record then counts as none.
struct LineRecord {
    enum class Kind { None, Busy, Quiet, Sent };
    Kind kind = Kind::None;
    qint64 sentMs = 0;  // wall clock, ms since 1970 (Kind::Sent)
    qint64 device = 0;  // DeviceStamp() of the device when written

    static LineRecord quiet(qint64 device) { return {Kind::Quiet, 0, device}; }
    static LineRecord busy() { return {Kind::Busy, 0, 0}; }
    static LineRecord sent(qint64 ms, qint64 device) { return {Kind::Sent, ms, device}; }
};

// When the device node was made (its status-change time in ms); 0 when unknown.
qint64 DeviceStamp(const QString& deviceName);

// "quiet <device>", "busy" or "sent <ms> <device>"; anything else reads as no
// record.
QByteArray LineRecordText(const LineRecord& record);
LineRecord ParseLineRecord(const QByteArray& text);

// How long the line must stay quiet before the first request: nothing after a
// quiet close, the rest of the answer window after an unanswered request, the
// whole window when nothing trustworthy is known (no record, a program still
// running or killed, a time in the future after the clock went back, a record
// of another device of the same name).
int QuietWaitMs(const LineRecord& record, qint64 device, qint64 nowMs, int windowMs);

// The folder of the records: $XDG_RUNTIME_DIR/lmk17, else the system's
// runtime location (a private folder in the temporary folder on systems
// without one).
QString DefaultLineRecordFolder();
// The record of a device in a folder (the device's canonical path, escaped);
// empty when either is empty.
QString LineRecordPath(const QString& folder, const QString& deviceName);

// A missing or unreadable file reads as no record. Writing makes the folder
// when needed; a failure only costs the next program its wait, so it is not
// reported beyond the return value.
LineRecord ReadLineRecord(const QString& path);
bool WriteLineRecord(const QString& path, const LineRecord& record);

}  // namespace lmk17
