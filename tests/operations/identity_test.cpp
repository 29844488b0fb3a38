// Reading the identification text, the refusals, and the identity copies.

#include <gtest/gtest.h>

#include "config/catalogue.h"
#include "operations/device_identity.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"

namespace lmk17 {
namespace {

struct TextCase {
    const char* text;
    const char* typeText;
    bool fixedRange;
    int firmware;  // 0: not supported
};

class IdentificationTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(IdentificationTextTest, TypeFirmwareAndFixedRange) {
    const TextCase& c = GetParam();
    DeviceIdentity id;
    id.identificationText = QByteArray(c.text).leftJustified(32, ' ');
    id.rangeIndex = 1;
    Fill_RVCPomVar(id, nullptr);
    EXPECT_EQ(id.typeText, QString::fromLatin1(c.typeText));
    EXPECT_EQ(id.fixedRange, c.fixedRange);
    EXPECT_EQ(id.firmwareNumber(), c.firmware);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IdentificationTextTest,
    ::testing::Values(TextCase{"K8410H10,FW 1.60", "K8410H10", false, 160},
                      TextCase{"K8620L31; rev. 1,91", "K8620L31", true, 191},
                      TextCase{"K8620L31", "K8620L31", false, 160},  // no marker: 1.60
                      TextCase{"k8620l31, firmware 1.85", "K8620L31", false, 185},
                      TextCase{"K8410H10, verze 1.70", "K8410H10", false, 170},
                      // Both family names: the K8620 one counts.
                      TextCase{"K8410H10 K8620L31, FW 1.90", "K8620L31", false, 190},
                      // "firmware" is looked for before "FW".
                      TextCase{"K8620L31, FW 1.60 firmware 1.90", "K8620L31", false, 190},
                      TextCase{"K8620L31, FW 1,9x", "K8620L31", false, 0},
                      TextCase{"K8620L31, FW 1.50", "K8620L31", false, 0},
                      TextCase{"Z100, FW 1.90", "", false, 190}));

struct RefusalCase {
    const char* text;
    int rangeIndex;
    IdentityRefusal refusal;
    const char* message;
};

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, FirstFailingCheckIsShown) {
    const RefusalCase& c = GetParam();
    test::ScriptedInteraction ui;
    DeviceIdentity id;
    id.identificationText = c.text;
    id.rangeIndex = c.rangeIndex;
    EXPECT_EQ(Fill_RVCPomVar(id, &ui), c.refusal);
    if (c.refusal == IdentityRefusal::None) {
        EXPECT_TRUE(ui.shown.empty());
        return;
    }
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.shown[0].text, QString::fromLatin1(c.message));
    // Reporting is optional: the same check stays silent without a receiver.
    DeviceIdentity quiet;
    quiet.identificationText = c.text;
    quiet.rangeIndex = c.rangeIndex;
    EXPECT_EQ(Fill_RVCPomVar(quiet, nullptr), c.refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, RefusalTest,
    ::testing::Values(
        RefusalCase{"K8620L31, FW 1.91", 5, IdentityRefusal::None, ""},
        // The first and the last range of the catalogue are ranges like any other.
        RefusalCase{"K8620L31, FW 1.91", 1, IdentityRefusal::None, ""},
        RefusalCase{"K8620L31, FW 1.91", 36, IdentityRefusal::None, ""},
        RefusalCase{
            "K8620X99, FW 1.91", 5, IdentityRefusal::Type,
            "The connected transmitter K8620X99 is not supported by this version of LMK-17, "
            "cannot continue!\r\nTry later version or contact your supplier."},
        // The type is checked before the firmware and the range.
        RefusalCase{"X1, FW 9.99", 0, IdentityRefusal::Type,
                    "The connected transmitter  is not supported by this version of LMK-17, "
                    "cannot continue!\r\nTry later version or contact your supplier."},
        RefusalCase{"K8620L31, FW 2.50", 0, IdentityRefusal::Firmware,
                    "Connected transmitter firmware version is not supported by this version of "
                    "LMK-17, cannot continue!\r\nTry later version or contact your supplier."},
        RefusalCase{"K8620L31, FW 1.91", 0, IdentityRefusal::Range,
                    "Input range is not supported by this version of LMK-17, or was written "
                    "wrongly.\r\nTry later version or contact your supplier."},
        RefusalCase{"K8620L31, FW 1.91", 37, IdentityRefusal::Range,
                    "Input range is not supported by this version of LMK-17, or was written "
                    "wrongly.\r\nTry later version or contact your supplier."}));

TEST(IdentityCopies, WorkingIdentityIntoConfigurationAndBack) {
    DeviceIdentity working;
    working.serialNumber = 4711;
    working.identificationText = "K8620L31, FW 1.91";
    working.typeText = QStringLiteral("K8620L31");
    working.typeIndex = FindType(working.typeText);
    working.firmwareIndex = FindFirmware(191);
    working.rangeIndex = 3;
    working.fixedRange = true;

    ConfigIdentity identity;
    TransmitterConfig config;
    RVCPomVar2RVCVar(working, identity, config);
    EXPECT_EQ(identity.typeIndex, working.typeIndex);
    EXPECT_EQ(identity.firmwareIndex, working.firmwareIndex);
    EXPECT_EQ(identity.rangeIndex, 3);
    EXPECT_EQ(identity.serialNumber, 4711);
    EXPECT_EQ(identity.identificationText, working.identificationText);
    // The serial number and the text are the record's own fields too.
    EXPECT_EQ(config.SerialNumber, 4711);
    EXPECT_EQ(config.TransmitterType, working.identificationText);

    DeviceIdentity back;
    back.typeText = QStringLiteral("kept");
    back.fixedRange = false;
    RVCVar2RVCPomVar(identity, back);
    EXPECT_EQ(back.serialNumber, 4711);
    EXPECT_EQ(back.typeIndex, working.typeIndex);
    EXPECT_EQ(back.firmwareIndex, working.firmwareIndex);
    EXPECT_EQ(back.rangeIndex, 3);
    EXPECT_EQ(back.identificationText, working.identificationText);
    // Neither the type text nor the fixed-range flag travel back.
    EXPECT_EQ(back.typeText, QStringLiteral("kept"));
    EXPECT_FALSE(back.fixedRange);
}

}  // namespace
}  // namespace lmk17
