#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "link/binary32.h"

using namespace lmk17;

namespace {

// Independent reference: the double's 53-bit significand cut to 24 bits,
// rounded to nearest with ties toward zero, and a carry out of the top bit
// replaced by the largest fraction instead of a higher exponent.
std::uint32_t reference(double v) {
    if (v == 0.0 || std::fabs(v) < std::ldexp(1.0, -50)) return 0;
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    const std::uint32_t sign = std::uint32_t(bits >> 63) << 31;
    const int exp = int((bits >> 52) & 0x7FF);  // normal doubles only in this range
    std::uint64_t significand = (bits & ((1ull << 52) - 1)) | (1ull << 52);  // 53 bits
    const std::uint64_t dropped = significand & ((1ull << 29) - 1);
    significand >>= 29;                         // 24 bits
    if (dropped > (1ull << 28)) ++significand;  // above half: up; exactly half stays
    if (significand >> 24) significand = (1ull << 24) - 1;
    const int biased = exp - 1023 + 127;
    return sign | std::uint32_t(biased) << 23 | std::uint32_t(significand & 0x7FFFFF);
}

std::uint32_t le(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
    return b0 | b1 << 8 | b2 << 16 | std::uint32_t(b3) << 24;
}

}  // namespace

TEST(Binary32, DocumentedPatterns) {
    struct Case {
        double value;
        std::uint32_t bits;
    } cases[] = {
        {1.0, le(0x00, 0x00, 0x80, 0x3F)},
        {-200.0, le(0x00, 0x00, 0x48, 0xC3)},
        {0.0, 0},
        {1e-20, 0},
        {-1e-20, 0},
        {std::ldexp(1.0, -51), 0},
        {std::ldexp(1.0, -50), 0x26800000u},
        {0.5, 0x3F000000u},
        // Beyond the largest finite value: that value, never the exponent 255.
        {3.5e38, 0x7F7FFFFFu},
        {-1e300, 0xFF7FFFFFu},
        {HUGE_VAL, 0x7F7FFFFFu},
    };
    for (const Case& c : cases) EXPECT_EQ(EncodeBinary32(c.value), c.bits) << c.value;
}

TEST(Binary32, TiesGoTowardZeroAndNeverCarryIntoTheExponent) {
    const double ulp = std::ldexp(1.0, -23);                // of values in [1, 2)
    EXPECT_EQ(EncodeBinary32(1.0 + ulp / 2), 0x3F800000u);  // tie: down
    EXPECT_EQ(EncodeBinary32(1.0 + ulp / 2 + std::ldexp(1.0, -52)), 0x3F800001u);  // above: up
    EXPECT_EQ(EncodeBinary32(1.0 + 1.5 * ulp), 0x3F800001u);  // tie: toward zero
    EXPECT_EQ(EncodeBinary32(-(1.0 + 1.5 * ulp)), 0xBF800001u);
    // Just below 2: rounding would give 2.0, the encoder keeps 1.99999988.
    EXPECT_EQ(EncodeBinary32(2.0 - std::ldexp(1.0, -30)), 0x3FFFFFFFu);
    EXPECT_EQ(EncodeBinary32(std::nextafter(2.0, 0.0)), 0x3FFFFFFFu);
}

TEST(Binary32, MatchesExactReferenceOnAMillionValues) {
    std::mt19937_64 rng(20261208);
    std::uniform_real_distribution<double> mantissa(0.5, 1.0);
    std::uniform_int_distribution<int> exponent(-60, 120);
    std::uniform_int_distribution<int> tieBits(0, 1);
    for (int i = 0; i < 1000000; ++i) {
        double v = std::ldexp(mantissa(rng), exponent(rng));
        if (i % 4 == 0) {
            // Construct an exact tie or a value one double-ulp beside it.
            std::uint64_t bits;
            std::memcpy(&bits, &v, sizeof bits);
            bits = (bits & ~((1ull << 29) - 1)) | (1ull << 28);
            if (tieBits(rng)) bits += (i % 8 == 0) ? 1 : -1;
            std::memcpy(&v, &bits, sizeof bits);
        }
        if (i % 2) v = -v;
        ASSERT_EQ(EncodeBinary32(v), reference(v)) << std::hexfloat << v;
    }
}

TEST(Binary32, DecoderReadsEveryExponentWithoutSpecialValues) {
    EXPECT_EQ(DecodeBinary32(0x3F800000u), 1.0);
    EXPECT_EQ(DecodeBinary32(0xC3480000u), -200.0);
    EXPECT_EQ(DecodeBinary32(0x00000000u), 0.0);
    EXPECT_EQ(DecodeBinary32(0x007FFFFFu), 0.0);  // exponent 0: zero, fraction ignored
    EXPECT_EQ(DecodeBinary32(0x80400000u), 0.0);
    EXPECT_EQ(DecodeBinary32(0x7F800000u), std::ldexp(1.0, 128));         // no infinity
    EXPECT_EQ(DecodeBinary32(0xFFC00000u), -1.5 * std::ldexp(1.0, 128));  // no NaN
    // Every normal pattern read back encodes to itself.
    std::mt19937 rng(7);
    for (int i = 0; i < 100000; ++i) {
        std::uint32_t bits = rng();
        const std::uint32_t e = (bits >> 23) & 0xFF;
        if (e < 77 || e == 255) continue;  // below 2^-50 encodes as 0; 255 is read only
        ASSERT_EQ(EncodeBinary32(DecodeBinary32(bits)), bits);
    }
}
