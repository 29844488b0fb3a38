#include <gtest/gtest.h>

#include "config/catalogue.h"
#include "config/cjc_sensor.h"
#include "linearization/lin_graph_series.h"
#include "linearization/point_grid.h"
#include "support/scripted_interaction.h"

using namespace lmk17;
using lmk17::test::ScriptedInteraction;

TEST(ReadLinPointGrid, RowsAreCheckedCompactedAndSorted) {
    const int r91 = FindRange(91);
    struct Case {
        const char* what;
        std::vector<GridRow> rows;
        bool ok;
        int count;
        GridCell bad;
    };
    const QString format = QStringLiteral(
        "Incorrect format of the value in row n.%1 and column n.%2, please correct.");
    const Case cases[] = {
        {"empty X skipped, empty Y is 0",
         {{"", "5"}, {" 200 ", ""}, {"100,5", "1.5"}},
         true,
         2,
         {}},
        {"below the standard X start", {{"10", "1"}, {"-20", "2"}}, false, 0, {2, 1}},
        {"at the standard limits", {{"-10", "1"}, {"441", "2"}}, true, 2, {}},
        {"bad Y", {{"10", "1"}, {"20", "x"}}, false, 0, {2, 2}},
    };
    for (const Case& c : cases) {
        ScriptedInteraction ui;
        LinData d;
        d.LinPoints.Append(7, 7);
        const LinData before = d;
        GridCell bad;
        EXPECT_EQ(ReadLinPointGrid(c.rows, r91, true, d, ui, &bad), c.ok) << c.what;
        if (c.ok) {
            EXPECT_EQ(d.LinPoints.count, c.count) << c.what;
        } else {
            EXPECT_EQ(d, before) << c.what;
            EXPECT_EQ(bad.row, c.bad.row) << c.what;
            EXPECT_EQ(bad.column, c.bad.column) << c.what;
            EXPECT_EQ(ui.last(), format.arg(c.bad.row).arg(c.bad.column)) << c.what;
        }
    }
    // Sorted, with the limits of an edited grid: standard X range up to 4
    // points, the points' X range beyond; Y with a 1 % margin.
    ScriptedInteraction ui;
    LinData d;
    ASSERT_TRUE(ReadLinPointGrid({{"300", "30"}, {"100", "10"}}, r91, true, d, ui));
    EXPECT_EQ(d.LinPoints[0].x, 100);
    EXPECT_EQ(d.pom.XStart(), -10);
    EXPECT_DOUBLE_EQ(d.pom.YStart(), 9.8);
    EXPECT_DOUBLE_EQ(d.pom.YEnd(), 30.2);
    ASSERT_TRUE(ReadLinPointGrid({{"50", "1"}, {"60", "2"}, {"70", "3"}, {"80", "4"}, {"90", "5"}},
                                 r91, true, d, ui));
    EXPECT_EQ(d.pom.XStart(), 50);
    EXPECT_EQ(d.pom.XEnd(), 90);
}

TEST(ReadCjcPointGrid, UnitsAndTheSensorRange) {
    ScriptedInteraction ui;
    LinData d;
    ASSERT_TRUE(ReadCjcPointGrid({{"100", "4,5"}, {"0", "0"}}, d, ui));
    EXPECT_EQ(d.CJCPoints[0].x, CjcCelsiusToOhm(0));
    EXPECT_DOUBLE_EQ(d.CJCPoints[1].y, 0.0045);
    EXPECT_FALSE(ReadCjcPointGrid({{"160", "1"}}, d, ui));
    EXPECT_EQ(
        ui.last(),
        QString::fromUtf8(
            "Value in row n.1 and column n.1 is out of range < -55, 155 > °C, please correct."));
    d.pom.CjcXUnit = 1;
    EXPECT_FALSE(ReadCjcPointGrid({{"", ""}, {"700", "1"}}, d, ui));
    EXPECT_EQ(ui.last(), QStringLiteral("Value in row n.2 and column n.1 is out of range < 783.26, "
                                        "1591.91 > Ohm, please correct."));
    EXPECT_EQ(d.CJCPoints.count, 2);  // unchanged
}

TEST(GraphSeries, CurveAxesAndErrorAxis) {
    LinPom pom;
    pom.XStart() = 0;
    pom.XEnd() = 64;
    for (int s = 1; s <= 8; ++s) pom.SetSegment(s, {double(s), 0, 0, 0});
    const auto curve = LinCurveSeries(pom, FindRange(91));
    ASSERT_EQ(curve.size(), 648u);
    EXPECT_EQ(curve[80], QPointF(8, 1));  // boundary with segment 1 ...
    EXPECT_EQ(curve[81], QPointF(8, 2));  // ... and again with segment 2
    pom.CjcXUnit = 1;
    EXPECT_NEAR(CjcAxisRange(pom).x(), 803.1, 0.05);
    EXPECT_NEAR(CjcAxisRange(pom).y(), 1573.25, 0.05);
    EXPECT_EQ(CjcCurveSeries(pom).size(), 641u);

    double lo = 1.0, hi = 1.00001;
    WidenErrorAxis(lo, hi);
    EXPECT_GE(hi - lo, 0.0002);
    EXPECT_LT(hi - lo, 0.25);
    double zlo = 0, zhi = 0;  // an exact fit: cannot grow by steps, opened around zero
    WidenErrorAxis(zlo, zhi);
    EXPECT_NEAR(zlo, -0.0001, 1e-15);
    EXPECT_NEAR(zhi, 0.0001, 1e-15);
    EXPECT_EQ(AxisRangeText(-10, 441.123456, QStringLiteral("Ohm")),
              QStringLiteral("  < -10 ; 441.12 >  [Ohm]"));
    EXPECT_EQ(ErrorPointText(true, 1.5, -2),
              QStringLiteral("Maximum error of approximation is at point [ 1.5 ; -2 ]."));
}
