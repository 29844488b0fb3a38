#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "config/catalogue.h"
#include "config/cjc_sensor.h"
#include "linearization/lin_approximation.h"
#include "linearization/lin_segments.h"

using namespace lmk17;

namespace {

LinData Points(std::initializer_list<std::pair<double, double>> points) {
    LinData d;
    for (const auto& [x, y] : points) d.LinPoints.Append(x, y);
    return d;
}

LinData Sampled(int n, double x0, double x1, const std::function<double(double)>& f, int index) {
    LinData d;
    for (int i = 0; i < n; ++i) {
        const double x = x0 + (x1 - x0) * i / (n - 1);
        d.LinPoints.Append(x, f(x));
    }
    d.pom.XStart() = InputToInternal(index, x0);
    d.pom.XEnd() = InputToInternal(index, x1);
    return d;
}

double LargestJump(const LinPom& pom) {
    const double w = (pom.XEnd() - pom.XStart()) / 8;
    double jump = 0;
    for (int j = 1; j <= 7; ++j) {
        const double u = pom.XStart() + w * j;
        jump =
            std::max(jump, std::fabs(EvaluateSegment(pom, j, u) - EvaluateSegment(pom, j + 1, u)));
    }
    return jump;
}

}  // namespace

TEST(ProlozLinTab, TwoPointsGiveOneLineOverTheStandardRange) {
    const int r91 = FindRange(91);
    LinData d = Points({{0, 0}, {400, 850}});
    d.pom.PvUnit = 32;
    ApproximationErrors e;
    ASSERT_TRUE(ProlozLinTab(d, r91, &e));
    for (int s = 1; s <= 8; ++s) {
        EXPECT_NEAR(d.pom.Segment(s)[0], 0, 1e-9);
        EXPECT_NEAR(d.pom.Segment(s)[1], 2.125, 1e-12);
        EXPECT_NEAR(d.pom.Segment(s)[2], 0, 1e-15);
    }
    EXPECT_EQ(d.pom.XStart(), -10);
    EXPECT_EQ(d.pom.XEnd(), 441);
    EXPECT_NEAR(d.pom.YStart(), -21.25, 1e-9);  // no margin with one cubic
    EXPECT_NEAR(d.pom.YEnd(), 937.125, 1e-9);
    ASSERT_EQ(e.series.size(), 2u);
    EXPECT_EQ(e.series[1].x, 400);
    EXPECT_EQ(e.minIndex, 1);  // equal errors: the first point wins both
    EXPECT_EQ(e.maxIndex, 1);
}

TEST(ProlozLinTab, CoefficientsAreInInternalUnits) {
    // R95: X in mV, evaluated in V, so the slope per volt is 1000 times larger.
    const int r95 = FindRange(95);
    LinData d = Points({{0, 0}, {50, 1000}});
    ASSERT_TRUE(ProlozLinTab(d, r95));
    EXPECT_NEAR(d.pom.Segment(3)[1], 20000, 1e-6);
    EXPECT_NEAR(EvaluateInput(d.pom, r95, 25), 500, 1e-9);
}

TEST(ProlozLinTab, FourPointsInterpolateAndFiveSwitchToSegments) {
    const int r91 = FindRange(91);
    const auto cubic = [](double x) { return 1 + 0.5 * x - 1e-3 * x * x + 2e-6 * x * x * x; };
    LinData four =
        Points({{10, cubic(10)}, {100, cubic(100)}, {250, cubic(250)}, {390, cubic(390)}});
    ASSERT_TRUE(ProlozLinTab(four, r91));
    for (double x : {10.0, 100.0, 250.0, 390.0})
        EXPECT_NEAR(EvaluateInput(four.pom, r91, x), cubic(x), 1e-8);
    EXPECT_EQ(four.pom.Segment(1), four.pom.Segment(8));

    LinData five = Sampled(5, 10, 390, cubic, r91);
    ASSERT_TRUE(ProlozLinTab(five, r91));
    EXPECT_EQ(five.pom.XStart(), 10);  // the points' limits stay
    EXPECT_EQ(five.pom.XEnd(), 390);
    EXPECT_NE(five.pom.Segment(1), five.pom.Segment(8));
}

