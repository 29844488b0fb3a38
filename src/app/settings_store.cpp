#include "app/settings_store.h"

#include <QDir>
#include <QFileInfo>

#include "app/app_paths.h"

namespace lmk17 {

SettingsStore::SettingsStore(const QString& path, const AppFolders& folders)
    : path_(path), folders_(folders), settings_(ReadAppSettings(IniFile(), folders)) {}

bool SettingsStore::load(QString* error) {
    ini_ = IniFile();
    bool ok = true;
    if (QFileInfo::exists(path_)) ok = ini_.load(path_, error);
    settings_ = ReadAppSettings(ini_, folders_);
    return ok;
}

bool SettingsStore::save(PortWrite port, QString* error) {
    WriteAppSettings(ini_, settings_, port);
    // The user's configuration folder may not exist yet on a new account.
    QDir().mkpath(QFileInfo(path_).absolutePath());
    return ini_.save(path_, error);
}

bool SettingsStore::saveLangId(const QString& langId, QString* error) {
    settings_.langId = langId.trimmed();
    WriteLangId(ini_, settings_.langId);
    QDir().mkpath(QFileInfo(path_).absolutePath());
    return ini_.save(path_, error);
}

bool SettingsStore::saveColorScheme(ColorScheme scheme, QString* error) {
    settings_.colorScheme = scheme;
    WriteColorScheme(ini_, scheme);
    QDir().mkpath(QFileInfo(path_).absolutePath());
    return ini_.save(path_, error);
}

bool SettingsStore::saveBackupSettings(const BackupSettingsValues& values, QString* error) {
    IniFile changed = ini_;
    WriteBackupSettings(changed, values);
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (!changed.save(path_, error)) return false;
    ini_ = std::move(changed);
    settings_.backupDir = values.folder.isEmpty() ? DefaultBackupFolder(folders_) : values.folder;
    settings_.keepBackups = values.keepBackups;
    settings_.askBeforeWrite = values.askBeforeWrite;
    return true;
}

}  // namespace lmk17
