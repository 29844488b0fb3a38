#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

#include "operations/operation_outcome.h"
#include "reports/config_diff.h"

namespace lmk17 {

class ConfigModel;
class UserInteraction;

// What happens between identification and a write: the transmitter's
// present configuration is read, kept as a backup, compared with what will be
// written, and the user is asked.
struct WriteSafety {
    enum class WhenEqual { Ask, Skip, Write };

    bool backup = false;         // keep the present configuration before every write
    QString backupFolder;        // <backup folder>/<serial number>/…_before-write.ptf
    int keepBackups = 50;        // per transmitter; none newer than a week is deleted
    bool askDifferences = true;  // list the changes and ask before writing
    WhenEqual whenEqual = WhenEqual::Ask;
    bool announceSkipped = true;  // Skip says "already holds this configuration"
    // Many units, one configuration: each keeps its own address, baud rate,
    // parity and user note.
    bool keepUnitSettings = false;

    // Whether the transmitter is read before the write at all.
    bool readsFirst() const {
        return backup || askDifferences || whenEqual != WhenEqual::Write || keepUnitSettings;
    }
};

// What the check before the last write did.
struct WriteSafetyReport {
    QString backupPath;         // the backup saved; empty when none
    int differences = -1;       // fields that change; -1 when not compared
    bool writeStarted = false;  // the check let the write go on
};

// The check itself: present is the transmitter's configuration as read,
// toWrite the model the write sends (its unit settings are taken from present
// when asked). Running lets the write go on; BackupFailed, Declined and
// Unchanged end it with nothing written, the user told why.
OperationOutcome CheckBeforeWrite(const WriteSafety& safety, ConfigModel& present,
                                  ConfigModel& toWrite, UserInteraction& ui,
                                  WriteSafetyReport& report,
                                  const QDateTime& now = QDateTime::currentDateTime());

// The transmitter now against what it will hold after writing toWrite: what
// a write never changes (serial number, manufacturer, dates, working time,
// output calibration) is left out of the comparison.
ConfigurationComparison CompareBeforeWrite(const ConfigModel& present, const ConfigModel& toWrite);

}  // namespace lmk17
