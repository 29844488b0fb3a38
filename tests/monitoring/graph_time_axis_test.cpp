// The monitoring graph's time axis texts and the points it refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/time_ticks.h"
#include "monitoring/monitor_graph.h"

using namespace lmk17;

TEST(GraphTimeAxis, LabelsAndRoundTicks) {
    const double day = 45000;
    const double s = 1.0 / 86400;
    EXPECT_EQ(TimeOfDayText(day + 3723 * s), QStringLiteral("1:02:03"));
    EXPECT_EQ(TimeOfDayText(day + 0.4 * s), QStringLiteral("0:00:00"));
    EXPECT_EQ(TimeOfDayText(day + 86399.6 * s), QStringLiteral("0:00:00"));  // rounds into midnight
    EXPECT_EQ(TimeOfDayText(day + 13 * 3600 * s), QStringLiteral("13:00:00"));

    struct {
        double fromS, toS;
        int count;
        double stepS;
        const char* first;
    } cases[] = {
        {10, 50, 5, 10, "0:00:10"},             // 40 s in five ticks: every 10 s
        {3601, 3601 + 400, 4, 120, "1:02:00"},  // about 7 min: every 2 min, on round minutes
        {0, 3 * 86400, 3, 86400, "0:00:00"},    // days
    };
    for (const auto& c : cases) {
        const auto ticks = TimeTicks(day + c.fromS * s, day + c.toS * s, c.count);
        ASSERT_GE(ticks.size(), 2u);
        EXPECT_LE(int(ticks.size()), c.count + 1);
        EXPECT_NEAR((ticks[1] - ticks[0]) * 86400, c.stepS, 1e-3);
        EXPECT_EQ(TimeOfDayText(ticks.front()), QLatin1String(c.first));
    }
    EXPECT_TRUE(TimeTicks(day, day, 5).empty());
    EXPECT_TRUE(TimeTicks(day, std::numeric_limits<double>::infinity(), 5).empty());
}

// A PV that is no number is logged, never plotted: it would spoil the axis.
TEST(GraphTimeAxis, NonFinitePointsAreNotPlotted) {
    MonitorGraphModel g;
    g.setRange(0, 100);
    g.addPoint(1, 20);
    g.addPoint(2, std::nan(""));
    g.addPoint(3, std::numeric_limits<double>::infinity());
    EXPECT_EQ(g.points().size(), 1u);
    EXPECT_DOUBLE_EQ(g.axisMin(), 19.75);
}
