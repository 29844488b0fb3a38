#pragma once

#include <QString>

#include "app/app_settings.h"
#include "app/backup_settings.h"
#include "common/ini_file.h"

namespace lmk17 {

// The settings file of one run: read at start, written back when the
// program closes. Keys the program does not know are kept.
class SettingsStore {
public:
    SettingsStore(const QString& path, const AppFolders& folders);

    // Reads the file; a missing file gives the defaults. False (with the
    // reason) only when a file exists but cannot be read.
    bool load(QString* error = nullptr);
    // Writes the settings into the file (see WriteAppSettings).
    bool save(PortWrite port, QString* error = nullptr);
    // LanguageCmBoxChange: LangID is written into the file at once (the
    // other settings wait for the close).
    bool saveLangId(const QString& langId, QString* error = nullptr);

    // The colour scheme is written at once too, so a crash does not undo it.
    bool saveColorScheme(ColorScheme scheme, QString* error = nullptr);
    // The [Backup] settings, written at once; on failure neither the file
    // nor the settings change.
    bool saveBackupSettings(const BackupSettingsValues& values, QString* error = nullptr);

    const QString& path() const { return path_; }
    const AppFolders& folders() const { return folders_; }
    AppSettings& settings() { return settings_; }
    const AppSettings& settings() const { return settings_; }
    IniFile& ini() { return ini_; }

private:
    QString path_;
    AppFolders folders_;
    IniFile ini_;
    AppSettings settings_;
};

}  // namespace lmk17
