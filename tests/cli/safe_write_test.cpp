// lmk17-cli write and restore against lmk17-sim: the backup before every
// write, the changes confirmed or refused, restore, and many units in one go.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "files/ptf_reader.h"
#include "files/ptf_writer.h"
#include "support/cli_process.h"
#include "support/qt_printers.h"

namespace lmk17::test {
namespace {

TransmitterConfig Load(const QString& file) {
    const PtfReadResult r = ReadConfigFile(file);
    EXPECT_TRUE(r.ok()) << file.toStdString() << ": " << r.error.toStdString();
    return r.config.value_or(TransmitterConfig{});
}

QStringList BackupsIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*_before-write.ptf")}, QDir::Files, QDir::Name);
}

// A transmitter whose configuration was read into before.ptf, and changed.ptf
// with one value changed.
struct Line {
    Line() {
        started = sim.start({});
        if (!started) return;
        started = cli({"read", "-o", before}).exitCode == 0;
        TransmitterConfig c = Load(before);
        c.Damping += 1.5;
        started = started && WritePtfFile(changed, c).isEmpty();
    }
    CliResult cli(const QStringList& args) {
        return RunCli(QStringList{QStringLiteral("--port"), sim.devicePath()} + args);
    }
    double damping() {
        const QString now = dir.filePath(QStringLiteral("now.ptf"));
        QFile::remove(now);
        EXPECT_EQ(cli({"read", "-o", now}).exitCode, 0);
        return Load(now).Damping;
    }

    SimProcess sim;
    QTemporaryDir dir;
    QString before = dir.filePath(QStringLiteral("before.ptf"));
    QString changed = dir.filePath(QStringLiteral("changed.ptf"));
    QString backups = dir.filePath(QStringLiteral("Backups"));
    QString unit = dir.filePath(QStringLiteral("Backups/12345678"));
    bool started = false;
};

TEST(SafeWriteCli, BackupEqualsThePreviousConfigurationAndRestoreWritesItBack) {
    Line l;
    ASSERT_TRUE(l.started);
    const double old = Load(l.before).Damping;

    CliResult r = l.cli({"--yes", "write", l.changed, "--backup-dir", l.backups});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Damping")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("written to transmitter without any errors")) << r.err.toStdString();
    EXPECT_EQ(l.damping(), old + 1.5);
    QStringList kept = BackupsIn(l.unit);
    ASSERT_EQ(kept.size(), 1) << r.err.toStdString();
    const QString backup = QDir(l.unit).filePath(kept.first());
    EXPECT_TRUE(r.err.contains(QDir::toNativeSeparators(backup)));
    // The backup is what a read before the write saved, byte for byte.
    QFile a(l.before), b(backup);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());

    r = l.cli({"restore", "--list", "--backup-dir", l.backups});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(kept.first())) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QRegularExpression(QStringLiteral("\\s1\\s+\\S.*") + kept.first())))
        << "one field differs from the transmitter now\n"
        << r.out.toStdString();

    r = l.cli({"--yes", "restore", backup, "--backup-dir", l.backups});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(l.damping(), old);
    EXPECT_EQ(BackupsIn(l.unit).size(), 2) << "restore keeps a backup too";
}

TEST(SafeWriteCli, NothingIsWrittenWithoutConsentOrBackup) {
    struct Case {
        const char* what;
        QStringList args;  // %C the changed file, %B the backup folder
        bool fullDisk;
        int exitCode;
        const char* said;
        int backups;
    };
    const Case cases[] = {
        {"no terminal and no --yes",
         {"write", "%C", "--backup-dir", "%B"},
         false,
         1,
         "the changes were not confirmed",
         1},
        {"--no answers the question",
         {"--no", "write", "%C", "--backup-dir", "%B"},
         false,
         1,
         "the changes were not confirmed",
         1},
        {"backup on a full disk",
         {"--yes", "write", "%C", "--backup-dir", "%B"},
         true,
         1,
         "could not be kept as a backup, so nothing was written",
         0},
        {"backup folder cannot be made",
         {"--yes", "write", "%C", "--backup-dir", "%C/x"},
         false,
         1,
         "could not be kept as a backup, so nothing was written",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Line l;
        ASSERT_TRUE(l.started);
        const double old = Load(l.before).Damping;
        QStringList args{QStringLiteral("--port"), l.sim.devicePath()};
        for (QString a : c.args)
            args << a.replace(QLatin1String("%C"), l.changed)
                        .replace(QLatin1String("%B"), l.backups);
        const CliResult r = c.fullDisk ? RunCliOnFullDisk(args, 1) : RunCli(args);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String(c.said))) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains(QLatin1String("incomplete"))) << r.err.toStdString();
        EXPECT_EQ(l.damping(), old);
        EXPECT_EQ(BackupsIn(l.unit).size(), c.backups);
    }
}

