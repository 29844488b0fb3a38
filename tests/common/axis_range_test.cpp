#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/axis_range.h"

using namespace lmk17;

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
}  // namespace

// Every automatic axis must stay drawable: a plotting component divides by
// the span, so zero, reversed or non-finite limits must never reach it.
TEST(AxisRange, NormalizedAndTimeRanges) {
    struct Case {
        double low, high;
        AxisRange value, time;  // time axis in seconds
    };
    const Case cases[] = {
        {1.0, 2.0, {1.0, 2.0}, {1.0, 2.0}},
        {2.0, 1.0, {1.0, 2.0}, {1.0, 2.0}},  // reversed limits from a file
        {100.0, 100.0, {99.5, 100.5}, {70.0, 130.0}},
        {-400.0, -400.0, {-402.0, -398.0}, {-430.0, -370.0}},
        {0.0, 0.0, {-0.0001, 0.0001}, {-30.0, 30.0}},  // a single point at zero
        {0.001, 0.001, {0.0009, 0.0011}, {-29.999, 30.001}},
        {kNaN, 1.0, {0.0, 1.0}, {0.0, 1.0}},
        {0.0, kInf, {0.0, 1.0}, {0.0, 1.0}},
    };
    for (const Case& c : cases) {
        const AxisRange v = NormalizedRange(c.low, c.high);
        EXPECT_NEAR(v.low, c.value.low, 1e-12) << c.low << " " << c.high;
        EXPECT_NEAR(v.high, c.value.high, 1e-12) << c.low << " " << c.high;
        const AxisRange t = NormalizedTimeRange(c.low, c.high, 1.0);
        EXPECT_NEAR(t.low, c.time.low, 1e-9);
        EXPECT_NEAR(t.high, c.time.high, 1e-9);
    }
    // Day numbers: +-30 s is +-30/86400 of a day.
    const AxisRange days = NormalizedTimeRange(46000.5, 46000.5, 1.0 / 86400);
    EXPECT_NEAR(days.span() * 86400, 60.0, 1e-6);
}

TEST(AxisRange, WideningOfNarrowRanges) {
    struct Case {
        double low, high;
        double expectLow, expectHigh;
    };
    const Case cases[] = {
        {1.0, 3.0, 1.0, 3.0},         // wide enough already
        {5.0, 5.0, 4.5, 5.5},         // one 10 % step each way
        {0.0, 0.0, -0.0001, 0.0001},  // zero cannot grow by 10 %: centre +- 0.0001
        {3.0, 1.0, 1.0, 3.0},         // reversed
    };
    for (const Case& c : cases) {
        const AxisRange r = WidenedRange(c.low, c.high, 0.0002);
        EXPECT_NEAR(r.low, c.expectLow, 1e-12) << c.low << " " << c.high;
        EXPECT_NEAR(r.high, c.expectHigh, 1e-12) << c.low << " " << c.high;
    }
    // Tiny limits on both sides grow step by step until the span is reached.
    const AxisRange grown = WidenedRange(-0.00001, 0.00001, 0.0002);
    EXPECT_GE(grown.span(), 0.0002);
    EXPECT_LT(grown.span(), 0.0002 * 1.1);
}

TEST(AxisRange, NonFinitePointsAreSkipped) {
    const std::vector<QPointF> points = {{1, 5}, {kNaN, 100}, {2, kInf}, {3, -1}};
    const DataBounds b = BoundsOf(points);
    ASSERT_TRUE(b.valid);
    EXPECT_EQ(b.x, (AxisRange{1, 3}));
    EXPECT_EQ(b.y, (AxisRange{-1, 5}));
    EXPECT_EQ(FinitePoints(points).size(), 2u);
    EXPECT_FALSE(BoundsOf({{kNaN, 1}}).valid);
}

TEST(AxisRange, DecimalsFromTheTickStep) {
    const std::pair<double, int> cases[] = {{5, 0},     {0.5, 1},     {0.25, 2}, {0.1, 1},
                                            {0.002, 3}, {1.0 / 3, 6}, {0, 0},    {2.5, 1}};
    for (auto [step, decimals] : cases) EXPECT_EQ(DecimalsForStep(step), decimals) << step;
    // Steps of 1, 2 or 5 times a power of ten, never more intervals than asked.
    const std::tuple<double, int, double> steps[] = {{924.36, 4, 500}, {330, 4, 100},
                                                     {770.15, 4, 200}, {0.0002, 4, 0.00005},
                                                     {10, 5, 2},       {0, 4, 0}};
    for (auto [span, n, step] : steps) EXPECT_DOUBLE_EQ(NiceStep(span, n), step) << span;
    // Labelled steps leave at least two values on the axis: a monitoring
    // graph 3..66 high with three ticks was labelled "50" alone.
    const std::tuple<double, int, double> labelled[] = {
        {63, 2, 20}, {8.4, 4, 2}, {1.1, 1, 0.5}, {330, 4, 100}, {924.36, 4, 200}, {0, 4, 0}};
    for (auto [span, n, step] : labelled) EXPECT_DOUBLE_EQ(LabelStep(span, n), step) << span;
}
