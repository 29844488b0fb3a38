// Point tables from spreadsheets for lin fit: what is read, what is refused
// before any fit, and where.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "linearization/lin_points_csv.h"
#include "support/cli_process.h"

namespace lmk17 {
namespace {

std::vector<GridRow> Rows(std::initializer_list<const char*> xs) {
    std::vector<GridRow> rows;
    for (const char* x : xs) rows.push_back({QLatin1String(x), QStringLiteral("1")});
    return rows;
}

TEST(PointsCsv, OnlyACharacteristicPasses) {
    const struct {
        const char* name;
        std::vector<GridRow> rows;
        std::optional<int> bad;
    } cases[] = {
        {"rising", Rows({"-200", "0", "100", "850"}), std::nullopt},
        {"falling", Rows({"850", "100", "0"}), std::nullopt},
        {"decimal comma", Rows({"0,5", "0,75", "1"}), std::nullopt},
        {"blank and header rows skipped", {{}, {"1", "1"}, {}, {"2", "2"}}, std::nullopt},
        {"the same X twice", Rows({"0", "100", "100", "200"}), 3},
        {"all the same X", Rows({"5", "5", "5"}), 2},
        {"back and forth", Rows({"0", "100", "50", "200"}), 3},
        {"forth after falling", Rows({"300", "200", "250"}), 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FirstNonMonotonicRow(c.rows), c.bad);
    }
}

TEST(PointsCsv, LinesAreRowsAndBadLinesAreNamed) {
    const struct {
        const char* name;
        QByteArray text;
        int rows;
        const char* error;  // part of the error, empty when read
    } cases[] = {
        {"header, comment, separators", "X;Y\n# note\n0;1\n1\t2\n2 3\n3,4\n", 6, ""},
        {"three columns", "0;1\n1;2;3\n", 0, "line 2: expected two columns"},
        {"65 points", QByteArray("1;1\n").repeated(65), 0, "line 65: more than 64 points"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PointsCsv csv = ParsePointsCsv(c.text);
        EXPECT_TRUE(csv.error.contains(QLatin1String(c.error))) << csv.error.toStdString();
        if (!*c.error) {
            EXPECT_TRUE(csv.error.isEmpty());
            EXPECT_EQ(int(csv.rows.size()), c.rows + 1);  // the line after the last end
        }
    }
}

TEST(PointsCsv, HugeFileIsRefusedUnread) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.csv"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(kMaxPointsCsvSize * 40));
    f.close();
    EXPECT_TRUE(ReadPointsCsv(path).error.contains(QLatin1String("larger than")));
    EXPECT_TRUE(ReadPointsCsv(dir.path()).error.contains(QLatin1String("folder")));
}

// lin fit refuses such a table before fitting, naming the first bad point,
// and writes nothing.
TEST(PointsCsv, FitRefusesWhatIsNoCharacteristic) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray table;
        const char* says;
    } cases[] = {
        {"forty points at one X", QByteArray("20;5\n").repeated(40), "points.csv:2: X 20 "},
        {"back and forth", "0;0\n100;100\n50;50\n200;200\n", "points.csv:3: X 50 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString csv = dir.filePath(QStringLiteral("points.csv"));
        QFile f(csv);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.table);
        f.close();
        const QString out = dir.filePath(QStringLiteral("out.lin"));
        const test::CliResult r =
            test::RunCli({"--yes", "lin", "fit", "--range", "R91", csv, "-o", out});
        EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String(c.says))) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
}

}  // namespace
}  // namespace lmk17
