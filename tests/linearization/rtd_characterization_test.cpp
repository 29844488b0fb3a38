#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

#include "config/catalogue.h"
#include "linearization/rtd_characterization.h"
#include "support/scripted_interaction.h"

using namespace lmk17;
using lmk17::test::ScriptedInteraction;

namespace {

// The IEC 60751 temperature of a standard Pt100 resistance, by Newton steps on
// the Callendar-Van Dusen equation.
double IecTemperature(double r) {
    const RtdConstants k;
    double t = (r / k.R0 - 1) / k.A;
    for (int i = 0; i < 50; ++i) {
        const double h = 1e-6;
        const double f = RtdResistance(k, t) - r;
        const double d = (RtdResistance(k, t + h) - RtdResistance(k, t - h)) / (2 * h);
        t -= f / d;
    }
    return t;
}

RtdFields Constants(const char* a, const char* b, const char* c, const char* r0) {
    RtdFields f;
    f.method = kRtdConstants;
    f.A = a;
    f.B = b;
    f.C = c;
    f.R0 = r0;
    return f;
}

RtdFields OnePoint(const char* r0) {
    RtdFields f;
    f.method = kRtdOnePointR0;
    f.OnePointR0 = r0;
    return f;
}

RtdFields AtT1(const char* rt1, const char* t1) {
    RtdFields f;
    f.method = kRtdOnePointT1;
    f.RT1 = rt1;
    f.T1 = t1;
    return f;
}

}  // namespace

TEST(NaplnXY_Pt, StandardSensorGivesSixtyFourPointsInsideR91) {
    const int r91 = FindRange(91);
    LinData d;
    NaplnXY_Pt(d, r91, RtdConstants{});
    ASSERT_EQ(d.LinPoints.count, 64);
    EXPECT_EQ(d.LinPoints[0].y, -193.765625);
    EXPECT_EQ(d.LinPoints[63].y, 843.765625);
    EXPECT_DOUBLE_EQ(d.LinPoints[1].y - d.LinPoints[0].y, 16.46875);
    EXPECT_NEAR(d.LinPoints[0].x, 21.208, 0.0005);
    EXPECT_NEAR(d.LinPoints[63].x, 388.654, 0.0005);
    EXPECT_EQ(d.pom.XStart(), d.LinPoints[0].x);
    EXPECT_EQ(d.pom.XEnd(), d.LinPoints[63].x);
    EXPECT_DOUBLE_EQ(d.pom.YStart(), -193.765625 * 1.01);
    EXPECT_DOUBLE_EQ(d.pom.YEnd(), 843.765625 * 1.01);
    EXPECT_EQ(d.pom.PvUnit, 32);
    EXPECT_EQ(d.pom.DecimalPlaces(), 1);
    EXPECT_EQ(d.pom.DisplayFactor, 10.0);

    // R92 with R0 = 1000: the same temperatures at ten times the resistance.
    LinData d92;
    NaplnXY_Pt(d92, FindRange(92), RtdConstants{kRtdStandardA, kRtdStandardB, kRtdStandardC, 1000});
    ASSERT_EQ(d92.LinPoints.count, 64);
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(d92.LinPoints[i].y, d.LinPoints[i].y);
        EXPECT_NEAR(d92.LinPoints[i].x, 10 * d.LinPoints[i].x, 1e-9);
    }
    // Points beyond the input limits are left out.
    LinData big;
    NaplnXY_Pt(big, r91, RtdConstants{kRtdStandardA, kRtdStandardB, kRtdStandardC, 110});
    EXPECT_LT(big.LinPoints.count, 64);
    EXPECT_LE(big.LinPoints[big.LinPoints.count - 1].x, 400);
}

TEST(RtdR0FromPoint, BothBranches) {
    EXPECT_NEAR(RtdR0FromPoint(100, 138.5055), 100, 1e-9);
    EXPECT_NEAR(RtdR0FromPoint(-100, 60.25584), 100, 1e-9);  // with the C term
    EXPECT_EQ(RtdR0FromPoint(0, 0), 0);
}

