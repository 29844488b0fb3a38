#include <gtest/gtest.h>

#include "config/catalogue.h"
#include "config/config_model.h"
#include "config/defaults.h"
#include "support/scripted_interaction.h"

#include <QSignalSpy>
#include <functional>
#include <vector>

using namespace lmk17;

namespace {

const QString kCorrupt = QStringLiteral(
    "Transmitter configuration corrupt. Last writing probably not successful. Default "
    "configuration will be pre-set!");

// A model for a type and firmware holding that type's default configuration,
// adopted as after a read.
struct Fixture {
    test::ScriptedInteraction ui;
    ConfigModel model{ui};

    Fixture(const char* type = "K8410H10", int firmware = 191) {
        model.edit().identity().typeIndex = FindType(QLatin1String(type));
        model.edit().identity().firmwareIndex = FindFirmware(firmware);
        model.edit().identity().rangeIndex = FindRange(11);
        EXPECT_TRUE(model.SetDefaultConfiguration(model.identity().typeIndex, 0,
                                                  model.identity().firmwareIndex));
        EXPECT_FALSE(model.RefreshFromConfig());
        ui.shown.clear();
    }

    // Adopts a changed record; returns whether it was found corrupt.
    bool adopt(const std::function<void(TransmitterConfig&)>& change) {
        change(model.edit().config());
        return model.RefreshFromConfig();
    }
};

}  // namespace

TEST(DefaultConfiguration, K8410H10StartsWithItsCatalogueDefaults) {
    Fixture f;
    const TransmitterConfig& c = f.model.config();
    EXPECT_EQ(c.Signature, QByteArray("PT-FILE04"));
    EXPECT_EQ(c.InputRangeCode, 11);
    EXPECT_EQ(c.ConnectionCode, 3);
    EXPECT_EQ(c.LowerRangeValue, -200);
    EXPECT_EQ(c.UpperRangeValue, 850);
    EXPECT_EQ(c.Damping, 4.0);
    EXPECT_EQ(c.ComparatorFlags, 0);
    EXPECT_EQ(c.AddressByte, 192);
    EXPECT_EQ(c.BaudCode, 15);
    EXPECT_EQ(c.RangeFlags, 0x51);
    EXPECT_EQ(c.DisplayFactor, 10);
    EXPECT_EQ(c.PvUnit, 32);
    EXPECT_TRUE(MatchesStandardTables(c, 11));
    const PhysicalOutputLimits p = f.model.physicalLimits();
    EXPECT_DOUBLE_EQ(p.SaturationLow * 1000, 3.8);
    EXPECT_DOUBLE_EQ(p.SaturationHigh * 1000, 20.5);
    EXPECT_DOUBLE_EQ(p.ErrorLow * 1000, 3.5);
    EXPECT_DOUBLE_EQ(p.ErrorHigh * 1000, 22);
    EXPECT_EQ(f.model.origin(), ConfigOrigin::Default);
    const ConfigView& v = f.model.view();
    EXPECT_FALSE(v.blank);
    EXPECT_EQ(v.rangeList.items[v.rangePosition], RangeName(*RangeByCode(11)));
    EXPECT_EQ(v.connectionList.codeOfPosition[v.connectionPosition], 3);
    EXPECT_EQ(v.lowerRangeText, QStringLiteral(" -200"));
    EXPECT_EQ(v.upperRangeText, QStringLiteral(" 850"));
    EXPECT_EQ(v.dampingText, QStringLiteral(" 4.0"));
    EXPECT_EQ(v.unitSymbol, QStringLiteral("°C"));
    EXPECT_FALSE(v.customerVisible);
    EXPECT_FALSE(v.linearEnabled);
    EXPECT_FALSE(v.leadGroupVisible);
    EXPECT_FALSE(v.cjGroupVisible);
    EXPECT_FALSE(v.comparators.enableEnabled[0]);
    EXPECT_TRUE(f.ui.shown.empty());
}

