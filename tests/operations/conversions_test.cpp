// How values travel to first-generation firmware and back.

#include <gtest/gtest.h>

#include <cmath>

#include "link/binary32.h"
#include "operations/firmware_conversions.h"

namespace lmk17::conversion {
namespace {

double viaWire(double v) {
    return DecodeBinary32(EncodeBinary32(v));
}

TEST(OldFirmwareCorrections, NoCorrectionIsUnitGainAndZeroOffset) {
    const GainOffset go = CorrectionsToGainOffset(0.0, 100.0, 0.0, 0.0);
    EXPECT_EQ(go.gain, 1.0);
    EXPECT_EQ(go.offset, 0.0);
    const Corrections c = GainOffsetToCorrections(0.0, 100.0, 1.0, 0.0);
    EXPECT_EQ(c.lower, 0.0);
    EXPECT_EQ(c.upper, 0.0);
}

struct CorrectionCase {
    double l, u, cl, cu;
};

class CorrectionRoundTrip : public ::testing::TestWithParam<CorrectionCase> {};

TEST_P(CorrectionRoundTrip, SurvivesTheWire) {
    const CorrectionCase& k = GetParam();
    const GainOffset go = CorrectionsToGainOffset(k.l, k.u, k.cl, k.cu);
    const Corrections back =
        GainOffsetToCorrections(viaWire(k.l), viaWire(k.u), viaWire(go.gain), viaWire(go.offset));
    const double tolerance = 2e-6 * std::max({1.0, std::fabs(k.l), std::fabs(k.u)});
    EXPECT_NEAR(back.lower, k.cl, tolerance);
    EXPECT_NEAR(back.upper, k.cu, tolerance);
}

INSTANTIATE_TEST_SUITE_P(Ranges, CorrectionRoundTrip,
                         ::testing::Values(CorrectionCase{0, 100, 0.5, -0.7},
                                           CorrectionCase{-200, 850, -3.0, 2.5},
                                           CorrectionCase{-50, 50, 1.0, 1.0},
                                           CorrectionCase{4, 20, 0.0, 0.3}));

TEST(OldFirmwareCorrections, FailedDivisionMeansNoCorrection) {
    // (U - L) - cU + cL = 0.
    const GainOffset go = CorrectionsToGainOffset(0.0, 10.0, 0.0, 10.0);
    EXPECT_EQ(go.gain, 1.0);
    EXPECT_EQ(go.offset, 0.0);
    const Corrections c = GainOffsetToCorrections(0.0, 100.0, 0.0, 5.0);
    EXPECT_EQ(c.lower, 0.0);
    EXPECT_EQ(c.upper, 0.0);
}

TEST(OldFirmwareDamping, ScaledBothWays) {
    struct {
        double seconds, wire;
    } cases[] = {{4.0, 8.092}, {-4.0, -8.092}, {0.5, 0.0}, {65.0, 149.124}};
    for (const auto& c : cases) {
        EXPECT_NEAR(DampingToOldFirmware(c.seconds), c.wire, 1e-9) << c.seconds;
        EXPECT_NEAR(DampingFromOldFirmware(viaWire(c.wire)), c.seconds,
                    1e-7 * std::max(1.0, std::fabs(c.seconds)))
            << c.seconds;
    }
}

TEST(OldFirmwareNumbering, ConnectionsAndWorkingTime) {
    EXPECT_EQ(ConnectionToTransmitter(3, 160), 2);
    EXPECT_EQ(ConnectionToTransmitter(3, 170), 3);
    EXPECT_EQ(ConnectionFromTransmitter(2, 160), 3);
    EXPECT_EQ(ConnectionFromTransmitter(2, 191), 2);
    EXPECT_EQ(WorkingTimeFromTransmitter(360, 160), 3600);
    EXPECT_EQ(WorkingTimeFromTransmitter(360, 170), 360);
    // A damaged counter does not wrap into a negative time.
    EXPECT_EQ(WorkingTimeFromTransmitter(400000000, 160), INT32_MAX);
}

}  // namespace
}  // namespace lmk17::conversion
