#include "app/backup_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include "app/app_paths.h"
#include "app/app_texts.h"
#include "app/settings_store.h"
#include "app/write_safety_settings.h"
#include "common/ini_file.h"
#include "common/user_interaction.h"
#include "stack/transmitter_stack.h"

namespace lmk17 {

namespace {

const QString kBackup = QStringLiteral("Backup");

QString appText(const char* text) {
    return QCoreApplication::translate("App", text);
}

BackupFieldsCheck refuse(BackupField field, const QString& message) {
    BackupFieldsCheck check;
    check.refused = field;
    check.message = message;
    return check;
}

// A probe file shows what the permissions alone do not (a read-only mount,
// a network share that refuses).
bool canWriteInto(const QString& folder) {
    QTemporaryFile probe(folder + QStringLiteral(".lmk17-probe-XXXXXX"));
    return probe.open();
}

}  // namespace

QString DefaultBackupFolderShown(const AppFolders& folders) {
    return QDir::toNativeSeparators(DefaultBackupFolder(folders));
}

BackupSettingsFields BackupFieldsOf(const AppSettings& settings, const AppFolders& folders) {
    BackupSettingsFields fields;
    if (settings.backupDir != DefaultBackupFolder(folders))
        fields.folder = QDir::toNativeSeparators(settings.backupDir);
    fields.keepBackups = QString::number(settings.keepBackups);
    fields.askBeforeWrite = settings.askBeforeWrite;
    return fields;
}

QString BackupFolderPath(const QString& typed) {
    QString folder = QDir::fromNativeSeparators(typed.trimmed());
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

QString BackupFolderFault(const QString& folder) {
    const QString shown = QDir::toNativeSeparators(folder);
    if (!QDir::isAbsolutePath(folder)) return appText(texts::kBackupFolderNotFull).arg(shown);
    const QFileInfo info(QDir::cleanPath(folder));  // "file/" is no file to QFileInfo
    if (info.exists() && !info.isDir()) return appText(texts::kBackupFolderIsFile).arg(shown);
    return {};
}

BackupFieldsCheck CheckBackupFields(const BackupSettingsFields& fields) {
    bool isNumber = false;
    const int keep = fields.keepBackups.trimmed().toInt(&isNumber, 10);
    if (!isNumber || keep < kMinKeepBackups || keep > kMaxKeepBackups)
        return refuse(
            BackupField::KeepBackups,
            appText(texts::kKeepBackupsRefused).arg(kMinKeepBackups).arg(kMaxKeepBackups));
    BackupFieldsCheck check;
    check.values.keepBackups = keep;
    check.values.askBeforeWrite = fields.askBeforeWrite;
    const QString folder = BackupFolderPath(fields.folder);
    if (folder.isEmpty()) return check;  // the default, made by the first backup
    const QString shown = QDir::toNativeSeparators(folder);
    if (const QString fault = BackupFolderFault(folder); !fault.isEmpty())
        return refuse(BackupField::Folder, fault);
    if (!QFileInfo(QDir::cleanPath(folder)).exists() && !QDir().mkpath(folder))
        return refuse(BackupField::Folder, appText(texts::kBackupFolderNotMade).arg(shown));
    if (!canWriteInto(folder))
        return refuse(BackupField::Folder, appText(texts::kBackupFolderReadOnly).arg(shown));
    check.values.folder = folder;
    return check;
}

void WriteBackupSettings(IniFile& ini, const BackupSettingsValues& values) {
    ini.setValue(kBackup, QStringLiteral("BackupDir"), values.folder);
    ini.setValue(kBackup, QStringLiteral("KeepBackups"), QString::number(values.keepBackups));
    ini.setValue(kBackup, QStringLiteral("AskBeforeWrite"),
                 values.askBeforeWrite ? QStringLiteral("1") : QStringLiteral("0"));
}

BackupField ApplyBackupFields(const BackupSettingsFields& fields, SettingsStore& store,
                              TransmitterStack& stack, UserInteraction& ui) {
    const BackupFieldsCheck check = CheckBackupFields(fields);
    if (check.refused != BackupField::None) {
        ui.message(MessageKind::Warning, check.message);
        return check.refused;
    }
    QString error;
    if (!store.saveBackupSettings(check.values, &error)) {
        ui.message(MessageKind::Warning,
                   appText(texts::kSettingsSaveFailed).arg(store.path(), error));
        return BackupField::SettingsFile;
    }
    stack.setWriteSafety(WriteSafetyFromSettings(store.settings()));
    return BackupField::None;
}

}  // namespace lmk17