TEST(DefaultConfiguration, KeepsTextsSerialAndWorkingTime) {
    TransmitterConfig c;
    c.SerialNumber = 4711;
    c.Manufacturer = "Maker";
    c.UserNote = "TAG";
    c.WorkingTime = 99;
    c.LastChangeDate = 40000.25;
    c.LeadResistance2 = 3;
    c.FilterFlags = 1;
    ASSERT_TRUE(SetDefaultConfiguration(c, 1, 0, FindFirmware(191)));
    EXPECT_EQ(c.SerialNumber, 4711);
    EXPECT_EQ(c.Manufacturer, QByteArray("Maker"));
    EXPECT_EQ(c.WorkingTime, 99);
    EXPECT_EQ(c.LastChangeDate, 40000.25);
    EXPECT_TRUE(c.UserNote.isEmpty());
    EXPECT_EQ(c.LeadResistance2, 0);
    EXPECT_EQ(c.FilterFlags, 0);
    const TransmitterConfig before = c;
    EXPECT_FALSE(SetDefaultConfiguration(c, 0, 0, 1));
    EXPECT_FALSE(SetDefaultConfiguration(c, 1, 0, 0));
    EXPECT_FALSE(SetDefaultConfiguration(c, 42, 0, 1));
    EXPECT_FALSE(SetDefaultConfiguration(c, 1, 0, 19));
    EXPECT_EQ(c, before);
}

TEST(DefaultConfiguration, K8620L20EnablesBothComparators) {
    Fixture f("K8620L20");
    const TransmitterConfig& c = f.model.config();
    EXPECT_EQ(c.ComparatorFlags, 3);
    EXPECT_EQ(c.Comparator1Level, 850);
    EXPECT_EQ(c.Comparator2Level, 850);
    EXPECT_EQ(c.Comparator1Hysteresis, 0);
    EXPECT_EQ(c.Comparator2Hysteresis, 0);
    const ComparatorView& v = f.model.view().comparators;
    EXPECT_TRUE(v.enableChecked[0] && v.enableChecked[1]);
    EXPECT_TRUE(v.enableEnabled[1]);
    EXPECT_TRUE(v.controlsEnabled[0] && v.controlsEnabled[1]);
    EXPECT_TRUE(v.offer.errorState[0] && v.offer.relay[1]);
    EXPECT_FALSE(v.relayEnabled[0]);  // comparator 1 is enabled
    EXPECT_EQ(v.levelText[0], QStringLiteral(" 850"));
    EXPECT_EQ(v.hysteresisText[1], QStringLiteral(" 0"));
    EXPECT_FALSE(v.reverse[0]);
}

TEST(DefaultConfiguration, OptionalCustomerRangeIsKept) {
    TransmitterConfig c;
    ASSERT_TRUE(SetDefaultConfiguration(c, FindType(QStringLiteral("K8620L21")), FindRange(74),
                                        FindFirmware(191)));
    EXPECT_EQ(c.InputRangeCode, 74);
    EXPECT_EQ(c.ConnectionCode, 6);
    EXPECT_EQ(c.LowerRangeValue, -6);
    EXPECT_EQ(c.UpperRangeValue, 24);
    EXPECT_EQ(c.RangeFlags, 0x42);
    EXPECT_EQ(c.DisplayFactor, 100);
    EXPECT_EQ(c.PvUnit, 39);
    EXPECT_EQ(c.Damping, 0.5);
    EXPECT_TRUE(MatchesStandardTables(c, 74));
    // A range that is not optional-customer does not survive the defaults.
    ASSERT_TRUE(SetDefaultConfiguration(c, 1, FindRange(56), FindFirmware(191)));
    EXPECT_EQ(c.InputRangeCode, 11);
}

