// lmk17-cli scan and --trace against lmk17-sim, as a technician runs them.

#include <gtest/gtest.h>
#include <signal.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/cli_process.h"

namespace lmk17::test {
namespace {

CliResult Cli(const QString& port, const QStringList& args) {
    return RunCli(QStringList{QStringLiteral("--port"), port} + args);
}

// The simulator answers only at its own speed and parity. A wide allowance:
// a loaded test machine may be slow to take an answer in.
TEST(CliScan, FindsTransmittersWhereverTheyListen) {
    const struct {
        const char* name;
        QStringList sim;
        QStringList scan;
        QStringList found;
    } cases[] = {
        {"address 17 at 4800 Bd, even parity",
         {"--check-line", "--baud", "4800", "--parity", "even", "--address", "17"},
         {"scan", "--addresses", "15-18", "--probe-ms", "50"},
         {"address 17, 4800 Bd, parity even: K8620L31, firmware 1.91, serial number 12345678"}},
        {"three on one line, all listed",
         {"--check-line", "--address", "1", "--type", "K8410H10", "--serial", "11", "--address",
          "5", "--serial", "55", "--address", "9", "--serial", "99"},
         {"scan", "--all", "--addresses", "0-10", "--baud", "2400,9600", "--parity", "odd,even",
          "--probe-ms", "50"},
         {"address 1, 2400 Bd, parity odd: K8410H10, firmware 1.91, serial number 00000011",
          "address 5, 2400 Bd, parity odd: K8620L31, firmware 1.91, serial number 00000055",
          "address 9, 2400 Bd, parity odd: K8620L31, firmware 1.91, serial number 00000099"}},
        {"one that refuses the probe's read is there all the same",
         {"--check-line", "--address", "3", "--fault", "refuse:101"},
         {"scan", "--addresses", "2-4", "--baud", "2400", "--parity", "odd", "--probe-ms", "50"},
         {"address 3, 2400 Bd, parity odd: "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimProcess sim(c.sim);
        ASSERT_FALSE(sim.devicePath().isEmpty());
        const CliResult r = Cli(sim.devicePath(), c.scan);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), c.found.size()) << r.out.toStdString();
        for (qsizetype i = 0; i < lines.size(); ++i)
            EXPECT_TRUE(lines[i].startsWith(c.found[i])) << lines[i].toStdString();
    }
}

// Ctrl-C ends the search within the probe under way, even a long one.
TEST(CliScan, CtrlCEndsWithinOneProbe) {
    SimProcess sim({"--check-line", "--baud", "38400"});  // never answers
    ASSERT_FALSE(sim.devicePath().isEmpty());
    QProcess p;
    p.start(CliProgram(),
            {"--port", sim.devicePath(), "scan", "--probe-ms", "2000", "--baud", "600"});
    ASSERT_TRUE(p.waitForStarted());
    QString err;
    while (!err.contains(QStringLiteral("scan: ")) && p.waitForReadyRead(15000))
        err += QString::fromUtf8(p.readAllStandardError());
    ASSERT_EQ(p.state(), QProcess::Running) << err.toStdString();
    QElapsedTimer t;
    t.start();
    ::kill(pid_t(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_LT(t.elapsed(), 1500);  // a probe at 600 Bd here takes over 2.2 s
    EXPECT_EQ(p.exitCode(), 1);
    err += QString::fromUtf8(p.readAllStandardError());
    EXPECT_TRUE(err.contains(QStringLiteral("scan: cancelled"))) << err.toStdString();
}

TEST(CliScan, RefusesWhatItCannotTake) {
    const QStringList cases[] = {
        {"scan", "--addresses", "5-40"},
        {"scan", "--addresses", "0-32"},
        {"scan", "--addresses", "7-3"},
        {"scan", "--baud", "300"},
        {"scan", "--parity", "mark"},
        {"scan", "--probe-ms", "-1"},
        {"scan", "extra"},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliResult r = Cli(QStringLiteral("/dev/null"), args);
        EXPECT_EQ(r.exitCode, 2) << r.err.toStdString();
    }
}

// The trace goes to a file (appended: an earlier trace stays) or stderr; a
// trace that cannot be written stops the command before it starts.
TEST(CliTrace, WritesEveryFrameDecoded) {
    SimProcess sim({"--echo"});
    ASSERT_FALSE(sim.devicePath().isEmpty());
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("trace.txt"));
    for (int run = 0; run < 2; ++run) {
        const CliResult r = Cli(sim.devicePath(), {"--trace", file, "raw", "read", "101", "int32"});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    }
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_EQ(text.count(QStringLiteral("-- lmk17-cli trace of")), 2) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("read int32 P101 DA 0  [request]")), 2);
    EXPECT_EQ(text.count(QStringLiteral("read int32 P101 DA 0  [echo dropped]")), 2);
    EXPECT_EQ(text.count(QStringLiteral(
                  "answer code 8 int32 = 12345678 \"Application layer answered OK.\"  [answer]")),
              2);

    const CliResult toStderr = Cli(sim.devicePath(), {"--trace", "-", "raw", "read", "0", "float"});
    EXPECT_EQ(toStderr.exitCode, 0);
    EXPECT_TRUE(toStderr.err.contains(QStringLiteral("[answer]"))) << toStderr.err.toStdString();
    EXPECT_FALSE(toStderr.out.contains(QStringLiteral("[answer]")));

    const CliResult unwritable = Cli(
        sim.devicePath(), {"--trace", dir.filePath("no/such/t.txt"), "raw", "read", "0", "float"});
    EXPECT_EQ(unwritable.exitCode, 3) << unwritable.err.toStdString();
}

}  // namespace
}  // namespace lmk17::test
