#include <gtest/gtest.h>

#include <QFileInfo>

#include "app/demo_transmitter.h"
#include "support/cli_process.h"

namespace lmk17 {
namespace {

TEST(DemoTransmitter, StartsTheSimulatorOnATerminalAndEndsIt) {
    DemoTransmitter demo;
    ASSERT_TRUE(demo.start(test::SimProgram(), {"--address", "3"})) << demo.error().toStdString();
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
    EXPECT_FALSE(refused.start(test::SimProgram(), {"--no-such-option"}));
    EXPECT_TRUE(refused.error().contains("no-such-option")) << refused.error().toStdString();
}

}  // namespace
}  // namespace lmk17
