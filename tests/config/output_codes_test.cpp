#include <gtest/gtest.h>

#include "config/catalogue.h"
#include "config/defaults.h"
#include "config/output_limits.h"

using namespace lmk17;

namespace {

const int kType = 1;  // K8410H10, 4..20 mA output
const int kFw185 = FindFirmware(185);
const int kFw191 = FindFirmware(191);

// A transmitter's own calibration: about 40000 codes over the output span.
TransmitterConfig calibrated() {
    TransmitterConfig c;
    SetDefaultOutputLimits(c, kType, kFw185);
    c.OutputCodePoly = {8000.0, 40000.0, 120.0, -35.0};
    return c;
}

double poly(const TransmitterConfig& c, double x) {
    const auto& p = c.OutputCodePoly;
    return ((p[3] * x + p[2]) * x + p[1]) * x + p[0];
}

quint16 lowHalf(quint32 w) {
    return quint16(w & 0xFFFF);
}
quint16 highHalf(quint32 w) {
    return quint16(w >> 16);
}

}  // namespace

TEST(OutputCodes, DefaultLimitsOfTheCurrentOutput) {
    TransmitterConfig c;
    ASSERT_TRUE(SetDefaultOutputLimits(c, kType, kFw191));
    EXPECT_DOUBLE_EQ(c.SaturationLow, -0.0125);
    EXPECT_DOUBLE_EQ(c.SaturationHigh, 1.03125);
    EXPECT_DOUBLE_EQ(c.ErrorLow, -0.03125);
    EXPECT_DOUBLE_EQ(c.ErrorHigh, 1.125);
    const PhysicalOutputLimits p = ComputePhysicalLimits(c, *OutputTypeOf(kType));
    EXPECT_DOUBLE_EQ(p.SaturationLow, 0.0038);
    EXPECT_DOUBLE_EQ(p.SaturationHigh, 0.0205);
    EXPECT_DOUBLE_EQ(p.ErrorLow, 0.0035);
    EXPECT_DOUBLE_EQ(p.ErrorHigh, 0.022);
    EXPECT_FALSE(SetDefaultOutputLimits(c, 42, kFw191));
    EXPECT_FALSE(SetDefaultOutputLimits(c, kType, 19));
}

TEST(OutputCodes, EncodeThenDecodeRoundTrip) {
    TransmitterConfig c = calibrated();
    const TransmitterConfig before = c;
    EncodeOutputCodes(c, kType, kFw185);
    EXPECT_EQ(lowHalf(c.SaturationCodes), quint16(std::trunc(poly(c, -0.0125) + 0.5)));
    EXPECT_EQ(highHalf(c.SaturationCodes), quint16(std::trunc(poly(c, 1.03125) + 0.5)));
    EXPECT_EQ(lowHalf(c.ErrorCodes), quint16(std::trunc(poly(c, -0.03125) + 0.5)));
    EXPECT_EQ(highHalf(c.ErrorCodes), quint16(std::trunc(poly(c, 1.125) + 0.5)));

    TransmitterConfig d = c;
    d.SaturationLow = d.SaturationHigh = d.ErrorLow = d.ErrorHigh = 0.5;
    d.OutputGain = 2.0;
    d.OutputOffset = 0.3;
    DecodeOutputCodes(d, kType, kFw185);
    EXPECT_EQ(d.OutputGain, 1.0);
    EXPECT_EQ(d.OutputOffset, 0.0);
    // One code is 1/40000 of the span: the limits come back to within half a code.
    EXPECT_NEAR(d.SaturationLow, before.SaturationLow, 1.5e-5);
    EXPECT_NEAR(d.SaturationHigh, before.SaturationHigh, 1.5e-5);
    EXPECT_NEAR(d.ErrorLow, before.ErrorLow, 1.5e-5);
    EXPECT_NEAR(d.ErrorHigh, before.ErrorHigh, 1.5e-5);
    // And encoding them again keeps the very same codes.
    TransmitterConfig again = d;
    EncodeOutputCodes(again, kType, kFw185);
    EXPECT_EQ(again.SaturationCodes, c.SaturationCodes);
    EXPECT_EQ(again.ErrorCodes, c.ErrorCodes);
}

