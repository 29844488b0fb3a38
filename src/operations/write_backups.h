#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "config/transmitter_config.h"

namespace lmk17 {

// The copies of a transmitter's configuration kept before every write:
// <backup folder>/<serial number>/<YYYY-MM-DD_HH-MM-SS>_before-write.ptf,
// ordinary configuration files that Load and Restore take as they are.

// The folder of one transmitter's backups (the serial number as the proposed
// save name writes it, eight digits).
QString BackupFolderOf(const QString& backupFolder, qint32 serialNumber);

// Saves the record as a new backup taken at `now` (a second backup in the
// same second gets "-2", "-3", … after the time). The previous files are never
// touched. Returns the file's path; on failure an empty path and the message
// for the user in *error.
QString SaveBackup(const QString& backupFolder, const TransmitterConfig& config,
                   const QDateTime& now, QString* error);

struct BackupFile {
    QString path;
    QDateTime taken;  // from the file name (local time)
};

// The backups of one transmitter, newest first. Files of other names in the
// folder are not backups and are left out.
std::vector<BackupFile> ListBackups(const QString& backupFolder, qint32 serialNumber);

// Keeps the newest `keep` backups of the transmitter; of the older ones only
// those taken more than a week before `now` are deleted. Returns how many
// were deleted.
int PruneBackups(const QString& backupFolder, qint32 serialNumber, int keep, const QDateTime& now);

}  // namespace lmk17
