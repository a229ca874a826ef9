// The one-decimal format. The digit generation reproduces, bit for bit, what
// an x87 FPU computes in 64-bit precision, round to nearest (see the contract
// in one_decimal.h); the arithmetic comes from extended_core.h and runs on
// integers only.
#include "table/one_decimal.h"

#include <bit>
#include <cstring>

#include "table/decimal_digits.h"
#include "table/extended_core.h"
#include "table/field_schema.h"
#include "table/powers_of_ten.h"

namespace kovrant {
namespace {

using extended_core::Magnitude;

using decimal_digits::kPowersOfTen;
using decimal_digits::WriteDigits;
using decimal_digits::WriteUnsigned;

static_assert(kPowersOfTen[kOneDecimalGeneratedDigits] == kOneDecimalScientificFrom);

constexpr Magnitude MagnitudeOf(const Extended& normal) {
  return {normal.significand, static_cast<int32_t>(normal.biased_exponent) - kExtendedBias};
}

// The 18-digit decimal form: |value| ~ digits * 10^(exponent - 18), digits
// below 10^18. The exponent estimate is exact for binary exponents |b| < 681
// (every single). From b = 681 up it can be one too small, which the S >= 10^18
// step corrects; from b = -681 down one too large, so that digits keeps a
// leading zero: that only moves the rounding position along with the value,
// and such values (below 10^-204) all render as zero anyway.
struct DecimalForm {
  uint64_t digits;
  int exponent;
};

// S / 10 rounded to 64 significant bits, then to an integer, both ties to
// even, for an integer S. With q = S div 10 below 2^61, the significand keeps
// at least 3 bits of r/10 (r = S mod 10): the first rounding never ties
// (r * 2^k / 10 is never an odd multiple of 1/2), stays below 1, and lands
// exactly on 1/2 only for r = 5 (below it for r <= 4, above for r >= 6). So
// the two roundings together are q + (r > 5 or r = 5 and q odd).
uint64_t DivideBy10TwiceRounded(uint64_t s) {
  const uint64_t q = s / 10;
  const uint64_t r = s % 10;
  if (q < (uint64_t{1} << 61)) return q + ((r > 5 || (r == 5 && (q & 1) != 0)) ? 1 : 0);
  constexpr Magnitude kTen = MagnitudeOf(powers_of_ten::kUnits[1]);
  const int shift = std::countl_zero(s);
  const Magnitude quotient = extended_core::Divide({s << shift, 63 - shift}, kTen);
  return extended_core::RoundToUint64NearestEven(quotient);
}

DecimalForm EighteenDigits(Magnitude value) {
  // floor(b * log10(2)) + 1, with log10(2) ~ 19728 / 65536; >> rounds toward
  // minus infinity on negative values.
  int exponent = ((value.exponent * 19728) >> 16) + 1;
  const int power = kOneDecimalGeneratedDigits - exponent;
  const unsigned n = static_cast<unsigned>(power < 0 ? -power : power);
  Magnitude s = value;
  const auto apply = [&s, power](const Extended& factor) {
    s = power > 0 ? extended_core::Multiply(s, MagnitudeOf(factor))
                  : extended_core::Divide(s, MagnitudeOf(factor));
  };
  if (n % 32 != 0) apply(powers_of_ten::kUnits[n % 32]);
  if ((n / 32) % 16 != 0) apply(powers_of_ten::kThirtyTwos[(n / 32) % 16]);
  if (n / 512 != 0) apply(powers_of_ten::kFiveHundredTwelves[n / 512]);

  // s is now below 2.4 * 10^18 (< 2^62): |value| < 2^(b+1) and the exponent
  // estimate falls short by less than 0.08 decades even at b = 16383.
  uint64_t digits = extended_core::RoundToUint64NearestEven(s);
  if (digits >= kOneDecimalScientificFrom) {
    digits = DivideBy10TwiceRounded(digits);
    ++exponent;
  }
  return {digits, exponent};
}

char* WriteText(const char* text, char* out) {
  const std::size_t length = std::strlen(text);
  std::memcpy(out, text, length);
  return out + length;
}

// Fixed form for a decimal exponent of at most 18.
char* WriteFixed(bool negative, const DecimalForm& form, char separator, char* out) {
  // Rounding to one decimal place keeps q = E + 1 digits; digit q + 1 decides,
  // halves away from zero. Counted in tenths, the kept digits are the value
  // itself, and a carry out of the first digit needs no special case.
  const int kept = form.exponent + 1;
  uint64_t tenths = 0;
  if (kept >= kOneDecimalGeneratedDigits) {
    tenths = form.exponent == 17 ? form.digits : form.digits * 10;  // no rounding
  } else if (kept >= 0) {
    const uint64_t unit = kPowersOfTen[kOneDecimalGeneratedDigits - kept];
    tenths = form.digits / unit + (form.digits % unit >= 5 * (unit / 10) ? 1 : 0);
  }
  // A value that rounds to zero loses its sign.
  return decimal_digits::WriteTenths(negative, tenths, separator, out);
}

// Scientific form for a decimal exponent above 18: 15 significant digits,
// halves away from zero, trailing zeros dropped, exponent E - 1.
char* WriteScientific(bool negative, DecimalForm form, char separator, char* out) {
  constexpr int kDropped = kOneDecimalGeneratedDigits - kOneDecimalScientificDigits;
  uint64_t kept = form.digits / kPowersOfTen[kDropped];
  if ((form.digits / kPowersOfTen[kDropped - 1]) % 10 >= 5) ++kept;
  if (kept == kPowersOfTen[kOneDecimalScientificDigits]) {
    // Carry out of the first digit: the single digit 1, one decade up.
    kept = kPowersOfTen[kOneDecimalScientificDigits - 1];
    ++form.exponent;
  }
  int count = kOneDecimalScientificDigits;
  while (count > 1 && kept % 10 == 0) {
    kept /= 10;
    --count;
  }
  if (negative) *out++ = '-';
  const uint64_t tail_unit = kPowersOfTen[count - 1];
  *out++ = static_cast<char>('0' + kept / tail_unit);
  if (count > 1) {
    *out++ = separator;
    out = WriteDigits(kept % tail_unit, count - 1, out);
  }
  *out++ = 'E';
  return WriteUnsigned(static_cast<uint64_t>(form.exponent - 1), out);
}

}  // namespace

std::size_t FormatOneDecimal(const Extended& value, char separator, char* out) {
  // The text contains no comma other than the separator, so turning every
  // "," of it into "." is the same as turning a "," separator into ".".
  separator = ShownSeparator(separator);
  char* const start = out;
  constexpr uint64_t kIntegerBit = uint64_t{1} << 63;
  if (value.biased_exponent == kExtendedMaxExponent) {
    const bool nan = (value.significand & kIntegerBit) != 0 && value.significand != kIntegerBit;
    if (nan) return static_cast<std::size_t>(WriteText("NAN", out) - start);
    return static_cast<std::size_t>(WriteText(value.negative ? "-INF" : "INF", out) - start);
  }
  if (value.biased_exponent == 0) {
    // Zeros and denormals: the zero decimal form, no sign, in fixed form.
    out = WriteFixed(false, {0, 0}, separator, out);
    return static_cast<std::size_t>(out - start);
  }
  if ((value.significand & kIntegerBit) == 0) {
    // Unnormals: the FPU refuses them as operands; like the non-finite
    // encodings without the integer bit they are shown as infinities.
    return static_cast<std::size_t>(WriteText(value.negative ? "-INF" : "INF", out) - start);
  }
  const DecimalForm form = EighteenDigits(MagnitudeOf(value));
  if (form.exponent > kOneDecimalGeneratedDigits) {
    out = WriteScientific(value.negative, form, separator, out);
  } else {
    out = WriteFixed(value.negative, form, separator, out);
  }
  return static_cast<std::size_t>(out - start);
}

std::string FormatOneDecimal(const Extended& value, char separator) {
  char buffer[kOneDecimalMaxLength];
  return std::string(buffer, FormatOneDecimal(value, separator, buffer));
}

}  // namespace kovrant
