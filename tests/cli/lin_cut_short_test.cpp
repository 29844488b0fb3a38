// A linearization file that lost its end: the command line never shows or
// prints an approximation the file does not hold.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "support/cli_process.h"

namespace lmk17::test {
namespace {

constexpr char kHeader[] =
    "[Type]\r\nVersion=Lin-1.0\r\nInput_Range=91\r\n"
    "[Linearization]\r\nPV_Units=0\r\nDisplay_Configuration=1\r\n";
constexpr char kPoints[] =
    "LinPointsNum=2\r\nLinPoint_X01=20\r\nLinPoint_Y01=-200\r\n"
    "LinPoint_X02=400\r\nLinPoint_Y02=850\r\n";

TEST(LinCutShort, ShowAndPrintRefuseWhatTheFileDoesNotHold) {
    const struct {
        const char* what;
        QByteArray text;
        int exitCode;      // of show and of print alike
        bool showsPoints;  // show still lists the points it read
        const char* stdErr;
    } cases[] = {
        {"no segment table", QByteArray(kHeader) + kPoints, 1, true, "holds no segment table"},
        {"cut after the header", kHeader, 3, false, "Error in the Section: [Linearization]"},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString lin = dir.filePath("cut.lin");
        QFile file(lin);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.text);
        file.close();

        const CliResult show = RunCli({"lin", "show", lin});
        EXPECT_EQ(show.exitCode, c.exitCode) << show.out.toStdString();
        EXPECT_TRUE(show.err.contains(QLatin1String(c.stdErr))) << show.err.toStdString();
        EXPECT_FALSE(show.out.contains(QLatin1String("segments"))) << show.out.toStdString();
        EXPECT_EQ(show.out.contains("850"), c.showsPoints) << show.out.toStdString();

        const QString pdf = dir.filePath("cut.pdf");
        const CliResult print = RunCli({"lin", "print", "-o", pdf, lin});
        EXPECT_EQ(print.exitCode, c.exitCode);
        EXPECT_TRUE(print.err.contains(QLatin1String(c.stdErr))) << print.err.toStdString();
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

}  // namespace
}  // namespace lmk17::test
