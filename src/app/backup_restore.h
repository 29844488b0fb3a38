#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "operations/transmitter_session.h"

namespace lmk17 {

class TransmitterStack;

// One backup of the connected transmitter, as "Restore from Backup…" lists it.
struct BackupChoice {
    QString path;
    QDateTime taken;
    QString range;       // the backup's input range and its limits; empty when unreadable
    int differing = -1;  // fields a restore would change in the transmitter; -1: unreadable
    bool readable() const { return differing >= 0; }
};

struct BackupChoices {
    bool read = false;  // the transmitter was read (else the read has said why)
    qint32 serialNumber = 0;
    QString folder;                     // where its backups are kept
    std::vector<BackupChoice> backups;  // newest first

    // The backup proposed: the newest that can be read; -1 when none can.
    int proposed() const;
};

// Reads the connected transmitter into a record of its own (the window's
// configuration stays as it is) and lists its backups, each compared with
// what it holds now. Refused (read false) while an operation runs.
BackupChoices ListBackupChoices(TransmitterStack& stack);

// The backup loaded as Load takes a file (asking first about unsaved
// changes), then written by the normal write: the same checks, backup,
// question and verification. Declined when the file was not taken in.
StartResult RestoreBackup(TransmitterStack& stack, const QString& path, CheckOutcome* check);

}  // namespace lmk17
