// The one-decimal number format: every number in the lever table goes
// through here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "table/extended.h"

namespace kovrant {

// Longest text FormatOneDecimal can produce, in bytes (an upper bound; the
// longest actual text, "-1.23456789012345E4931", has 22).
inline constexpr std::size_t kOneDecimalMaxLength = 32;

// Significant decimal digits taken from the binary value before any rounding
// to one decimal place.
inline constexpr int kOneDecimalGeneratedDigits = 18;

// Magnitudes from this value on (as rounded to kOneDecimalGeneratedDigits
// digits) are written in scientific form.
inline constexpr uint64_t kOneDecimalScientificFrom = 1000000000000000000u;  // 10^18

// Significant digits kept by the scientific form.
inline constexpr int kOneDecimalScientificDigits = 15;

// Renders `value` with one decimal digit. `separator` is the decimal
// separator taken from the user's locale (a "," is shown as "."); the texts
// below are shown with ".", another separator takes its place in every form,
// zero included ("0;0").
// Writes at most kOneDecimalMaxLength bytes to `out` (no terminator) and
// returns how many were written.
//
// The text is a pure function of the value and the separator:
//
//   +inf, -inf                 "INF", "-INF"
//   NaN of either sign         "NAN" (a signalling NaN too; nothing traps)
//   biased exponent 0          zero: "0.0" (zeros and all denormals, no sign)
//   integer bit clear          treated as an infinity: "INF" or "-INF"
//   |value| < 10^18            fixed form, e.g. "-12.3", "0.0", "143165576.5"
//   |value| >= 10^18           scientific form, e.g. "1.00000002004088E20"
//
// Digits. The value is first reduced to 18 significant decimal digits with
// the same extended-precision steps the FPU would take (64-bit significand,
// round to nearest with ties to even at each step):
//   E = floor(b * 19728 / 65536) + 1, b the binary exponent of |value|;
//   S = |value| * 10^(18 - E), the power applied as up to three factors
//       10^(n mod 32), 10^(32 * ((n div 32) mod 16)), 10^(512 * (n div 512))
//       (n = |18 - E|; multiplied when 18 - E > 0, divided when negative),
//       each factor the nearest extended value, each step rounded;
//   S rounded to an integer; if S >= 10^18, S = S / 10 and E = E + 1; S
//       rounded to an integer again; its 18 digits d1..d18 mean
//       0.d1d2...d18 * 10^E.
// These digits are then rounded with halves going away from zero, deciding
// on one digit only: to one place after the decimal point in fixed form, to
// 15 significant digits in scientific form. So 0.25 gives "0.3", -0.25 gives
// "-0.3", and a negative value that rounds to zero gives "0.0" with no sign.
// For every float32 (widened exactly) and every int32 / 15 below 10^18 this
// equals the exact binary value rounded to one decimal place, halves away
// from zero; in scientific form the 18-digit step can decide the 15th digit.
//
// Fixed form: an optional "-", the integer part without leading zeros (at
// least "0"), the separator, one digit.
// Scientific form: an optional "-", the first digit, then the separator and
// the remaining digits if any are left after trailing zeros are dropped,
// then "E" and the decimal exponent (always 18 or more, no sign).
//
// The arithmetic is done with integers; the result does not depend on the
// compiler's long double, and the floating-point environment is neither read
// nor changed.
std::size_t FormatOneDecimal(const Extended& value, char separator, char* out);

// The same text for the two kinds of value the lever table holds, computed
// directly from their integers (several times faster):
//   FormatFloat32OneDecimal(bits) == FormatOneDecimal(WidenFloat32(bits))
//   FormatSwitchTimeOneDecimal(t) == FormatOneDecimal(DivideInt32By15(t))
// for every bit pattern and every int32 (checked exhaustively by
// tools/one_decimal_exhaustive). Unlike FormatOneDecimal they may store
// scratch bytes after the text: `out` must have room for
// kOneDecimalMaxLength bytes. Their common case is inline, in
// one_decimal_direct.h (included below):
//   std::size_t FormatFloat32OneDecimal(std::uint32_t bits, char separator, char* out);
//   std::size_t FormatSwitchTimeOneDecimal(std::int32_t ticks, char separator, char* out);

// Convenience form for tests and tools.
std::string FormatOneDecimal(const Extended& value, char separator = '.');

}  // namespace kovrant

#include "table/one_decimal_direct.h"
