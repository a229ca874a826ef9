// The one-decimal format for the two kinds of value the table holds, computed
// straight from their integers (the contract is in one_decimal.h, which
// includes this header).
//
// For a float32 and for an int32 / 15 below 10^18 the format equals the
// exact value rounded to one decimal place, halves away from zero. Here that
// rule is applied with a few integer operations. The common case, an integer
// part of at most five digits, is inline: the table writes up to six numbers
// a row, and a call per number cost as much as the number itself. Larger
// magnitudes, infinities and NaNs go through one_decimal_direct.cc.
// tools/one_decimal_exhaustive checks both functions against the general
// path for every input.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "table/decimal_digits.h"

namespace kovrant {

namespace one_decimal_detail {

// Tenths below this are written inline.
inline constexpr std::uint64_t kShortTenths = 1000000;

// Floats with a biased exponent below this are below 2^23.
inline constexpr std::uint32_t kBiasedTwoTo23 = 150;

// |value| * 10 rounded half away from zero, for a float32 below 2^23. With
// the 24-bit significand m (its integer bit set even for zeros and
// denormals, which then still come out as 0), |value| = m / 2^shift, and
// adding half of the last kept unit before the shift rounds halves up. 10 m
// is below 2^28, so from a shift of 29 on the result is 0: the shift is
// capped at 63 to stay a defined 64-bit shift.
inline std::uint64_t SmallFloat32Tenths(std::uint32_t bits) {
  const std::uint32_t biased = bits >> 23 & 0xFF;
  const std::uint64_t scaled = 10 * (std::uint64_t{bits & 0x7FFFFF} | 0x800000);
  const std::uint32_t uncapped = kBiasedTwoTo23 - biased;
  const std::uint32_t shift = uncapped < 63 ? uncapped : 63;
  return (scaled + (std::uint64_t{1} << (shift - 1))) >> shift;
}

// The fixed form of tenths below 10^6 (an integer part of up to five
// digits), written without a division and without a branch on the number's
// length. The six digits come as three pairs from one fixed-point
// multiplication (tenths * ceil(2^32 / 10^4) holds tenths / 10^4 above bit
// 32 and the remainder as a fraction below it, exact for every tenths below
// 10^6; each * 100 moves the next pair above bit 32). The five digits of the
// integer part (zero-padded), the separator and the tenths digit make one
// little-endian word; the padding zeros are shifted out and the word is
// stored whole (8 bytes at most 9 bytes from `out`, within the caller's
// room). A sign is stored always and kept when the value did not round to
// zero. Returns the end.
[[gnu::always_inline]] inline char* ShortTenths(bool negative, std::uint32_t tenths, char separator,
                                                char* out) {
  *out = '-';
  out += negative && tenths != 0 ? 1 : 0;
  std::uint64_t fraction = std::uint64_t{tenths} * 429497;
  const auto high = static_cast<std::uint32_t>(fraction >> 32);
  fraction = (fraction & 0xFFFFFFFF) * 100;
  const auto middle = static_cast<std::uint32_t>(fraction >> 32);
  fraction = (fraction & 0xFFFFFFFF) * 100;
  const auto low = static_cast<std::uint32_t>(fraction >> 32);
  std::uint16_t high_pair;
  std::uint16_t middle_pair;
  std::uint16_t low_pair;
  std::memcpy(&high_pair, decimal_digits::kDigitPairs + 2 * high, 2);
  std::memcpy(&middle_pair, decimal_digits::kDigitPairs + 2 * middle, 2);
  std::memcpy(&low_pair, decimal_digits::kDigitPairs + 2 * low, 2);
  // Bytes: five integer digits, the separator, the tenths digit (the second
  // character of the low pair), one byte of scratch.
  std::uint64_t word = std::uint64_t{high_pair} | std::uint64_t{middle_pair} << 16 |
                       std::uint64_t{low_pair & 0xFFu} << 32 |
                       std::uint64_t{static_cast<unsigned char>(separator)} << 40 |
                       std::uint64_t{low_pair & 0xFF00u} << 40;
  // Leading zeros of the integer part, which keeps at least one digit: each
  // (tenths - 10^k) has its top bit set exactly when tenths < 10^k. In
  // arithmetic, not comparisons, which the compiler turns into branches
  // that mispredict on numbers of mixed lengths.
  const std::uint64_t wide = tenths;
  const auto padding = static_cast<unsigned>(((wide - 100000) >> 63) + ((wide - 10000) >> 63) +
                                             ((wide - 1000) >> 63) + ((wide - 100) >> 63));
  word >>= 8 * padding;
  std::memcpy(out, &word, 8);
  return out + 7 - padding;
}

// The separator as the table shows it: a "," would be read as the comma
// between a place's two numbers.
inline char ShownSeparator(char separator) { return separator == ',' ? '.' : separator; }

// The cases not written inline: a float of 2^23 or more (or an infinity or
// a NaN), and a value's tenths.
std::size_t FormatFloat32OneDecimalRest(std::uint32_t bits, char separator, char* out);
std::size_t FormatTenthsRest(bool negative, std::uint64_t tenths, char separator, char* out);

}  // namespace one_decimal_detail

inline std::size_t FormatFloat32OneDecimal(std::uint32_t bits, char separator, char* out) {
  using namespace one_decimal_detail;
  if ((bits >> 23 & 0xFF) < kBiasedTwoTo23) [[likely]] {
    const std::uint64_t tenths = SmallFloat32Tenths(bits);
    const bool negative = (bits >> 31) != 0;
    if constexpr (std::endian::native == std::endian::little) {
      if (tenths < kShortTenths) [[likely]] {
        return static_cast<std::size_t>(ShortTenths(negative, static_cast<std::uint32_t>(tenths),
                                                    ShownSeparator(separator), out) -
                                        out);
      }
    }
    return FormatTenthsRest(negative, tenths, ShownSeparator(separator), out);
  }
  return FormatFloat32OneDecimalRest(bits, separator, out);
}

inline std::size_t FormatSwitchTimeOneDecimal(std::int32_t ticks, char separator, char* out) {
  using namespace one_decimal_detail;
  // |t / 15| * 10 = 2|t| / 3 never ends in a half, so rounding to nearest
  // is (2|t| + 1) div 3.
  const std::uint64_t magnitude =
      ticks < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(ticks))
                : static_cast<std::uint64_t>(ticks);
  const std::uint64_t tenths = (2 * magnitude + 1) / 3;
  if constexpr (std::endian::native == std::endian::little) {
    if (tenths < kShortTenths) [[likely]] {
      return static_cast<std::size_t>(ShortTenths(ticks < 0, static_cast<std::uint32_t>(tenths),
                                                  ShownSeparator(separator), out) -
                                      out);
    }
  }
  return FormatTenthsRest(ticks < 0, tenths, ShownSeparator(separator), out);
}

}  // namespace kovrant
