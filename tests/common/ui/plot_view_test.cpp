#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <limits>

#include "common/ui/plot_view.h"

using namespace lmk17;

namespace {

struct Plot : ::testing::Test {
    PlotView plot;
    void SetUp() override {
        plot.resize(400, 300);
        plot.setRange(Qt::Horizontal, 0, 100);
        plot.setRange(Qt::Vertical, -10, 10);
        plot.show();
        QApplication::processEvents();
    }
};

int DarkPixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128) ++n;
    return n;
}

}  // namespace

TEST_F(Plot, AxisRulesAndNonFinitePoints) {
    const AxisRange flat = plot.setRange(Qt::Vertical, 5, 5);
    EXPECT_NEAR(flat.low, 4.975, 1e-12);
    EXPECT_NEAR(flat.high, 5.025, 1e-12);
    EXPECT_EQ(plot.setRange(Qt::Horizontal, 9, 3), (AxisRange{3, 9}));
    QLineSeries* s = plot.addSeries({});
    plot.setPoints(
        s, {{1, 1}, {std::nan(""), 2}, {3, std::numeric_limits<double>::infinity()}, {4, -2}});
    EXPECT_EQ(s->count(), 2);
    plot.fitRangeToData(Qt::Vertical);
    EXPECT_EQ(plot.range(Qt::Vertical), (AxisRange{-2, 1}));
}

// The position of a right click in data coordinates is what the editor
// writes into its table: it must match the axes.
TEST_F(Plot, RightClickGivesDataCoordinates) {
    plot.addSeries({});
    QSignalSpy spy(&plot, &PlotView::rightReleased);
    const QRectF area = plot.chart()->plotArea();
    const QPoint centre = plot.mapFromScene(plot.chart()->mapToScene(area.center()));
    QTest::mouseRelease(plot.viewport(), Qt::RightButton, {}, centre);
    ASSERT_EQ(spy.count(), 1);
    const QPointF data = spy.at(0).at(1).toPointF();
    EXPECT_NEAR(data.x(), 50.0, 1.0);
    EXPECT_NEAR(data.y(), 0.0, 0.2);
    // Outside the plot area (the axis labels) nothing opens.
    QTest::mouseRelease(plot.viewport(), Qt::RightButton, {}, QPoint(1, 1));
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(Plot, CrossSymbolAndImageOnWhite) {
    const QImage cross = PlotView::symbolImage(PlotView::Symbol::Cross, {9, 9}, Qt::black);
    EXPECT_LT(qAlpha(cross.pixel(4, 0)), 60);   // the middle of the top edge stays empty
    EXPECT_GT(qAlpha(cross.pixel(4, 4)), 200);  // the strokes meet in the centre
    EXPECT_GT(qAlpha(cross.pixel(1, 1)), 100);

    plot.chart()->setBackgroundBrush(Qt::transparent);
    QLineSeries* s = plot.addSeries({Qt::black, true, PlotView::Symbol::Cross, {8, 8}});
    plot.setPoints(s, {{0, -10}, {100, 10}});
    const QImage img = plot.renderImage();
    EXPECT_EQ(img.size(), plot.size());
    EXPECT_EQ(img.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_GT(DarkPixels(img), 200);  // the diagonal line is drawn

    plot.copyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->image().size(), plot.size());
}

// Every axis keeps a handful of ticks at every moment, whatever order the
// range, the tick count and the zoom change in: the chart lays an axis out
// with the interval it holds, and a wide range on a fine interval would
// make it millions of ticks.
TEST_F(Plot, AxesKeepAFewTicksInAnyOrderOfCalls) {
    int most = 0;
    QValueAxis* axis = plot.axis(Qt::Vertical);
    const auto look = [&] {
        if (axis->tickType() != QValueAxis::TicksDynamic || axis->tickInterval() <= 0) return;
        const double ticks = (axis->max() - axis->min()) / axis->tickInterval() + 1;
        most = std::max(most, std::isfinite(ticks) && ticks < 1e6 ? int(ticks) : 1000000);
        if (ticks > 1000) axis->setTickInterval((axis->max() - axis->min()) / 4);  // no hang
    };
    QObject::connect(axis, &QValueAxis::rangeChanged, look);
    QObject::connect(axis, &QValueAxis::tickIntervalChanged, look);
    const QPoint centre =
        plot.mapFromScene(plot.chart()->mapToScene(plot.chart()->plotArea().center()));
    const auto wheel = [&](int notches) {
        QWheelEvent e(centre, plot.mapToGlobal(centre), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(plot.viewport(), &e);
    };
    struct Step {
        double low, high;  // a range; low == high: `ticks` as the tick count, else a wheel
        int ticks;
        int notches;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    // Spans a wrong order would fill with hundreds of ticks (not millions:
    // a fault must fail the test, not hang it).
    const std::vector<Case> cases = {
        {"fine, then wide", {{0, 1, 0, 0}, {0, 100, 0, 0}}},
        {"wide, then fine, then wide", {{-500, 500, 0, 0}, {0, 0.01, 0, 0}, {-0.5, 0.5, 0, 0}}},
        {"many ticks, then few", {{0, 0, 40, 0}, {0, 0.1, 0, 0}, {0, 0, 3, 0}, {0, 20, 0, 0}}},
        {"wheel out far", {{0, 1, 0, 0}, {1, 1, 0, -16}}},
        {"wheel in, then wide", {{0, 10, 0, 0}, {1, 1, 0, 20}, {0, 100, 0, 0}}},
    };
    plot.setZoomAxis(Qt::Vertical);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        plot.setTickCount(Qt::Vertical, 6);
        plot.setRange(Qt::Vertical, -10, 10);
        most = 0;
        int count = 6;
        double least = 1e9;  // ticks after a step
        for (const Step& s : c.steps) {
            if (s.notches) {
                wheel(s.notches);
            } else if (s.low == s.high) {
                count = s.ticks;
                plot.setTickCount(Qt::Vertical, count);
            } else {
                plot.setRange(Qt::Vertical, s.low, s.high);
            }
            plot.grab();
            least = std::min(least, (axis->max() - axis->min()) / axis->tickInterval() + 1);
        }
        EXPECT_GE(least, 2);  // never a single labelled value
        EXPECT_LE(most, 2 * 40 + 2);
        const double last = (axis->max() - axis->min()) / axis->tickInterval() + 1;
        EXPECT_GE(last, 2);
        EXPECT_LE(last, count + 1);
    }
}
