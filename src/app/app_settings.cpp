#include "app/app_settings.h"

#include <QDir>
#include <QFileInfo>

#include "app/app_paths.h"
#include "app/backup_settings.h"
#include "common/ini_file.h"
#include "link/link_parameters.h"
#include "monitoring/monitor_settings.h"

namespace lmk17 {

namespace {

const QString kLanguage = QStringLiteral("Language");
const QString kWindow = QStringLiteral("Window");
const QString kDirectory = QStringLiteral("Directory");
const QString kMonitor = QStringLiteral("Monitor");
const QString kSerialPort = QStringLiteral("SerialPort");
const QString kBackup = QStringLiteral("Backup");

std::optional<int> readInt(const IniFile& ini, const QString& section, const QString& key) {
    const std::optional<QString> text = ini.value(section, key);
    if (!text) return std::nullopt;
    bool ok = false;
    const int v = text->trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return v;
}

int readInt(const IniFile& ini, const QString& section, const QString& key, int fallback) {
    return readInt(ini, section, key).value_or(fallback);
}

// A list index: outside the list is the default, so a damaged value is
// neither used nor written back.
int readIndex(const IniFile& ini, const QString& section, const QString& key, int count,
              int fallback) {
    const int v = readInt(ini, section, key, fallback);
    return v >= 0 && v < count ? v : fallback;
}

StoredPair readPair(const IniFile& ini, const QString& keyX, const QString& keyY) {
    return {readInt(ini, kWindow, keyX), readInt(ini, kWindow, keyY)};
}

void writePair(IniFile& ini, const StoredPair& pair, const QString& keyX, const QString& keyY) {
    if (pair.x) ini.setValue(kWindow, keyX, QString::number(*pair.x));
    if (pair.y) ini.setValue(kWindow, keyY, QString::number(*pair.y));
}

void writeInt(IniFile& ini, const QString& section, const QString& key, int value) {
    ini.setValue(section, key, QString::number(value));
}

// The monitoring values go through the checks of the parameters dialog's
// fields, as if typed there (the monitoring's own reading of the section);
// a log file named nowhere goes to the data folder.
MonitorParameters readMonitor(const IniFile& ini, const AppFolders& folders) {
    MonitorParameters m;
    LoadMonitorSettings(ini, m);
    const QString log = ini.value(kMonitor, QStringLiteral("LogFileName"), QString()).trimmed();
    m.logFile = QLatin1Char(' ') + (log.isEmpty() ? DefaultMonLogFile(folders.dataFolder) : log);
    return m;
}

// The port values go through the options dialog's rules: an item outside
// the groups is the default, the addresses keep their low five bits.
SerialPortSettings readSerialPort(const IniFile& ini) {
    SerialPortSettings s;
    s.com = readInt(ini, kSerialPort, "COM", SerialPortSettings::kNoStoredPort);
    s.device = ini.value(kSerialPort, QStringLiteral("Device"), QString()).trimmed();
    s.baudIndex = readIndex(ini, kSerialPort, "BaudRate", kBaudRateCount, kDefaultBaudIndex);
    s.parityIndex = readIndex(ini, kSerialPort, "Parity", 3, kDefaultParityIndex);
    s.masterAddress = readInt(ini, kSerialPort, "MasterAddress", kDefaultMasterAddress) & 0x1F;
    s.slaveAddress = readInt(ini, kSerialPort, "SlaveAddress", kDefaultTransmitterAddress) & 0x1F;
    return s;
}

void writeSerialPort(IniFile& ini, const SerialPortSettings& s, bool withPort) {
    if (withPort) {
        writeInt(ini, kSerialPort, "COM", s.com);
        ini.setValue(kSerialPort, QStringLiteral("Device"), s.device);
    }
    writeInt(ini, kSerialPort, "BaudRate", s.baudIndex);
    writeInt(ini, kSerialPort, "Parity", s.parityIndex);
    writeInt(ini, kSerialPort, "MasterAddress", s.masterAddress & 0xFF);
    writeInt(ini, kSerialPort, "SlaveAddress", s.slaveAddress & 0xFF);
}

}  // namespace

QString ResolveFolder(const QString& stored, const QString& fallback) {
    QString dir = QDir::fromNativeSeparators(stored.trimmed());
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) return fallback;
    return dir;
}

QString ExistingFullFolder(const QString& stored) {
    QString dir = QDir::fromNativeSeparators(stored.trimmed());
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return QDir::isAbsolutePath(dir) && QFileInfo(dir).isDir() ? dir : QString();
}

