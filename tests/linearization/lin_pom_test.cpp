#include <gtest/gtest.h>

#include "config/catalogue.h"
#include "config/defaults.h"
#include "config/transmitter_config.h"
#include "linearization/lin_pom.h"
#include "linearization/lin_record.h"
#include "support/builders.h"

using namespace lmk17;

TEST(LinUnits, InputAndInternalUnitsByRange) {
    struct Case {
        int index;
        double input, internal;
    };
    const Case cases[] = {
        {FindRange(95), 10.0, 0.01},    // mV entered, V evaluated
        {FindRange(91), 100.0, 100.0},  // ohm both
        {FindRange(93), 55.5, 55.5},
        {0, 123.0, 0.0},  // no range converts everything to 0
        {37, 123.0, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(InputToInternal(c.index, c.input), c.internal) << c.index;
        if (c.internal != 0.0)
            EXPECT_DOUBLE_EQ(InternalToInput(c.index, c.internal), c.input);
        else
            EXPECT_EQ(InternalToInput(c.index, 5.0), 0.0);
    }
}

TEST(LinPom, StandardTableIsTransposedWithTheInnerIndexReversed) {
    const StandardTable pt100 = LoadStandardTables(11);
    LinPom pom;
    StandardToLinPom(pt100, pom);
    EXPECT_EQ(pom.XStart(), 18.43);
    EXPECT_EQ(pom.XEnd(), 390.77);
    EXPECT_EQ(pom.YStart(), -202);
    EXPECT_EQ(pom.YEnd(), 852);
    EXPECT_EQ(pom.Segment(1)[3], -7.69177e-06);  // c3 of segment 1
    EXPECT_EQ(pom.Segment(8)[0], -257.8547934);  // c0 of segment 8
    EXPECT_EQ(LinPomToStandard(pom).rows, pt100.rows);
    // The J thermocouple's CJ polynomial is stored c3 first in the catalogue.
    StandardToLinPom(LoadStandardTables(51), pom);
    EXPECT_EQ(pom.CjcPoly[0], -0.009434322);
    EXPECT_EQ(pom.CjcPoly[3], -9.82911e-13);
}

TEST(LinPom, BoundaryBelongsToTheLowerSegmentAndSegmentEightRunsOn) {
    LinPom pom;
    pom.XStart() = 0;
    pom.XEnd() = 80;
    for (int s = 1; s <= 8; ++s) pom.SetSegment(s, {double(s), 1, 0, 0});  // y = s + u
    EXPECT_EQ(SegmentOf(pom, 10.0), 1);
    EXPECT_EQ(SegmentOf(pom, 10.000001), 2);
    EXPECT_EQ(SegmentOf(pom, -50.0), 1);
    EXPECT_EQ(SegmentOf(pom, 70.0), 7);
    EXPECT_EQ(SegmentOf(pom, 500.0), 8);
    EXPECT_DOUBLE_EQ(EvaluateInternal(pom, 10.0), 11.0);
    EXPECT_DOUBLE_EQ(EvaluateInternal(pom, 500.0), 508.0);            // not clipped at XEnd
    EXPECT_DOUBLE_EQ(EvaluateInput(pom, FindRange(95), 20.0), 1.02);  // 20 mV = 0.02 V
}

TEST(LinPom, PvRangeMustFitTheDisplay) {
    struct Case {
        int places;
        double yStart, yEnd;
        bool fits;
    };
    const Case cases[] = {{0, -9999.5, 9999.5, true}, {0, -10, 1000, true},   {1, -10, 1000, false},
                          {1, -999.95, 999.95, true}, {2, -99.996, 0, false}, {2, 0, 99.995, true}};
    for (const Case& c : cases) {
        LinPom pom;
        pom.SetDecimalPlaces(c.places);
        pom.YStart() = c.yStart;
        pom.YEnd() = c.yEnd;
        EXPECT_EQ(pom.PvRangeFitsDisplay(), c.fits) << c.places << " " << c.yStart << " " << c.yEnd;
    }
}

TEST(PointTable, ExchangeSortKeepsEqualXInOrder) {
    LinPointTable t;
    const double xs[] = {5, 1, 5, 3, 1};
    for (int i = 0; i < 5; ++i) t.Append(xs[i], i);
    t.Sort();
    const double ex[] = {1, 1, 3, 5, 5};
    const double ey[] = {1, 4, 3, 0, 2};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(t[i].x, ex[i]);
        EXPECT_EQ(t[i].y, ey[i]);
    }
    CjcPointTable cj;
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(cj.Append(i, i));
    EXPECT_FALSE(cj.Append(99, 99));
    EXPECT_EQ(cj.count, 20);
}