TEST(RefreshFromConfig, CorruptRecordsAreReplacedByTheDefaults) {
    struct Case {
        const char* what;
        std::function<void(TransmitterConfig&)> change;
        CorruptStep step;
    };
    const double low = -202 - 202 * 0.001;
    const std::vector<Case> cases = {
        // An optional-customer range stands alone in the list, whatever the
        // type, but a connection it does not offer is still corrupt.
        {"optional range", [](TransmitterConfig& c) { c.InputRangeCode = 71; },
         CorruptStep::ConnectionNotPermitted},
        {"thermocouple for H11", [](TransmitterConfig& c) { c.InputRangeCode = 51; },
         CorruptStep::None},
        {"unknown range", [](TransmitterConfig& c) { c.InputRangeCode = 8; },
         CorruptStep::RangeNotListed},
        {"connection", [](TransmitterConfig& c) { c.ConnectionCode = 7; },
         CorruptStep::ConnectionNotPermitted},
        {"display factor", [](TransmitterConfig& c) { c.DisplayFactor = 10.0001; },
         CorruptStep::DisplayFactor},
        {"lower range",
         [=](TransmitterConfig& c) { c.LowerRangeValue = std::nextafter(low, -1e9); },
         CorruptStep::RangeValues},
        {"upper range", [](TransmitterConfig& c) { c.UpperRangeValue = 853; },
         CorruptStep::RangeValues},
        {"correction", [](TransmitterConfig& c) { c.UpperCorrection = -52.8; },
         CorruptStep::Corrections},
        {"lead resistance", [](TransmitterConfig& c) { c.LeadResistance1 = 41; },
         CorruptStep::LeadResistance},
        {"lead resistance 2", [](TransmitterConfig& c) { c.LeadResistance2 = -1; },
         CorruptStep::LeadResistance},
        {"cj temperature", [](TransmitterConfig& c) { c.CjTemperature = 151; },
         CorruptStep::CjTemperature},
        {"damping zero", [](TransmitterConfig& c) { c.Damping = 0; }, CorruptStep::Damping},
        {"damping long", [](TransmitterConfig& c) { c.Damping = -66; }, CorruptStep::Damping},
        {"baud code", [](TransmitterConfig& c) { c.BaudCode = 2; }, CorruptStep::BaudCode},
    };
    for (const Case& k : cases) {
        // The thermocouple case runs for a type without thermocouple ranges.
        Fixture f(QByteArray(k.what) == "thermocouple for H11" ? "K8410H11" : "K8410H10");
        f.model.edit().config().SerialNumber = 77;
        const bool corrupt = f.adopt(k.change);
        const CorruptStep expected =
            k.step == CorruptStep::None ? CorruptStep::RangeNotListed : k.step;
        EXPECT_TRUE(corrupt) << k.what;
        EXPECT_EQ(f.model.lastCorruptStep(), expected) << k.what;
        ASSERT_EQ(f.ui.texts(), QStringList{kCorrupt}) << k.what;
        EXPECT_EQ(f.ui.shown[0].kind, MessageKind::Error);
        const TransmitterConfig& c = f.model.config();
        EXPECT_EQ(c.InputRangeCode, 11) << k.what;
        EXPECT_EQ(c.ConnectionCode, 3) << k.what;
        EXPECT_EQ(c.LowerRangeValue, -200) << k.what;
        EXPECT_EQ(c.BaudCode, 15) << k.what;
        EXPECT_EQ(c.SerialNumber, 77) << k.what;
        EXPECT_FALSE(f.model.view().blank) << k.what;
    }
}

TEST(RefreshFromConfig, BoundaryValuesAreAccepted) {
    Fixture f;
    const double low = -202 - 202 * 0.001;
    EXPECT_FALSE(f.adopt([=](TransmitterConfig& c) {
        c.LowerRangeValue = low;
        c.LowerCorrection = 1.001 * 0.05 * 1054;
        c.LeadResistance1 = 40;
        c.CjTemperature = -50;
        c.Damping = 65;
    }));
    EXPECT_EQ(f.model.config().LowerRangeValue, low);
    EXPECT_EQ(f.model.view().lowerRangeText, QStringLiteral(" -202.2"));
    EXPECT_EQ(f.model.view().leadText, QStringLiteral(" 40.000"));
    EXPECT_EQ(f.model.view().cjTemperatureText, QStringLiteral(" -50.0"));
    EXPECT_TRUE(f.ui.shown.empty());
}

