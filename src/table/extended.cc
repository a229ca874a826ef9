// Software 80-bit extended values: the exact widening of a float32, the one
// conversion the converter itself needs.
#include "table/extended.h"

#include <bit>

namespace kovrant {
namespace {

constexpr uint64_t kIntegerBit = uint64_t{1} << 63;

Extended Zero(bool negative) { return {negative, 0, 0}; }

}  // namespace

Extended WidenFloat32(uint32_t bits) {
  const bool negative = (bits >> 31) != 0;
  const uint32_t exponent = (bits >> 23) & 0xFF;
  const uint64_t fraction = bits & 0x7FFFFF;
  if (exponent == 0xFF) return {negative, kExtendedMaxExponent, kIntegerBit | (fraction << 40)};
  if (exponent == 0) {
    if (fraction == 0) return Zero(negative);
    // Denormal single: fraction * 2^-149, normalised.
    const int shift = std::countl_zero(fraction);
    return {negative, static_cast<uint16_t>(kExtendedBias - 149 + 63 - shift), fraction << shift};
  }
  return {negative, static_cast<uint16_t>(exponent - 127 + kExtendedBias),
          kIntegerBit | (fraction << 40)};
}

}  // namespace kovrant
