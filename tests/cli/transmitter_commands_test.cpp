// lmk17-cli identify, read, write and raw against lmk17-sim, as a script runs them.

#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "files/ptf_reader.h"
#include "operations/ops_records.h"
#include "support/cli_process.h"
#include "support/qt_printers.h"
#include "support/sim_fixture.h"

namespace lmk17::test::ops {
namespace {

CliResult Cli(const QString& port, const QStringList& args) {
    return RunCli(QStringList{QStringLiteral("--port"), port} + args);
}

TransmitterConfig Load(const QString& file) {
    const PtfReadResult r = ReadConfigFile(file);
    EXPECT_TRUE(r.ok()) << r.error.toStdString();
    return r.config.value_or(TransmitterConfig{});
}

struct Branch {
    const char* type;
    const char* firmware;
};

class CliRoundTrip : public ::testing::TestWithParam<Branch> {};

// read, write the same file, read again: the same configuration.
TEST_P(CliRoundTrip, ReadWriteRead) {
    const Branch& b = GetParam();
    SimProcess sim;
    QString error;
    ASSERT_TRUE(sim.start({"--type", b.type, "--firmware", b.firmware}, &error))
        << error.toStdString();
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.ptf"));
    const QString c = dir.filePath(QStringLiteral("c.ptf"));

    CliResult r = Cli(sim.devicePath(), {"read", "-o", a});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(QFile(a).size(), 679);
    // The transmitter holds the file already: only --force writes it.
    r = Cli(sim.devicePath(), {"write", a, "--force"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(
        QStringLiteral("Configuration was written to transmitter without any errors.")));
    r = Cli(sim.devicePath(), {"read", "-o", c});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    const TransmitterConfig first = Load(a);
    TransmitterConfig again = Load(c);
    // The write stamps the change date.
    EXPECT_GT(again.LastChangeDate, 36220.0);
    again.LastChangeDate = first.LastChangeDate;
    const int fw = int(QString::fromLatin1(b.firmware).toDouble() * 100 + 0.5);
    ExpectSameRecord(first, again, fw, QString::fromLatin1(b.type).startsWith("K8620"));
}

INSTANTIATE_TEST_SUITE_P(Firmware, CliRoundTrip,
                         ::testing::Values(Branch{"K8620L31", "1.60"}, Branch{"K8620L31", "1.70"},
                                           Branch{"K8620L31", "1.85"}, Branch{"K8620L31", "1.90"},
                                           Branch{"K8620L31", "1.91"}, Branch{"K8410H10", "1.85"}));

TEST(CliIdentify, ShowsTheDeviceOrItsRefusal) {
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--type", "K8620L31", "--firmware", "1.90", "--serial", "1234"}));
    CliResult r = Cli(sim.devicePath(), {"identify"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("serial number:       00001234")))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("firmware:            1.90")));
    r = Cli(sim.devicePath(), {"--json", "identify"});
    ASSERT_EQ(r.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(o.value(QStringLiteral("firmware")).toInt(), 190);
    EXPECT_EQ(o.value(QStringLiteral("type")).toString(), QStringLiteral("K8620L31"));
    EXPECT_TRUE(o.value(QStringLiteral("supported")).toBool());

    SimProcess unknown;
    ASSERT_TRUE(unknown.start({"--type", "K8620Q77"}));
    r = Cli(unknown.devicePath(), {"identify"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral(
        "The connected transmitter K8620Q77 is not supported by this version of LMK-17")))
        << r.err.toStdString();
}

TEST(CliRead, CorruptConfigurationFollowsTheAnswer) {
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("state.json"));
    // A state file whose flags carry the write-in-progress mark.
    {
        SimProcess sim;
        ASSERT_TRUE(sim.start({"--state", state}));
        ASSERT_EQ(sim.terminate(), 0);
    }
    QFile f(state);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray json = f.readAll();
    f.close();
    const QString text = QString::fromUtf8(json);
    // Set bit 5 of parameter 111 wherever the memory image keeps it.
    QString patched = text;
    const QRegularExpression flags(QStringLiteral("(\"111\"\\s*:\\s*)(\\d+)"));
    const QRegularExpressionMatch m = flags.match(text);
    ASSERT_TRUE(m.hasMatch()) << text.toStdString();
    patched.replace(m.capturedStart(2), m.capturedLength(2),
                    QString::number(m.captured(2).toInt() | 0x20));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(patched.toUtf8());
    f.close();

