#include <gtest/gtest.h>

#include "config/catalogue.h"
#include "config/config_model.h"
#include "config/defaults.h"
#include "config/identification_text.h"
#include "config/ordering_code.h"
#include "support/builders.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"

namespace lmk17 {
namespace {

constexpr int kK8410H10 = 1;
constexpr int kK8620L10 = 26;  // one relay that can signal errors, two comparators
constexpr int kK8620L20 = 28;
constexpr int kFw160 = 1;
constexpr int kFw170 = 2;
constexpr int kFw191 = 14;

using test::DefaultConfig;

TEST(IdentificationText, TypeAndFirmware) {
    struct Case {
        const char* text;
        const char* type;
        bool fixed;
        int firmware;
    } cases[] = {
        {"   K8410H10, FW 1.60      ", "K8410H10", false, 160},
        {"K8620L31; rev. 1,91", "K8620L31", true, 191},
        {"k8620l31 firmware 1.9", "K8620L31 FIRMWAR", false, 190},  // no "," or ";"
        {"K8410S21EI1 verze 1.85", "K8410S21EI1 VERZ", false, 185},
        {"K8410H10", "K8410H10", false, 160},  // no marker
        {"K8410H10 or K8620L20, FW 1.70", "K8620L20", false, 170},
        {"TYPE K8410H10;X FW 1.x", "K8410H10", true, 0},  // not a number
        {"no family at all FW 1.91", "", false, 191},
        {"K8620L20ABCDEFGHIJKLMNOP, FW 1.91", "K8620L20ABCDEFGH", false, 191},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const IdentificationText id = ParseIdentificationText(QByteArray(c.text));
        EXPECT_EQ(id.typeText, QLatin1String(c.type));
        EXPECT_EQ(id.fixedRange, c.fixed);
        EXPECT_EQ(id.firmware, c.firmware);
    }
    const IdentificationText id = ParseIdentificationText("K8620L20, FW 1.91");
    EXPECT_EQ(id.typeIndex, kK8620L20);
    EXPECT_EQ(id.firmwareIndex, kFw191);
    EXPECT_EQ(ParseIdentificationText("K8620L20, FW 1.75").firmwareIndex, 0);
}

TEST(OrderingCode, DefaultConfigurations) {
    EXPECT_EQ(
        BuildOrderingCode(DefaultConfig(kK8410H10, kFw191, "K8410H10, FW 1.91"), kK8410H10, kFw191)
            .text,
        QString::fromUtf8("K8410H10  R11  C3  RL -200 °C  RH 850 °C  DP 4.0 s  ECH  "
                          "LE 0 °C  HE 0 °C   SPE  ADR0  BR24  PO  TN''  "));
    EXPECT_EQ(
        BuildOrderingCode(DefaultConfig(kK8620L20, kFw191, "K8620L20, FW 1.91"), kK8620L20, kFw191)
            .text,
        QString::fromUtf8("K8620L20  R11  C3  RL -200 °C  RH 850 °C  DP 4.0 s  ECH  "
                          "LE 0 °C  HE 0 °C   S2E  S1L 850 °C  S1H 0 °C   EC1N  M1N  D1O  "
                          "S2L 850 °C  S2H 0 °C   EC2N  M2N  D2O  SPE  ADR0  BR24  PO  "
                          "TN''  "));
}

// Each case changes the K8620L10 default configuration and names a piece the
// code must contain (present) or must not contain.
TEST(OrderingCode, EachSettingAddsOrLeavesOutItsPiece) {
    struct Case {
        const char* name;
        int fw;
        void (*change)(TransmitterConfig&);
        const char* piece;
        bool present;
    } cases[] = {
        {"low error current", kFw191, [](TransmitterConfig& c) { c.Damping = -4.0; },
         "  DP 4.0 s  ECL  ", true},
        {"relay 1 signals errors", kFw170, [](TransmitterConfig& c) { c.ComparatorFlags = 0x04; },
         "  ECH  ER1  LE ", true},
        {"with no comparator", kFw170, [](TransmitterConfig& c) { c.ComparatorFlags = 0x04; },
         "   SNE  SPE  ", true},
        {"not before 1.70", kFw160, [](TransmitterConfig& c) { c.ComparatorFlags = 0x04; }, "ER1",
         false},
        {"not while comparator 1 runs", kFw170,
         [](TransmitterConfig& c) { c.ComparatorFlags = 0x05; }, "ER1", false},
        {"relay 2 on a one-relay type", kFw191,
         [](TransmitterConfig& c) { c.ComparatorFlags = 0x08; }, "ER2", false},
        {"comparator 2 only", kFw191, [](TransmitterConfig& c) { c.ComparatorFlags = 0x02; },
         "S2E  S1L 850 °C  S1H 0 °C   EC1N  M1N  D1O  S2L 850 °C  S2H 0 °C   EC2N  M2N  D2O  ",
         true},
        {"comparator 1 reverse, error current, on at error", kFw191,
         [](TransmitterConfig& c) {
             c.ComparatorFlags = 0x51;
             c.Comparator1Level = 100.25;
             c.Comparator1Hysteresis = -2.5;
         },
         "S1E  S1L 100.25 °C  S1H 2.5 °C   EC1U  M1I  D1C  SPE", true},
        {"no state choice before 1.70", kFw160,
         [](TransmitterConfig& c) { c.ComparatorFlags = 0x01; }, "M1N  SPE", true},
        {"baud code 0", kFw191, [](TransmitterConfig& c) { c.BaudCode = 0; }, "  BR24  ", true},
        {"baud code 1", kFw191, [](TransmitterConfig& c) { c.BaudCode = 1; }, "  BR192  ", true},
        {"baud code 63", kFw191, [](TransmitterConfig& c) { c.BaudCode = 63; }, "  BR6  ", true},
        {"even parity, address 31", kFw191, [](TransmitterConfig& c) { c.AddressByte = 0x9F; },
         "  ADR31  BR24  PE  ", true},
        {"no parity", kFw191, [](TransmitterConfig& c) { c.AddressByte = 0x45; },
         "  ADR5  BR24  PN  ", true},
        {"locked set-up unit", kFw191, [](TransmitterConfig& c) { c.RangeFlags |= 0x80; },
         "  SPD  ", true},
        {"two-wire lead resistance", kFw191,
         [](TransmitterConfig& c) {
             c.ConnectionCode = 1;
             c.LeadResistance1 = 2.5;
         },
         "  R11  C1R2.50 Ohm  RL ", true},
        {"two sensors", kFw191,
         [](TransmitterConfig& c) {
             c.ConnectionCode = 8;
             c.LeadResistance1 = 0.125;
         },
         "  C8R0.13 Ohm  ", true},
        {"user note", kFw191, [](TransmitterConfig& c) { c.UserNote = "TT-101  "; },
         "  TN'TT-101'  ", true},
        {"corrections", kFw191,
         [](TransmitterConfig& c) {
             c.LowerCorrection = -1.5;
             c.UpperCorrection = 2.0;
         },
         "  LE -1.5 °C  HE 2 °C   ", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TransmitterConfig config = DefaultConfig(kK8620L10, c.fw, "K8620L10, FW 1.91");
        c.change(config);
        const QString code = BuildOrderingCode(config, kK8620L10, c.fw).text;
        EXPECT_EQ(code.contains(QString::fromUtf8(c.piece)), c.present) << code.toStdString();
    }
}

TEST(OrderingCode, ConnectionSixByColdJunctionMark) {
    TransmitterConfig c = DefaultConfig(kK8410H10, kFw191, "K8410H10, FW 1.91");
    ApplyRangeDefaults(c, FindRange(5));  // voltage sensor, C6
    c.CjTemperature = 20.0;
    EXPECT_TRUE(BuildOrderingCode(c, kK8410H10, kFw191)
                    .text.contains(QString::fromUtf8("  R05  C6T20.00 °C  RL -15 mV  RH 60 mV  ")));
    ApplyRangeDefaults(c, FindRange(74));  // current input with optional customer linearization
    EXPECT_TRUE(BuildOrderingCode(c, kK8410H10, kFw191).text.contains("  R74  RL -6 mA  RH 24 mA"));
    c.ConnectionCode = 7;
    EXPECT_TRUE(BuildOrderingCode(c, kK8410H10, kFw191).text.contains("  R74  C7  RL "));
}

TEST(OrderingCode, TypeDesignation) {
    TransmitterConfig c = DefaultConfig(kK8410H10, kFw191, "TYPE K8410H10;further text");
    OrderingCode code = BuildOrderingCode(c, kK8410H10, kFw191);
    EXPECT_TRUE(code.text.startsWith("K8410H10  R11  "));
    EXPECT_TRUE(code.fixedRange);

    c.TransmitterType = QByteArray(33, 'K');
    code = BuildOrderingCode(c, kK8410H10, kFw191);
    EXPECT_TRUE(code.text.startsWith("  R11  "));
    EXPECT_FALSE(code.fixedRange);

    c.TransmitterType = "no family name";
    EXPECT_TRUE(BuildOrderingCode(c, kK8410H10, kFw191).text.startsWith("  R11  "));

    c.InputRangeCode = 8;  // no such range
    EXPECT_TRUE(BuildOrderingCode(c, kK8410H10, kFw191).text.isEmpty());
}

TEST(OrderingCode, CommandChecksFirst) {
    test::ScriptedInteraction ui;
    ConfigModel model(ui);
    model.setControlsShown(true);  // the window's command: the pages' texts
    EXPECT_FALSE(showOrderingCode(model, ui).shown);
    EXPECT_EQ(ui.last(),
              QStringLiteral("There has not been set any configuration of transmitter."));

    model.setConfig(DefaultConfig(kK8620L20, kFw191, "K8620L20; FW 1.91"));
    model.edit().identity().typeIndex = kK8620L20;
    model.edit().identity().firmwareIndex = kFw191;
    model.RefreshFromConfig();
    model.keepTypedText(EditField::DampEdt, QStringLiteral("0"));
    OrderingCodeCommandResult r = showOrderingCode(model, ui);
    EXPECT_FALSE(r.shown);
    EXPECT_EQ(r.check.focus, EditField::DampEdt);

    model.keepTypedText(EditField::DampEdt, QStringLiteral("2"));
    ui.shown.clear();
    r = showOrderingCode(model, ui);
    ASSERT_TRUE(r.shown);
    EXPECT_TRUE(r.code.fixedRange);
    EXPECT_EQ(ui.last(), r.code.text);
    EXPECT_TRUE(r.code.text.contains("  DP 2.0 s  ECH  "));
}

}  // namespace
}  // namespace lmk17
