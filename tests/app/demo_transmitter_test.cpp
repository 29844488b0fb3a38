#include <gtest/gtest.h>

#include <QFileInfo>

#include "app/demo_transmitter.h"
#include "app/help_files.h"
#include "common/sim_fixture.h"

namespace lmk17 {
namespace {

TEST(DemoTransmitter, StartsTheSimulatorOnATerminalAndEndsIt) {
    DemoTransmitter demo;
    ASSERT_TRUE(demo.start(test::SimProcess::Program(), {"--address", "3"}))
        << demo.error().toStdString();
    EXPECT_TRUE(demo.devicePath().startsWith("/dev/pts/")) << demo.devicePath().toStdString();
    EXPECT_TRUE(QFileInfo::exists(demo.devicePath()));
    demo.stop();
    EXPECT_FALSE(demo.running());
}

TEST(DemoTransmitter, SaysWhyItDidNotStart) {
    DemoTransmitter missing;
    EXPECT_FALSE(missing.start("/nonexistent/lmk17-sim", {}));
    EXPECT_FALSE(missing.error().isEmpty());
    DemoTransmitter refused;  // the simulator rejects its options
    EXPECT_FALSE(refused.start(test::SimProcess::Program(), {"--no-such-option"}));
    EXPECT_TRUE(refused.error().contains("no-such-option")) << refused.error().toStdString();
}

TEST(HelpFiles, ContextsMapToPagesAndUnknownOnesToTheContents) {
    const QMap<int, QString> map =
        ParseHelpContexts("# number page\n1600 main.html#window\n\n3500  options.html \nbad\n");
    EXPECT_EQ(map.value(1600), "main.html#window");
    EXPECT_EQ(map.value(3500), "options.html");
    EXPECT_EQ(map.size(), 2);
    HelpFiles files;
    files.folder = "/help/lmk17en";
    files.contexts = map;
    EXPECT_EQ(files.contextPage(3500), "/help/lmk17en/options.html");
    EXPECT_EQ(files.contextPage(42), "/help/lmk17en/index.html");
    EXPECT_TRUE(FindHelpFiles("lmk17en.hlp", {"/nonexistent"}).folder.isEmpty());
    EXPECT_EQ(FindHelpFiles("lmk17en.hlp", {"/nonexistent"}).searched, "/nonexistent/lmk17en");
}

}  // namespace
}  // namespace lmk17