QString ProtocolFolderShown(const AppSettings& settings) {
    return QDir::toNativeSeparators(ExistingFullFolder(settings.protocolDir));
}

void KeepProtocolFolder(AppSettings& settings, const QString& typed) {
    settings.protocolDir = ExistingFullFolder(typed);
}

QString FolderOfFile(const QString& file) {
    return QFileInfo(file).absolutePath() + QLatin1Char('/');
}

AppSettings ReadAppSettings(const IniFile& ini, const AppFolders& folders) {
    AppSettings s;
    s.langId = ini.value(kLanguage, QStringLiteral("LangID"), QString()).trimmed();
    s.colorScheme =
        ColorSchemeOfSetting(ini.value(kWindow, QStringLiteral("ColorScheme"), QString()));
    s.mainPosition = readPair(ini, "Main_X_Position", "Main_Y_Position");
    s.userLinPosition = readPair(ini, "UserLin_X_Position", "UserLin_Y_Position");
    s.linGraphSize = readPair(ini, "LinGraph_X_Size", "LinGraph_Y_Size");
    s.linGraphPosition = readPair(ini, "LinGraph_X_Position", "LinGraph_Y_Position");
    s.monGraphSize = readPair(ini, "MonGraph_X_Size", "MonGraph_Y_Size");
    s.monGraphPosition = readPair(ini, "MonGraph_X_Position", "MonGraph_Y_Position");
    const QString fileDir = ResolveFolder(folders.defaultFileDir, folders.dataFolder);
    s.ptFileDir = ResolveFolder(ini.value(kDirectory, "PTFileDir", fileDir), folders.dataFolder);
    s.linFileDir = ResolveFolder(ini.value(kDirectory, "LinFileDir", fileDir), folders.dataFolder);
    s.protocolDir = ExistingFullFolder(ini.value(kDirectory, "ProtocolDir", QString()));
    s.monitor = readMonitor(ini, folders);
    s.serialPort = readSerialPort(ini);
    // A damaged backup value is the default; so is a folder the dialog would
    // refuse (a relative one would follow the folder the program started in).
    const QString backupDir =
        BackupFolderPath(ini.value(kBackup, QStringLiteral("BackupDir"), QString()));
    s.backupDir = backupDir.isEmpty() || !BackupFolderFault(backupDir).isEmpty()
                      ? DefaultBackupFolder(folders)
                      : backupDir;
    const int keep = readInt(ini, kBackup, "KeepBackups", 50);
    s.keepBackups = keep >= 1 && keep <= 1000 ? keep : 50;
    s.askBeforeWrite = readInt(ini, kBackup, "AskBeforeWrite", 1) != 0;
    return s;
}

void WriteLangId(IniFile& ini, const QString& langId) {
    ini.setValue(kLanguage, QStringLiteral("LangID"), langId);
}

void WriteColorScheme(IniFile& ini, ColorScheme scheme) {
    ini.setValue(kWindow, QStringLiteral("ColorScheme"), ColorSchemeSetting(scheme));
}

void WriteAppSettings(IniFile& ini, const AppSettings& s, PortWrite port) {
    // The language is written when the user picks one; the section is
    // created here so that a fresh file shows every section.
    if (!ini.hasKey(kLanguage, QStringLiteral("LangID")))
        ini.setValue(kLanguage, QStringLiteral("LangID"), s.langId);
    writePair(ini, s.mainPosition, "Main_X_Position", "Main_Y_Position");
    writePair(ini, s.userLinPosition, "UserLin_X_Position", "UserLin_Y_Position");
    writePair(ini, s.linGraphSize, "LinGraph_X_Size", "LinGraph_Y_Size");
    writePair(ini, s.linGraphPosition, "LinGraph_X_Position", "LinGraph_Y_Position");
    writePair(ini, s.monGraphSize, "MonGraph_X_Size", "MonGraph_Y_Size");
    writePair(ini, s.monGraphPosition, "MonGraph_X_Position", "MonGraph_Y_Position");
    ini.setValue(kDirectory, QStringLiteral("PTFileDir"), s.ptFileDir);
    ini.setValue(kDirectory, QStringLiteral("LinFileDir"), s.linFileDir);
    // Only once a batch has used it: a file that never knew it stays as it was.
    if (!s.protocolDir.isEmpty() || ini.hasKey(kDirectory, QStringLiteral("ProtocolDir")))
        ini.setValue(kDirectory, QStringLiteral("ProtocolDir"), s.protocolDir);
    SaveMonitorSettings(ini, s.monitor);
    if (port != PortWrite::None) writeSerialPort(ini, s.serialPort, port == PortWrite::Full);
}

}  // namespace lmk17