TEST(ProlozLinTab, PointsOnALineNeedNoPulling) {
    const int r91 = FindRange(91);
    LinData d = Sampled(
        20, 0, 400, [](double x) { return 3 * x - 7; }, r91);
    SegmentedFit fit;
    fit.SetIntervals(d.pom, r91);
    fit.Collect(d.LinPoints);
    fit.AddJoints();
    fit.Borrow(d.LinPoints.count);
    fit.FitAll(d.pom);
    const double tolerance = (MaxYBodyLin(d.LinPoints) - MinYBodyLin(d.LinPoints)) * 1e-4;
    EXPECT_FALSE(fit.PullTogether(d.pom, tolerance));
    ASSERT_TRUE(ProlozLinTab(d, r91));
    for (double x = 0; x <= 400; x += 12.5)
        EXPECT_NEAR(EvaluateInput(d.pom, r91, x), 3 * x - 7, 1e-3);
    // PV limits: sampled extremes with a 1 % margin of the span.
    EXPECT_NEAR(d.pom.YStart(), -7 + 3 * 400 / 8000.0 - 0.01 * 1200 * (1 - 1 / 8000.0), 1e-6);
    EXPECT_NEAR(d.pom.YEnd(), 1193 + 0.01 * 1200 * (1 - 1 / 8000.0), 1e-6);
}

TEST(SegmentedFit, CollectsOwnAndOverlapPointsAndFillsGaps) {
    const int r91 = FindRange(91);
    // Points only at the two ends: the middle segments have none of their own.
    LinData d = Points({{0, 0}, {10, 10}, {20, 20}, {380, 380}, {390, 390}, {400, 400}});
    d.pom.XStart() = 0;
    d.pom.XEnd() = 400;
    SegmentedFit fit;
    fit.SetIntervals(d.pom, r91);
    fit.Collect(d.LinPoints);
    EXPECT_EQ(fit.seg[1].count, 3);
    EXPECT_EQ(fit.seg[2].count, 0);
    fit.AddJoints();
    // Boundary 50 lies between own points 20 and 380: interpolated, so 50.
    ASSERT_EQ(fit.seg[2].count, 2);
    EXPECT_EQ(fit.seg[2].First().kind, PointKind::JointStart);
    EXPECT_DOUBLE_EQ(fit.seg[2].First().y, 50);
    EXPECT_EQ(fit.seg[1].Last().kind, PointKind::JointEnd);
    fit.Borrow(d.LinPoints.count);
    for (int s = 1; s <= 8; ++s) EXPECT_GE(fit.seg[s].count, 2) << s;

    // A point within 5 % beyond an interval is an overlap point there.
    LinData o = Points({{0, 0}, {51, 1}, {100, 2}, {200, 3}, {400, 4}});
    o.pom.XStart() = 0;
    o.pom.XEnd() = 400;
    SegmentedFit f2;
    f2.SetIntervals(o.pom, r91);
    f2.Collect(o.LinPoints);
    ASSERT_EQ(f2.seg[1].count, 2);
    EXPECT_EQ(f2.seg[1].Last().kind, PointKind::Overlap);
    EXPECT_EQ(f2.seg[1].Last().source, 2);
    EXPECT_EQ(f2.seg[2].First().kind, PointKind::Own);
}

TEST(SegmentedFit, BorrowsForEmptySegmentsAndStopsWhenNothingQualifies) {
    const int r91 = FindRange(91);
    // All points in the first segment: segments 2..8 borrow from the left.
    LinData d = Points({{1, 1}, {2, 4}, {3, 9}, {4, 16}, {5, 25}});
    d.pom.XStart() = 0;
    d.pom.XEnd() = 400;
    SegmentedFit fit;
    fit.SetIntervals(d.pom, r91);
    fit.Collect(d.LinPoints);
    fit.AddJoints();  // no own point right of any boundary: nothing added
    EXPECT_EQ(fit.seg[2].count, 0);
    fit.Borrow(d.LinPoints.count);
    EXPECT_EQ(fit.seg[2].count, 2);
    EXPECT_EQ(fit.seg[2].First().kind, PointKind::Borrowed);
    EXPECT_EQ(fit.seg[8].count, 2);
    ASSERT_TRUE(ProlozLinTab(d, r91));
    EXPECT_TRUE(std::isfinite(d.pom.YEnd()));
}

