#pragma once

#include <cstdint>

namespace lmk17 {

// Single-precision wire format of the transmitter. The encoder rounds to
// nearest with ties toward zero, never carries into the exponent, maps
// magnitudes below 2^-50 to 0 and produces no subnormals, infinities or NaN;
// the transmitters were built against exactly this conversion.
std::uint32_t EncodeBinary32(double value);
double DecodeBinary32(std::uint32_t bits);

}  // namespace lmk17
