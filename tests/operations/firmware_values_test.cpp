// Values read from and sent to the transmitter change meaning at a firmware
// version: each is checked at that version and on either side of it.

#include <gtest/gtest.h>

#include "config/catalogue.h"
#include "operations/output_test_values.h"
#include "operations/pv_reading_values.h"

namespace lmk17 {
namespace {

TEST(FirmwareValues, OutputReadingScaleByVersion) {
    const OutputTypeEntry& ma = *OutputTypeAt(1);  // 4..20 mA
    TransmitterConfig plain;
    const struct {
        int fw;
        double value;  // as parameter 220 answers it
        double yt;     // A
    } cases[] = {
        {160, 12.0, 0.012},  {169, 12.0, 0.012},   // mA before 1.70
        {170, 0.012, 0.012}, {171, 0.012, 0.012},  // A from 1.70
        {189, 0.012, 0.012}, {190, 0.5, 0.012},    // the output position from 1.90
    };
    for (const auto& c : cases)
        EXPECT_NEAR(InterpretOutputReading(c.value, false, c.fw, plain, ma).yt, c.yt, 1e-12)
            << "fw " << c.fw;
}

TEST(FirmwareValues, TestValueSentByVersion) {
    const OutputTypeEntry& ma = *OutputTypeAt(1);
    TransmitterConfig plain;
    const struct {
        int fw;
        double sent;
    } cases[] = {{169, 12.0}, {170, 0.012}, {171, 0.012}, {189, 0.012}, {190, 0.5}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(TestValueToSend(0.012, c.fw, plain, ma), c.sent) << "fw " << c.fw;
}

// From 1.81 the output position saturates at the configured limits.
TEST(FirmwareValues, SaturationFromVersion181) {
    TransmitterConfig c;
    c.SaturationLow = -0.0125;
    c.SaturationHigh = 1.03125;
    const struct {
        int fw;
        double f;
        double position;
    } cases[] = {
        {180, 1.5, 1.5},      {180, -0.5, -0.5}, {181, 1.5, 1.03125},
        {181, -0.5, -0.0125}, {190, 0.5, 0.5},   {191, 2.0, 1.03125},
    };
    for (const auto& k : cases)
        EXPECT_DOUBLE_EQ(SaturatedPosition(k.f, k.fw, c), k.position) << "fw " << k.fw;
}

// From 1.90 the test mode shows as a position inside ±128.
TEST(FirmwareValues, TestModeBoundFrom190) {
    const OutputTypeEntry& ma = *OutputTypeAt(1);
    TransmitterConfig plain;
    const struct {
        double value;
        bool testMode;
    } cases[] = {{127.5, true}, {-127.5, true}, {128.0, false}, {-128.0, false}, {150.0, false}};
    for (const auto& c : cases)
        EXPECT_EQ(InterpretOutputReading(c.value, c.value < 0, 190, plain, ma).testMode, c.testMode)
            << c.value;
}

TEST(FirmwareValues, GaugeRoundsToThePercent) {
    const struct {
        double f;
        int percent;
    } cases[] = {{0.125, 13}, {0.999, 100}, {-0.125, -13}, {0.5, 50}, {0.004, 0}};
    for (const auto& c : cases) EXPECT_EQ(GaugePosition(c.f), c.percent) << c.f;
}

}  // namespace
}  // namespace lmk17
