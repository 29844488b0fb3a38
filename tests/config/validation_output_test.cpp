#include <gtest/gtest.h>

#include <cmath>

#include "config/output_limits.h"
#include "support/qt_printers.h"
#include "validation_fixture.h"

namespace lmk17 {
namespace {

using test::ValidationFixture;

PhysicalOutputLimits limitsOf(const ValidationFixture& f) {
    return ComputePhysicalLimits(f.config, *OutputTypeOf(f.context.typeIndex));
}

// 4..20 mA output; default limits 3.8/20.5 mA, error outputs 3.5/22 mA.
TEST(OutputRange, LimitsKeepTheirDistanceToTheirEnd) {
    struct Case {
        const char* low;
        const char* high;
        double start, end;                        // mA after the check
        double satLow, satHigh, errLow, errHigh;  // mA
    } cases[] = {
        {"6", "18", 6, 18, 5.8, 18.5, 5.5, 20},
        {"18", "6", 6, 18, 5.8, 18.5, 5.5, 20},  // entered the wrong way round: swapped
        {"3", "25", 3, 25, 3, 25, 3, 25},        // moved beyond their bounds: held there
        {"4", "20", 4, 20, 3.8, 20.5, 3.5, 22},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.low);
        ValidationFixture f(test::kK8620L20, test::kFw191);
        f.view.output.rangeLowText = QString::fromLatin1(c.low);
        const CheckOutcome o = f.leave(EditField::ROHEdt, QString::fromLatin1(c.high));
        ASSERT_TRUE(o.accepted) << o.failureText().toStdString();
        EXPECT_NEAR(f.config.OutputOffset, (c.start - 4) / 16, 1e-12);
        EXPECT_NEAR(f.config.OutputGain, (c.end - c.start) / 16, 1e-12);
        const PhysicalOutputLimits l = limitsOf(f);
        EXPECT_NEAR(l.SaturationLow * 1000, c.satLow, 1e-9);
        EXPECT_NEAR(l.SaturationHigh * 1000, c.satHigh, 1e-9);
        EXPECT_NEAR(l.ErrorLow * 1000, c.errLow, 1e-9);
        EXPECT_NEAR(l.ErrorHigh * 1000, c.errHigh, 1e-9);
        EXPECT_EQ(f.view.output.rangeLowText, QString::asprintf(" %.*g", 5, c.start));
        EXPECT_EQ(f.view.output.rangeHighText, QString::asprintf(" %.*g", 5, c.end));
    }
}

TEST(OutputRange, RefusedValuesChangeNothing) {
    struct Case {
        const char* low;
        const char* high;
        const char* message;
        EditField focus;
    } cases[] = {
        {"4", "26", "Value of upper output range is out of the range: <3 ; 25> mA.",
         EditField::ROHEdt},
        {"2.9", "20", "Value of lower output range is out of the range: <3 ; 25> mA.",
         EditField::ROLEdt},
        {"4", "2O", "Incorrect Format of the Value: upper output range.", EditField::ROHEdt},
        // A range of no width has no gain; it is refused as a span too small.
        {"10", "10,0", "Output span value is lower than 0 mA, cannot continue.", EditField::ROHEdt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.high);
        ValidationFixture f(test::kK8620L20, test::kFw191);
        const TransmitterConfig before = f.config;
        f.view.output.rangeLowText = QString::fromLatin1(c.low);
        const CheckOutcome o2 = f.leave(EditField::ROHEdt, QString::fromLatin1(c.high));
        EXPECT_FALSE(o2.accepted);
        EXPECT_EQ(o2.failureText(), QString::fromUtf8(c.message));
        EXPECT_EQ(o2.page, ConfigPage::Output);
        EXPECT_EQ(o2.focus, c.focus);
        EXPECT_EQ(f.config, before);
    }
}

TEST(OutputLimits, PairsAreBoundedSpannedAndOrdered) {
    struct Case {
        int type;
        EditField low, high;
        const char* lowText;
        const char* highText;
        const char* message;  // nullptr: accepted
        double lowPhysical, highPhysical;
    } cases[] = {
        {test::kK8620L20, EditField::NPSatLoEdt, EditField::NPSatHiEdt, "20", "4", nullptr, 0.004,
         0.020},
        {test::kK8620L20, EditField::NPSatLoEdt, EditField::NPSatHiEdt, "10", "10,5",
         "Saturation span value is lower than 1 mA, cannot continue.", 0.010, 0.0105},
        {test::kK8620L20, EditField::NPErrLoEdt, EditField::NPErrHiEdt, "2.9", "22",
         "Value of lower error output is out of the range: <3 ; 25> mA.", 0.0035, 0.022},
        {test::kK8620L20, EditField::NPErrLoEdt, EditField::NPErrHiEdt, "3", "3.9",
         "Error span value is lower than 1 mA, cannot continue.", 0.003, 0.0039},
        {test::kK8620L20, EditField::NPErrLoEdt, EditField::NPErrHiEdt, "3,1", "24.5", nullptr,
         0.0031, 0.0245},
        {34, EditField::NPSatLoEdt, EditField::NPSatHiEdt, "1", "1.4",
         "Saturation span value is lower than 0.5 V, cannot continue.", 1, 1.4},
        {34, EditField::NPSatLoEdt, EditField::NPSatHiEdt, "0", "13.1",
         "Value of upper output limit is out of the range: <0 ; 13> V.", 0, 10.25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message ? c.message : c.lowText);
        ValidationFixture f(c.type, test::kFw191);
        EditText(f.view, c.low) = QString::fromLatin1(c.lowText);
        const CheckOutcome o = f.leave(c.high, QString::fromLatin1(c.highText));
        EXPECT_EQ(o.accepted, c.message == nullptr);
        if (c.message) {
            EXPECT_EQ(o.failureText(), QString::fromUtf8(c.message));
            EXPECT_EQ(o.page, ConfigPage::Output);
        }
        const OutputTypeEntry& t = *OutputTypeOf(c.type);
        const bool errors = c.low == EditField::NPErrLoEdt;
        const double low = errors ? f.config.ErrorLow : f.config.SaturationLow;
        const double high = errors ? f.config.ErrorHigh : f.config.SaturationHigh;
        EXPECT_NEAR(PhysicalOutput(f.config, t, low), c.lowPhysical, 1e-12);
        EXPECT_NEAR(PhysicalOutput(f.config, t, high), c.highPhysical, 1e-12);
    }
}

TEST(OutputLimits, StoredAgainstTheOutputRange) {
    ValidationFixture f(test::kK8620L20, test::kFw191);
    f.view.output.rangeLowText = QStringLiteral("8");
    ASSERT_TRUE(f.leave(EditField::ROHEdt, QStringLiteral("16")).accepted);
    f.view.output.saturationLowText = QStringLiteral("7.5");
    ASSERT_TRUE(f.leave(EditField::NPSatHiEdt, QStringLiteral("16.5")).accepted);
    // normalised to the output range 8..16 mA
    EXPECT_NEAR(f.config.SaturationLow, -0.0625, 1e-12);
    EXPECT_NEAR(f.config.SaturationHigh, 1.0625, 1e-12);
    EXPECT_EQ(f.view.output.saturationLowText, QStringLiteral(" 7.5"));
    EXPECT_EQ(f.view.output.saturationHighText, QStringLiteral(" 16.5"));
}

}  // namespace
}  // namespace lmk17
