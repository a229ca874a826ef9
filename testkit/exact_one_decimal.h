// The exact decimal value of a float32 or of int32 / 15, rounded to one
// decimal place with halves away from zero, computed with integers only. For
// these inputs below 10^18 the one-decimal format must agree with it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kovrant::exact {

// "-"? integer "." digit, from a count of tenths; zero has no sign.
inline std::string FromTenths(bool negative, uint64_t tenths) {
  std::string text = negative && tenths != 0 ? "-" : "";
  text += std::to_string(tenths / 10);
  text += '.';
  text += static_cast<char>('0' + tenths % 10);
  return text;
}

// The float32 with this bit pattern, or nothing for infinities, NaNs and
// magnitudes of 10^18 and more.
inline std::optional<std::string> OneDecimalOfFloat32(uint32_t bits) {
  const bool negative = (bits >> 31) != 0;
  const uint32_t biased = (bits >> 23) & 0xFF;
  if (biased == 0xFF) return std::nullopt;
  const uint64_t significand = biased == 0 ? (bits & 0x7FFFFFu) : ((bits & 0x7FFFFFu) | 0x800000u);
  const int exponent = (biased == 0 ? 1 : static_cast<int>(biased)) - 150;  // value = m * 2^e
  uint64_t tenths = 0;
  if (exponent >= 0) {
    if (exponent > 36) return std::nullopt;  // >= 2^60 > 10^18 (the significand has 24 bits)
    const uint64_t value = significand << exponent;
    if (value >= 1000000000000000000u) return std::nullopt;
    tenths = value * 10;
  } else {
    // floor(m * 10 / 2^k + 1/2) = (20m + 2^k) >> (k + 1); zero once 2^k > 20m.
    const int k = -exponent;
    tenths = k >= 40 ? 0 : (significand * 20 + (uint64_t{1} << k)) >> (k + 1);
  }
  return FromTenths(negative, tenths);
}

// value / 15: 10 * value / 15 = 2 * value / 3, rounded half away from zero,
// is floor((4 |value| + 3) / 6). (It never ties: thirds are never halves.)
inline std::string OneDecimalOfInt32Over15(int32_t value) {
  const uint64_t magnitude = value < 0
                                 ? uint64_t{0} - static_cast<uint64_t>(static_cast<int64_t>(value))
                                 : static_cast<uint64_t>(value);
  return FromTenths(value < 0, (4 * magnitude + 3) / 6);
}

}  // namespace kovrant::exact