TEST(RefreshFromConfig, NegativeDampingSelectsLowErrorOutput) {
    Fixture f;
    EXPECT_FALSE(f.adopt([](TransmitterConfig& c) { c.Damping = -4.0; }));
    EXPECT_EQ(f.model.view().dampingText, QStringLiteral(" 4.0"));
    EXPECT_FALSE(f.model.view().errorHighChecked);
}

TEST(RefreshFromConfig, UnusedComparatorValuesAreResetSilently) {
    Fixture f("K8620L20");
    EXPECT_FALSE(f.adopt([](TransmitterConfig& c) {
        c.ComparatorFlags = 0;
        c.Comparator1Level = 5000;
        c.Comparator2Level = -900;
        c.Comparator1Hysteresis = 60;
        c.Comparator2Hysteresis = -60;
    }));
    const TransmitterConfig& c = f.model.config();
    EXPECT_EQ(c.Comparator1Level, 850);
    EXPECT_EQ(c.Comparator2Level, 850);
    EXPECT_EQ(c.Comparator1Hysteresis, 0);
    EXPECT_EQ(c.Comparator2Hysteresis, 0);
    EXPECT_TRUE(f.ui.shown.empty());
    // With comparator 2 in use, its level out of range is corrupt.
    EXPECT_TRUE(f.adopt([](TransmitterConfig& c) {
        c.ComparatorFlags = 2;
        c.Comparator2Level = 5000;
    }));
    EXPECT_EQ(f.model.lastCorruptStep(), CorruptStep::Comparators);
}

TEST(RefreshFromConfig, ComparatorBitsTheTypeLacksAreCleared) {
    Fixture f;  // K8410H10: no comparators
    EXPECT_FALSE(f.adopt([](TransmitterConfig& c) { c.ComparatorFlags = 0xFF; }));
    EXPECT_EQ(f.model.config().ComparatorFlags, 0x0C);
    Fixture g("K8620L20");
    EXPECT_FALSE(g.adopt([](TransmitterConfig& c) {
        c.ComparatorFlags = 0x01 | 0x10 | 0x40 | 0x80;
        c.Comparator1Hysteresis = -5;
    }));
    EXPECT_EQ(g.model.config().ComparatorFlags, 0xD1);
    const ComparatorView& v = g.model.view().comparators;
    EXPECT_TRUE(v.enableChecked[0]);
    EXPECT_FALSE(v.enableChecked[1]);
    EXPECT_TRUE(v.errorCurrentChecked[0]);
    EXPECT_TRUE(v.switchOnAtError[0] && v.switchOnAtError[1]);
    EXPECT_TRUE(v.reverse[0]);
    EXPECT_EQ(v.hysteresisText[0], QStringLiteral(" 5"));
    EXPECT_TRUE(v.relayEnabled[1]);
}

TEST(RefreshFromConfig, ForeignTablesOfAFixedRangeAreReplacedWithAWarning) {
    Fixture f;
    // A damaged coefficient: degrees off around 250 °C, far beyond class A.
    EXPECT_FALSE(f.adopt([](TransmitterConfig& c) { c.LinSegTable[2][4] *= 1.5; }));
    EXPECT_TRUE(MatchesStandardTables(f.model.config(), 11));
    ASSERT_EQ(f.ui.shown.size(), 1u);
    EXPECT_EQ(f.ui.shown[0].kind, MessageKind::Warning);
    EXPECT_TRUE(f.ui.last().startsWith(QStringLiteral("Attention! Linearization table")));
    EXPECT_TRUE(f.model.unsavedChanges());
}

