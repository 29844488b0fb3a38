#pragma once

#include <QString>
#include <optional>

#include "app/color_scheme.h"
#include "monitoring/monitor_parameters.h"

namespace lmk17 {

class IniFile;

// A window's stored left/top or width/height; empty when the file has none
// (or holds no number), so the window takes its default.
struct StoredPair {
    std::optional<int> x;
    std::optional<int> y;
};

// The serial port as the settings file keeps it. The item number is the
// position in the port list (0 " Not Connected", kNoStoredPort: none stored,
// detect); the device path wins over it when the list order has changed.
struct SerialPortSettings {
    static constexpr int kNoStoredPort = -100;
    int com = kNoStoredPort;
    QString device;
    int baudIndex = 2;
    int parityIndex = 1;
    int masterAddress = 31;
    int slaveAddress = 0;
};

// Everything the program keeps between runs (lmk17.ini), with each value
// already passed through the check its field applies when the user leaves
// it: what reaches the windows is always valid.
struct AppSettings {
    QString langId;                                 // trimmed
    ColorScheme colorScheme = ColorScheme::System;  // [Window] ColorScheme

    StoredPair mainPosition;
    StoredPair userLinPosition;
    StoredPair linGraphSize;
    StoredPair linGraphPosition;
    StoredPair monGraphSize;
    StoredPair monGraphPosition;

    QString ptFileDir;   // existing folder, ends with '/'
    QString linFileDir;  // existing folder, ends with '/'
    // Where "Write to Several Transmitters…" put its protocols last time: an
    // existing full path ending with '/', or empty (no protocols).
    QString protocolDir;

    MonitorParameters monitor;
    SerialPortSettings serialPort;

    // [Backup]: the transmitter's configuration kept before every write.
    QString backupDir;           // BackupDir, default <data folder>Backups/
    int keepBackups = 50;        // KeepBackups per transmitter, 1..1000
    bool askBeforeWrite = true;  // AskBeforeWrite: list the changes and ask
};

// The folders the defaults and fallbacks use: where configuration,
// linearization and log files go unless the user picks another place.
struct AppFolders {
    QString dataFolder;      // the user's working folder, ends with '/'
    QString defaultFileDir;  // the default of PTFileDir and LinFileDir, ends with '/'
};

// Reads the settings, missing or unreadable values giving their defaults.
AppSettings ReadAppSettings(const IniFile& ini, const AppFolders& folders);

// Which serial-port keys the close writes: none while " Not Connected" is
// selected (the previous ones stay), all but the port itself for the demo
// transmitter (its terminal is gone after the run), else all.
enum class PortWrite { None, LinkOnly, Full };

// Writes what the program writes when it closes. LangID is left as it is
// (it is written when the user picks a language).
void WriteAppSettings(IniFile& ini, const AppSettings& settings, PortWrite port);
// The language the user picked: `Language`, `LangID`.
void WriteLangId(IniFile& ini, const QString& langId);

// The colour scheme picked in the View menu: `Window`, `ColorScheme`.
void WriteColorScheme(IniFile& ini, ColorScheme scheme);

// A folder from the file: trimmed, with a trailing separator; the fallback
// when it does not exist.
QString ResolveFolder(const QString& stored, const QString& fallback);
// A folder from the file that is still there: trimmed, '/' separators, with a
// trailing separator; empty when it is no full path or no longer a folder.
QString ExistingFullFolder(const QString& stored);

// Write to Several Transmitters: the folder field as the window opens (the
// folder of the last batch, native separators; empty when it is gone), and
// the field's text kept once a batch has started, for the close to write.
QString ProtocolFolderShown(const AppSettings& settings);
void KeepProtocolFolder(AppSettings& settings, const QString& typed);

// The folder a chosen file lies in, as the settings keep a folder (with its
// trailing separator): the file dialogs open there next time.
QString FolderOfFile(const QString& file);

}  // namespace lmk17
