#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/app_paths.h"
#include "app/app_settings.h"
#include "app/settings_store.h"
#include "common/ini_file.h"
#include "support/qt_printers.h"

namespace lmk17 {
namespace {

AppFolders testFolders(const QTemporaryDir& dir) {
    return {dir.path() + QStringLiteral("/"), dir.path() + QStringLiteral("/")};
}

IniFile iniOf(const char* text) {
    return IniFile::fromBytes(QByteArray(text));
}

// A fresh start: the file has nothing, every value is its default.
TEST(AppSettings, FreshStartGivesEveryDefault) {
    QTemporaryDir dir;
    const AppSettings s = ReadAppSettings(IniFile(), testFolders(dir));
    const MonitorParameters& m = s.monitor;
    EXPECT_EQ(m.intervalMs, 2000);
    EXPECT_EQ(m.pointLimit, 200);
    EXPECT_EQ(m.pointSymbol, 2);  // "Solid Circle"
    EXPECT_EQ(m.format, 0);
    EXPECT_EQ(m.separator, 0);  // comma
    EXPECT_EQ(m.digits, 10);
    EXPECT_TRUE(m.writeAll);
    EXPECT_FALSE(m.onChange);
    EXPECT_TRUE(m.onErrorState);
    EXPECT_TRUE(m.onCommError);
    EXPECT_FALSE(m.onPeriod);
    EXPECT_EQ(m.periodS, 300);
    EXPECT_EQ(m.address, 0);
    EXPECT_TRUE(m.logToFile);
    EXPECT_TRUE(m.append);
    EXPECT_EQ(m.logFile, QStringLiteral(" ") + QDir(dir.path()).filePath("default.log"));
    EXPECT_EQ(s.serialPort.com, SerialPortSettings::kNoStoredPort);  // detect
    EXPECT_EQ(s.serialPort.baudIndex, 2);
    EXPECT_EQ(s.serialPort.parityIndex, 1);
    EXPECT_EQ(s.serialPort.masterAddress, 31);
    EXPECT_EQ(s.serialPort.slaveAddress, 0);
    EXPECT_EQ(s.ptFileDir, dir.path() + "/");
    EXPECT_EQ(s.backupDir, dir.path() + "/Backups/");
    EXPECT_EQ(s.keepBackups, 50);
    EXPECT_TRUE(s.askBeforeWrite);
    EXPECT_TRUE(s.langId.isEmpty());
    EXPECT_FALSE(s.mainPosition.x.has_value());
}

// Stored values pass through the checks of their fields, as if typed; a
// damaged value is read as the default (and so never written back).
TEST(AppSettings, StoredValuesAreCheckedLikeTypedOnes) {
    struct Case {
        const char* section;
        const char* key;
        const char* stored;
        std::function<int(const AppSettings&)> get;
        int expected;
    };
    const auto mon = [](int MonitorParameters::*f) {
        return [f](const AppSettings& s) { return s.monitor.*f; };
    };
    const std::vector<Case> cases = {
        {"Monitor", "Interval", "500", mon(&MonitorParameters::intervalMs), 1000},
        {"Monitor", "Interval", "7777", mon(&MonitorParameters::intervalMs), 7800},  // " 7.8" s
        {"Monitor", "Interval", "abc", mon(&MonitorParameters::intervalMs), 2000},
        {"Monitor", "GrafPointCount", "5", mon(&MonitorParameters::pointLimit), 20},
        {"Monitor", "PrecisionPV", "40", mon(&MonitorParameters::digits), 25},
        {"Monitor", "ConstPeriod", "10", mon(&MonitorParameters::periodS), 20},
        {"Monitor", "ChangePV", "0", mon(&MonitorParameters::changePercent), 1},
        {"Monitor", "Format", "7", mon(&MonitorParameters::format), 0},
        {"Monitor", "Format", "3", mon(&MonitorParameters::format), 3},
        {"Monitor", "DecSeparator", "-1", mon(&MonitorParameters::separator), 0},
        {"Monitor", "GrafPointSymbol", "6", mon(&MonitorParameters::pointSymbol), 2},
        {"Monitor", "Address", "40", mon(&MonitorParameters::address), 0},
        {"Monitor", "Address", "17", mon(&MonitorParameters::address), 17},
        {"Monitor", "Mode", "3", [](const AppSettings& s) { return int(s.monitor.writeAll); }, 1},
        {"Monitor", "Mode", "2", [](const AppSettings& s) { return int(s.monitor.writeAll); }, 0},
        {"Monitor", "LogFileEnable", "7",
         [](const AppSettings& s) { return int(s.monitor.logToFile); }, 1},
        {"SerialPort", "BaudRate", "9", [](const AppSettings& s) { return s.serialPort.baudIndex; },
         2},
        {"SerialPort", "Parity", "-1",
         [](const AppSettings& s) { return s.serialPort.parityIndex; }, 1},
        {"SerialPort", "MasterAddress", "63",
         [](const AppSettings& s) { return s.serialPort.masterAddress; }, 31},
        {"SerialPort", "SlaveAddress", "37",
         [](const AppSettings& s) { return s.serialPort.slaveAddress; }, 5},
        {"Backup", "KeepBackups", "0", [](const AppSettings& s) { return s.keepBackups; }, 50},
        {"Backup", "KeepBackups", "x", [](const AppSettings& s) { return s.keepBackups; }, 50},
        {"Backup", "KeepBackups", "7", [](const AppSettings& s) { return s.keepBackups; }, 7},
        {"Backup", "AskBeforeWrite", "0",
         [](const AppSettings& s) { return int(s.askBeforeWrite); }, 0},
        {"Backup", "AskBeforeWrite", "x",
         [](const AppSettings& s) { return int(s.askBeforeWrite); }, 1},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        IniFile ini;
        ini.setValue(c.section, c.key, c.stored);
        EXPECT_EQ(c.get(ReadAppSettings(ini, testFolders(dir))), c.expected)
            << c.key << " = " << c.stored;
    }
}

TEST(AppSettings, FoldersFallBackWhenMissing) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("ptf");
    IniFile ini;
    ini.setValue("Directory", "PTFileDir", "  " + dir.path() + "/ptf  ");
    ini.setValue("Directory", "LinFileDir", dir.path() + "/gone");
    const AppSettings s = ReadAppSettings(ini, testFolders(dir));
    EXPECT_EQ(s.ptFileDir, dir.path() + "/ptf/");
    EXPECT_EQ(s.linFileDir, dir.path() + "/");
}

// The protocol folder of Write to Several Transmitters is the next run's
// only while it is a full path to a folder still there; otherwise none (no
// protocols). The close writes it once a batch has used one, and leaves a
// file that never knew it as it was.
TEST(AppSettings, TheProtocolFolderOfTheLastBatchIsKeptWhileItExists) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("pdf");
    QFile file(dir.filePath("plain.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const struct {
        QString stored;
        QString kept;
    } cases[] = {
        {" " + QDir::toNativeSeparators(dir.path() + "/pdf") + " ", dir.path() + "/pdf/"},
        {dir.path() + "/gone/", ""},
        {".", ""},  // relative: wherever the program was started
        {dir.filePath("plain.txt"), ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        IniFile ini;
        ini.setValue("Directory", "ProtocolDir", c.stored);
        AppSettings s = ReadAppSettings(ini, testFolders(dir));
        EXPECT_EQ(s.protocolDir, c.kept);
        EXPECT_EQ(ProtocolFolderShown(s), QDir::toNativeSeparators(c.kept));
        KeepProtocolFolder(s, c.stored);  // as a batch starts with the field's text
        WriteAppSettings(ini, s, PortWrite::None);
        EXPECT_EQ(ini.value("Directory", "ProtocolDir", "?"), c.kept);
    }
    IniFile fresh;
    WriteAppSettings(fresh, ReadAppSettings(fresh, testFolders(dir)), PortWrite::None);
    EXPECT_FALSE(fresh.hasKey("Directory", "ProtocolDir"));
}

// What the close writes is what the next start reads, and a port left
// " Not Connected" keeps the port stored before.
TEST(AppSettings, CloseWritesWhatStartReads) {
    QTemporaryDir dir;
    IniFile ini =
        iniOf("[SerialPort]\nCOM=3\nDevice=/dev/ttyUSB1\nBaudRate=4\n[Other]\nKeep=1,5\n");
    AppSettings s = ReadAppSettings(ini, testFolders(dir));
    s.monitor.intervalMs = 5000;
    s.monitor.format = 4;  // CSV
    s.monitor.addresses = {0, 3};
    s.mainPosition = {10, 20};
    s.serialPort.com = 1;
    s.serialPort.device = "/dev/pts/9";
    s.serialPort.baudIndex = 5;

    IniFile notConnected = ini;
    WriteAppSettings(notConnected, s, PortWrite::None);
    EXPECT_EQ(notConnected.value("SerialPort", "COM", ""), "3");
    EXPECT_EQ(notConnected.value("SerialPort", "BaudRate", ""), "4");
    EXPECT_EQ(notConnected.value("Other", "Keep", ""), "1,5");
    EXPECT_EQ(notConnected.sectionNames(),
              (QStringList{"SerialPort", "Other", "Language", "Window", "Directory", "Monitor"}));

    IniFile demo = ini;
    WriteAppSettings(demo, s, PortWrite::LinkOnly);
    EXPECT_EQ(demo.value("SerialPort", "Device", ""), "/dev/ttyUSB1");
    EXPECT_EQ(demo.value("SerialPort", "BaudRate", ""), "5");

    WriteAppSettings(ini, s, PortWrite::Full);
    const AppSettings back = ReadAppSettings(ini, testFolders(dir));
    EXPECT_EQ(back.monitor.intervalMs, 5000);
    EXPECT_EQ(back.monitor.format, 4);
    EXPECT_EQ(back.monitor.addresses, s.monitor.addresses);
    EXPECT_EQ(back.mainPosition.x, 10);
    EXPECT_EQ(back.mainPosition.y, 20);
    EXPECT_EQ(back.serialPort.com, 1);
    EXPECT_EQ(back.serialPort.device, "/dev/pts/9");
    EXPECT_EQ(back.serialPort.baudIndex, 5);
    EXPECT_EQ(back.monitor.logFile, s.monitor.logFile);
}

// A language picked in the options dialog is in the file at once, over the
// LangID the file held, and the close keeps it.
TEST(AppSettings, LanguagePickIsWrittenAtOnce) {
    QTemporaryDir dir;
    const QString path = dir.filePath("lmk17.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Language]\nLangID=English\n[Other]\nKeep=1\n");
    file.close();
    SettingsStore store(path, testFolders(dir));
    ASSERT_TRUE(store.load());
    ASSERT_TRUE(store.saveLangId(QString::fromUtf8(" Česky")));
    IniFile written;
    ASSERT_TRUE(written.load(path));
    EXPECT_EQ(written.value("Language", "LangID", ""), QString::fromUtf8("Česky"));
    EXPECT_EQ(written.value("Other", "Keep", ""), "1");
    ASSERT_TRUE(store.save(PortWrite::None));
    SettingsStore restarted(path, testFolders(dir));
    ASSERT_TRUE(restarted.load());
    EXPECT_EQ(restarted.settings().langId, QString::fromUtf8("Česky"));
}

TEST(AppPaths, SettingsFileBesideTheProgramOnlyWhenWritable) {
    QTemporaryDir program, config;
    const QString beside = program.path() + "/lmk17.ini";
    const QString user = config.path() + "/lmk17.ini";
    EXPECT_EQ(SettingsFilePath(program.path(), config.path()), user);  // none beside
    QFile f(beside);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(SettingsFilePath(program.path(), config.path()), beside);
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(program.path()).isWritable()) {  // root may write anyway
        EXPECT_EQ(SettingsFilePath(program.path(), config.path()), user);
    }
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// An installed program finds its data relative to itself, wherever the
// prefix was put: --prefix, DESTDIR, an unpacked package.
TEST(AppPaths, DataFoldersRelativeToTheProgramFirst) {
    const struct {
        const char* program;
        const char* data;
    } cases[] = {
        {"/usr/bin", "/usr/share/lmk17"},
        {"/tmp/root/usr/bin", "/tmp/root/usr/share/lmk17"},
        {"/home/u/lmk17/bin", "/home/u/lmk17/share/lmk17"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        QStringList folders = ProgramDataFolders(QLatin1String(c.program));
        ASSERT_GE(folders.size(), 2);
        EXPECT_EQ(folders[0], QLatin1String(c.program));
        EXPECT_EQ(folders[1], QLatin1String(c.data));
        EXPECT_EQ(folders.removeDuplicates(), 0);
    }
}

}  // namespace
}  // namespace lmk17