TEST(ProlozLinTab, SmoothCurveMeetsAtTheBoundaries) {
    const int r91 = FindRange(91);
    LinData d = Sampled(
        40, 20, 390, [](double x) { return 100 * std::log(x); }, r91);
    ApproximationErrors e;
    ASSERT_TRUE(ProlozLinTab(d, r91, &e));
    const double tolerance = (MaxYBodyLin(d.LinPoints) - MinYBodyLin(d.LinPoints)) * 1e-4;
    EXPECT_LE(LargestJump(d.pom), tolerance);
    EXPECT_LT(std::fabs(e.maxError), 0.5);
    EXPECT_LE(std::fabs(e.minError), std::fabs(e.maxError));
    EXPECT_LE(d.pom.YStart(), d.LinPoints[0].y);
    EXPECT_GE(d.pom.YEnd(), d.LinPoints[39].y);
}

TEST(ProlozLinTab, RefusesTooFewPointsAndChangesNothing) {
    LinData d = Points({{1, 1}});
    const LinData before = d;
    ApproximationErrors e;
    e.series.push_back({1, 1});
    EXPECT_FALSE(ProlozLinTab(d, FindRange(91), &e));
    EXPECT_EQ(d, before);
    EXPECT_TRUE(e.series.empty());  // the graph's series are emptied anyway
    d.LinPoints.Append(2, 2);
    EXPECT_FALSE(ProlozLinTab(d, 0));  // no range selected
}

TEST(ApproximationErrors, ExtremesByMagnitudeAndLabels) {
    const int r91 = FindRange(91);
    // One line through five points, two of them off by the same amount.
    LinData d = Points({{0, 0}, {100, 102}, {200, 200}, {300, 298}, {400, 400}});
    d.pom.PvUnit = 32;
    d.pom.XStart() = 0;
    d.pom.XEnd() = 400;
    ApproximationErrors e;
    ASSERT_TRUE(ProlozLinTab(d, r91, &e));
    ASSERT_EQ(e.series.size(), 5u);
    EXPECT_TRUE(e.minLabel.startsWith(QStringLiteral("Minimum:  ")));
    EXPECT_TRUE(e.maxLabel.startsWith(QStringLiteral("Maximum:  ")));
    EXPECT_TRUE(e.maxLabel.endsWith(QString::fromUtf8(" [°C]"))) << e.maxLabel.toStdString();
    for (const auto& p : e.series) EXPECT_LE(std::fabs(p.error), std::fabs(e.maxError));
}

TEST(ProlozKPoln, FitsTheCjcPointsInVoltsAndReportsMillivolts) {
    LinData d;
    d.pom.CjcXUnit = 0;
    EXPECT_FALSE(ProlozKPoln(d));
    d.CJCPoints.Append(CjcCelsiusToOhm(0), 0);
    EXPECT_FALSE(ProlozKPoln(d));  // one point is refused
    d.CJCPoints.Append(CjcCelsiusToOhm(100), 0.005);
    d.CJCPoints.Append(CjcCelsiusToOhm(50), 0.0025);
    ApproximationErrors e;
    ASSERT_TRUE(ProlozKPoln(d, &e));
    EXPECT_NEAR(EvaluateCjc(d.pom, CjcCelsiusToOhm(50)), 0.0025, 1e-12);
    ASSERT_EQ(e.series.size(), 3u);
    EXPECT_NEAR(e.series[1].x, 100, 0.01);  // shown in degrees Celsius
    EXPECT_TRUE(e.minLabel.endsWith(QStringLiteral(" [mV]")));
    d.pom.CjcXUnit = 1;
    ASSERT_TRUE(ProlozKPoln(d, &e));
    EXPECT_EQ(e.series[1].x, CjcCelsiusToOhm(100));

    d.CJCPoints.count = 21;  // beyond the table
    EXPECT_FALSE(ProlozKPoln(d));
}
