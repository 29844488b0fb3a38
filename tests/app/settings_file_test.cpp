// The settings file against fixed files written out here, key by key: a file
// written by an earlier version (or edited by hand) must read back the same,
// and the file the program writes must carry every key under its own name
// (a round trip through our own reader cannot see two names swapped).

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "app/app_settings.h"
#include "common/ini_file.h"
#include "support/qt_printers.h"

namespace lmk17 {
namespace {

TEST(SettingsFile, ReadsEveryKeyOfAReferenceFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("ptf") && QDir(dir.path()).mkpath("lin"));
    const QString root = dir.path() + QLatin1Char('/');
    const QByteArray file =
        "[Language]\r\nLangID=Deutsch\r\n\r\n"
        "[Window]\r\n"
        "Main_X_Position=11\r\nMain_Y_Position=12\r\n"
        "UserLin_X_Position=21\r\nUserLin_Y_Position=22\r\n"
        "LinGraph_X_Size=531\r\nLinGraph_Y_Size=432\r\n"
        "LinGraph_X_Position=41\r\nLinGraph_Y_Position=42\r\n"
        "MonGraph_X_Size=651\r\nMonGraph_Y_Size=452\r\n"
        "MonGraph_X_Position=61\r\nMonGraph_Y_Position=62\r\n\r\n"
        "[Directory]\r\nPTFileDir=" +
        (root + "ptf").toUtf8() + "\r\nLinFileDir=" + (root + "lin").toUtf8() +
        "\r\n\r\n"
        "[Monitor]\r\nInterval=5000\r\nGrafPointCount=300\r\n"
        "GrafPointSymbol=4\r\nFormat=3\r\nDecSeparator=1\r\nPrecisionPV=6\r\n"
        "Mode=2\r\nOnChangePV=1\r\nChangePV=5\r\nOnTransmitterError=0\r\n"
        "OnCommError=1\r\nOnConstPeriod=1\r\nConstPeriod=600\r\nAddress=7\r\n"
        "LogFileEnable=0\r\nLogFileName=/var/log/k.log\r\nLogFileAppend=0\r\n\r\n"
        "[SerialPort]\r\nCOM=2\r\nBaudRate=4\r\nParity=2\r\nMasterAddress=30\r\n"
        "SlaveAddress=5\r\n";
    const AppSettings s = ReadAppSettings(IniFile::fromBytes(file), {root, root});
    EXPECT_EQ(s.langId, "Deutsch");
    const struct {
        const char* name;
        StoredPair pair;
        int x, y;
    } pairs[] = {
        {"main position", s.mainPosition, 11, 12},
        {"editor position", s.userLinPosition, 21, 22},
        {"approximation graph size", s.linGraphSize, 531, 432},
        {"approximation graph position", s.linGraphPosition, 41, 42},
        {"monitoring graph size", s.monGraphSize, 651, 452},
        {"monitoring graph position", s.monGraphPosition, 61, 62},
    };
    for (const auto& p : pairs) {
        EXPECT_EQ(p.pair.x, p.x) << p.name;
        EXPECT_EQ(p.pair.y, p.y) << p.name;
    }
    EXPECT_EQ(s.ptFileDir, root + "ptf/");
    EXPECT_EQ(s.linFileDir, root + "lin/");
    const MonitorParameters& m = s.monitor;
    EXPECT_EQ(m.intervalMs, 5000);
    EXPECT_EQ(m.pointLimit, 300);
    EXPECT_EQ(m.pointSymbol, 4);
    EXPECT_EQ(m.format, 3);
    EXPECT_EQ(m.separator, 1);
    EXPECT_EQ(m.digits, 6);
    EXPECT_FALSE(m.writeAll);
    EXPECT_TRUE(m.onChange);
    EXPECT_EQ(m.changePercent, 5);
    EXPECT_FALSE(m.onErrorState);
    EXPECT_TRUE(m.onCommError);
    EXPECT_TRUE(m.onPeriod);
    EXPECT_EQ(m.periodS, 600);
    EXPECT_EQ(m.address, 7);
    EXPECT_FALSE(m.logToFile);
    EXPECT_EQ(m.logFile, " /var/log/k.log");
    EXPECT_FALSE(m.append);
    EXPECT_EQ(s.serialPort.com, 2);
    EXPECT_EQ(s.serialPort.baudIndex, 4);
    EXPECT_EQ(s.serialPort.parityIndex, 2);
    EXPECT_EQ(s.serialPort.masterAddress, 30);
    EXPECT_EQ(s.serialPort.slaveAddress, 5);
}

TEST(SettingsFile, WritesTheReferenceFile) {
    AppSettings s;
    s.langId = "Polski";
    s.mainPosition = {11, 12};
    s.userLinPosition = {21, 22};
    s.linGraphSize = {531, 432};
    s.linGraphPosition = {41, 42};
    s.monGraphSize = {651, 452};
    s.monGraphPosition = {61, 62};
    s.ptFileDir = "/data/ptf/";
    s.linFileDir = "/data/lin/";
    MonitorParameters& m = s.monitor;
    m.intervalMs = 5000;
    m.pointLimit = 300;
    m.pointSymbol = 4;
    m.format = 3;
    m.separator = 1;
    m.digits = 6;
    m.writeAll = false;
    m.onChange = true;
    m.changePercent = 5;
    m.onErrorState = false;
    m.onCommError = true;
    m.onPeriod = true;
    m.periodS = 600;
    m.address = 7;
    m.addresses = {1, 2, 3, 9};
    m.logToFile = false;
    m.logFile = " /var/log/k.log";
    m.append = false;
    m.logEncoding = MonLogEncoding::Utf8;
    s.serialPort = {2, "/dev/ttyUSB0", 4, 2, 30, 5};

    IniFile ini;
    WriteAppSettings(ini, s, PortWrite::Full);
    EXPECT_EQ(QString::fromLatin1(ini.toBytes()),
              "[Language]\r\nLangID=Polski\r\n\r\n"
              "[Window]\r\n"
              "Main_X_Position=11\r\nMain_Y_Position=12\r\n"
              "UserLin_X_Position=21\r\nUserLin_Y_Position=22\r\n"
              "LinGraph_X_Size=531\r\nLinGraph_Y_Size=432\r\n"
              "LinGraph_X_Position=41\r\nLinGraph_Y_Position=42\r\n"
              "MonGraph_X_Size=651\r\nMonGraph_Y_Size=452\r\n"
              "MonGraph_X_Position=61\r\nMonGraph_Y_Position=62\r\n\r\n"
              "[Directory]\r\nPTFileDir=/data/ptf/\r\nLinFileDir=/data/lin/\r\n\r\n"
              "[Monitor]\r\nInterval=5000\r\nGrafPointCount=300\r\nGrafPointSymbol=4\r\n"
              "Format=3\r\nDecSeparator=1\r\nPrecisionPV=6\r\nMode=2\r\nOnChangePV=1\r\n"
              "ChangePV=5\r\nOnTransmitterError=0\r\nOnCommError=1\r\nOnConstPeriod=1\r\n"
              "ConstPeriod=600\r\nAddress=7\r\nAddresses=1-3,9\r\nLogFileEnable=0\r\n"
              "LogFileName=/var/log/k.log\r\nLogFileAppend=0\r\nLogFileEncoding=1\r\n\r\n"
              "[SerialPort]\r\nCOM=2\r\nDevice=/dev/ttyUSB0\r\nBaudRate=4\r\nParity=2\r\n"
              "MasterAddress=30\r\nSlaveAddress=5\r\n");
}

}  // namespace
}  // namespace lmk17
