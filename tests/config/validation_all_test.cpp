#include <gtest/gtest.h>

#include <QSignalSpy>

#include "config/validation_model.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "validation_fixture.h"

namespace lmk17 {
namespace {

using test::ValidationFixture;

TEST(CheckComparators, FlagsFollowTheOfferedControls) {
    struct Case {
        const char* name;
        int type, fw;
        bool enable1, enable2, errorCurrent1, errorCurrent2, on1, on2, relay1, relay2;
        quint8 flags;
    } cases[] = {
        {"two relays, comparator 1 with relay 2", test::kK8620L20, test::kFw191, true, false, true,
         false, true, false, false, true, 0x59},
        {"two relays, both, relays ignored", test::kK8620L20, test::kFw191, true, true, false, true,
         false, true, true, true, 0xA3},
        {"two relays, none, both relays", test::kK8620L20, test::kFw191, false, false, false, false,
         false, false, true, true, 0x0C},
        {"firmware 1.60 offers no relay and no state", test::kK8620L20, test::kFw160, true, false,
         false, false, true, false, false, true, 0x01},
        {"no relays: error current forced", test::kK8620H10, test::kFw191, true, true, false, false,
         true, true, false, false, 0x33},
        {"one relay: comparator 2 by error current", test::kK8620L10, test::kFw191, true, true,
         false, false, false, false, false, false, 0x23},
        {"comparator 2 alone", test::kK8620L20, test::kFw191, false, true, false, false, false,
         false, true, false, 0x02},
        {"no comparators", test::kK8410H10, test::kFw191, true, true, true, true, true, true, true,
         true, 0x00},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ValidationFixture f(c.type, c.fw);
        ComparatorView& v = f.view.comparators;
        v.enableChecked[0] = c.enable1;
        v.enableChecked[1] = c.enable2;
        v.errorCurrentChecked[0] = c.errorCurrent1;
        v.errorCurrentChecked[1] = c.errorCurrent2;
        v.switchOnAtError[0] = c.on1;
        v.switchOnAtError[1] = c.on2;
        v.relayChecked[0] = c.relay1;
        v.relayChecked[1] = c.relay2;
        const CheckOutcome o = CheckComparators(f.config, f.view, f.context);
        EXPECT_TRUE(o.accepted);
        EXPECT_EQ(int(f.config.ComparatorFlags), int(c.flags));
        // The controls show the result.
        EXPECT_EQ(v.enableChecked[1], bool(c.flags & kCmp2Enabled));
        EXPECT_EQ(v.relayChecked[0], bool(c.flags & kRelay1SignalsError));
    }
}

TEST(CheckComparators, UnusedValuesAreMovedIntoTheirBounds) {
    ValidationFixture f(test::kK8620L20, test::kFw191);
    f.view.comparators.enableChecked[0] = false;
    f.view.comparators.enableChecked[1] = false;
    f.config.Comparator1Level = 2000.0;
    f.config.Comparator1Hysteresis = -60.0;
    f.config.Comparator2Level = -500.0;
    f.config.Comparator2Hysteresis = 52.0;
    EXPECT_TRUE(CheckComparators(f.config, f.view, f.context).accepted);
    EXPECT_DOUBLE_EQ(f.config.Comparator1Level, 0.999 * 852.0);
    EXPECT_EQ(f.config.Comparator1Hysteresis, 0.0);
    EXPECT_EQ(f.config.Comparator2Level, 850.0);  // the range's default level 2
    EXPECT_EQ(f.config.Comparator2Hysteresis, 52.0);
    EXPECT_EQ(f.config.ComparatorFlags, 0);
}

TEST(CheckComparators, AnEnabledComparatorIsChecked) {
    ValidationFixture f(test::kK8620L20, test::kFw191);
    f.view.comparators.levelText[1] = QStringLiteral("1000");
    const CheckOutcome o = CheckComparators(f.config, f.view, f.context);
    EXPECT_FALSE(o.accepted);
    EXPECT_EQ(o.focus, EditField::SL2Edt);
    EXPECT_EQ(o.failureText(), QStringLiteral("Value of limit comparator 2 switching level is out "
                                              "of the range: <-202 ; 852>."));
}

TEST(CheckAll, SpanOfAtLeastOnePercent) {
    struct Case {
        const char* low;
        bool accepted;
    } cases[] = {{"840", false}, {"839", true}, {"845", false}, {"-200", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.low);
        ValidationFixture f(test::kK8410H10, test::kFw191);
        f.view.lowerRangeText = QString::fromLatin1(c.low);
        f.view.upperRangeText = QStringLiteral("850");
        const CheckOutcome o = CheckAllFields(f.config, f.view, f.context);
        EXPECT_EQ(o.accepted, c.accepted);
        if (!c.accepted) {
            EXPECT_EQ(o.failureText(),
                      QStringLiteral("Span value is lower than 1% of input range."));
            EXPECT_EQ(o.focus, EditField::HIEdt);
            EXPECT_EQ(o.page, ConfigPage::Input);
        }
    }
}

TEST(CheckAll, TakesOverTheValuesWithoutEditEvents) {
    ValidationFixture f(test::kK8620L20, test::kFw191);
    f.config.Signature = "PT-FILE03";
    f.config.LinSegTable[2][3] += 1.0;  // a table that is not the range's
    f.view.userNote = QStringLiteral("TAG 12   ");
    f.view.editDisableChecked = true;
    f.view.filter60Checked = true;
    f.view.leadText = QStringLiteral("7");  // C3 needs no lead resistance
    f.config.LeadResistance1 = 5.0;
    f.config.CjTemperature = 20.0;
    const CheckOutcome o = CheckAllFields(f.config, f.view, f.context);
    ASSERT_TRUE(o.accepted) << o.failureText().toStdString();
    EXPECT_EQ(f.config.Signature, QByteArray("PT-FILE04"));
    EXPECT_TRUE(MatchesStandardTables(f.config, 11));
    EXPECT_EQ(f.config.UserNote, QByteArray("TAG 12"));
    EXPECT_TRUE(f.config.RangeFlags & kRangeFlagSetupUnitLocked);
    EXPECT_EQ(f.config.FilterFlags, 1);
    EXPECT_EQ(f.config.LeadResistance1, 0.0);
    EXPECT_EQ(f.config.CjTemperature, 0.0);
}

TEST(CheckAll, LeadResistancesByConnectionAndFirmware) {
    struct Case {
        const char* name;
        int fw;
        quint8 connection;
        double lead1, lead2;
    } cases[] = {
        {"two-wire", test::kFw191, 1, 1.5, 0},
        {"three-wire", test::kFw191, 3, 0, 0},
        {"two sensors, 1.91", test::kFw191, 8, 2.5, 3.5},
        // Before 1.90 the one edit shown for two sensors holds the first one.
        {"two sensors, 1.85", test::kFw185, 8, 1.5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ValidationFixture f(test::kK8410H10, c.fw);
        f.config.ConnectionCode = c.connection;
        f.view.leadText = QStringLiteral("1.5");
        f.view.lead1Text = QStringLiteral("2.5");
        f.view.lead2Text = QStringLiteral("3.5");
        const CheckOutcome o = CheckAllFields(f.config, f.view, f.context);
        ASSERT_TRUE(o.accepted) << o.failureText().toStdString();
        EXPECT_EQ(f.config.LeadResistance1, c.lead1);
        EXPECT_EQ(f.config.LeadResistance2, c.lead2);
    }
}

TEST(CheckAll, ColdJunctionTemperatureOnlyWithCompensation) {
    ValidationFixture f(test::kK8410H10, test::kFw191, 51);  // thermocouple J, C7
    f.view.cjTemperatureText = QStringLiteral("25");
    ASSERT_TRUE(CheckAllFields(f.config, f.view, f.context).accepted);
    EXPECT_EQ(f.config.CjTemperature, 25.0);
    f.view.cjTemperatureText = QStringLiteral("200");
    const CheckOutcome o = CheckAllFields(f.config, f.view, f.context);
    EXPECT_FALSE(o.accepted);
    EXPECT_EQ(o.focus, EditField::TemperCJEdt);
    f.config.ConnectionCode = 6;
    ASSERT_TRUE(CheckAllFields(f.config, f.view, f.context).accepted);
    EXPECT_EQ(f.config.CjTemperature, 0.0);
}

TEST(CheckAll, OutputChecksFollowTheFirmware) {
    // Before 1.90 the output range edits are not used; before 1.81 neither
    // are the limit edits.
    struct Case {
        int fw;
        bool accepted;
    } cases[] = {{test::kFw160, true}, {test::kFw185, false}, {test::kFw191, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fw);
        ValidationFixture f(test::kK8620L20, c.fw);
        f.view.output.rangeLowText = QStringLiteral("garbage");
        f.view.output.saturationLowText = QStringLiteral("garbage");
        EXPECT_EQ(CheckAllFields(f.config, f.view, f.context).accepted, c.accepted);
    }
}

// Checking a record's own values (the command line) keeps them exactly.
TEST(CheckAll, ValuesFromTheRecordAreKeptExactly) {
    ValidationFixture f(test::kK8620L20, test::kFw191);
    f.config.ConnectionCode = 1;
    f.config.LowerRangeValue = -123.456789012345;
    f.config.UpperRangeValue = 765.432109876543;
    f.config.LowerCorrection = 1.23456789;
    f.config.Damping = -7.77777777;
    f.config.Comparator1Level = 333.333333333;
    f.config.Comparator1Hysteresis = -4.4444444444;
    f.config.LeadResistance1 = 12.3456789;
    f.config.UserNote = "NOTE \x8a";  // kept as it is, accents included
    const TransmitterConfig before = f.config;
    f.view = AdoptRecord(f.config, f.context.typeIndex, f.context.firmwareIndex).view;
    f.view.lowerRangeText = QStringLiteral("not used");
    CheckContext context = f.context;
    context.values = &before;
    const CheckOutcome o = CheckAllFields(f.config, f.view, context);
    ASSERT_TRUE(o.accepted) << o.failureText().toStdString();
    TransmitterConfig expected = before;
    expected.Signature = "PT-FILE04";
    EXPECT_EQ(f.config, expected);
}

TEST(CheckAll, ModelLevelAdoptsTheCheckedRecord) {
    test::ScriptedInteraction ui;
    ConfigModel model(ui);
    model.edit().identity().typeIndex = test::kK8620L20;
    model.edit().identity().firmwareIndex = test::kFw191;
    model.SetDefaultConfiguration(test::kK8620L20, 0, test::kFw191);
    model.RefreshFromConfig();
    model.setControlsShown(true);
    model.keepTypedText(EditField::DampEdt, QStringLiteral("2,5"));
    model.edit().controls().errorHighChecked = false;
    CheckOutcome o = CheckAll(model);
    ASSERT_TRUE(o.accepted);
    EXPECT_EQ(model.config().Damping, -2.5);
    EXPECT_EQ(model.controls().dampingText, QStringLiteral(" 2.5"));
    EXPECT_FALSE(model.controls().errorHighChecked);

    const QString shownBefore = model.view().upperRangeText;
    model.keepTypedText(EditField::HIEdt, QStringLiteral("-199"));
    o = CheckAll(model);
    EXPECT_FALSE(o.accepted);
    EXPECT_EQ(o.failureText(), QStringLiteral("Span value is lower than 1% of input range."));
    EXPECT_EQ(model.view().upperRangeText, shownBefore);  // not adopted again
}

TEST(EditEvents, UndoCopyOnlyForAChangedText) {
    test::ScriptedInteraction ui;
    ConfigModel model(ui);
    model.edit().identity().typeIndex = test::kK8620L20;
    model.edit().identity().firmwareIndex = test::kFw191;
    model.SetDefaultConfiguration(test::kK8620L20, 0, test::kFw191);
    model.RefreshFromConfig();
    const QString entry = model.controls().lowerRangeText.trimmed();
    LeaveEdit(model, EditField::LOEdt, entry, entry);
    EXPECT_EQ(model.undoCount(), 0);
    EXPECT_FALSE(model.unsavedChanges());
    EXPECT_TRUE(LeaveEdit(model, EditField::LOEdt, QStringLiteral("-150"), entry).accepted);
    EXPECT_EQ(model.undoCount(), 1);
    EXPECT_TRUE(model.unsavedChanges());
    EXPECT_EQ(model.config().LowerRangeValue, -150.0);

    // The check rewrites the controls and the model announces them.
    QSignalSpy shown(&model, &ConfigModel::controlsChanged);
    EXPECT_TRUE(ChangePolarity(model, 1, true).accepted);  // hysteresis 0: Normal
    EXPECT_FALSE(model.controls().comparators.reverse[0]);
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(model.undoCount(), 2);
}

TEST(SetupForType, EnablesByFirmware) {
    struct Case {
        int fw;
        bool range, limits, filter, relay;
    } cases[] = {{test::kFw160, false, false, false, false},
                 {test::kFw170, false, false, false, true},
                 {test::kFw185, false, true, false, true},
                 {test::kFw190, true, true, false, true},
                 {test::kFw191, true, true, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fw);
        const TypeSetup s = SetupForType(test::kK8620L20, c.fw);
        EXPECT_EQ(s.outputRange, c.range);
        EXPECT_EQ(s.outputLimits, c.limits);
        EXPECT_EQ(s.inputFilter, c.filter);
        EXPECT_EQ(s.comparators.relay[1], c.relay);
        EXPECT_EQ(s.testValueTexts[1], QStringLiteral(" 12.000"));
    }
    EXPECT_EQ(SetupForType(34, test::kFw191).testValueTexts[2], QStringLiteral(" 10.000"));
}

}  // namespace
}  // namespace lmk17