TEST(RtdCoeff2LinPom, ValidatesEachMethod) {
    const int r91 = FindRange(91);
    struct Case {
        const char* what;
        RtdFields fields;
        bool ok;
        QString message;
        RtdField focus;
    };
    const QString format =
        QStringLiteral("Incorrect Format of the Value: Sensor-Specific Constants.");
    const auto limit = [](const char* v) {
        return QStringLiteral(
                   "Attention! Value %1 is bigger than upper limit selected input range R91.")
            .arg(QLatin1String(v));
    };
    const Case cases[] = {
        {"constants",
         Constants("0,0039083", "-5.775e-7", "-4.183E-12", "100"),
         true,
         {},
         RtdField::None},
        {"bad A", Constants("0.0039x", "0", "0", "100"), false, format, RtdField::A},
        {"R0 above 400", Constants("0", "0", "0", "1500"), false, limit("R0"), RtdField::R0},
        {"one point R0", OnePoint("99.5"), true, {}, RtdField::None},
        {"one point R0 too big", OnePoint("401"), false, limit("R0"), RtdField::OnePointR0},
        {"T1 clamped", AtT1("138.5", "900"), true, {}, RtdField::None},
        {"RT1 too big", AtT1("500", "0"), false, limit("Rt"), RtdField::RT1},
        {"bad T1", AtT1("100", "1..0"), false, format, RtdField::T1},
    };
    for (const Case& c : cases) {
        ScriptedInteraction ui;
        RtdFields f = c.fields;
        LinPom pom;
        pom.RtdA = 5;
        RtdField focus = RtdField::None;
        EXPECT_EQ(RtdCoeff2LinPom(f, pom, r91, ui, &focus), c.ok) << c.what;
        EXPECT_EQ(focus, c.focus) << c.what;
        EXPECT_EQ(ui.last(), c.message) << c.what;
        EXPECT_EQ(pom.RtdMethod, c.fields.method) << c.what;
    }
    // Shown back: T1 clamped to 850, a negative R0 as 0, the bad value stored as 0.
    ScriptedInteraction ui;
    LinPom pom;
    RtdFields t1 = AtT1("138.5", "900");
    ASSERT_TRUE(RtdCoeff2LinPom(t1, pom, r91, ui));
    EXPECT_EQ(t1.T1, QStringLiteral(" 850"));
    EXPECT_EQ(pom.RtdA, 850);
    EXPECT_EQ(pom.RtdR0, 138.5);
    RtdFields neg = Constants("1", "2", "3", "-5");
    ASSERT_TRUE(RtdCoeff2LinPom(neg, pom, r91, ui));
    EXPECT_EQ(neg.R0, QStringLiteral(" 0"));
    RtdFields bad = Constants("x", "0", "0", "0");
    pom.RtdA = 7;
    EXPECT_FALSE(RtdCoeff2LinPom(bad, pom, r91, ui));
    EXPECT_EQ(pom.RtdA, 0);
}

TEST(RtdCalculate, OnePointAtT1KeepsWhatTheUserEntered) {
    const int r91 = FindRange(91);
    LinData d;
    d.pom.RtdMethod = kRtdOnePointT1;
    d.pom.RtdA = 100;        // T1
    d.pom.RtdR0 = 138.5055;  // RT1
    ASSERT_TRUE(RtdCalculate(d, r91));
    EXPECT_EQ(d.pom.RtdA, 100);
    EXPECT_EQ(d.pom.RtdR0, 138.5055);
    EXPECT_EQ(RtdFields(LinPom2RtdCoeff(d.pom)).T1, QStringLiteral(" 100"));
    EXPECT_NEAR(d.LinPoints[0].x, 21.208, 0.0005);  // R0 = 100 was derived
}

TEST(RtdCalculate, FitOfTheStandardSensorFollowsIec60751) {
    const int r91 = FindRange(91);
    LinData d;
    SetStandardRtdConstants(d.pom, r91);
    EXPECT_EQ(d.pom.RtdR0, 100);
    ASSERT_TRUE(RtdCalculate(d, r91));
    double worst = 0, at = 0;
    for (double r = d.LinPoints[0].x; r <= d.LinPoints[63].x; r += 0.01) {
        const double dev = std::fabs(EvaluateInput(d.pom, r91, r) - IecTemperature(r));
        if (dev > worst) worst = dev, at = r;
    }
    std::cout << "max deviation from IEC 60751 over " << d.LinPoints[0].x << " .. "
              << d.LinPoints[63].x << " ohm: " << worst << " degC at " << at << " ohm\n";
    EXPECT_LT(worst, 0.01);
}

TEST(RtdCalculate, NoPointsInsideTheRangeIsRefused) {
    LinData d;
    d.pom.RtdMethod = kRtdOnePointR0;
    d.pom.RtdR0 = 5000;  // every resistance above 400 ohm
    EXPECT_FALSE(RtdCalculate(d, FindRange(91)));
    EXPECT_EQ(d.LinPoints.count, 0);
}