TEST(SafeWriteCli, TheSameConfigurationIsWrittenOnlyWhenForced) {
    Line l;
    ASSERT_TRUE(l.started);
    CliResult r = l.cli({"write", l.before, "--no-backup"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("already holds this configuration; nothing was written"))
        << r.err.toStdString();
    EXPECT_FALSE(r.err.contains("without any errors"));
    r = l.cli({"write", l.before, "--no-backup", "--force"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("without any errors")) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(l.backups));
}

// Three addresses, the middle one silent: two units written, verified and
// documented, each keeping its own address; one reported; exit 1.
TEST(SafeWriteCli, ManyUnitsOneAfterAnother) {
    SimProcess sim;
    ASSERT_TRUE(
        sim.start({"--address", "1", "--serial", "1001", "--address", "3", "--serial", "1003"}));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("job.ptf"));
    ASSERT_EQ(RunCli({"defaults", "K8620L31", "-o", file}).exitCode, 0);
    {
        // Something to write: the units hold the type's defaults.
        TransmitterConfig job = Load(file);
        job.Damping += 1.0;
        ASSERT_TRUE(WritePtfFile(file, job).isEmpty());
    }
    const QString protocols = dir.filePath(QStringLiteral("protocols"));
    const QString backups = dir.filePath(QStringLiteral("Backups"));
    const CliResult r = RunCli({"--port", sim.devicePath(), "--yes", "write", file, "--addresses",
                                "1-3", "--protocol-dir", protocols, "--backup-dir", backups},
                               120000);
    EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << r.out.toStdString();
    EXPECT_TRUE(lines[1].contains(QRegularExpression("^\\s+1\\s+00001001\\s+written and verified")))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[2].contains(QRegularExpression("^\\s+2\\s+-\\s+FAILED: no answer; nothing")))
        << lines[2].toStdString();
    EXPECT_TRUE(lines[3].contains(QRegularExpression("^\\s+3\\s+00001003\\s+written and verified")))
        << lines[3].toStdString();
    EXPECT_EQ(QDir(protocols).entryList(QDir::Files),
              QStringList({"00001001.pdf", "00001003.pdf"}));
    for (const char* serial : {"00001001", "00001003"})
        EXPECT_EQ(BackupsIn(QDir(backups).filePath(QLatin1String(serial))).size(), 1) << serial;
    // Each unit still answers at its own address with its own serial number.
    for (const auto& [address, serial] : {std::pair{"1", 1001}, std::pair{"3", 1003}}) {
        const QString read = dir.filePath(QStringLiteral("read%1.ptf").arg(address));
        ASSERT_EQ(
            RunCli({"--port", sim.devicePath(), "--address", address, "read", "-o", read}).exitCode,
            0);
        const TransmitterConfig c = Load(read);
        EXPECT_EQ(c.SerialNumber, serial);
        EXPECT_EQ(c.AddressByte & 0x1F, QByteArray(address).toInt());
        EXPECT_EQ(c.Damping, Load(file).Damping);
    }
}

TEST(SafeWriteCli, RestoreRefusesWhatItCannotTake) {
    const QStringList cases[] = {
        {"restore"},
        {"restore", "a.ptf", "b.ptf"},
        {"restore", "--list", "a.ptf"},
        {"restore", "--list", "--no-backup"},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliResult r = RunCli(QStringList{QStringLiteral("--port"), "/dev/null"} + args);
        EXPECT_EQ(r.exitCode, 2) << r.err.toStdString();
    }
}

}  // namespace
}  // namespace lmk17::test