TEST(RefreshFromConfig, CustomerLinearizationOfAnOptionalRange) {
    Fixture f("K8620L21");
    EXPECT_FALSE(f.adopt([](TransmitterConfig& c) {
        SetDefaultConfiguration(c, FindType(QStringLiteral("K8620L21")), FindRange(74),
                                FindFirmware(191));
    }));
    ConfigView v = f.model.view();
    EXPECT_EQ(v.rangeList.items, QStringList{RangeName(*RangeByCode(74))});
    EXPECT_TRUE(v.customerVisible);
    EXPECT_FALSE(v.customerChecked);
    EXPECT_FALSE(v.linearEnabled);
    EXPECT_FALSE(v.cjGroupVisible);
    EXPECT_EQ(v.unitSymbol, QStringLiteral("mA"));
    EXPECT_FALSE(f.adopt([](TransmitterConfig& c) { c.LinSegTable[1][3] = 2000; }));
    v = f.model.view();
    EXPECT_TRUE(v.customerChecked);
    EXPECT_TRUE(v.linearEnabled);
    EXPECT_TRUE(f.ui.shown.empty());
    // Its display factor must be the one of its decimal places; the defaults
    // then keep the range the transmitter holds.
    f.model.edit().identity().rangeIndex = FindRange(74);
    EXPECT_TRUE(f.adopt([](TransmitterConfig& c) { c.DisplayFactor = 100000; }));
    EXPECT_EQ(f.model.lastCorruptStep(), CorruptStep::DisplayFactor);
    EXPECT_EQ(f.model.config().InputRangeCode, 74);  // the defaults keep the range
}

TEST(RefreshFromConfig, GroupsFollowConnectionAndFirmware) {
    struct Case {
        int range, connection, firmware;
        bool lead, twoLeads, cj;
        const char* lead2Text;
    };
    const Case cases[] = {
        {11, 1, 191, true, false, false, " 0.000"}, {11, 3, 191, false, false, false, " 0.000"},
        {11, 8, 191, false, true, false, " 0.000"}, {11, 8, 185, true, false, false, ""},
        {51, 7, 191, false, false, true, " 0.000"}, {51, 6, 191, false, false, false, " 0.000"},
    };
    for (const Case& k : cases) {
        Fixture f("K8410H10", k.firmware);
        EXPECT_FALSE(f.adopt([&](TransmitterConfig& c) {
            ApplyRangeDefaults(c, FindRange(k.range));
            c.ConnectionCode = quint8(k.connection);
        }));
        const ConfigView& v = f.model.view();
        EXPECT_EQ(v.leadGroupVisible, k.lead) << k.range << '/' << k.connection;
        EXPECT_EQ(v.twoLeadGroupVisible, k.twoLeads) << k.range << '/' << k.connection;
        EXPECT_EQ(v.cjGroupVisible, k.cj) << k.range << '/' << k.connection;
        EXPECT_EQ(v.lead2Text, QLatin1String(k.lead2Text));
    }
}

TEST(RefreshFromConfig, InformationPageAndNote) {
    Fixture f;
    EXPECT_FALSE(f.adopt([](TransmitterConfig& c) {
        c.SerialNumber = 1234;
        c.UserNote = QByteArray(
            "\xC8"
            "erpadlo \xE8"
            ". 3   ");
        c.TransmitterType = "K8410H10, VERZE 1.91";
        c.Manufacturer = "V\xFDrobce";
        c.LastChangeDate = 36220.5;
        c.WorkingTime = 90061;
        c.FilterFlags = 1;
        c.RangeFlags |= 0x80;
    }));
    const ConfigView& v = f.model.view();
    EXPECT_EQ(v.userNote, QStringLiteral("Cerpadlo c. 3"));
    EXPECT_EQ(v.identification.serialNumber, QStringLiteral("00001234"));
    EXPECT_EQ(v.identification.transmitterType, QStringLiteral("K8410H10, firmware 1.91"));
    EXPECT_EQ(v.identification.manufacturer, QStringLiteral("Vyrobce"));
    EXPECT_EQ(v.identification.changeDate, QStringLiteral("1.3.1999 12:00:00"));
    EXPECT_EQ(v.identification.workingTime, QStringLiteral("1 day, 1 hour, 1 minute, 1 seconds"));
    EXPECT_STREQ(v.identification.picture, ":/config/types/k8410-head.svg");
    EXPECT_TRUE(v.identification.pictureText.isEmpty());
    EXPECT_TRUE(v.filter60Checked);
    EXPECT_TRUE(v.editDisableChecked);
    EXPECT_EQ(v.output.saturationLowText, QStringLiteral(" 3.8"));
}

