// The one-decimal format for the two kinds of value the table passes,
// computed straight from their integers.
//
// For a float32 and for an int32 / 15 below 10^18 the format equals the
// exact value rounded to one decimal place, halves away from zero (see the
// contract in one_decimal.h). Here that rule is applied with a few integer
// operations; infinities, NaNs and floats of 2^56 and more take the general
// path. tools/one_decimal_exhaustive checks both functions against it for
// every input.
#include <bit>
#include <cstring>

#include "table/decimal_digits.h"
#include "table/one_decimal.h"

namespace kovrant {
namespace {

// |value| * 10 rounded half away from zero, for the float32 `bits`; false
// when the value is left to the general path.
bool Float32Tenths(std::uint32_t bits, std::uint64_t* tenths) {
  const int biased = static_cast<int>(bits >> 23 & 0xFF);
  if (biased == 0) {  // zeros and denormals, far below half a tenth
    *tenths = 0;
    return true;
  }
  // |value| = m / 2^shift with the 24-bit significand m.
  const std::uint64_t scaled = 10 * (std::uint64_t{bits & 0x7FFFFF} | 0x800000);  // 10 m < 2^28
  const int shift = 150 - biased;
  if (shift <= 0) {
    if (shift < -32) return false;  // 2^56 and more, infinities, NaNs
    *tenths = scaled << -shift;
    return true;
  }
  if (shift > 28) {  // 10 m / 2^shift < 1/2
    *tenths = 0;
    return true;
  }
  const std::uint64_t half = std::uint64_t{1} << (shift - 1);
  *tenths = (scaled >> shift) + ((scaled & (2 * half - 1)) >= half ? 1 : 0);
  return true;
}

// Tenths below this are written by ShortTenths.
constexpr std::uint64_t kShortTenths = 1000000;

// The fixed form of tenths below 10^6 (an integer part of up to five
// digits), the common case of the table, written without a branch on the
// number's length: the five digits of the integer part (zero-padded), the
// separator and the tenths digit are put together in one little-endian word,
// the padding zeros are shifted out and the word is stored whole (8 bytes at
// most 9 bytes from `out`, within the caller's room). A sign is stored
// always and kept when the value did not round to zero. Returns the end.
[[gnu::always_inline]] inline char* ShortTenths(bool negative, std::uint32_t tenths, char separator,
                                                char* out) {
  *out = '-';
  out += negative && tenths != 0 ? 1 : 0;
  const std::uint32_t whole = tenths / 10;
  const std::uint32_t last = tenths - whole * 10;
  const std::uint32_t high = whole / 10000;  // below 10
  const std::uint32_t rest = whole - high * 10000;
  const std::uint32_t middle = rest / 100;
  const std::uint32_t low = rest - middle * 100;
  std::uint16_t middle_pair;
  std::uint16_t low_pair;
  std::memcpy(&middle_pair, decimal_digits::kDigitPairs + 2 * middle, 2);
  std::memcpy(&low_pair, decimal_digits::kDigitPairs + 2 * low, 2);
  std::uint64_t word =
      std::uint64_t{'0' + high} | std::uint64_t{middle_pair} << 8 | std::uint64_t{low_pair} << 24 |
      std::uint64_t{static_cast<unsigned char>(separator)} << 40 | std::uint64_t{'0' + last} << 48;
  const int padding = 5 - decimal_digits::DecimalLength(whole);
  word >>= 8 * padding;
  std::memcpy(out, &word, 8);
  return out + 7 - padding;
}

// ShortTenths where the word's byte order allows it, else the digit writer.
[[gnu::always_inline]] inline char* WriteTenths(bool negative, std::uint64_t tenths, char separator,
                                                char* out) {
  if constexpr (std::endian::native == std::endian::little) {
    if (tenths < kShortTenths) {
      return ShortTenths(negative, static_cast<std::uint32_t>(tenths), separator, out);
    }
  }
  return decimal_digits::WriteTenths(negative, tenths, separator, out);
}

}  // namespace

std::size_t FormatFloat32OneDecimal(std::uint32_t bits, char separator, char* out) {
  std::uint64_t tenths;
  if (!Float32Tenths(bits, &tenths)) return FormatOneDecimal(WidenFloat32(bits), separator, out);
  const char shown = separator == ',' ? '.' : separator;
  return static_cast<std::size_t>(WriteTenths((bits >> 31) != 0, tenths, shown, out) - out);
}

std::size_t FormatSwitchTimeOneDecimal(std::int32_t ticks, char separator, char* out) {
  // |t / 15| * 10 = 2|t| / 3 never ends in a half, so rounding to nearest
  // is (2|t| + 1) div 3.
  const std::uint64_t magnitude =
      ticks < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(ticks))
                : static_cast<std::uint64_t>(ticks);
  const char shown = separator == ',' ? '.' : separator;
  return static_cast<std::size_t>(WriteTenths(ticks < 0, (2 * magnitude + 1) / 3, shown, out) -
                                  out);
}

}  // namespace kovrant
