#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>

#include "support/cli_process.h"

namespace lmk17 {
namespace {

using test::CliResult;
using test::RunCli;
using test::SimProcess;

const QRegularExpression kRecordFormat1(QStringLiteral("^\\d{10} 325 OK 00 OK $"));

TEST(MonitorCli, LinesOnStdoutAreTheLogFileLines) {
    SimProcess sim({"--address", "4", "--type", "K8410H10"});
    ASSERT_FALSE(sim.devicePath().isEmpty());
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("m.log"));
    const CliResult r =
        RunCli({"--port", sim.devicePath(), "monitor", "--monitor-address", "4", "--interval", "1",
                "--log", log, "--rewrite", "--format", "1", "--separator", "dot", "--cycles", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 15) << r.out.toStdString();
    EXPECT_EQ(lines[5],
              QStringLiteral("  Address: 4, Transmitter: K8410H10, Serial Number: 12345678"));
    EXPECT_EQ(lines[8], QStringLiteral("DateTime[mmddhhmmss]  PV  St_Mess_1  Error  St_Mess_2"));
    EXPECT_TRUE(kRecordFormat1.match(lines[10]).hasMatch()) << lines[10].toStdString();
    EXPECT_TRUE(kRecordFormat1.match(lines[11]).hasMatch()) << lines[11].toStdString();
    EXPECT_TRUE(lines[13].startsWith(QStringLiteral(" End of the Monitoring:  ")));
    QFile f(log);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QString file = QString::fromLatin1(f.readAll());
    file.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QString out = r.out;
    out.replace(QString::fromUtf8("°"), QString(QChar(0xB0)));
    EXPECT_EQ(file.toStdString(), out.toStdString());
}

TEST(MonitorCli, CtrlCStopsAsTheStopButton) {
    SimProcess sim({"--type", "K8620L31", "--pv", "const:12.5"});
    ASSERT_FALSE(sim.devicePath().isEmpty());
    QProcess p;
    p.start(test::CliProgram(), {"--port", sim.devicePath(), "monitor", "--interval", "1",
                                 "--record-when", "change=10,comm"});
    ASSERT_TRUE(p.waitForStarted());
    QString out;
    // The first cycle is always recorded; wait for it and one more second.
    while (!out.contains(QStringLiteral(" 12,5 OK 00 OK")) && p.waitForReadyRead(10000))
        out += QString::fromUtf8(p.readAllStandardOutput());
    ASSERT_TRUE(out.contains(QStringLiteral(" 12,5 OK 00 OK"))) << out.toStdString();
    QProcess::execute(QStringLiteral("sleep"), {QStringLiteral("1.3")});
    ::kill(pid_t(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(10000));
    out += QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_EQ(p.exitCode(), 0);
    // No change, no failure: only the first cycle was recorded.
    EXPECT_EQ(out.count(QStringLiteral(" OK 00 OK")), 1) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral(" End of the Monitoring:  "))) << out.toStdString();
}

// RFC 4180 as a spreadsheet reads it: quoted fields may hold the separator,
// doubled quotes and line ends.
QList<QStringList> ParseCsv(const QString& text, QChar separator) {
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                field += text[++i];
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == separator) {
            row << std::exchange(field, QString());
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                   text[i + 1] == QLatin1Char('\n')) {
            row << std::exchange(field, QString());
            rows << std::exchange(row, QStringList());
            ++i;
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty()) rows << (row << field);
    return rows;
}

// Reads the program's output until it holds `count` matches (false on time-out).
bool WaitForOutput(QProcess& p, QString& out, const QRegularExpression& what, int count,
                   int timeoutMs = 15000) {
    QDeadlineTimer deadline(timeoutMs);
    while (out.count(what) < count) {
        if (deadline.hasExpired()) return false;
        p.waitForReadyRead(100);
        out += QString::fromUtf8(p.readAllStandardOutput());
    }
    return true;
}

