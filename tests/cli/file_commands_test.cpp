// The configuration file commands of lmk17-cli (show, check, convert, defaults), run as
// a technician runs them.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "config/catalogue.h"
#include "config/defaults.h"
#include "files/ptf_bytes.h"
#include "files/ptf_reader.h"
#include "support/builders.h"
#include "support/cli_process.h"
#include "support/qt_printers.h"

namespace lmk17 {
namespace {

using test::CliResult;

class CliTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    static CliResult run(const QStringList& args) { return test::RunCli(args); }

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
};

TransmitterConfig defaults(int type, int fw, const char* typeText) {
    TransmitterConfig c = test::DefaultConfig(type, fw, typeText);
    c.SerialNumber = 12345;
    c.UserNote = "TT-101";
    return c;
}

TEST_F(CliTest, CurrentVersionFile) {
    const QString path = write("cur.ptf", defaults(28, 14, "K8620L20, FW 1.91").ToImage());
    CliResult r = run({"show", path});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    for (const char* line :
         {"Transmitter Type:                 K8620L20", "Firmware Version:                 1.91",
          "Serial Number:                    00012345",
          "  End                             850           0             20",
          "Output Saturation:                cca  3.8 to 20.5 mA",
          "Text Note:                        TT-101"})
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(line))) << line;

    r = run({"show", path, "--json"});
    ASSERT_EQ(r.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(json["record"]["InputRangeCode"].toInt(), 11);
    EXPECT_EQ(json["record"]["UpperRangeValue"].toDouble(), 850.0);
    EXPECT_EQ(json["record"]["LinSegTable"][1][0].toDouble(), -202.0);
    EXPECT_EQ(json["display"]["Unit"].toString(), QString::fromUtf8("°C"));
    EXPECT_EQ(json["identity"]["Firmware"].toInt(), 191);

    r = run({"check", path});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();

    r = run({"ordering-code", path});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out,
              QString::fromUtf8("K8620L20  R11  C3  RL -200 °C  RH 850 °C  DP 4.0 s  ECH  LE 0 °C  "
                                "HE 0 °C   S2E  S1L 850 °C  S1H 0 °C   EC1N  M1N  D1O  S2L 850 °C  "
                                "S2H 0 °C   EC2N  M2N  D2O  SPE  ADR0  BR24  PO  TN'TT-101'  \n"));
}

TEST_F(CliTest, OldVersionIsConverted) {
    TransmitterConfig old = defaults(1, 12, "K8410H10, FW 1.85");
    old.Signature = "PT-FILE2";
    old.ConnectionCode = 2;  // C1 counted from 0
    old.LeadResistance1 = 3.5;
    old.WorkingTime = 8640;
    const QString in = write("old.ptf", test::WriteLayout(test::kV2Aligned4, old));
    const QString out = dir.filePath("new.ptf");
    CliResult r = run({"show", in});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("File Version:                     PT-FILE2A"));
    EXPECT_TRUE(r.out.contains("Lead Resistance:                  3.500 Ohm"));
    EXPECT_TRUE(r.out.contains("Working Time:                     1 day, 0 seconds"));

    r = run({"convert", in, out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const PtfReadResult read = ReadConfigFile(out);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.layout, PtfLayout::V04);
    EXPECT_EQ(read.config->Signature, QByteArray("PT-FILE04"));
    EXPECT_EQ(read.config->ConnectionCode, 1);
    EXPECT_EQ(read.config->LeadResistance1, 3.5);
    EXPECT_EQ(read.config->WorkingTime, 86400);
    EXPECT_DOUBLE_EQ(read.config->SaturationHigh, 1.03125);  // the default limits of 1.85

    // The target exists now: without --yes nothing is overwritten.
    const QByteArray saved = read.config->ToImage();
    r = run({"--no", "convert", in, out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("Configuration was not saved, cancelled by user."));
    EXPECT_EQ(ReadConfigFile(out).config->ToImage(), saved);
}

TEST_F(CliTest, RefusalsAndExitCodes) {
    TransmitterConfig c = defaults(28, 14, "K8620L20, FW 1.91");
    c.LowerCorrection = 52.71;  // within the adoption's tolerance, beyond the check's 5 %
    const QString tooBig = write("corr.ptf", c.ToImage());
    CliResult r = run({"check", tooBig});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QStringLiteral("Value of correction at lower range value is higher than 5 % "
                                    "of input range.\n"));
    EXPECT_EQ(run({"ordering-code", tooBig}).exitCode, 1);
    EXPECT_EQ(run({"--yes", "convert", tooBig, dir.filePath("x.ptf")}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.ptf")));

    const QString damaged = write("680.ptf", c.ToImage() + QByteArray(1, '\0'));
    r = run({"show", damaged});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(
        r.err.contains(QStringLiteral("Wrong file format or file: '%1' is damaged!").arg(damaged)));

    c.InputRangeCode = 8;
    r = run({"check", write("range.ptf", c.ToImage())});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.contains("Configuration was not loaded, file is damaged or wrong type."));

    const QString good = write("good.ptf", defaults(28, 14, "K8620L20, FW 1.91").ToImage());
    EXPECT_EQ(run({"--yes", "convert", good, dir.path()}).exitCode, 3);
    EXPECT_EQ(run({"show"}).exitCode, 2);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The command-line tool end to end: exit codes and the file it writes.
TEST(DefaultsCommand, WritesTheDefaultConfiguration) {
    QTemporaryDir dir;
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
        EXPECT_EQ(test::RunCli(c.args).exitCode, c.exitCode) << c.args.join(' ').toStdString();
        if (c.exitCode != 0) {
            EXPECT_FALSE(QFile::exists(out));
            continue;
        }
        const auto config = TransmitterConfig::FromImage(readFile(out));
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

}  // namespace
}  // namespace lmk17
