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

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "table/field_schema.h"

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

// The digit pairs 00 to 99 placed in a word of the short fixed form: as
// the integer part's first, second and last two digits (bytes 0-1, 2-3, and
// 4 with the tenths digit at 6, byte 5 left for the separator).
template <int kShift, int kSecondShift>
inline constexpr auto kPairWords = [] {
  std::array<std::uint64_t, 100> words{};
  for (std::size_t pair = 0; pair < words.size(); ++pair) {
    words[pair] = std::uint64_t{'0' + pair / 10} << kShift | std::uint64_t{'0' + pair % 10}
                                                                 << kSecondShift;
  }
  return words;
}();

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
// zero. `separator_word` holds the separator in byte 5. Returns the end.
[[gnu::always_inline]] inline char* ShortTenths(bool negative, std::uint32_t tenths,
                                                std::uint64_t separator_word, char* out) {
  *out = '-';
  out += negative && tenths != 0 ? 1 : 0;
  std::uint64_t fraction = std::uint64_t{tenths} * 429497;
  const auto high = static_cast<std::size_t>(fraction >> 32);
  fraction = (fraction & 0xFFFFFFFF) * 100;
  const auto middle = static_cast<std::size_t>(fraction >> 32);
  fraction = (fraction & 0xFFFFFFFF) * 100;
  const auto low = static_cast<std::size_t>(fraction >> 32);
  std::uint64_t word = kPairWords<0, 8>[high] | kPairWords<16, 24>[middle] |
                       kPairWords<32, 48>[low] | separator_word;
  // Leading zeros of the integer part, which keeps at least one digit: the
  // lowest non-zero byte among the first four digits, less '0' (byte 4
  // stands for the digit always kept). No branch on the length, which would
  // mispredict on numbers of mixed lengths.
  const int zero_bits =
      std::countr_zero(((word ^ 0x30303030u) & 0xFFFFFFFFu) | std::uint64_t{1} << 32);
  word >>= zero_bits & ~7;
  std::memcpy(out, &word, 8);
  return out + 7 - (zero_bits >> 3);
}

// The cases not written inline: a float of 2^23 or more (or an infinity or
// a NaN), and a value's tenths.
std::size_t FormatFloat32OneDecimalRest(std::uint32_t bits, char separator, char* out);
std::size_t FormatTenthsRest(bool negative, std::uint64_t tenths, char separator, char* out);

}  // namespace one_decimal_detail

// The two renderings for one decimal separator, what depends on it worked
// out once: the table writer renders up to six numbers a row.
class DirectOneDecimal {
 public:
  explicit DirectOneDecimal(char separator)
      : separator_(separator),
        shown_(ShownSeparator(separator)),
        separator_word_(std::uint64_t{static_cast<unsigned char>(shown_)} << 40) {}

  // Write the text at `out`, which must have room for kOneDecimalMaxLength
  // bytes (scratch bytes may follow the text); return its end.
  char* Float32(std::uint32_t bits, char* out) const {
    using namespace one_decimal_detail;
    if ((bits >> 23 & 0xFF) < kBiasedTwoTo23) [[likely]] {
      const std::uint64_t tenths = SmallFloat32Tenths(bits);
      return Tenths((bits >> 31) != 0, tenths, out);
    }
    return out + FormatFloat32OneDecimalRest(bits, separator_, out);
  }
  char* SwitchTime(std::int32_t ticks, char* out) const {
    // |t / 15| * 10 = 2|t| / 3 never ends in a half, so rounding to nearest
    // is (2|t| + 1) div 3.
    const std::uint64_t magnitude =
        ticks < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(ticks))
                  : static_cast<std::uint64_t>(ticks);
    return Tenths(ticks < 0, (2 * magnitude + 1) / 3, out);
  }

 private:
  char* Tenths(bool negative, std::uint64_t tenths, char* out) const {
    using namespace one_decimal_detail;
    if constexpr (std::endian::native == std::endian::little) {
      if (tenths < kShortTenths) [[likely]] {
        return ShortTenths(negative, static_cast<std::uint32_t>(tenths), separator_word_, out);
      }
    }
    return out + FormatTenthsRest(negative, tenths, shown_, out);
  }

  char separator_;
  char shown_;
  std::uint64_t separator_word_;
};

inline std::size_t FormatFloat32OneDecimal(std::uint32_t bits, char separator, char* out) {
  return static_cast<std::size_t>(DirectOneDecimal(separator).Float32(bits, out) - out);
}

inline std::size_t FormatSwitchTimeOneDecimal(std::int32_t ticks, char separator, char* out) {
  return static_cast<std::size_t>(DirectOneDecimal(separator).SwitchTime(ticks, out) - out);
}

}  // namespace kovrant