// The done-when of several transmitters: three addresses (one of them
// silent) into a CSV file, through a simulator killed and restarted twice on
// the same link path; the file read back as a spreadsheet would read it.
TEST(MonitorCli, SeveralTransmittersIntoCsvThroughALostPort) {
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("line"));
    const QStringList simArgs = {"--link",    link, "--address", "0",        "--pv", "const:12.5",
                                 "--address", "3",  "--type",    "K8410H10", "--pv", "const:-7.25"};
    auto sim = std::make_unique<SimProcess>(simArgs);
    ASSERT_FALSE(sim->devicePath().isEmpty());
    const QString csv = dir.filePath(QStringLiteral("m.csv"));
    QProcess p;
    p.start(test::CliProgram(), {"--port", link, "monitor", "--addresses", "0,3,5", "--interval",
                                 "1", "--format", "csv", "--log", csv, "--rewrite"});
    ASSERT_TRUE(p.waitForStarted());
    QString out;
    const QRegularExpression ok(QStringLiteral(",3,12345678,-7.25,[^\n]*,OK,00,OK"));
    const QRegularExpression lost(QStringLiteral("^ Communication Port Lost:  "),
                                  QRegularExpression::MultilineOption);
    const QRegularExpression resumed(QStringLiteral("^ Communication Port Resumed:  "),
                                     QRegularExpression::MultilineOption);
    ASSERT_TRUE(WaitForOutput(p, out, ok, 2)) << out.toStdString();
    for (int round = 1; round <= 2; ++round) {
        sim->kill();
        // The adapter's device goes with it: the link must not lead to a
        // terminal number another program gets meanwhile.
        QFile::remove(link);
        ASSERT_TRUE(WaitForOutput(p, out, lost, round)) << out.toStdString();
        QProcess::execute(QStringLiteral("sleep"), {QStringLiteral("2.5")});
        sim = std::make_unique<SimProcess>(simArgs);
        ASSERT_FALSE(sim->devicePath().isEmpty());
        ASSERT_TRUE(WaitForOutput(p, out, resumed, round, 8000)) << out.toStdString();
        ASSERT_TRUE(WaitForOutput(p, out, ok, 2 * round + 2)) << out.toStdString();
    }
    ::kill(pid_t(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(10000));
    out += QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_EQ(p.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral(
        "  Address: 5, ERROR! Communication with the Transmitter was not established!")));
    EXPECT_EQ(out.count(lost), 2);
    EXPECT_EQ(out.count(resumed), 2);
    // Each gap opens with its lost line, before the first failed record.
    const QStringList lines = out.split(QLatin1Char('\n'));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lost.match(lines[i]).hasMatch()) {
            EXPECT_FALSE(lines[i - 1].contains(QLatin1String("ERROR:_")))
                << lines[i - 1].toStdString();
        }
    }

    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QList<QStringList> rows = ParseCsv(QString::fromUtf8(bytes.mid(3)), QLatin1Char(','));
    ASSERT_GE(rows.size(), 1 + 2 * 6);
    EXPECT_EQ(rows[0], QStringList({"Time", "UTC Offset", "Address", "Serial Number", "PV", "Unit",
                                    "St_Mess_1", "Error", "St_Mess_2"}));
    int good = 0;
    int failed = 0;
    QString previousTime;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        QStringList r = rows[i];
        ASSERT_EQ(r.size(), 9) << i;
        // Local time and its offset from UTC, together one moment.
        EXPECT_TRUE(QDateTime::fromString(r[0].replace(QLatin1Char(' '), QLatin1Char('T')) + r[1],
                                          Qt::ISODate)
                        .isValid())
            << r[0].toStdString() << r[1].toStdString();
        EXPECT_GE(r[0], previousTime);
        previousTime = r[0];
        r.removeAt(1);
        // Every cycle has its row for both addresses, in the listed order.
        EXPECT_EQ(r[1], (i % 2) ? QStringLiteral("0") : QStringLiteral("3")) << i;
        EXPECT_EQ(r[2], QStringLiteral("12345678"));
        if (r[5] == QLatin1String("OK")) {
            ++good;
            EXPECT_EQ(r[3].toDouble(), r[1] == QLatin1String("0") ? 12.5 : -7.25);
            EXPECT_FALSE(r[4].isEmpty());
        } else {
            ++failed;
            EXPECT_TRUE(r[3].isEmpty()) << i;
            EXPECT_TRUE(r[5].startsWith(QStringLiteral("ERROR:_"))) << r[5].toStdString();
        }
    }
    EXPECT_GE(good, 2 * 6);
    EXPECT_GE(failed, 2 * 2);  // each gap lasted at least two polls
}

TEST(MonitorCli, BadOptionsAreUsageErrors) {
    const QStringList bad[] = {
        {"monitor", "--format", "4"},
        {"monitor", "--separator", "semicolon"},
        {"monitor", "--record-when", "change=0"},
        {"monitor", "--record-when", "often"},
        {"monitor", "--record", "all", "--record-when", "error"},
        {"monitor", "--interval", "0.5"},
        {"monitor", "--append", "--rewrite"},
        {"monitor", "--digits", "2"},
        {"monitor", "--addresses", "1,1"},
        {"monitor", "--addresses", "0,3", "--monitor-address", "1"},
        {"monitor", "--format", "xls"},
        {"monitor", "--encoding", "latin-2"},
        {"monitor", "--format", "csv", "--encoding", "utf-8"},
    };
    for (const QStringList& args : bad) {
        const CliResult r = RunCli(QStringList{"--port", "/dev/null"} + args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    }
}

// A run appended to a log of another format is refused before the port is
// touched, and the file stays as it was.
TEST(MonitorCli, AppendOntoAnotherFormatIsRefused) {
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("plant.csv"));
    const QByteArray comma =
        "\xEF\xBB\xBFTime,UTC Offset,Address,Serial Number,PV,Unit,St_Mess_1,Error,St_Mess_2\r\n"
        "2003-03-05 14:07:09,+01:00,0,1,2.5,mA,OK,00,OK\r\n";
    {
        QFile f(log);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(comma);
    }
    for (const char* format : {"csv-semicolon", "0"}) {
        SCOPED_TRACE(format);
        const CliResult r = RunCli({"--port", "/nonexistent/tty", "monitor", "--log", log,
                                    "--format", format, "--cycles", "1"});
        EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("nothing was appended"))) << r.err.toStdString();
        QFile f(log);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), comma);
    }
}

}  // namespace
}  // namespace lmk17