    SimProcess sim;
    ASSERT_TRUE(sim.start({"--state", state}));
    const QString file = dir.filePath(QStringLiteral("x.ptf"));
    CliResult r = Cli(sim.devicePath(), {"--no", "read", "-o", file});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(r.err.contains(QStringLiteral("Transmitter configuration corrupt.")))
        << r.err.toStdString();
    // Yes presets the defaults, but saved under the device's serial number
    // they would pass for a real read: only --accept-defaults saves them.
    r = Cli(sim.devicePath(), {"--yes", "read", "-o", file});
    EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("configuration is corrupt and was not read")))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(file));
    r = Cli(sim.devicePath(), {"--yes", "read", "--accept-defaults", "-o", file});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("default configuration was preset")))
        << r.err.toStdString();
    EXPECT_EQ(Load(file).LastChangeDate, 0.0);
}

TEST(CliWrite, CtrlCLeavesTheTransmitterMarked) {
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    SimProcess sim;
    // At 2400 Bd on a paced line the write takes several seconds.
    ASSERT_TRUE(sim.start({"--pace", "--baud", "2400", "--trace", trace}));
    const QString file = dir.filePath(QStringLiteral("a.ptf"));
    ASSERT_EQ(Cli(sim.devicePath(), {"read", "-o", file}).exitCode, 0);

    QProcess p;
    p.setProgram(CliProgram());
    p.setArguments({"--port", sim.devicePath(), "--yes", "write", file, "--no-backup", "--force"});
    p.start();
    ASSERT_TRUE(p.waitForStarted());
    // Interrupted once the transmitter has taken the connection code: the
    // write-in-progress mark is set by then (after the read that comes first).
    QElapsedTimer t;
    t.start();
    bool writing = false;
    while (!writing && t.elapsed() < 60000 && p.state() == QProcess::Running) {
        p.waitForFinished(20);
        QFile f(trace);
        writing = f.open(QIODevice::ReadOnly) && f.readAll().contains("write int16 P112");
    }
    ASSERT_TRUE(writing);
    ASSERT_EQ(p.state(), QProcess::Running);
    ::kill(pid_t(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 1);
    const QString err = QString::fromLocal8Bit(p.readAllStandardError());
    EXPECT_TRUE(err.contains(QStringLiteral("the transmitter's configuration is incomplete")))
        << err.toStdString();

    // The answer the interrupted request was getting is still on its way for
    // a moment; a request sent into it could take it for its own.
    Spin(500);
    CliResult r = Cli(sim.devicePath(), {"--yes", "--json", "identify"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QJsonDocument::fromJson(r.out.toUtf8()).object().value("writeInProgress").toBool());
}

TEST(CliRaw, ReadsAndWritesSingleParameters) {
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--type", "K8410H10", "--firmware", "1.60", "--serial", "4711"}));
    struct Case {
        QStringList args;
        int exitCode;
        const char* output;
    };
    const Case cases[] = {
        {{"raw", "read", "101", "int32"}, 0, "value: 4711"},
        {{"raw", "read", "120", "text", "--row", "2"}, 0, "value: \"K8410H10, FW 1.6\""},
        {{"raw", "write", "220", "float", "12"}, 0, "result: 0"},
        {{"--json", "raw", "read", "220", "float"}, 0, "\"value\":12"},
        {{"raw", "read", "73", "float"}, 1, "result: 2"},
        {{"raw", "write", "101", "int32", "5"}, 1, "result: 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliResult r = Cli(sim.devicePath(), c.args);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_TRUE(r.out.contains(c.output)) << r.out.toStdString();
    }
    EXPECT_EQ(sim.terminate(), 0);
}

// Another device that never lets the line fall quiet: the command gives up
// within a bounded time, says why and fails, rather than waiting for ever.
TEST(CliLine, BabblingLineEndsTheCommandWithTheReason) {
    const QStringList commands[] = {{"identify"}, {"--yes", "read", "-o", "x.ptf"}};
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(' ').toStdString());
        SimProcess sim({"--babble", "300"});
        ASSERT_FALSE(sim.devicePath().isEmpty());
        QTemporaryDir dir;
        QStringList args = command;
        if (args.contains(QStringLiteral("x.ptf")))
            args.replace(args.indexOf(QStringLiteral("x.ptf")), dir.filePath("x.ptf"));
        QElapsedTimer clock;
        clock.start();
        const CliResult r = Cli(sim.devicePath(), args);
        EXPECT_LT(clock.elapsed(), 10000);
        EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Another device keeps sending on the line")))
            << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath("x.ptf")));
    }
}

}  // namespace
}  // namespace lmk17::test::ops
