#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>

#include "common/decimal_number.h"
#include "config/display_scaling.h"
#include "support/qt_printers.h"
#include "validation_fixture.h"

namespace lmk17 {
namespace {

using test::ValidationFixture;

// The one decimal parser, as edit fields use it (a cleared edit reads as 0)
// and as required values (command-line options, monitoring period) use it.
TEST(DecimalNumber, AcceptsBothDecimalMarksWhateverTheLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    struct Case {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"1,5", 1.5},
        {"1.5", 1.5},
        {"  -2.25 ", -2.25},
        {"", 0.0},
        {"   ", 0.0},
        {"+3", 3.0},
        {"1e2", 100.0},
        {"abc", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1,5,0", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1 000", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(ParseDecimalNumber(text, EmptyText::ReadsAsZero), c.value);
        const bool blank = text.trimmed().isEmpty();
        EXPECT_EQ(ParseDecimalNumber(text), blank ? std::nullopt : c.value);
    }
    QLocale::setDefault(previous);
}

// Range-dependent values: Pt100 (R11), YStart -202, YEnd 852, shown with one
// decimal place (factor 10, divisor 10).
TEST(CheckField, RangeValuesAreStoredFirstThenTested) {
    ValidationFixture f(test::kK8410H10, test::kFw191);
    CheckOutcome o = f.leave(EditField::LOEdt, QStringLiteral("-203"));
    EXPECT_FALSE(o.accepted);
    EXPECT_EQ(o.failureText(),
              QStringLiteral("Value of lower range value is out of the range: <-202 ; 852>."));
    EXPECT_EQ(o.focus, EditField::LOEdt);
    EXPECT_EQ(o.page, ConfigPage::Input);
    EXPECT_DOUBLE_EQ(f.config.LowerRangeValue, -203.0);  // stays until corrected

    o = f.leave(EditField::LOEdt, QStringLiteral(" -100,5"));
    EXPECT_TRUE(o.accepted);
    EXPECT_DOUBLE_EQ(f.config.LowerRangeValue, -100.5);
    EXPECT_EQ(f.view.lowerRangeText, QStringLiteral(" -100.5"));
}

TEST(CheckField, ToleranceOfTheInputRange) {
    ValidationFixture f(test::kK8410H10, test::kFw191);
    const double edge = -202.0 - 202.0 * 0.001;  // -202.202
    EXPECT_TRUE(f.leave(EditField::LOEdt, QStringLiteral("-202.202")).accepted);
    EXPECT_DOUBLE_EQ(f.config.LowerRangeValue, edge);
    EXPECT_FALSE(f.leave(EditField::LOEdt, QStringLiteral("-202.203")).accepted);
    EXPECT_TRUE(f.leave(EditField::HIEdt, QStringLiteral("852.8519")).accepted);
    EXPECT_FALSE(f.leave(EditField::HIEdt, QStringLiteral("852.8521")).accepted);
}

TEST(CheckField, TextThatIsNoNumberKeepsTheStoredValue) {
    ValidationFixture f(test::kK8410H10, test::kFw191);
    const double before = f.config.UpperRangeValue;
    const CheckOutcome o = f.leave(EditField::HIEdt, QStringLiteral("8S0"));
    EXPECT_FALSE(o.accepted);
    EXPECT_EQ(o.failureText(), QStringLiteral("Incorrect Format of the Value: upper range value."));
    EXPECT_EQ(o.focus, EditField::HIEdt);
    EXPECT_EQ(f.config.UpperRangeValue, before);
}

TEST(CheckField, CorrectionsUpToFivePercentOfTheInputRange) {
    // 5 % of 1054 = 52.7
    struct Case {
        EditField field;
        const char* text;
        bool accepted;
    } cases[] = {
        {EditField::LOEEdt, "52.7", true},   {EditField::LOEEdt, "-52.7", true},
        {EditField::LOEEdt, "52.71", false}, {EditField::HIEEdt, "-52.7", true},
        {EditField::HIEEdt, "-52.8", false}, {EditField::HIEEdt, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ValidationFixture f(test::kK8410H10, test::kFw191);
        const CheckOutcome o = f.leave(c.field, QString::fromLatin1(c.text));
        EXPECT_EQ(o.accepted, c.accepted);
        if (!c.accepted) {
            const char* where = c.field == EditField::LOEEdt ? "lower" : "upper";
            EXPECT_EQ(o.failureText(),
                      QStringLiteral("Value of correction at %1 range value is higher than 5 % "
                                     "of input range.")
                          .arg(QLatin1String(where)));
            EXPECT_EQ(o.page, ConfigPage::Input);
        }
    }
}

TEST(CheckField, DampingCarriesTheErrorCurrentDirection) {
    struct Case {
        const char* text;
        bool low;
        bool accepted;
        double stored;
        const char* shown;
    } cases[] = {
        {"", false, false, 0.0, nullptr},    {"1,5", false, true, 1.5, " 1.5"},
        {"1.5", true, true, -1.5, " 1.5"},   {"-4", false, true, 4.0, " 4.0"},
        {"65", false, true, 65.0, " 65.0"},  {"65.1", true, false, -65.1, nullptr},
        {"0.4", false, false, 0.4, nullptr}, {"0.4996", false, true, 0.4996, " 0.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ValidationFixture f(test::kK8410H10, test::kFw191);
        f.view.errorHighChecked = !c.low;
        const CheckOutcome o = f.leave(EditField::DampEdt, QString::fromLatin1(c.text));
        EXPECT_EQ(o.accepted, c.accepted);
        EXPECT_DOUBLE_EQ(f.config.Damping, c.stored);
        if (c.shown) {
            EXPECT_EQ(f.view.dampingText, QString::fromLatin1(c.shown));
            EXPECT_EQ(f.view.errorHighChecked, !c.low);
        } else {
            EXPECT_EQ(o.failureText(),
                      QStringLiteral("Value of damping is out of the range: < 0.5 ; 65.0 > sec."));
        }
    }
}

TEST(CheckField, LeadResistanceIsStoredOnlyWhenAccepted) {
    ValidationFixture f(test::kK8410H10, test::kFw191);
    f.config.LeadResistance1 = 2.0;
    CheckOutcome o = f.leave(EditField::RCEdt, QStringLiteral("40.5"));
    EXPECT_FALSE(o.accepted);
    EXPECT_EQ(o.failureText(),
              QStringLiteral("Value of lead resistance is out of the range: <0.0 ; 40.0> ohm."));
    EXPECT_EQ(f.config.LeadResistance1, 2.0);
    EXPECT_FALSE(f.leave(EditField::RC8_2Edt, QStringLiteral("-0.1")).accepted);
    EXPECT_EQ(f.config.LeadResistance2, 0.0);

    o = f.leave(EditField::RCEdt, QStringLiteral("12,25"));
    EXPECT_TRUE(o.accepted);
    EXPECT_EQ(f.config.LeadResistance1, 12.25);
    EXPECT_EQ(f.view.leadText, QStringLiteral(" 12.250"));
    EXPECT_EQ(f.view.lead1Text, QStringLiteral(" 12.250"));
    EXPECT_TRUE(f.leave(EditField::RC8_2Edt, QStringLiteral("40")).accepted);
    EXPECT_EQ(f.config.LeadResistance2, 40.0);
}

// A cold-junction temperature the adoption would find corrupt is refused at
// its edit instead of costing the whole configuration later.
TEST(CheckField, ColdJunctionTemperatureWithinItsRange) {
    ValidationFixture f(test::kK8410H10, test::kFw191, 51);
    struct Case {
        const char* text;
        bool accepted;
    } cases[] = {{"-50", true}, {"150", true}, {"23,4", true}, {"150.2", false}, {"-51", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        f.config.CjTemperature = 20.0;
        const CheckOutcome o = f.leave(EditField::TemperCJEdt, QString::fromLatin1(c.text));
        EXPECT_EQ(o.accepted, c.accepted);
        if (c.accepted) {
            EXPECT_EQ(f.config.CjTemperature, *ParseDecimalNumber(QString::fromLatin1(c.text)));
            EXPECT_EQ(f.view.cjTemperatureText, FormatFixed(f.config.CjTemperature, 1));
        } else {
            EXPECT_EQ(f.config.CjTemperature, 20.0);
            EXPECT_EQ(o.failureText(),
                      QString::fromUtf8("Value of cold junction temperature is out of the range: "
                                        "<-50.0 ; 150.0> °C."));
        }
    }
}

TEST(CheckField, HysteresisPolarity) {
    struct Case {
        const char* text;
        bool reverse;
        double stored;
        bool reverseAfter;
        bool notice;
        bool accepted;
    } cases[] = {
        {"2", false, 2.0, false, false, true},     {"2", true, -2.0, true, false, true},
        {"-2", true, -2.0, true, false, true},  // the edit shows the absolute value
        {"0", true, 0.0, false, true, true},    // reverse needs a hysteresis
        {"", true, 0.0, false, true, true},        {"52.7", false, 52.7, false, false, true},
        {"52.8", true, -52.8, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ValidationFixture f(test::kK8620L20, test::kFw191);
        f.view.comparators.reverse[1] = c.reverse;
        const CheckOutcome o = f.leave(EditField::HS2Edt, QString::fromLatin1(c.text));
        EXPECT_EQ(o.accepted, c.accepted);
        EXPECT_DOUBLE_EQ(f.config.Comparator2Hysteresis, c.stored);
        EXPECT_EQ(f.view.comparators.reverse[1], c.reverseAfter);
        if (c.notice) {
            ASSERT_EQ(o.messages.size(), 1u);
            EXPECT_EQ(o.messages[0].text,
                      QStringLiteral("Value of limit comparator 2 hysteresis cannot be equal to "
                                     "zero for reverse switching mode. Normal switching mode was "
                                     "set."));
        }
        if (!c.accepted) {
            EXPECT_EQ(o.failureText(),
                      QStringLiteral("Value of limit comparator 2 hysteresis is higher than 5 % of "
                                     "input range."));
        }
    }
}

TEST(CheckField, HysteresisTextThatIsNoNumberSetsNormal) {
    ValidationFixture f(test::kK8620L20, test::kFw191);
    f.config.Comparator1Hysteresis = -3.0;
    f.view.comparators.reverse[0] = true;
    const CheckOutcome o = f.leave(EditField::HS1Edt, QStringLiteral("x"));
    EXPECT_EQ(o.failureText(),
              QStringLiteral("Incorrect Format of the Value: limit comparator 1 hysteresis."));
    EXPECT_FALSE(f.view.comparators.reverse[0]);
    EXPECT_EQ(f.config.Comparator1Hysteresis, -3.0);
}

TEST(CheckField, ComparatorLevelUsesTheRangeMessage) {
    ValidationFixture f(test::kK8620L20, test::kFw191);
    const CheckOutcome o = f.leave(EditField::SL1Edt, QStringLiteral("900"));
    EXPECT_EQ(o.failureText(), QStringLiteral("Value of limit comparator 1 switching level is out "
                                              "of the range: <-202 ; 852>."));
    EXPECT_EQ(f.config.Comparator1Level, 900.0);
}

// The range values of R05 are kept in volts and shown in mV with two decimal
// places: the conversion applies to what is stored and to the message.
TEST(CheckField, DisplayScalingOfAVoltageRange) {
    ValidationFixture f(test::kK8410H10, test::kFw191, 5);
    EXPECT_TRUE(f.leave(EditField::HIEdt, QStringLiteral("50")).accepted);
    EXPECT_NEAR(f.config.UpperRangeValue, 0.05, 1e-15);
    EXPECT_EQ(f.view.upperRangeText, QStringLiteral(" 50"));
    EXPECT_EQ(f.leave(EditField::HIEdt, QStringLiteral("70")).failureText(),
              QStringLiteral("Value of upper range value is out of the range: <-20 ; 65>."));
}

}  // namespace
}  // namespace lmk17
