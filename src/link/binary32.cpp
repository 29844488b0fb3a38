#include "link/binary32.h"

#include <cmath>

namespace lmk17 {

std::uint32_t EncodeBinary32(double value) {
    const double magnitude = std::fabs(value);
    if (!(magnitude >= std::ldexp(1.0, -50))) return 0;  // also catches NaN
    const std::uint32_t sign = value < 0 ? 0x80000000u : 0u;
    // The exponent field 255 is infinity or NaN to the transmitter: a value
    // beyond the largest finite one is sent as that one.
    constexpr std::uint32_t kLargestFinite = 0x7F7FFFFFu;
    if (std::isinf(magnitude)) return sign | kLargestFinite;

    int e = 0;
    const double m = std::frexp(magnitude, &e);  // m in [0.5, 1)
    const int biased = e + 126;
    if (biased >= 255) return sign | kLargestFinite;

    // Greedy from the most significant fraction bit: a bit is set while the
    // remainder still covers its weight less half of the last bit's weight.
    // All arithmetic is exact in double (powers of two against a 53-bit value).
    const double tolerance = std::ldexp(1.0, -25);
    double remainder = m - 0.5;
    std::uint32_t fraction = 0;
    for (int bit = 22; bit >= 0; --bit) {
        const double weight = std::ldexp(1.0, bit - 24);
        if (remainder - weight > -tolerance) {
            fraction |= 1u << bit;
            remainder -= weight;
        }
    }
    return sign | (std::uint32_t(biased) << 23) | fraction;
}

double DecodeBinary32(std::uint32_t bits) {
    const int exponent = int((bits >> 23) & 0xFF);
    if (exponent == 0) return 0.0;
    const double fraction = double(bits & 0x7FFFFF);
    const double value = std::ldexp(0.5 + fraction / 16777216.0, exponent - 126);
    return (bits & 0x80000000u) ? -value : value;
}

}  // namespace lmk17
