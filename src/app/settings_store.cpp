#include "app/settings_store.h"

#include <QDir>
#include <QFileInfo>

namespace lmk17 {

SettingsStore::SettingsStore(const QString& path, const AppFolders& folders)
    : m_path(path), m_folders(folders), m_settings(ReadAppSettings(IniFile(), folders)) {}

bool SettingsStore::load(QString* error) {
    m_ini = IniFile();
    bool ok = true;
    if (QFileInfo::exists(m_path)) ok = m_ini.load(m_path, error);
    m_settings = ReadAppSettings(m_ini, m_folders);
    return ok;
}

bool SettingsStore::save(PortWrite port, QString* error) {
    WriteAppSettings(m_ini, m_settings, port);
    // The user's configuration folder may not exist yet on a new account.
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return m_ini.save(m_path, error);
}

bool SettingsStore::saveLangId(const QString& langId, QString* error) {
    m_settings.langId = langId.trimmed();
    WriteLangId(m_ini, m_settings.langId);
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return m_ini.save(m_path, error);
}

}  // namespace lmk17