TEST(OutputCodes, SmallMovesKeepTheStoredCode) {
    TransmitterConfig c = calibrated();
    EncodeOutputCodes(c, kType, kFw185);
    const quint32 codes = c.SaturationCodes;
    // e = 400 codes (1 % of the span); a move of 0.5 % is not re-encoded,
    // one of 2 % is.
    c.SaturationHigh = 1.03125 - 0.005;
    EncodeOutputCodes(c, kType, kFw185);
    EXPECT_EQ(c.SaturationCodes, codes);
    c.SaturationHigh = 1.03125 - 0.02;
    EncodeOutputCodes(c, kType, kFw185);
    EXPECT_EQ(lowHalf(c.SaturationCodes), lowHalf(codes));
    EXPECT_EQ(highHalf(c.SaturationCodes), quint16(std::trunc(poly(c, 1.01125) + 0.5)));
}

TEST(OutputCodes, LimitsAreClampedToTheOutputTypesBounds) {
    TransmitterConfig c = calibrated();
    c.SaturationLow = -0.5;  // 2 mA, below the 3 mA minimum
    c.SaturationHigh = 2.0;  // 36 mA, above the 25 mA maximum
    c.ErrorLow = -0.1;       // 2.4 mA
    c.ErrorHigh = 1.3;       // 24.8 mA, allowed
    EncodeOutputCodes(c, kType, kFw185);
    EXPECT_DOUBLE_EQ(c.SaturationLow, -0.0625);
    EXPECT_DOUBLE_EQ(c.SaturationHigh, 1.3125);
    EXPECT_DOUBLE_EQ(c.ErrorLow, -0.0625);
    EXPECT_DOUBLE_EQ(c.ErrorHigh, 1.3);
}

TEST(OutputCodes, CodeWithoutRootTakesTheDefault) {
    TransmitterConfig c = calibrated();
    EncodeOutputCodes(c, kType, kFw185);
    // P(1.125) is about 53000: a code of 60000 has no root inside the
    // default error-output interval.
    c.ErrorCodes = (quint32(60000) << 16) | lowHalf(c.ErrorCodes);
    c.SaturationLow = 0.25;
    DecodeOutputCodes(c, kType, kFw185);
    EXPECT_DOUBLE_EQ(c.ErrorHigh, 1.125);
    EXPECT_NEAR(c.SaturationLow, -0.0125, 1.5e-5);
    EXPECT_NEAR(c.ErrorLow, -0.03125, 1.5e-5);
}

TEST(OutputCodes, AZeroCodeWordSetsTheDefaults) {
    for (const bool saturationZero : {true, false}) {
        TransmitterConfig c = calibrated();
        EncodeOutputCodes(c, kType, kFw185);
        (saturationZero ? c.SaturationCodes : c.ErrorCodes) = 0;
        c.SaturationLow = c.SaturationHigh = c.ErrorLow = c.ErrorHigh = 0.5;
        DecodeOutputCodes(c, kType, kFw185);
        EXPECT_DOUBLE_EQ(c.SaturationLow, -0.0125);
        EXPECT_DOUBLE_EQ(c.SaturationHigh, 1.03125);
        EXPECT_DOUBLE_EQ(c.ErrorLow, -0.03125);
        EXPECT_DOUBLE_EQ(c.ErrorHigh, 1.125);
        EXPECT_EQ(c.SaturationCodes, 0u);
        EXPECT_EQ(c.ErrorCodes, 0u);
        EXPECT_EQ(c.OutputCodePoly, (std::array<double, 4>{}));
    }
}