namespace {

using test::CustomerConfig;

}  // namespace

TEST(LinRecord, OpenAndCommitWithoutChangesIsNotAModification) {
    TransmitterConfig config = CustomerConfig(91);
    config.LinSegTable[3][4] = 1.0 / 3.0;
    config.RangeFlags |= 0x80;
    const int index = FindRange(91);
    LinPom pom;
    pom.RtdR0 = 123;  // survives opening
    OpenLinPom(pom, config, index);
    EXPECT_EQ(pom.HasRtd, 1);
    EXPECT_EQ(pom.HasCjc, 0);
    EXPECT_EQ(pom.RtdR0, 123);
    TransmitterConfig copy = config;
    EXPECT_FALSE(CommitLinPom(pom, copy, false));
    EXPECT_EQ(copy, config);
    EXPECT_TRUE(CommitLinPom(pom, copy, true));  // the editor's unsaved changes count

    struct Change {
        const char* what;
        void (*apply)(LinPom&);
        bool modified;
    };
    const Change changes[] = {
        {"tiny relative change", [](LinPom& p) { p.LinSegTable[3][4] *= 1 + 5e-7; }, false},
        {"2e-6 relative change", [](LinPom& p) { p.LinSegTable[3][4] *= 1 + 2e-6; }, true},
        {"zero becomes nonzero", [](LinPom& p) { p.CjcPoly[2] = 1e-300; }, true},
        {"decimal places", [](LinPom& p) { p.SetDecimalPlaces(2); }, true},
        {"unit", [](LinPom& p) { p.PvUnit = 32; }, true},
        {"upper flag bits are not the editor's", [](LinPom& p) { p.DisplayConfig ^= 0x40; }, false},
    };
    for (const Change& c : changes) {
        LinPom changed = pom;
        c.apply(changed);
        TransmitterConfig target = config;
        EXPECT_EQ(CommitLinPom(changed, target, false), c.modified) << c.what;
        EXPECT_EQ(target.RangeFlags & 0x80, 0x80) << c.what;
    }
}

TEST(LinRecord, DefaultLinearizationAndEditorReset) {
    LinData data;
    data.pom.DisplayConfig = 0x52;
    data.pom.DisplayFactor = 100;
    data.pom.PvUnit = 32;
    data.LinPoints.Append(1, 2);
    data.CJCPoints.Append(1000, 0.001);
    const int r95 = FindRange(95);
    Default2LinPom(data, r95, false);
    EXPECT_EQ(data.pom.DisplayConfig, 0x50);
    EXPECT_EQ(data.pom.DisplayFactor, 1.0);
    EXPECT_EQ(data.pom.PvUnit, 0);
    EXPECT_EQ(data.pom.XStart(), -0.016);
    EXPECT_EQ(data.pom.Segment(5), (std::array<double, 4>{0, 1000, 0, 0}));
    EXPECT_EQ(data.pom.CjcPoly, (std::array<double, 4>{}));
    EXPECT_EQ(data.LinPoints.count, 1);  // kept without the editor reset
    Default2LinPom(data, r95, true);
    EXPECT_EQ(data.pom.PvUnit, UnitSlot(0).Code);
    EXPECT_EQ(data.LinPoints.count, 0);
    EXPECT_EQ(data.CJCPoints.count, 0);
}
