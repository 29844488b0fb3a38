#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>

#include "monitoring/cli_process.h"

namespace lmk17 {
namespace {

using test::CliResult;
using test::RunCli;
using test::SimProcess;

const QRegularExpression kRecordFormat1(QStringLiteral("^\\d{10} 325 OK 00 OK $"));

TEST(MonitorCli, LinesOnStdoutAreTheLogFileLines) {
    SimProcess sim({"--address", "4", "--type", "K8410H10"});
    ASSERT_FALSE(sim.path().isEmpty());
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("m.log"));
    const CliResult r =
        RunCli({"--port", sim.path(), "monitor", "--monitor-address", "4", "--interval", "1",
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
    ASSERT_FALSE(sim.path().isEmpty());
    QProcess p;
    p.start(
        test::ProgramPath("LMK17_CLI", "../src/lmk17-cli"),
        {"--port", sim.path(), "monitor", "--interval", "1", "--record-when", "change=10,comm"});
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
    };
    for (const QStringList& args : bad) {
        const CliResult r = RunCli(QStringList{"--port", "/dev/null"} + args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    }
}

}  // namespace
}  // namespace lmk17
