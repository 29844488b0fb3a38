#include <gtest/gtest.h>

#include "app/window_placement.h"

namespace lmk17 {
namespace {

TEST(WindowPlacement, StoredPositionsOutsideTheScreensTakeTheDefault) {
    const QRect screen(0, 0, 1280, 1024);
    const QRect left(-1920, 0, 1920, 1080);  // a monitor left of the main one
    const QSize size(800, 600);
    struct Case {
        StoredPair stored;
        QList<QRect> screens;
        DefaultPlacement rule;
        QPoint expected;
    };
    const std::vector<Case> cases = {
        {{100, 50}, {screen}, DefaultPlacement::Centred, {100, 50}},
        {{-5, 50}, {screen}, DefaultPlacement::Centred, {240, 50}},  // centred horizontally
        {{100, -1}, {screen}, DefaultPlacement::Centred, {100, 212}},
        {{1281, 2000}, {screen}, DefaultPlacement::Centred, {240, 212}},
        {{{}, {}}, {screen}, DefaultPlacement::Centred, {240, 212}},  // nothing stored
        {{5000, 30}, {screen}, DefaultPlacement::Fifth, {96, 30}},    // monitoring graph
        {{-5, 0}, {screen}, DefaultPlacement::Third, {160, 0}},       // linearization editor
        {{-1000, 100}, {screen, left}, DefaultPlacement::Centred, {-1000, 100}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlacedWindowPosition(c.stored, size, c.screens, screen, c.rule), c.expected)
            << c.stored.x.value_or(-999) << "," << c.stored.y.value_or(-999);
}

TEST(WindowPlacement, StoredSizesAreReducedToTheScreen) {
    const QRect screen(0, 0, 1280, 1024);
    EXPECT_EQ(PlacedWindowSize({3000, 500}, {853, 682}, screen), QSize(1280, 500));
    EXPECT_EQ(PlacedWindowSize({{}, 0}, {853, 682}, screen), QSize(853, 682));
}

// A window is placed whole on the available area of its screen: a stored
// position from another scale or another screen, a corner that would put
// the status bar below the edge, a window wider than the screen.
TEST(WindowPlacement, WindowsArePlacedWholeOnTheirScreen) {
    const QRect laptop(0, 0, 1366, 728);  // 1366 x 768 less a panel
    const QRect scaled(0, 0, 1280, 690);  // 1920 x 1080 at 150 %, less a panel
    const QRect left(-1280, 0, 1280, 1024);
    const QSize frame(10, 34);  // borders and title bar
    struct Case {
        const char* what;
        StoredPair stored;
        WindowRequest window;
        QList<QRect> screens;
        QRect expected;  // frame corner, client size
    };
    const std::vector<Case> cases = {
        {"fits: kept as stored",
         {100, 50},
         {{800, 600}, {400, 300}, frame},
         {laptop},
         {100, 50, 800, 600}},
        {"status bar below the edge: moved up",
         {300, 400},
         {{800, 600}, {400, 300}, frame},
         {laptop},
         {300, 94, 800, 600}},
        {"stored at 100 % on the large screen, now scaled",
         {1500, 900},
         {{800, 600}, {400, 300}, frame},
         {scaled},
         {235, 28, 800, 600}},
        {"right edge beyond the scaled screen",
         {1000, 20},
         {{800, 600}, {400, 300}, frame},
         {scaled},
         {470, 20, 800, 600}},
        {"larger than the screen: reduced to it",
         {{}, {}},
         {{1655, 984}, {600, 400}, frame},
         {scaled},
         {0, 0, 1270, 656}},
        {"minimum larger than the screen: title bar in reach",
         {50, 50},
         {{1600, 900}, {1400, 800}, frame},
         {laptop},
         {0, 0, 1400, 800}},
        {"off every screen: the default",
         {-3000, -40},
         {{800, 600}, {400, 300}, frame},
         {laptop},
         {278, 47, 800, 600}},
        {"on the left monitor: reduced to that one",
         {-1200, 100},
         {{1500, 1100}, {400, 300}, frame},
         {laptop, left},
         {-1280, 0, 1270, 990}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlacedWindowGeometry(c.stored, c.window, c.screens, c.screens.front(),
                                       DefaultPlacement::Centred),
                  c.expected)
            << c.what;
}

// A page that has come to need more room grows its window as far as the
// screen allows; the window moves back onto the screen rather than hang over.
TEST(WindowPlacement, AGrowingWindowStaysOnItsScreen) {
    const QRect screen(0, 0, 1366, 728);
    const QSize frame(10, 34);
    struct Case {
        QPoint corner;
        QSize wanted;
        QRect expected;
    } const cases[] = {
        {{100, 50}, {900, 650}, {100, 44, 900, 650}},
        {{600, 10}, {900, 650}, {456, 10, 900, 650}},
        {{0, 0}, {1600, 900}, {0, 0, 1356, 694}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResizedWindowGeometry(c.corner, {c.wanted, {400, 300}, frame}, screen),
                  c.expected)
            << c.corner.x() << "," << c.corner.y();
}

}  // namespace
}  // namespace lmk17
