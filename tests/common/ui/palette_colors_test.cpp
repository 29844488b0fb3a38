// Colours made readable on a palette: a red warning or a blue link keeps its
// hue but reads on the dark palette, and stays as it was where it reads already.
#include <gtest/gtest.h>

#include <QLabel>
#include <QRegularExpression>

#include "app/color_scheme.h"
#include "common/ui/palette_colors.h"

using namespace lmk17;

namespace {

TEST(ReadableColours, KeepTheHueAndReadOnEitherPalette) {
    const struct {
        QColor color;
        bool changedOnLight;
    } cases[] = {
        {QColor(192, 0, 0), false},  // warnings
        {QColor(Qt::blue), false},   // links
        {QColor(0, 0, 128), false},  // the monitoring graph's line
        {QColor(Qt::red), true},     // a hot link: too light on a light window
        {QColor(0x10, 0x80, 0x30), true},
    };
    for (const auto& c : cases) {
        for (const QPalette& palette : {LightPalette(), DarkPalette()}) {
            const QColor ground = palette.color(QPalette::Window);
            const QColor shown = ReadableOn(c.color, ground, 4.5);
            EXPECT_GE(ContrastRatio(shown, ground), 4.5) << qPrintable(c.color.name());
            EXPECT_NEAR(shown.hslHue(), c.color.hslHue(), 2) << qPrintable(c.color.name());
        }
        EXPECT_EQ(ReadableOn(c.color, LightPalette().color(QPalette::Window), 4.5) != c.color,
                  c.changedOnLight)
            << qPrintable(c.color.name());
    }

    // A label's warning colour follows its palette; a second call replaces the first.
    QLabel label;
    label.setPalette(DarkPalette());
    SetReadableTextColor(&label, QColor(192, 0, 0), QStringLiteral("font-weight: bold"));
    SetReadableTextColor(&label, QColor(192, 0, 0), QStringLiteral("font-weight: bold"));
    const auto m = QRegularExpression(QStringLiteral("^color: (#[0-9a-f]{6}); font-weight: bold$"))
                       .match(label.styleSheet());
    ASSERT_TRUE(m.hasMatch()) << qPrintable(label.styleSheet());
    EXPECT_GE(ContrastRatio(QColor(m.captured(1)), DarkPalette().color(QPalette::Window)), 4.5);
    EXPECT_EQ(label.children().size(), 1);
}

}  // namespace
