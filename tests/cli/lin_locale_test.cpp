// A linearization file written on a system whose decimal mark is a comma
// carries commas, as files from that system always have, and reads back.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "support/cli_process.h"

namespace lmk17::test {
namespace {

// The environment variable set for the programs this test starts.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

TEST(LinLocale, FileNumbersTakeTheSystemsDecimalMark) {
    QTemporaryDir dir;
    QFile csv(dir.filePath("points.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    for (int i = 0; i < 8; ++i) {
        const double r = 20.5 + 45 * i;
        csv.write(QByteArray::number(r, 'f', 1) + ';' +
                  QByteArray::number(2.6 * r - 260 + 0.0005 * r * r, 'f', 3) + "\r\n");
    }
    csv.close();
    const struct {
        const char* locale;
        const char* point;
    } cases[] = {{"cs_CZ.UTF-8", "LinPoint_X01=20,5"}, {"en_GB.UTF-8", "LinPoint_X01=20.5"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        const ScopedEnv all("LC_ALL", c.locale);
        const QString lin = dir.filePath(QStringLiteral("%1.lin").arg(c.locale));
        const CliResult fit = RunCli({"lin", "fit", "--range", "R91", "-o", lin, csv.fileName()});
        ASSERT_EQ(fit.exitCode, 0) << fit.err.toStdString();
        QFile file(lin);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        EXPECT_TRUE(text.contains(c.point)) << text.toStdString();
        const CliResult show = RunCli({"lin", "show", lin});
        EXPECT_EQ(show.exitCode, 0) << show.err.toStdString();
    }
}

}  // namespace
}  // namespace lmk17::test