TEST(RefreshFromConfig, UnknownTypeBlanksTheWindow) {
    test::ScriptedInteraction ui;
    ConfigModel model(ui);
    model.edit().config().InputRangeCode = 11;
    EXPECT_FALSE(model.RefreshFromConfig());
    EXPECT_TRUE(model.view().blank);
    EXPECT_EQ(model.view().dampingText, QStringLiteral(" 4.0"));
    EXPECT_TRUE(model.view().errorHighChecked);
    EXPECT_FALSE(model.hasConfiguration());
    EXPECT_TRUE(ui.shown.empty());
    // A known type with an unknown firmware has no defaults to fall back to:
    // reported once, then the window stays blank instead of looping.
    model.edit().identity().typeIndex = 1;
    model.edit().config().InputRangeCode = 51;
    model.edit().config().BaudCode = 0;
    EXPECT_TRUE(model.RefreshFromConfig());
    EXPECT_EQ(ui.texts().count(kCorrupt), 1);
    EXPECT_EQ(ui.last(), kCorrupt);
    EXPECT_TRUE(model.view().blank);
}

TEST(Undo, ElevenChangesAndElevenUndos) {
    Fixture f;
    ConfigModel& m = f.model;
    EXPECT_FALSE(m.undoEnabled());
    std::vector<TransmitterConfig> states;
    for (int i = 1; i <= 11; ++i) {
        states.push_back(m.config());
        m.PushUndo(m.config());
        m.edit().config().Damping = 4.0 + i;
    }
    EXPECT_EQ(m.undoCount(), 10);
    for (int i = 10; i >= 1; --i) {
        EXPECT_TRUE(m.undo({}));
        EXPECT_EQ(m.config(), states[i]) << i;
        EXPECT_EQ(m.config().Damping, 4.0 + i);
        EXPECT_EQ(m.undoCount(), i - 1);
    }
    EXPECT_FALSE(m.undoEnabled());
    const TransmitterConfig last = m.config();
    EXPECT_FALSE(m.undo({}));
    EXPECT_EQ(m.config(), last);
    EXPECT_TRUE(f.ui.shown.empty());
}

TEST(Undo, CopyIsTakenOnlyWithARangeAndOutsideRefresh) {
    test::ScriptedInteraction ui;
    ConfigModel empty(ui);
    empty.PushUndo(empty.config());
    EXPECT_EQ(empty.undoCount(), 0);
    Fixture f;
    {
        ConfigModel::RefreshGuard guard(f.model);
        f.model.PushUndo(f.model.config());
    }
    EXPECT_EQ(f.model.undoCount(), 0);
    // The live record may be passed: the slot holds the state at the push.
    f.model.PushUndo(f.model.config());
    f.model.edit().config().Damping = 9;
    EXPECT_TRUE(f.model.PopUndo());
    EXPECT_EQ(f.model.config().Damping, 4.0);
}

TEST(Undo, RestoresTheIdentificationOfTheRecord) {
    Fixture f;
    f.model.edit().config().SerialNumber = 555;
    f.model.edit().config().TransmitterType = "K8410H10, FW 1.91";
    f.model.PushUndo(f.model.config());
    f.model.edit().config().SerialNumber = 999;
    f.model.edit().config().InputRangeCode = 12;
    bool derived = false;
    EXPECT_TRUE(f.model.undo(
        [&](ConfigIdentity& id) { derived = id.identificationText == "K8410H10, FW 1.91"; }));
    EXPECT_TRUE(derived);
    EXPECT_EQ(f.model.identity().serialNumber, 555);
    EXPECT_EQ(f.model.identity().rangeIndex, FindRange(11));
    EXPECT_EQ(f.model.config().InputRangeCode, 11);
}

