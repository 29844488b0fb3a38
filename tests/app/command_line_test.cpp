#include <gtest/gtest.h>

#include "app/command_line.h"

namespace lmk17 {
namespace {

TEST(CommandLine, ConfigurationFilesInOrderAnyCase) {
    const CommandLine c = ParseCommandLine(
        {"first.ptf", "curve.LIN", "notes.txt", "/data/SECOND.PTF", "third.Ptf", "pt.lin"});
    EXPECT_EQ(c.configurationFiles, (QStringList{"first.ptf", "/data/SECOND.PTF", "third.Ptf"}));
    EXPECT_EQ(c.linearizationFiles, (QStringList{"curve.LIN", "pt.lin"}));
    EXPECT_EQ(c.ignored, QStringList{"notes.txt"});
    EXPECT_TRUE(c.error.isEmpty());
    EXPECT_FALSE(c.demo);
}

TEST(CommandLine, OptionsAndTheDemo) {
    struct Case {
        QStringList args;
        bool help, version, demo, error;
        QStringList simArgs;
        int address;
        QStringList files = {};
        QStringList linFiles = {};
    };
    const std::vector<Case> cases = {
        {{"--help"}, true, false, false, false, {}, 0},
        {{"-h"}, true, false, false, false, {}, 0},
        {{"--version"}, false, true, false, false, {}, 0},
        {{"--frobnicate"}, false, false, false, true, {}, 0},
        {{"--demo"}, false, false, true, false, {}, 0},
        // everything after --demo belongs to the simulator, --help included
        {{"--demo", "--type", "K8410H10", "--address", "7", "--help"},
         false,
         false,
         true,
         false,
         {"--type", "K8410H10", "--address", "7", "--help"},
         7},
        {{"--demo", "--address", "x"}, false, false, true, false, {"--address", "x"}, 0},
        // a file after --demo is the program's, the value of the simulator's --ptf is not
        {{"--demo", "r91.ptf", "--address", "3", "--ptf", "dev.ptf", "curve.lin"},
         false,
         false,
         true,
         false,
         {"--address", "3", "--ptf", "dev.ptf"},
         3,
         {"r91.ptf"},
         {"curve.lin"}},
        // the value of any simulator option stays with it, a file after a flag is the program's
        {{"--demo", "--state", "unit.ptf", "--trace", "t.lin", "--pace", "R91.PTF"},
         false,
         false,
         true,
         false,
         {"--state", "unit.ptf", "--trace", "t.lin", "--pace"},
         0,
         {"R91.PTF"}},
        // what is neither goes to the simulator, which names what it does not know
        {{"--demo", "--address", "2", "r91", "--ptf"},
         false,
         false,
         true,
         false,
         {"--address", "2", "r91", "--ptf"},
         2},
    };
    for (const Case& c : cases) {
        const CommandLine r = ParseCommandLine(c.args);
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(r.help, c.help);
        EXPECT_EQ(r.version, c.version);
        EXPECT_EQ(r.demo, c.demo);
        EXPECT_EQ(!r.error.isEmpty(), c.error);
        EXPECT_EQ(r.simulatorArguments, c.simArgs);
        EXPECT_EQ(r.demoAddress(), c.address);
        EXPECT_EQ(r.configurationFiles, c.files);
        EXPECT_EQ(r.linearizationFiles, c.linFiles);
    }
}

}  // namespace
}  // namespace lmk17
