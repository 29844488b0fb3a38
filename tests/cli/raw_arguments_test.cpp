// lmk17-cli raw refuses a request it cannot put on the wire before it opens
// the port: the parameter number and a 16-bit value at both ends of their range.

#include <gtest/gtest.h>

#include "support/cli_process.h"

namespace lmk17::test {
namespace {

constexpr int kExitUsage = 2;

TEST(CliRawArguments, RangesAtTheirEnds) {
    const struct {
        QStringList args;
        const char* refusal;  // nullptr: taken (the missing port ends it later)
    } cases[] = {
        {{"raw", "read", "999", "int16"}, nullptr},
        {{"raw", "read", "0", "int16"}, nullptr},
        {{"raw", "read", "1000", "int16"}, "PARAM must be 0..999"},
        {{"raw", "read", "-1", "int16"}, "PARAM must be 0..999"},
        {{"raw", "write", "5", "int16", "65535"}, nullptr},
        {{"raw", "write", "5", "int16", "32768"}, nullptr},
        {{"raw", "write", "5", "int16", "-32768"}, nullptr},
        {{"raw", "write", "5", "int16", "65536"}, "VALUE must fit 16 bits"},
        {{"raw", "write", "5", "int16", "-32769"}, "VALUE must fit 16 bits"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliResult r = RunCli(
            QStringList{QStringLiteral("--port"), QStringLiteral("/nonexistent/tty")} + c.args);
        if (c.refusal) {
            EXPECT_EQ(r.exitCode, kExitUsage);
            EXPECT_TRUE(r.err.contains(QLatin1String(c.refusal))) << r.err.toStdString();
        } else {
            EXPECT_NE(r.exitCode, kExitUsage) << r.err.toStdString();
            EXPECT_NE(r.exitCode, 0);
        }
    }
}

}  // namespace
}  // namespace lmk17::test
