// Every command that writes a file, run onto a full disk (files capped at one
// block of 512 bytes, room for the port's lock file but for none of the files
// below): the old file survives byte for byte, the command says why it
// failed and ends with the file-error code.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "support/cli_process.h"
#include "support/qt_printers.h"

namespace lmk17::test {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

struct FullDiskCase {
    const char* name;
    bool needsTransmitter;
    // %F the file the command writes, %I a valid configuration file, %P the port.
    QStringList arguments;
    const char* target;
    int exitCode;
    const char* message;  // a part of stderr besides the system's reason
};

class FullDisk : public ::testing::TestWithParam<FullDiskCase> {};

TEST_P(FullDisk, OldFileSurvivesAndTheFailureIsReported) {
    const FullDiskCase& c = GetParam();
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.ptf"));
    ASSERT_EQ(RunCli({"defaults", "K8620L31", "-o", input}).exitCode, 0);
    SimProcess sim;
    if (c.needsTransmitter) {
        ASSERT_TRUE(sim.start({})) << "lmk17-sim did not start";
    }

    const QString target = dir.filePath(QLatin1String(c.target));
    // Bigger than the cap, so that a rewrite in place would fail too.
    QByteArray old;
    for (int i = 0; i < 40; ++i) old += "the previous copy, line " + QByteArray::number(i) + "\r\n";
    ASSERT_TRUE(WriteAll(target, old));

    QStringList args;
    for (QString a : c.arguments)
        args << a.replace(QLatin1String("%F"), target)
                    .replace(QLatin1String("%I"), input)
                    .replace(QLatin1String("%P"), sim.devicePath());
    const CliResult r = RunCliOnFullDisk(args, 1);

    EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString() << r.out.toStdString();
    EXPECT_EQ(ReadAll(target), old) << "the old file was touched";
    EXPECT_TRUE(r.err.contains(QString::fromLocal8Bit(std::strerror(EFBIG))))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QLatin1String(c.message))) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QLatin1String("without any errors"))) << r.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "a temporary file was left behind: "
        << QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString();
}

const FullDiskCase kFullDiskCases[] = {
    {"ReadFromTransmitter",
     true,
     {"--yes", "--port", "%P", "read", "-o", "%F"},
     "plant.ptf",
     3,
     "could not be written"},
    {"DefaultConfiguration",
     false,
     {"--yes", "defaults", "K8410H10", "-o", "%F"},
     "plant.ptf",
     3,
     "could not be written"},
    {"Convert", false, {"--yes", "convert", "%I", "%F"}, "plant.ptf", 3, "could not be written"},
    {"RtdLinearization",
     false,
     {"--yes", "lin", "rtd", "--range", "R91", "--r0", "100", "-o", "%F"},
     "sensor.lin",
     3,
     "could not be written"},
    {"Protocol",
     false,
     {"--yes", "print", "%I", "-o", "%F"},
     "protocol.pdf",
     3,
     "could not be written"},
    // An appended log cannot go through a temporary file: its lines are
    // counted as lost and the run fails.
    {"MonitoringLog",
     true,
     {"--port", "%P", "monitor", "--log", "%F", "--append", "--cycles", "2"},
     "plant.log",
     1,
     "could not be written to the log file"},
};

INSTANTIATE_TEST_SUITE_P(Writers, FullDisk, ::testing::ValuesIn(kFullDiskCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lmk17::test
