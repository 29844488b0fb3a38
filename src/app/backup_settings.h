#pragma once

#include <QString>

#include "app/app_settings.h"

namespace lmk17 {

class IniFile;
class SettingsStore;
class TransmitterStack;
class UserInteraction;

// The [Backup] settings as Settings › "Backups and Writing…" shows and
// takes them: the texts of its fields and its check box.
struct BackupSettingsFields {
    QString folder;       // native separators; empty: the default folder
    QString keepBackups;  // the number of backups kept per transmitter, as typed
    bool askBeforeWrite = true;
};

// The values checked, as the settings file keeps them.
struct BackupSettingsValues {
    QString folder;  // '/' separators, ends with '/'; empty: the default folder
    int keepBackups = 50;
    bool askBeforeWrite = true;
};

inline constexpr int kMinKeepBackups = 1;
inline constexpr int kMaxKeepBackups = 1000;

// What OK refused (None: all taken; SettingsFile: the values were right but
// the settings file could not be written).
enum class BackupField { None, Folder, KeepBackups, SettingsFile };

struct BackupFieldsCheck {
    BackupField refused = BackupField::None;
    QString message;  // translated; empty when nothing was refused
    BackupSettingsValues values;
};

// The fields as the dialog opens: the folder empty while the default is used.
BackupSettingsFields BackupFieldsOf(const AppSettings& settings, const AppFolders& folders);
// The default folder as the empty folder field shows it.
QString DefaultBackupFolderShown(const AppFolders& folders);

// A folder as typed or stored, as the backups use it: trimmed, '/'
// separators, ending with '/'; empty stays empty.
QString BackupFolderPath(const QString& typed);
// Why backups can never go into `folder` (as BackupFolderPath gives it): it
// is no full path (it would follow the folder the program was started in) or
// it is a file. Empty when neither; translated.
QString BackupFolderFault(const QString& folder);

// Checks the fields as OK takes them: the count a whole number 1..1000, the
// folder a full path that is a folder (made when missing) and can be written
// into. The default folder is made by the first backup, as before.
BackupFieldsCheck CheckBackupFields(const BackupSettingsFields& fields);

// `Backup`: `BackupDir` (empty for the default), `KeepBackups`, `AskBeforeWrite`.
void WriteBackupSettings(IniFile& ini, const BackupSettingsValues& values);

// OK of the dialog: the fields checked, written into the settings file at
// once and given to the stack, so the next write uses them. A refused field
// or a file that cannot be written is told to the user and changes nothing
// (the previous file stays).
BackupField ApplyBackupFields(const BackupSettingsFields& fields, SettingsStore& store,
                              TransmitterStack& stack, UserInteraction& ui);

}  // namespace lmk17
