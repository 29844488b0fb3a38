// What the desktop program takes at start at the edge of what it accepts: the
// demo transmitter's address and a stored window position on the screen's edge.

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/window_placement.h"

namespace lmk17 {
namespace {

TEST(StartEdges, DemoAddressTakesZeroToThirtyOne) {
    const struct {
        const char* address;
        int taken;
    } cases[] = {{"0", 0}, {"1", 1}, {"30", 30}, {"31", 31}, {"32", 0}, {"-1", 0}, {"", 0}};
    for (const auto& c : cases) {
        const CommandLine line =
            ParseCommandLine({"--demo", "--address", QString::fromLatin1(c.address)});
        EXPECT_EQ(line.demoAddress(), c.taken) << c.address;
    }
}

// A position on the main screen's far edge (just outside its last pixel) is
// still the user's, the window then moved back to lie whole on the screen;
// one pixel further takes the default.
TEST(StartEdges, StoredPositionOnTheScreensEdge) {
    const QRect screen(0, 0, 1280, 1024);
    const QSize size(800, 600);
    const struct {
        int x, y;
        QPoint placed;
    } cases[] = {
        {1280, 50, {480, 50}}, {1281, 50, {240, 50}}, {50, 1024, {50, 424}},
        {50, 1025, {50, 212}}, {0, 0, {0, 0}},        {1279, 1023, {480, 424}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            PlacedWindowPosition({c.x, c.y}, size, {screen}, screen, DefaultPlacement::Centred),
            c.placed)
            << c.x << "," << c.y;
}

}  // namespace
}  // namespace lmk17
