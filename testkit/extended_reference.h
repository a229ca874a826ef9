// Reference arithmetic on 80-bit extended values, done with integers as the
// x87 FPU would do it. The converter itself needs none of it (its number
// format works on the significands directly); tests, tools and benchmarks
// use it to build values and to check the format against an independent
// computation.
#pragma once

#include <compare>
#include <cstdint>

#include "table/extended.h"

namespace kovrant {

// value / 15.0 computed in extended precision: the exact quotient rounded to
// a 64-bit significand, ties to even.
Extended DivideInt32By15(int32_t value);

// Arithmetic as the x87 FPU does it with precision control at 64 bits, round
// to nearest (ties to even) and every exception masked:
//
// - Finite results are the exact result correctly rounded to a 64-bit
//   significand. Results beyond the largest finite value become infinities;
//   results below the smallest normal value are rounded once, at the last bit
//   of a denormal (gradual underflow), so that tiny results may become zero.
// - Denormal and pseudo-denormal operands are used with their exact value.
// - A NaN operand gives a quiet NaN: a signalling one is quieted; of two NaNs
//   the quiet one wins, and of two of the same kind the one with the larger
//   significand.
// - Invalid operations (0 * inf, 0 / 0, inf / inf) and operands in the
//   encodings the FPU no longer supports (an exponent other than 0 with the
//   integer bit clear: unnormals, pseudo-infinities, pseudo-NaNs) give the
//   "indefinite" quiet NaN, kExtendedIndefinite.
// - Dividing a non-zero finite value by zero gives an infinity.

inline constexpr Extended kExtendedIndefinite{true, kExtendedMaxExponent, 0xC000000000000000u};

// The exact extended value of an integer (every int64 fits a 64-bit
// significand). Zero gives +0.
Extended ExtendedFromInt64(int64_t value);

Extended MultiplyExtended(const Extended& a, const Extended& b);
Extended DivideExtended(const Extended& dividend, const Extended& divisor);

// Rounds to an integer, nearest with ties to even (the FPU's FRNDINT). Zeros,
// infinities and values that are integers already come back unchanged, and a
// value that rounds to zero keeps its sign.
Extended RoundExtendedToInteger(const Extended& value);

// Orders two values numerically: -0 equals +0, denormals compare by value, and
// any NaN or unsupported encoding is unordered with everything.
std::partial_ordering CompareExtended(const Extended& a, const Extended& b);

}  // namespace kovrant