TEST(Commands, SetDefaultConfigurationAsksFirst) {
    Fixture f;
    f.model.edit().config().Damping = 7;
    f.ui.answers = {false};
    EXPECT_FALSE(f.model.setDefaultConfigurationCommand());
    EXPECT_EQ(f.model.config().Damping, 7);
    EXPECT_EQ(f.ui.last(), QStringLiteral("Do you really want to pre-set default configuration? "));
    f.ui.answers = {true};
    EXPECT_TRUE(f.model.setDefaultConfigurationCommand());
    EXPECT_EQ(f.model.config().Damping, 4);
    EXPECT_EQ(f.model.undoCount(), 1);
    EXPECT_TRUE(f.model.PopUndo());
    EXPECT_EQ(f.model.config().Damping, 7);
}

TEST(Commands, DefaultOutputParametersReEncodeForFirmware185) {
    Fixture f("K8410H10", 185);
    {
        ConfigModel::Edit e = f.model.edit();
        e.config().OutputCodePoly = {8000, 40000, 0, 0};
        e.config().SaturationCodes = 1;
        e.config().ErrorCodes = 1;
        e.config().SaturationLow = 0.3;
    }
    f.model.setDefaultOutputParameters();
    const TransmitterConfig& c = f.model.config();
    EXPECT_DOUBLE_EQ(c.SaturationLow, -0.0125);
    EXPECT_EQ(c.SaturationCodes & 0xFFFF, 7500u);
    EXPECT_EQ(c.ErrorCodes >> 16, 53000u);
    EXPECT_EQ(f.model.undoCount(), 0);
    EXPECT_FALSE(f.model.unsavedChanges());
    EXPECT_EQ(f.model.view().output.saturationLowText, QStringLiteral(" 3.8"));
}

TEST(Commands, ChoosingAnotherRange) {
    Fixture f;
    f.model.edit().config().RangeFlags |= 0x80;
    f.model.edit().config().CjTemperature = 20;
    EXPECT_FALSE(f.model.SelectRange(FindRange(11)));  // already selected
    EXPECT_FALSE(f.model.SelectRange(FindRange(74)));  // not in the list
    ASSERT_TRUE(f.model.SelectRange(FindRange(56)));
    const TransmitterConfig& c = f.model.config();
    EXPECT_EQ(c.InputRangeCode, 56);
    EXPECT_EQ(c.ConnectionCode, 7);
    EXPECT_EQ(c.RangeFlags, 0x41 | 0x80);
    EXPECT_EQ(c.DisplayFactor, 10);
    EXPECT_EQ(c.LowerRangeValue, -250);
    EXPECT_EQ(c.UpperRangeValue, 400);
    EXPECT_EQ(c.Comparator2Level, 400);
    EXPECT_EQ(c.CjTemperature, 0);
    EXPECT_TRUE(MatchesStandardTables(c, 56));
    EXPECT_EQ(f.model.undoCount(), 1);
    EXPECT_TRUE(f.model.unsavedChanges());
    EXPECT_EQ(f.ui.texts(),
              QStringList{QStringLiteral("Input range was changed, check configuration.")});
    EXPECT_TRUE(f.model.view().cjGroupVisible);
    EXPECT_EQ(f.model.selectedRangeIndex(), FindRange(56));
    // A customer range takes the factor of its decimal places.
    ASSERT_TRUE(f.model.SelectRange(FindRange(95)));
    EXPECT_EQ(f.model.config().DisplayFactor, 100);
    EXPECT_EQ(f.model.config().ConnectionCode, 6);
    EXPECT_TRUE(f.model.view().linearEnabled);
}

