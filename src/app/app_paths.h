#pragma once

#include <QString>
#include <QStringList>

#include "app/app_settings.h"

namespace lmk17 {

// The settings file: lmk17.ini beside the program when that file exists and
// can be rewritten there (a program unpacked into a folder of its own),
// otherwise lmk17.ini in the user's configuration folder (an installed
// program, whose folder is read-only).
QString SettingsFilePath(const QString& programFolder, const QString& userConfigFolder);

// The running program's settings file and folders, from the system's
// folders: SettingsFilePath() and MakeAppFolders() for this program.
QString ProgramSettingsFilePath();
AppFolders ProgramAppFolders();
// The running program's file name without its folder and extension (the
// language modules are named after it).
QString ProgramBaseName();

// The user's working folder: <documents>/LMK-17/, created when missing;
// the home folder when it cannot be created. Ends with '/'.
QString UserDataFolder(const QString& documentsFolder, const QString& homeFolder);

// The data folder and the default folder of configuration and
// linearization files (<data folder>Data/, created on demand).
AppFolders MakeAppFolders(const QString& documentsFolder, const QString& homeFolder);

// Where the configuration of a transmitter is kept before every write
// (<data folder>Backups/, made when the first backup is saved).
QString DefaultBackupFolder(const AppFolders& folders);

// The folders that may hold the language modules and the manual, in order:
// the program's own folder (the build tree, a folder unpacked anywhere), the
// data folder relative to it (<prefix>/bin -> <prefix>/share/lmk17, wherever
// the prefix is: --prefix, DESTDIR, a package), the data folder the build
// was configured for, then the user's and the system's data folders.
QStringList ProgramDataFolders(const QString& programFolder);

// The simulator program for the demonstration: LMK17_SIM when set, else
// lmk17-sim beside the program, in the build tree's sim/ folder, or on the
// PATH. Empty when none is found.
QString FindSimulatorProgram(const QString& programFolder);

}  // namespace lmk17
