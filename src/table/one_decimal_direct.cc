// The cases of the direct one-decimal renderings that one_decimal_direct.h
// does not write inline: floats of 2^23 and more, and tenths of 10^6 and
// more (or any tenths where the machine is not little-endian).
#include "table/one_decimal_direct.h"

#include "table/decimal_digits.h"
#include "table/one_decimal.h"

namespace kovrant::one_decimal_detail {

std::size_t FormatFloat32OneDecimalRest(std::uint32_t bits, char separator, char* out) {
  // |value| >= 2^23 is m * 2^(biased - 150) with the 24-bit significand m,
  // a whole number: its tenths are exact in 64 bits below 2^56. From there
  // on, and for infinities and NaNs, the general path.
  const int shift = static_cast<int>(bits >> 23 & 0xFF) - static_cast<int>(kBiasedTwoTo23);
  if (shift > 32) return FormatOneDecimal(WidenFloat32(bits), separator, out);
  const std::uint64_t tenths = 10 * (std::uint64_t{bits & 0x7FFFFF} | 0x800000) << shift;
  return FormatTenthsRest((bits >> 31) != 0, tenths, ShownSeparator(separator), out);
}

std::size_t FormatTenthsRest(bool negative, std::uint64_t tenths, char separator, char* out) {
  return static_cast<std::size_t>(decimal_digits::WriteTenths(negative, tenths, separator, out) -
                                  out);
}

}  // namespace kovrant::one_decimal_detail
