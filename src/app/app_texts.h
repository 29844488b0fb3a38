#pragma once

#include <QtGlobal>

// Texts of the program shell, exactly as the program shows them (the
// language modules replace them under the "App" context).

namespace lmk17::texts {

inline constexpr char kProgramVersion[] = "2.3.2";
inline constexpr char kApplicationTitle[] = "LMK-17";
inline constexpr char kMainCaption[] = QT_TRANSLATE_NOOP("App", "  LMK-17 - %1");
inline constexpr char kMainDescription[] =
    QT_TRANSLATE_NOOP("App", "Customer Setup Program for K8410 and K8620 Transmitters");
inline constexpr char kDemoCaptionSuffix[] =
    QT_TRANSLATE_NOOP("App", " (demonstration on the software transmitter)");
inline constexpr char kDemoStatus[] = QT_TRANSLATE_NOOP(
    "App", "Demonstration: software transmitter on %1, address %2 (no hardware needed).");
inline constexpr char kDemoFailed[] =
    QT_TRANSLATE_NOOP("App", "The demonstration transmitter could not be started: %1");
inline constexpr char kDemoNoSimulator[] = QT_TRANSLATE_NOOP(
    "App", "lmk17-sim, the software transmitter, was not found beside the program or on the PATH.");

inline constexpr char kCloseQuestion[] =
    QT_TRANSLATE_NOOP("App", "Do you really want to close application?");
inline constexpr char kMonitoringRefusesClose[] = QT_TRANSLATE_NOOP(
    "App",
    "The program is in monitoring mode. Stop the monitoring before closing the application.");
inline constexpr char kSettingsSaveFailed[] =
    QT_TRANSLATE_NOOP("App", "The settings could not be saved to %1:\n%2");

// Settings › "Backups and Writing…": what OK refuses.
inline constexpr char kKeepBackupsRefused[] = QT_TRANSLATE_NOOP(
    "App", "The number of backups kept per transmitter must be a whole number from %1 to %2.");
inline constexpr char kBackupFolderNotFull[] = QT_TRANSLATE_NOOP(
    "App",
    "The backup folder %1 is not a full path. Give the whole path or choose it with Browse.");
inline constexpr char kBackupFolderIsFile[] =
    QT_TRANSLATE_NOOP("App", "The backup folder %1 is a file, not a folder.");
inline constexpr char kBackupFolderNotMade[] =
    QT_TRANSLATE_NOOP("App", "The backup folder %1 does not exist and could not be created.");
inline constexpr char kBackupFolderReadOnly[] =
    QT_TRANSLATE_NOOP("App", "Backups cannot be written into the folder %1.");

// A linearization file named on the command line or dropped on the window
// while the configuration takes no customer linearization.
inline constexpr char kLinFileNeedsRange[] = QT_TRANSLATE_NOOP(
    "App",
    "The linearization file %1 was not opened: the linearization editor needs a configuration "
    "whose input range takes a customer linearization. Read or load such a configuration, then "
    "load the file in the editor (Input page, Linearization).");

// The licences, under the program's description.
inline constexpr char kAboutLicence[] = QT_TRANSLATE_NOOP(
    "App",
    "This program is free software: you can redistribute it and/or modify it under the terms of "
    "the GNU General Public License, version 3 or (at your option) any later version "
    "(GPL-3.0-or-later). It comes with no warranty.");
inline constexpr char kAboutQtNotice[] = QT_TRANSLATE_NOOP(
    "App",
    "It uses Qt %1, licensed under the GNU Lesser General Public License, version 3 "
    "(LGPL-3.0).");

inline constexpr char kAboutCaption[] = QT_TRANSLATE_NOOP("App", " About Application");
inline constexpr char kAboutProgram[] = QT_TRANSLATE_NOOP("App", "Program LMK-17");
inline constexpr char kAboutVersionWord[] = QT_TRANSLATE_NOOP("App", "version  ");
inline constexpr char kAboutSettingsFile[] = QT_TRANSLATE_NOOP("App", "Settings file: %1");

inline constexpr char kMailQuestion[] =
    QT_TRANSLATE_NOOP("App", "Do you want to send an e-mail to %1?");
inline constexpr char kWebQuestion[] = QT_TRANSLATE_NOOP("App", "Do you want to visit %1?");

inline constexpr char kHelpMissing[] =
    QT_TRANSLATE_NOOP("App", "The help was not found. Looked for the folder %1.");

}  // namespace lmk17::texts