// Every command that changes the model announces exactly what changed, once,
// and a command that changes nothing says nothing.
TEST(Signals, EachCommandAnnouncesOnlyItsRealChanges) {
    using namespace config_change;
    struct Case {
        const char* name;
        std::function<void(Fixture&)> prepare;
        std::function<void(Fixture&)> act;
        unsigned changes;  // the union of the configChanged masks
        int viewChanges;
        std::vector<bool> unsaved;
        int identityChanges;
        std::vector<bool> undo;
        int originChanges;
    };
    const auto noop = [](Fixture&) {};
    const std::vector<Case> cases = {
        {"undo",
         [](Fixture& f) {
             f.model.PushUndo(f.model.config());
             f.model.edit().config().Damping = 9.0;
         },
         [](Fixture& f) { EXPECT_TRUE(f.model.undo({})); },
         kInputPage,
         1,
         {},
         1,  // the restored record names the serial number (0) the identity takes
         {false},
         0},
        {"undo with nothing to undo",
         noop,
         [](Fixture& f) { EXPECT_FALSE(f.model.undo({})); },
         0,
         0,
         {},
         0,
         {},
         0},
        {"defaults",
         [](Fixture& f) {
             f.model.edit().config().Damping = 9.0;
             f.model.edit().config().AddressByte = 5;
             f.model.setOrigin(ConfigOrigin::File);
         },
         [](Fixture& f) {
             f.ui.answers = {true};
             EXPECT_TRUE(f.model.setDefaultConfigurationCommand());
         },
         kInputPage | kCommunication,
         1,
         {},
         0,
         {true},
         1},
        {"defaults declined",
         noop,
         [](Fixture& f) { EXPECT_FALSE(f.model.setDefaultConfigurationCommand()); },
         0,
         0,
         {},
         0,
         {},
         0},
        {"range change",
         noop,
         [](Fixture& f) { EXPECT_TRUE(f.model.SelectRange(FindRange(12))); },
         kInputPage | kLinearization,
         1,
         {true},
         1,
         {true},
         0},
        {"same range again",
         noop,
         [](Fixture& f) { EXPECT_FALSE(f.model.SelectRange(FindRange(11))); },
         0,
         0,
         {},
         0,
         {},
         0},
        {"load",
         noop,
         [](Fixture& f) {
             TransmitterConfig loaded = f.model.config();
             loaded.UserNote = "TT-101";
             loaded.SerialNumber = 4711;
             ConfigIdentity id = f.model.identity();
             id.serialNumber = 4711;
             f.model.setIdentity(id);
             f.model.setConfig(loaded);
             f.model.RefreshFromConfig();
             f.model.setUnsavedChanges(false);
             f.model.setOrigin(ConfigOrigin::File);
         },
         kInputPage | kInformationPage,
         1,
         {},
         1,
         {},
         1},
        {"read of the same record",
         [](Fixture& f) { f.model.setUnsavedChanges(true); },
         [](Fixture& f) {
             f.model.setConfig(f.model.config());
             f.model.RefreshFromConfig();
             f.model.setUnsavedChanges(false);
             f.model.setOrigin(ConfigOrigin::Transmitter);
         },
         0,
         1,
         {false},
         0,
         {},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        c.prepare(f);
        QSignalSpy changed(&f.model, &ConfigModel::configChanged);
        QSignalSpy view(&f.model, &ConfigModel::viewChanged);
        QSignalSpy unsaved(&f.model, &ConfigModel::unsavedChanged);
        QSignalSpy identity(&f.model, &ConfigModel::identityChanged);
        QSignalSpy undo(&f.model, &ConfigModel::undoAvailable);
        QSignalSpy origin(&f.model, &ConfigModel::originChanged);
        c.act(f);
        unsigned mask = 0;
        for (const QList<QVariant>& args : changed) {
            EXPECT_NE(args.at(0).toUInt(), 0u);
            mask |= args.at(0).toUInt();
        }
        EXPECT_EQ(mask, c.changes);
        EXPECT_LE(changed.count(), 2);
        EXPECT_EQ(view.count(), c.viewChanges);
        std::vector<bool> seen;
        for (const QList<QVariant>& args : unsaved) seen.push_back(args.at(0).toBool());
        EXPECT_EQ(seen, c.unsaved);
        EXPECT_EQ(identity.count(), c.identityChanges);
        seen.clear();
        for (const QList<QVariant>& args : undo) seen.push_back(args.at(0).toBool());
        EXPECT_EQ(seen, c.undo);
        EXPECT_EQ(origin.count(), c.originChanges);
    }
}