TEST(OutputCodes, OtherFirmwareLeavesEverythingAlone) {
    for (int fw : {160, 180, 190, 191}) {
        TransmitterConfig c = calibrated();
        c.SaturationCodes = 0x11112222u;
        c.ErrorCodes = 0;
        c.SaturationLow = 0.5;
        const TransmitterConfig before = c;
        EncodeOutputCodes(c, kType, FindFirmware(fw));
        DecodeOutputCodes(c, kType, FindFirmware(fw));
        EXPECT_EQ(c, before) << fw;
    }
}

TEST(OutputCodes, DefaultsKeepTheCodesOfTheTransmitter) {
    TransmitterConfig c = calibrated();
    EncodeOutputCodes(c, kType, kFw185);
    const TransmitterConfig encoded = c;
    c.SaturationHigh = 0.9;
    EncodeOutputCodes(c, kType, kFw185);
    ASSERT_NE(c.SaturationCodes, encoded.SaturationCodes);
    SetDefaultOutputLimits(c, kType, kFw185);
    EXPECT_EQ(c.OutputCodePoly, encoded.OutputCodePoly);
    EXPECT_NE(c.SaturationCodes, 0u);
    // "Default Parameters" then re-encodes from the default limits.
    EncodeOutputCodes(c, kType, kFw185);
    EXPECT_EQ(c.SaturationCodes, encoded.SaturationCodes);
    // Other firmware drops the codes and the polynomial.
    SetDefaultOutputLimits(c, kType, kFw191);
    EXPECT_EQ(c.SaturationCodes, 0u);
    EXPECT_EQ(c.OutputCodePoly, (std::array<double, 4>{}));
}

TEST(OutputView, TextsOfTheOutputPage) {
    TransmitterConfig c;
    SetDefaultOutputLimits(c, kType, kFw191);
    OutputView v = ShowOutputValues(c, kType, kFw191);
    EXPECT_EQ(v.rangeName, QStringLiteral("current output 4 to 20 mA"));
    EXPECT_EQ(v.unit, QStringLiteral("mA"));
    EXPECT_EQ(v.rangeLowText, QStringLiteral(" 4"));
    EXPECT_EQ(v.rangeHighText, QStringLiteral(" 20"));
    EXPECT_EQ(v.testLowLabel, QStringLiteral("4 mA"));
    EXPECT_EQ(v.saturationLowText, QStringLiteral(" 3.8"));
    EXPECT_EQ(v.saturationHighText, QStringLiteral(" 20.5"));
    EXPECT_EQ(v.errorLowText, QStringLiteral(" 3.5"));
    EXPECT_EQ(v.errorHighText, QStringLiteral(" 22"));
    // An output range of 8..16 mA moves the limits with it.
    c.OutputOffset = 0.25;
    c.OutputGain = 0.5;
    v = ShowOutputValues(c, kType, kFw191);
    EXPECT_EQ(v.rangeLowText, QStringLiteral(" 8"));
    EXPECT_EQ(v.rangeHighText, QStringLiteral(" 16"));
    EXPECT_EQ(v.testHighLabel, QStringLiteral("16 mA"));
    EXPECT_EQ(v.saturationLowText, QStringLiteral(" 7.9"));
    // Before 1.90 the range edits are empty and the test labels show o0, o1.
    v = ShowOutputValues(c, kType, kFw185);
    EXPECT_TRUE(v.rangeLowText.isEmpty());
    EXPECT_EQ(v.testLowLabel, QStringLiteral("4 mA"));
    EXPECT_EQ(v.testHighLabel, QStringLiteral("20 mA"));
    // The voltage output shows volts.
    TransmitterConfig volt;
    SetDefaultOutputLimits(volt, FindType(QStringLiteral("K8620L50")), kFw191);
    v = ShowOutputValues(volt, FindType(QStringLiteral("K8620L50")), kFw191);
    EXPECT_EQ(v.unit, QStringLiteral("V"));
    EXPECT_EQ(v.saturationHighText, QStringLiteral(" 10.25"));
    EXPECT_EQ(v.errorHighText, QStringLiteral(" 11"));
}
