#include <gtest/gtest.h>

#include <signal.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/cli_process.h"

namespace lmk17 {
namespace {

using test::CliResult;
using test::RunCli;
using test::SimProcess;

TEST(LiveCli, ReadingsAgainstTheSimulator) {
    const struct {
        QStringList sim;
        QStringList command;
        int exitCode;
        const char* out;
    } cases[] = {
        {{"--type", "K8410H10", "--firmware", "1.60"},
         {"pv"},
         0,
         "PV: 325  °C   output: 12 mA   test mode: off   device errors: none\n"},
        {{"--type", "K8410H10", "--firmware", "1.85", "--device-errors", "5"},
         {"pv"},
         0,
         "PV: 325  °C   output: 22 mA   test mode: off   device errors:  1 - Sensor Incorrectly "
         "Connected or Faulty; 3 - EEPROM Error (Write Error)\n"},
        {{"--type", "K8410H10", "--firmware", "1.90"},
         {"pv", "--interval", "0.2", "--count", "3"},
         0,
         "PV: 325  °C   output: 12 mA   test mode: off   device errors: none\n"
         "PV: 325  °C   output: 12 mA   test mode: off   device errors: none\n"
         "PV: 325  °C   output: 12 mA   test mode: off   device errors: none\n"},
        {{"--type", "K8410H10", "--range", "51", "--cj-temp", "21.5"},
         {"cj"},
         0,
         "CJ temperature: 21.5 °C\n"},
        {{"--type", "K8410H10"}, {"cj"}, 1, "CJ temperature: °C\n"},
        {{"--type", "K8410H10", "--firmware", "1.60", "--working-time", "86400"},
         {"working-time"},
         0,
         "Working time: 1 day, 0 seconds (86400 s)\n"},
        {{"--type", "K8410H10", "--firmware", "1.60"},
         {"output-test", "--value", "8"},
         0,
         "value 8 mA:  PV: 325  °C   output: 8 mA   test mode: active   device errors: none\n"},
        {{"--type", "K8410H10", "--firmware", "1.90"},
         {"output-test", "--cycle", "4,8,20", "--period", "0.2", "--count", "4"},
         0,
         "value 4 mA:  PV: 325  °C   output: 4 mA   test mode: active   device errors: none\n"
         "value 8 mA:  PV: 325  °C   output: 8 mA   test mode: active   device errors: none\n"
         "value 20 mA:  PV: 325  °C   output: 20 mA   test mode: active   device errors: none\n"
         "value 4 mA:  PV: 325  °C   output: 4 mA   test mode: active   device errors: none\n"},
        // A value outside the output test range drives nothing.
        {{"--type", "K8410H10", "--firmware", "1.90"},
         {"output-test", "--cycle", "4,8,30", "--period", "0.2", "--count", "4"},
         2,
         ""},
        {{"--type", "K8410H10"},
         {"output-test", "--exit"},
         0,
         "PV: 325  °C   output: 12 mA   test mode: off   device errors: none\n"},
    };
    for (const auto& c : cases) {
        SimProcess sim(c.sim);
        ASSERT_FALSE(sim.devicePath().isEmpty());
        const CliResult r = RunCli(QStringList{"--port", sim.devicePath()} + c.command);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.command.join(' ').toStdString() << "\n"
                                          << r.err.toStdString();
        EXPECT_EQ(r.out.toStdString(), std::string(c.out)) << c.command.join(' ').toStdString();
    }
}

// The values written as parameter 220, from the simulator's trace.
TEST(LiveCli, OutputTestSendsWhatTheFirmwareExpects) {
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    {
        SimProcess sim({"--type", "K8410H10", "--firmware", "1.60", "--trace", trace});
        ASSERT_FALSE(sim.devicePath().isEmpty());
        EXPECT_EQ(RunCli({"--port", sim.devicePath(), "output-test", "--value", "12"}).exitCode, 0);
        EXPECT_EQ(RunCli({"--port", sim.devicePath(), "output-test", "--exit"}).exitCode, 0);
    }
    QFile f(trace);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QStringList writes;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n')))
        if (line.contains(QStringLiteral("write")) && line.contains(QStringLiteral("220")))
            writes << line;
    ASSERT_EQ(writes.size(), 2) << writes.join('\n').toStdString();
    EXPECT_TRUE(writes[0].contains(QStringLiteral(" 12"))) << writes[0].toStdString();
    EXPECT_TRUE(writes[1].contains(QStringLiteral("-200"))) << writes[1].toStdString();
}

// What a transmitter in the field may do: answer the first request after the
// time-out (9600 Bd, every byte taking its time), hold linearization tables
// fitted by another tool. The values shown are still the transmitter's own,
// with no question on the way.
TEST(LiveCli, TrueValuesFromLateAnswersAndForeignTables) {
    const struct {
        QStringList sim;
        QStringList command;
        QStringList out;  // lines the output holds
    } cases[] = {
        {{"--pace", "--baud", "9600", "--answer-delay", "20", "--serial", "4711", "--fault",
          "delay:1300@1"},
         {"--baud", "9600", "identify"},
         {"firmware:            1.91", "serial number:       00004711",
          "input range:         R11  Pt100 (-200 to 850 °C) with Linearization"}},
        {{"--type", "K8410H10", "--range", "52", "--foreign-tables", "--cj-temp", "21.5"},
         {"cj"},
         {"CJ temperature: 21.5 °C"}},
    };
    for (const auto& c : cases) {
        SimProcess sim(c.sim);
        ASSERT_FALSE(sim.devicePath().isEmpty());
        const CliResult r = RunCli(QStringList{"--port", sim.devicePath()} + c.command);
        EXPECT_EQ(r.exitCode, 0) << c.command.join(' ').toStdString() << "\n"
                                 << r.err.toStdString();
        for (const QString& line : c.out)
            EXPECT_TRUE(r.out.contains(line)) << line.toStdString() << "\n" << r.out.toStdString();
        EXPECT_FALSE(r.err.contains(QLatin1Char('?'))) << r.err.toStdString();
    }
}

// A long command ends on SIGTERM and SIGHUP exactly as on Ctrl-C.
TEST(LiveCli, StopSignalsEndLongCommandsCleanly) {
    const struct {
        int signal;
        QStringList command;
        const char* last;  // what the clean end writes (stdout or stderr)
    } cases[] = {
        {SIGTERM, {"monitor", "--interval", "1"}, " End of the Monitoring:  "},
        {SIGHUP, {"monitor", "--interval", "1"}, " End of the Monitoring:  "},
        {SIGTERM, {"pv", "--interval", "0.2"}, "device errors: none"},
        {SIGHUP,
         {"output-test", "--cycle", "4,8,12", "--period", "0.2"},
         "the output test mode was left"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command.join(' ').toStdString() + " signal " + std::to_string(c.signal));
        SimProcess sim({"--type", "K8410H10"});
        ASSERT_FALSE(sim.devicePath().isEmpty());
        QProcess p;
        p.start(test::CliProgram(), QStringList{"--port", sim.devicePath()} + c.command);
        ASSERT_TRUE(p.waitForStarted());
        QString out;
        while (!out.contains(QStringLiteral("device errors: none")) &&
               !out.contains(QStringLiteral(" OK ")) && p.waitForReadyRead(15000))
            out += QString::fromUtf8(p.readAllStandardOutput());
        ASSERT_EQ(p.state(), QProcess::Running) << out.toStdString();
        ::kill(pid_t(p.processId()), c.signal);
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 0);
        out += QString::fromUtf8(p.readAllStandardOutput()) +
               QString::fromUtf8(p.readAllStandardError());
        EXPECT_TRUE(out.contains(QString::fromLatin1(c.last))) << out.toStdString();
    }
}

// A stopped test cycle must not leave the loop at a test current: the
// transmitter gets the "leave test mode" value unless staying was asked for.
TEST(LiveCli, StoppedOutputTestCycleLeavesTheTestMode) {
    const struct {
        int signal;
        bool stay;
        const char* said;
    } cases[] = {
        {SIGINT, false, "the output test mode was left"},
        {SIGTERM, false, "the output test mode was left"},
        {SIGHUP, false, "the output test mode was left"},
        {SIGTERM, true, "the output test mode stays active"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("signal " + std::to_string(c.signal) + (c.stay ? " staying" : ""));
        QTemporaryDir dir;
        const QString trace = dir.filePath(QStringLiteral("trace.txt"));
        SimProcess sim({"--type", "K8410H10", "--trace", trace});
        ASSERT_FALSE(sim.devicePath().isEmpty());
        QStringList args{"--port", sim.devicePath(), "output-test", "--cycle",
                         "4,8,12", "--period",       "0.2"};
        if (c.stay) args << "--stay-in-test-mode";
        QProcess p;
        p.start(test::CliProgram(), args);
        ASSERT_TRUE(p.waitForStarted());
        QString out;
        while (!out.contains(QStringLiteral("test mode: active")) && p.waitForReadyRead(15000))
            out += QString::fromUtf8(p.readAllStandardOutput());
        ASSERT_EQ(p.state(), QProcess::Running) << out.toStdString();
        ::kill(pid_t(p.processId()), c.signal);
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitCode(), 0);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_TRUE(err.contains(QLatin1String(c.said))) << err.toStdString();
        QFile f(trace);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray written = f.readAll();
        EXPECT_EQ(written.contains("write float P220 = -200"), !c.stay) << written.toStdString();
    }
}

TEST(LiveCli, BadOptionsAreUsageErrors) {
    const QStringList bad[] = {
        {"pv", "--count", "0"},
        {"pv", "--interval", "fast"},
        {"output-test"},
        {"output-test", "--value", "1", "--exit"},
        {"output-test", "--value", "twelve"},
        {"output-test", "--cycle", "1,2", "--period", "1"},
        {"output-test", "--cycle", "1,2,3"},
        {"output-test", "--value", "1", "--period", "1"},
        {"output-test", "--value", "1", "--stay-in-test-mode"},
        {"cj", "extra"},
    };
    for (const QStringList& args : bad)
        EXPECT_EQ(RunCli(QStringList{"--port", "/dev/null"} + args).exitCode, 2)
            << args.join(' ').toStdString();
}

}  // namespace
}  // namespace lmk17
