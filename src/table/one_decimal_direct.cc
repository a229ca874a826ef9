// The one-decimal format for the two kinds of value the table passes,
// computed straight from their integers.
//
// For a float32 and for an int32 / 15 below 10^18 the format equals the
// exact value rounded to one decimal place, halves away from zero (see the
// contract in one_decimal.h). Here that rule is applied with a few integer
// operations; infinities, NaNs and floats of 2^56 and more take the general
// path. tools/one_decimal_exhaustive checks both functions against it for
// every input.
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

}  // namespace

std::size_t FormatFloat32OneDecimal(std::uint32_t bits, char separator, char* out) {
  std::uint64_t tenths;
  if (!Float32Tenths(bits, &tenths)) return FormatOneDecimal(WidenFloat32(bits), separator, out);
  const char shown = separator == ',' ? '.' : separator;
  return static_cast<std::size_t>(
      decimal_digits::WriteTenths((bits >> 31) != 0, tenths, shown, out) - out);
}

std::size_t FormatSwitchTimeOneDecimal(std::int32_t ticks, char separator, char* out) {
  // |t / 15| * 10 = 2|t| / 3 never ends in a half, so rounding to nearest
  // is (2|t| + 1) div 3.
  const std::uint64_t magnitude =
      ticks < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(ticks))
                : static_cast<std::uint64_t>(ticks);
  const char shown = separator == ',' ? '.' : separator;
  return static_cast<std::size_t>(
      decimal_digits::WriteTenths(ticks < 0, (2 * magnitude + 1) / 3, shown, out) - out);
}

}  // namespace kovrant
