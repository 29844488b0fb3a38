#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "common/ini_file.h"
#include "monitoring/monitor_csv.h"
#include "monitoring/monitor_graph.h"
#include "monitoring/monitor_log.h"
#include "monitoring/monitor_parameters.h"
#include "monitoring/monitor_record.h"
#include "monitoring/monitor_settings.h"
#include "support/scripted_interaction.h"

namespace lmk17 {
namespace {

const QDateTime kMoment(QDate(2003, 3, 5), QTime(14, 7, 9));

TEST(MonitorRecord, RecordLines) {
    struct Case {
        MonRecordFormat format;
        MonitorReading reading;
        const char* expected;
    } cases[] = {
        {{0, MonSeparatorComma, 8},
         {kMoment, 23.456789, 8, 0, 8},
         "030305 140709 23,456789 OK 00 OK "},
        {{1, MonSeparatorDot, 8}, {kMoment, 23.456789, 8, 0, 8}, "0305140709 23.456789 OK 00 OK "},
        {{0, MonSeparatorComma, 8},
         {kMoment, 0.0, 200, 0, 8},
         "030305 140709 0 ERROR:_Timeout 00 OK "},
        {{0, MonSeparatorDot, 10},
         {kMoment, 1.5, 8, 0x0C, 8},
         "030305 140709 1.5 OK 3 OK  Attention!_Transmitter_Error_State!"},
        {{0, MonSeparatorDot, 10},
         {kMoment, 1.5, 8, 0x80, 8},
         "030305 140709 1.5 OK ??? OK  Attention!_Transmitter_Error_State!"},
        {{0, MonSeparatorDot, 3},
         {kMoment, 1234.5, 8, 2, 101},
         "030305 140709 1.23e+03 OK 02 ERROR:_Bad_CRC_of_the_Incoming_Message "
         " Attention!_Transmitter_Error_State!"},
        // An index outside 1..3 falls back to format 0.
        {{7, MonSeparatorComma, 8}, {kMoment, -2.5, 8, 0, 8}, "030305 140709 -2,5 OK 00 OK "},
        {{2, MonSeparatorComma, 8}, {kMoment, 1.0, 8, 0, 8}, "37685.5883 1 OK 00 OK "},
        {{3, MonSeparatorComma, 8}, {kMoment, 1.0, 8, 0, 8}, "140709 37685.5883 1 OK 00 OK "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MonRecordLine(c.format, c.reading), QString::fromLatin1(c.expected))
            << c.expected;
    }
}

TEST(MonitorRecord, ErrorStateField) {
    const struct {
        quint8 b;
        const char* text;
    } cases[] = {{0, "00 "},   {1, "01 "},     {2, "02 "},    {3, "??? "},  {0x04, "3 "},
                 {0x0C, "3 "}, {0x08, "4 "},   {0x10, "5 "},  {0x30, "5 "}, {0x20, "6 "},
                 {0x40, "7 "}, {0x80, "??? "}, {0x83, "??? "}};
    for (const auto& c : cases)
        EXPECT_EQ(MonErrorStateField(c.b), QString::fromLatin1(c.text)) << int(c.b);
}

TEST(MonitorRecord, ResultTexts) {
    const struct {
        int code;
        const char* text;
    } cases[] = {{0, "OK"},
                 {1, "ERROR:_Error_during_Transmit"},
                 {2, "ERROR:_Bad_Parameters"},
                 {3, "ERROR:_Bad_Function"},
                 {8, "OK"},
                 {100, "ERROR:_Frame_Error_of_the_Incoming_Message"},
                 {101, "ERROR:_Bad_CRC_of_the_Incoming_Message"},
                 {102, "ERROR:_Error_during_Transmit"},
                 {150, "ERROR:_Bad_Answer"},
                 {200, "ERROR:_Timeout"},
                 {300, "ERROR:_Unknown_Answer:_300"},
                 {5, "ERROR:_Unknown_Answer:_5"}};
    for (const auto& c : cases) {
        EXPECT_EQ(MonErrKod2Ret(c.code), QString::fromLatin1(c.text));
        EXPECT_FALSE(MonErrKod2Ret(c.code).contains(QLatin1Char(' ')));
    }
}

TEST(MonitorLog, WindowKeepsAtMost501Lines) {
    MonitorLog log;
    int cleared = 0;
    QObject::connect(&log, &MonitorLog::windowCleared, [&] { ++cleared; });
    log.PrintMonMemo(QString());  // an empty line is ignored
    EXPECT_TRUE(log.windowLines().isEmpty());
    for (int i = 1; i <= 501; ++i) log.PrintMonMemo(QString::number(i));
    EXPECT_EQ(log.windowLines().size(), 501);
    EXPECT_EQ(cleared, 0);
    log.PrintMonMemo(QStringLiteral("502"));
    EXPECT_EQ(log.windowLines(), QStringList{QStringLiteral("502")});
    EXPECT_EQ(cleared, 1);
}

TEST(MonitorLog, ClearAsksFirst) {
    MonitorLog log;
    log.PrintMonMemo(QStringLiteral("x"));
    test::ScriptedInteraction ui;
    ui.answers = {false, true};
    log.confirmAndClear(ui);
    EXPECT_EQ(log.windowLines().size(), 1);
    log.confirmAndClear(ui);
    EXPECT_TRUE(log.windowLines().isEmpty());
    EXPECT_EQ(ui.last(), QStringLiteral("Do you really want to erase records in window?"));
}

QByteArray ReadAll(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TEST(MonitorLog, FileModes) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("run.log"));
    MonitorLog log;
    // Append without a file creates it.
    ASSERT_TRUE(log.openFile(name, true));
    log.PrintMonMemo(QStringLiteral("one"));
    log.closeFile();
    // Append keeps what is there.
    ASSERT_TRUE(log.openFile(name, true));
    log.PrintMonMemo(QString::fromUtf8("two \u00B0C"));
    log.closeFile();
    EXPECT_EQ(ReadAll(name), QByteArray("one\r\ntwo \xB0"
                                        "C\r\n"));
    // Rewrite empties it.
    ASSERT_TRUE(log.openFile(name, false));
    log.PrintMonMemo(QStringLiteral("three"));
    log.closeFile();
    EXPECT_EQ(ReadAll(name), QByteArray("three\r\n"));
    // After closing, lines go to the window only.
    log.PrintMonMemo(QStringLiteral("four"));
    EXPECT_EQ(ReadAll(name), QByteArray("three\r\n"));
    EXPECT_EQ(log.windowLines().last(), QStringLiteral("four"));
}

TEST(MonitorLog, UnwritableFileIsReportedOnceAndWindowGoesOn) {
    MonitorLog log;
    QStringList failed;
    QObject::connect(&log, &MonitorLog::fileFailed, [&](const QString& m) { failed << m; });
    EXPECT_FALSE(log.openFile(QStringLiteral("/nonexistent-folder/x/run.log"), true));
    log.PrintMonMemo(QStringLiteral("a"));
    log.PrintMonMemo(QStringLiteral("b"));
    EXPECT_EQ(failed.size(), 1);
    EXPECT_TRUE(failed.at(0).contains(QStringLiteral("/nonexistent-folder/x/run.log")));
    EXPECT_EQ(log.windowLines(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    // A name of blanks and quotes only ends empty and fails the same way.
    EXPECT_EQ(MonitorLog::CleanFileName(QStringLiteral("  \" \"  ")), QString());
    EXPECT_EQ(MonitorLog::CleanFileName(QStringLiteral(" \"C:\\logs\\a b.log\" ")),
              QStringLiteral("C:\\logs\\a b.log"));
    EXPECT_FALSE(log.openFile(QString(), false));
    EXPECT_EQ(failed.size(), 2);  // once per run
}

TEST(MonitorLog, WriteFailureMidRunIsReportedOnce) {
    if (!QFile::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "no /dev/full";
    MonitorLog log;
    QStringList failed;
    QObject::connect(&log, &MonitorLog::fileFailed, [&](const QString& m) { failed << m; });
    ASSERT_TRUE(log.openFile(QStringLiteral("/dev/full"), true));
    for (int i = 0; i < 5; ++i) log.PrintMonMemo(QStringLiteral("line"));
    EXPECT_EQ(failed.size(), 1);
    // The file stays open: every later line is tried again, and counted
    // while the disk refuses it.
    EXPECT_TRUE(log.fileOpen());
    EXPECT_TRUE(log.fileWriteFailing());
    EXPECT_EQ(log.lostLines(), 5);
    EXPECT_EQ(log.windowLines().size(), 5);
}

// A disk that fills during a run and has room again: the lines it refused
// are counted, the gap is marked in the file with the count, the half line
// the disk took is ended, and the failing state shows until then.
TEST(MonitorLog, FullDiskMidRunIsCountedAndMarkedWhenWritingResumes) {
    const struct {
        const char* name;
        bool csv;
        int room;            // bytes the disk still takes once full
        QByteArray between;  // what lies between the first line and the last
    } cases[] = {
        {"text, nothing of the refused lines", false, 0,
         " Log File Written Again:  DATE  lines not written: 2\r\n"},
        {"text, half a line", false, 3,
         "lin\r\n Log File Written Again:  DATE  lines not written: 2\r\n"},
        {"CSV, half a row: only ended", true, 3, "lin\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("run.log"));
        MonitorLog log;
        QStringList failed;
        std::vector<bool> failing;
        QObject::connect(&log, &MonitorLog::fileFailed, [&](const QString& m) { failed << m; });
        QObject::connect(&log, &MonitorLog::fileWritingChanged,
                         [&](bool f) { failing.push_back(f); });
        const auto line = [&](const char* text) {
            if (c.csv)
                log.writeCsvRow(QLatin1String(text));
            else
                log.PrintMonMemo(QLatin1String(text));
        };
        ASSERT_TRUE(c.csv ? log.openCsvFile(name, false, MonCsvStyle::Comma())
                          : log.openFile(name, false));
        line("first");
        const qint64 before = QFileInfo(name).size();
        {
            rlimit saved{};
            getrlimit(RLIMIT_FSIZE, &saved);
            rlimit full = saved;
            full.rlim_cur = rlim_t(before + c.room);
            const auto handler = std::signal(SIGXFSZ, SIG_IGN);
            ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
            line("line two");
            line("line three");
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, handler);
        }
        EXPECT_TRUE(log.fileWriteFailing());
        EXPECT_EQ(failed.size(), 1);
        EXPECT_TRUE(failed.value(0).contains(QString::fromLocal8Bit(std::strerror(EFBIG))))
            << failed.value(0).toStdString();
        line("last");
        log.closeFile();
        EXPECT_FALSE(log.fileWriteFailing());
        EXPECT_EQ(failing, (std::vector<bool>{true, false}));
        EXPECT_EQ(log.lostLines(), 2);
        QString text = QString::fromLatin1(ReadAll(name));
        text.replace(QRegularExpression(QStringLiteral("Again:  [^\r]*  lines")),
                     QStringLiteral("Again:  DATE  lines"));
        const QByteArray bytes = text.toLatin1();
        EXPECT_TRUE(bytes.endsWith("first\r\n" + c.between + "last\r\n")) << bytes.toStdString();
    }
}

TEST(MonitorLog, FixedLines) {
    MonitorLog log;
    log.writeHeader(kMoment);
    log.writeAddressLine(3, QStringLiteral("K8410H10"), 1234);
    log.writeRangeBlock(-50.0, 150.0, QString::fromUtf8("\u00B0C"), MonFormatText(1));
    log.writeFooter(kMoment);
    log.writeNoCommunication(4);
    log.writePortNotConnected();
    const QString eq(49, QLatin1Char('='));
    const QString dash(49, QLatin1Char('-'));
    const QStringList expected = {
        QStringLiteral(" "),
        eq,
        QStringLiteral(" Start of the Monitoring:  5.3.2003 14:07:09"),
        QStringLiteral("  LMK-17 version 2.3.2"),
        dash,
        QStringLiteral("  Address: 3, Transmitter: K8410H10, Serial Number: 00001234"),
        QString::fromUtf8("    Input Range: < -50 ; 150 > \u00B0C"),
        eq,
        QStringLiteral("DateTime[mmddhhmmss]  PV  St_Mess_1  Error  St_Mess_2"),
        dash,
        eq,
        QStringLiteral(" End of the Monitoring:  5.3.2003 14:07:09"),
        eq,
        QStringLiteral(
            "  Address: 4, ERROR! Communication with the Transmitter was not established!"),
        QStringLiteral(" "),
        QStringLiteral("  Communication Port is not connected."),
        QStringLiteral(" "),
    };
    EXPECT_EQ(log.windowLines(), expected);
}

TEST(MonitorParameters, DialogChecks) {
    EXPECT_EQ(CheckMonInterval(QStringLiteral("0,5")), 1000);
    EXPECT_EQ(ShowMonInterval(CheckMonInterval(QStringLiteral("0,5"))), QStringLiteral(" 1.0"));
    EXPECT_EQ(ShowMonInterval(CheckMonInterval(QStringLiteral("abc"))), QStringLiteral(" 1000.0"));
    EXPECT_EQ(CheckMonInterval(QStringLiteral("2.5")), 2500);
    EXPECT_EQ(CheckMonInterval(QStringLiteral("99999")), 1200000);
    EXPECT_EQ(CheckMonDigits(QStringLiteral("2")), 3);
    EXPECT_EQ(CheckMonDigits(QStringLiteral("x")), 3);
    EXPECT_EQ(CheckMonPercent(QStringLiteral("5000")), 1000);
    EXPECT_EQ(CheckMonPercent(QStringLiteral("0")), 1);
    EXPECT_EQ(CheckMonPeriod(QStringLiteral("x")), 300);
    EXPECT_EQ(CheckMonPeriod(QStringLiteral("5")), 20);
    EXPECT_EQ(CheckMonPointLimit(QStringLiteral("5000")), 2000);

    MonitorParameters p;
    p.writeAll = false;
    p.onErrorState = p.onCommError = false;
    p.normaliseOnClose();
    EXPECT_TRUE(p.writeAll);
}

TEST(MonitorGraph, AxisAndPointLimit) {
    MonitorGraphModel g;
    g.setRange(0, 100);
    for (int i = 0; i < 3; ++i) g.addPoint(i, 20);
    EXPECT_DOUBLE_EQ(g.axisMin(), 19.75);
    EXPECT_DOUBLE_EQ(g.axisMax(), 20.25);
    g.clear();
    g.addPoint(0, 10);
    g.addPoint(1, 30);
    EXPECT_DOUBLE_EQ(g.axisMin(), 9.4);
    EXPECT_DOUBLE_EQ(g.axisMax(), 30.6);
    g.clear();
    g.setPointLimit(200);
    for (int i = 0; i < 201; ++i) g.addPoint(i, i);
    EXPECT_EQ(g.points().size(), 200u);
    EXPECT_EQ(g.points().front().x, 1.0);
}

struct AddressListCase {
    const char* text;
    std::vector<int> addresses;  // empty: refused
    const char* written;         // how the list is written back
};

TEST(MonitorParameters, AddressLists) {
    const AddressListCase cases[] = {
        {"0,3,5-7", {0, 3, 5, 6, 7}, "0,3,5-7"},
        {" 7 , 2 ,4- 5", {7, 2, 4, 5}, "7,2,4,5"},
        {"0-31", {}, "0-31"},
        {"31", {31}, "31"},
        {"", {}, nullptr},
        {"1,,2", {}, nullptr},
        {"32", {}, nullptr},
        {"-1", {}, nullptr},
        {"5-3", {}, nullptr},
        {"1,2,1", {}, nullptr},
        {"3-5,4", {}, nullptr},
        {"a", {}, nullptr},
    };
    for (const AddressListCase& c : cases) {
        QString why;
        const auto list = ParseMonAddressList(QString::fromLatin1(c.text), &why);
        EXPECT_EQ(list.has_value(), c.written != nullptr) << c.text;
        if (!list || !c.written) continue;
        if (!c.addresses.empty()) {
            EXPECT_EQ(*list, c.addresses) << c.text;
        }
        EXPECT_EQ(MonAddressListText(*list), QString::fromLatin1(c.written)) << c.text;
    }
    EXPECT_EQ(ParseMonAddressList(QStringLiteral("0-31"))->size(), 32u);
    MonitorParameters p;
    p.address = 9;
    EXPECT_EQ(p.monitoredAddresses(), std::vector<int>{9});
    p.addresses = {1, 2};
    EXPECT_EQ(p.monitoredAddresses(), (std::vector<int>{1, 2}));
}

// The address list beside the single address in the settings file; stored
// values go through the dialog's checks.
TEST(MonitorParameters, SettingsKeys) {
    MonitorParameters p;
    p.address = 4;
    p.addresses = {0, 3, 5, 6, 7};
    p.format = kMonFormatCsvSemicolon;
    p.intervalMs = 2500;
    p.logEncoding = MonLogEncoding::Utf8;
    IniFile ini;
    SaveMonitorSettings(ini, p);
    EXPECT_EQ(ini.value(QStringLiteral("Monitor"), QStringLiteral("Addresses"), {}),
              QStringLiteral("0,3,5-7"));
    EXPECT_EQ(ini.value(QStringLiteral("Monitor"), QStringLiteral("Address"), {}),
              QStringLiteral("4"));
    MonitorParameters back;
    LoadMonitorSettings(ini, back);
    EXPECT_EQ(back.addresses, p.addresses);
    EXPECT_EQ(back.address, 4);
    EXPECT_EQ(back.format, kMonFormatCsvSemicolon);
    EXPECT_EQ(back.intervalMs, 2500);
    EXPECT_EQ(back.logEncoding, MonLogEncoding::Utf8);

    ini.setValue(QStringLiteral("Monitor"), QStringLiteral("Addresses"), QStringLiteral("1,1"));
    ini.setValue(QStringLiteral("Monitor"), QStringLiteral("Interval"), QStringLiteral("10"));
    MonitorParameters bad;
    LoadMonitorSettings(ini, bad);
    EXPECT_TRUE(bad.addresses.empty());
    EXPECT_EQ(bad.intervalMs, 1000);
}

TEST(MonitorCsv, RowsInBothStyles) {
    const QDateTime plusOne(QDate(2003, 3, 5), QTime(14, 7, 9), QTimeZone(3600));
    const QDateTime minusHalf(QDate(2003, 3, 5), QTime(4, 0, 0), QTimeZone(-(3 * 3600 + 1800)));
    MonCsvRecord r;
    r.moment = plusOne;
    r.address = 3;
    r.serialNumber = 12345678;
    r.pv = 23.456789;
    r.digits = 8;
    r.unit = QString::fromUtf8("°C");
    r.pvState = QStringLiteral("OK");
    r.errorCode = QStringLiteral("00");
    r.statusState = QStringLiteral("OK");
    MonCsvRecord failed = r;
    failed.moment = minusHalf;
    failed.pv.reset();
    failed.pvState = QStringLiteral("ERROR:_Timeout");
    MonCsvRecord odd = r;
    odd.unit = QStringLiteral("m3;\"h\",x");
    struct {
        MonCsvStyle style;
        const MonCsvRecord& record;
        const char* row;
    } cases[] = {
        {MonCsvStyle::Comma(), r, "2003-03-05 14:07:09,+01:00,3,12345678,23.456789,°C,OK,00,OK"},
        {MonCsvStyle::Semicolon(), r,
         "2003-03-05 14:07:09;+01:00;3;12345678;23,456789;°C;OK;00;OK"},
        {MonCsvStyle::Comma(), failed,
         "2003-03-05 04:00:00,-03:30,3,12345678,,°C,ERROR:_Timeout,00,OK"},
        {MonCsvStyle::Comma(), odd,
         "2003-03-05 14:07:09,+01:00,3,12345678,23.456789,\"m3;\"\"h\"\",x\",OK,00,OK"},
        {MonCsvStyle::Semicolon(), odd,
         "2003-03-05 14:07:09;+01:00;3;12345678;23,456789;\"m3;\"\"h\"\",x\";OK;00;OK"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MonCsvRow(c.style, c.record).toStdString(), std::string(c.row));
    EXPECT_EQ(
        MonCsvHeader(MonCsvStyle::Semicolon()),
        QStringLiteral("Time;UTC Offset;Address;Serial Number;PV;Unit;St_Mess_1;Error;St_Mess_2"));
}

// A CSV log appended to across runs keeps one byte-order mark and one header.
TEST(MonitorCsv, AppendedRunsShareOneHeader) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("m.csv"));
    for (int run = 0; run < 2; ++run) {
        MonitorLog log;
        ASSERT_TRUE(log.openCsvFile(name, true, MonCsvStyle::Comma()));
        log.writeHeader(kMoment);
        log.writeCsvRow(QStringLiteral("row%1").arg(run));
        log.writeFooter(kMoment);
        log.closeFile();
        EXPECT_EQ(log.windowLines().count(QStringLiteral("row%1").arg(run)), 1);
    }
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(),
              QByteArray("\xEF\xBB\xBF") + MonCsvHeader({}).toUtf8() + "\r\nrow0\r\nrow1\r\n");
}

TEST(MonitorGraph, OneBoundedSeriesPerAddress) {
    MonitorGraphModel g;
    g.setPointLimit(20);
    g.setSeries(5, 111, 1, 0, 100);
    g.setSeries(2, 222, 2, 0, 1000);
    for (int i = 0; i < 30; ++i) {
        g.addPoint(5, i, 20);
        g.addPoint(2, i, 21);
    }
    ASSERT_EQ(g.series().size(), 2u);
    EXPECT_EQ(g.series()[0].address, 5);
    EXPECT_EQ(g.series()[0].points.size(), 20u);
    EXPECT_EQ(g.seriesOf(2)->points.size(), 20u);
    EXPECT_EQ(g.seriesOf(2)->points.front().x, 10.0);
    // One axis for both, at least half a percent of the widest range.
    EXPECT_DOUBLE_EQ(g.axisMin(), 20.5 - 2.5);
    EXPECT_DOUBLE_EQ(g.axisMax(), 20.5 + 2.5);
    g.clear();
    EXPECT_EQ(g.series().size(), 2u);
    EXPECT_TRUE(g.seriesOf(5)->points.empty());

    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("points.csv"));
    g.addPoint(5, 36220.5, 1.5);
    ASSERT_TRUE(WriteMonGraphCsv(name, g, MonCsvStyle::Semicolon()));
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = f.readAll().split('\n');
    ASSERT_EQ(rows.size(), 3);
    EXPECT_TRUE(rows[1].startsWith("1999-03-01 12:00:00;")) << rows[1].constData();
    EXPECT_TRUE(rows[1].contains(";5;111;1,5;")) << rows[1].constData();
}

// A log file named without a folder lands in the data folder, never in
// whatever folder the program was started from.
TEST(MonitorLog, FileNameWithoutFolderGoesToTheDataFolder) {
    struct Case {
        const char* field;
        const char* folder;
        const char* resolved;
        const char* browse;
    } const cases[] = {
        {"run.log", "/home/u/LMK-17", "/home/u/LMK-17/run.log", "/home/u/LMK-17"},
        {" \"run 2.log\" ", "/home/u/LMK-17", "/home/u/LMK-17/run 2.log", "/home/u/LMK-17"},
        {"sub/run.log", "/home/u/LMK-17", "/home/u/LMK-17/sub/run.log", "/home/u/LMK-17/sub"},
        {"/var/log/run.log", "/home/u/LMK-17", "/var/log/run.log", "/var/log"},
        {"run.log", "", "run.log", "."},
        {"  ", "/home/u/LMK-17", "  ", "/home/u/LMK-17"},
    };
    for (const Case& c : cases) {
        const QString field = QString::fromUtf8(c.field);
        const QString folder = QString::fromUtf8(c.folder);
        EXPECT_EQ(MonitorLog::ResolveFileName(field, folder), QString::fromUtf8(c.resolved))
            << c.field;
        EXPECT_EQ(MonitorLog::BrowseFolder(field, folder), QString::fromUtf8(c.browse)) << c.field;
    }
}

}  // namespace
}  // namespace lmk17
