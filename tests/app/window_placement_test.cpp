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

}  // namespace
}  // namespace lmk17
