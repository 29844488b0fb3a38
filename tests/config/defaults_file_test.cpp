#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "config/catalogue.h"
#include "config/defaults.h"
#include "files/ptf_writer.h"

using namespace lmk17;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(PtfWriter, WritesTheImageAndKeepsTheOldFileOnFailure) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.ptf"));
    TransmitterConfig c;
    ASSERT_TRUE(SetDefaultConfiguration(c, 1, 0, FindFirmware(191)));
    EXPECT_TRUE(WritePtfFile(path, c).isEmpty());
    const QByteArray bytes = readAll(path);
    ASSERT_EQ(bytes.size(), 679);
    EXPECT_EQ(bytes.left(10), QByteArray("\x09PT-FILE04"));
    EXPECT_EQ(bytes, c.ToImage());

    const QString bad = dir.filePath(QStringLiteral("missing/b.ptf"));
    EXPECT_EQ(WritePtfFile(bad, c),
              QStringLiteral("Configuration was not saved, cannot open file: '%1'.").arg(bad));
    // A directory in the file's place cannot be replaced: the old one stays.
    const QString taken = dir.filePath(QStringLiteral("taken.ptf"));
    ASSERT_TRUE(QDir().mkdir(taken));
    EXPECT_FALSE(WritePtfFile(taken, c).isEmpty());
    EXPECT_TRUE(QFileInfo(taken).isDir());
}

// The command-line tool end to end: exit codes and the file it writes.
TEST(DefaultsCommand, WritesTheDefaultConfiguration) {
    const QString cli = qEnvironmentVariable("LMK17_CLI");
    if (cli.isEmpty() || !QFile::exists(cli)) GTEST_SKIP() << "LMK17_CLI not set";
    QTemporaryDir dir;
    auto run = [&](const QStringList& args) {
        QProcess p;
        p.start(cli, args);
        p.waitForFinished(30000);
        return p.exitCode();
    };
    const QString out = dir.filePath(QStringLiteral("d.ptf"));
    const struct {
        QStringList args;
        int exitCode;
        int rangeCode, connection;
        double factor;
    } cases[] = {
        {{"defaults", "K8410H10", "-o", out}, 0, 11, 3, 10},
        {{"defaults", "k8620l21", "--range", "R74", "-o", out}, 0, 74, 6, 100},
        {{"defaults", "K8410H10", "--range", "56", "--firmware", "1.85", "-o", out}, 0, 56, 7, 10},
        {{"defaults", "K8410H10", "--range", "R95", "-o", out}, 0, 95, 6, 100},
        {{"defaults", "K8410H11", "--range", "R51", "-o", out}, 2, 0, 0, 0},
        {{"defaults", "K9999", "-o", out}, 2, 0, 0, 0},
        {{"defaults", "K8410H10", "--firmware", "1.86", "-o", out}, 2, 0, 0, 0},
        {{"defaults", "K8410H10"}, 2, 0, 0, 0},
        {{"defaults", "K8410H10", "-o", dir.filePath(QStringLiteral("no/x.ptf"))}, 3, 0, 0, 0},
    };
    for (const auto& c : cases) {
        QFile::remove(out);
        EXPECT_EQ(run(c.args), c.exitCode) << c.args.join(' ').toStdString();
        if (c.exitCode != 0) {
            EXPECT_FALSE(QFile::exists(out));
            continue;
        }
        const auto config = TransmitterConfig::FromImage(readAll(out));
        ASSERT_TRUE(config.has_value());
        EXPECT_EQ(config->InputRangeCode, c.rangeCode);
        EXPECT_EQ(config->ConnectionCode, c.connection);
        EXPECT_EQ(config->DisplayFactor, c.factor);
        EXPECT_TRUE(MatchesStandardTables(*config, c.rangeCode));
        EXPECT_EQ(config->Signature, QByteArray("PT-FILE04"));
        // The type and firmware are found again from the file when it is loaded.
        EXPECT_TRUE(config->TransmitterType.startsWith(c.args[1].toUpper().toLatin1() + ", FW "));
    }
}
