#pragma once

#include <QString>

#include "app/app_settings.h"

namespace lmk17 {

// The settings file: lmk17.ini beside the program when that file exists and
// can be rewritten there (a program unpacked into a folder of its own),
// otherwise lmk17.ini in the user's configuration folder (an installed
// program, whose folder is read-only).
QString SettingsFilePath(const QString& programFolder, const QString& userConfigFolder);

// The user's working folder: <documents>/LMK-17/, created when missing;
// the home folder when it cannot be created. Ends with '/'.
QString UserDataFolder(const QString& documentsFolder, const QString& homeFolder);

// The data folder and the default folder of configuration and
// linearization files (<data folder>Data/, created on demand).
AppFolders MakeAppFolders(const QString& documentsFolder, const QString& homeFolder);

// The simulator program for the demonstration: LMK17_SIM when set, else
// lmk17-sim beside the program, in the build tree's sim/ folder, or on the
// PATH. Empty when none is found.
QString FindSimulatorProgram(const QString& programFolder);

}  // namespace lmk17
