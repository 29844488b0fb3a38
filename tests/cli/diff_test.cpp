// lmk17-cli diff end to end: two files, and a file against the transmitter.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "support/cli_process.h"

namespace lmk17::test {
namespace {

TEST(DiffCommand, FilesAndTheTransmitter) {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.ptf"), b = dir.filePath("b.ptf");
    ASSERT_EQ(RunCli({"defaults", "K8410H10", "-o", a}).exitCode, 0);
    ASSERT_EQ(RunCli({"defaults", "K8410H10", "--range", "R51", "-o", b}).exitCode, 0);
    SimProcess sim(QStringList{});
    ASSERT_FALSE(sim.devicePath().isEmpty());
    const QString port = sim.devicePath();
    SimProcess deaf({"--check-line", "--baud", "19200"});  // never answers at 2400 Bd
    ASSERT_FALSE(deaf.devicePath().isEmpty());
    const QString device = dir.filePath("device.ptf");
    ASSERT_EQ(RunCli({"--port", port, "--yes", "read", "-o", device}).exitCode, 0);

    const struct {
        QStringList args;
        int exitCode;
        QStringList shown;     // in the output
        QStringList notShown;  // not in the output
    } cases[] = {
        {{"diff", a, a}, 0, {"The configurations are equal."}, {"Input Range"}},
        {{"diff", a, b},
         1,
         {"Input Range", "Sensor Connection", "fields differ."},
         {"Transmitter Type"}},
        {{"diff", a, b, "--all"}, 1, {"Transmitter Type", "* Input Range"}, {}},
        {{"--port", port, "diff", device}, 0, {"The configurations are equal."}, {}},
        {{"diff", a, "--port", port}, 1, {"transmitter", "Serial Number"}, {"Working Time"}},
        {{"diff", a, dir.filePath("missing.ptf")}, 3, {}, {}},
        // Nothing read is nothing to compare with.
        {{"diff", a, "--port", deaf.devicePath()}, 1, {}, {"differ", "equal"}},
        {{"diff", a}, 2, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliResult r = RunCli(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
        for (const QString& s : c.shown) EXPECT_TRUE(r.out.contains(s)) << r.out.toStdString();
        for (const QString& s : c.notShown) EXPECT_FALSE(r.out.contains(s)) << r.out.toStdString();
    }

    const CliResult json = RunCli({"diff", "--json", a, b});
    EXPECT_EQ(json.exitCode, 1);
    const QJsonObject root = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_FALSE(root.value("equal").toBool(true));
    EXPECT_TRUE(root.value("recordDifferences").toArray().contains("InputRangeCode"));
    bool range = false;
    for (const auto& f : root.value("fields").toArray())
        range |= f.toObject().value("field").toString() == QLatin1String("Input Range");
    EXPECT_TRUE(range);

    // --all lists the equal fields too, each saying whether it differs.
    const CliResult all = RunCli({"diff", "--json", "--all", a, b});
    int equalFields = 0;
    for (const auto& f : QJsonDocument::fromJson(all.out.toUtf8())["fields"].toArray())
        equalFields += !f.toObject().value("differs").toBool(true);
    EXPECT_GT(equalFields, 10) << all.out.toStdString();
}

}  // namespace
}  // namespace lmk17::test
