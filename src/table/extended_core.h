// The integer kernels behind the extended-precision arithmetic: 64x64->128
// multiplication, 128/64 division, and correctly rounded multiply and divide
// of normalised significands with an unbounded exponent.
//
// The one-decimal format uses them directly on its hot path, where every
// intermediate value is known to be finite and in range; the reference
// arithmetic for tests and tools (testkit/extended_reference.h) builds the
// full operations on 80-bit values from the same kernels.
#pragma once

#include <cstdint>

namespace kovrant::extended_core {

struct Uint128 {
  uint64_t high = 0;
  uint64_t low = 0;
};

struct QuotientRemainder {
  uint64_t quotient = 0;
  uint64_t remainder = 0;
};

// Schoolbook product on 32-bit halves; used where the compiler has no 128-bit
// integer (32-bit targets such as i686 MinGW).
constexpr Uint128 MultiplyPortable(uint64_t a, uint64_t b) {
  const uint64_t a_low = a & 0xFFFFFFFFu;
  const uint64_t a_high = a >> 32;
  const uint64_t b_low = b & 0xFFFFFFFFu;
  const uint64_t b_high = b >> 32;
  const uint64_t low_low = a_low * b_low;
  const uint64_t high_low = a_high * b_low;
  const uint64_t low_high = a_low * b_high;
  const uint64_t high_high = a_high * b_high;
  // Cannot overflow: (2^32-1)^2 + 2 * (2^32-1) = 2^64 - 1.
  const uint64_t cross = (low_low >> 32) + (high_low & 0xFFFFFFFFu) + low_high;
  return {high_high + (high_low >> 32) + (cross >> 32), (cross << 32) | (low_low & 0xFFFFFFFFu)};
}

// floor((high * 2^64 + low) / divisor) and the remainder, for a normalised
// divisor (bit 63 set) and high < divisor, so that the quotient fits in 64
// bits. Two rounds of long division by 32-bit digits (Knuth's algorithm D as
// in Hacker's Delight "divlu"); each trial digit is at most two too large.
constexpr QuotientRemainder DivideNormalizedPortable(uint64_t high, uint64_t low,
                                                     uint64_t divisor) {
  constexpr uint64_t kDigit = uint64_t{1} << 32;
  const uint64_t divisor_high = divisor >> 32;
  const uint64_t divisor_low = divisor & 0xFFFFFFFFu;
  const uint64_t low_high = low >> 32;
  const uint64_t low_low = low & 0xFFFFFFFFu;

  uint64_t q1 = high / divisor_high;
  uint64_t r = high - q1 * divisor_high;
  while (q1 >= kDigit || q1 * divisor_low > ((r << 32) | low_high)) {
    --q1;
    r += divisor_high;
    if (r >= kDigit) break;
  }
  // The partial remainder is below the divisor; wrap-around is intended.
  const uint64_t partial = (high << 32) + low_high - q1 * divisor;

  uint64_t q0 = partial / divisor_high;
  r = partial - q0 * divisor_high;
  while (q0 >= kDigit || q0 * divisor_low > ((r << 32) | low_low)) {
    --q0;
    r += divisor_high;
    if (r >= kDigit) break;
  }
  return {(q1 << 32) | q0, (partial << 32) + low_low - q0 * divisor};
}

#ifdef __SIZEOF_INT128__
__extension__ using NativeUint128 = unsigned __int128;

constexpr Uint128 Multiply(uint64_t a, uint64_t b) {
  const NativeUint128 product = static_cast<NativeUint128>(a) * b;
  return {static_cast<uint64_t>(product >> 64), static_cast<uint64_t>(product)};
}

constexpr QuotientRemainder DivideNormalized(uint64_t high, uint64_t low, uint64_t divisor) {
  const NativeUint128 dividend = (static_cast<NativeUint128>(high) << 64) | low;
  const auto quotient = static_cast<uint64_t>(dividend / divisor);
  return {quotient, low - quotient * divisor};
}
#else
constexpr Uint128 Multiply(uint64_t a, uint64_t b) { return MultiplyPortable(a, b); }

constexpr QuotientRemainder DivideNormalized(uint64_t high, uint64_t low, uint64_t divisor) {
  return DivideNormalizedPortable(high, low, divisor);
}
#endif

// A finite non-zero magnitude: significand * 2^(exponent - 63), with bit 63 of
// the significand set. The exponent is not limited to the 80-bit range.
struct Magnitude {
  uint64_t significand = 0;
  int32_t exponent = 0;
};

// What lies below the last bit of a truncated result, in units of that bit.
enum class Rest : uint8_t { kZero, kBelowHalf, kHalf, kAboveHalf };

// An exact result cut to 64 significant bits, with its rest: enough to round
// it at that bit or at any higher one.
struct Truncated {
  Magnitude magnitude;
  Rest rest = Rest::kZero;
};

// The rest of a fraction given as its 64 bits below the binary point.
constexpr Rest RestOfFraction(uint64_t fraction) {
  constexpr uint64_t kHalf = uint64_t{1} << 63;
  if (fraction == 0) return Rest::kZero;
  if (fraction < kHalf) return Rest::kBelowHalf;
  return fraction == kHalf ? Rest::kHalf : Rest::kAboveHalf;
}

constexpr Truncated MultiplyTruncated(Magnitude a, Magnitude b) {
  Uint128 product = Multiply(a.significand, b.significand);
  // Two significands in [2^63, 2^64) give a product in [2^126, 2^128).
  int32_t exponent = a.exponent + b.exponent + 1;
  if ((product.high >> 63) == 0) {
    product.high = (product.high << 1) | (product.low >> 63);
    product.low <<= 1;
    --exponent;
  }
  return {{product.high, exponent}, RestOfFraction(product.low)};
}

constexpr Truncated DivideTruncated(Magnitude dividend, Magnitude divisor) {
  // Scale the dividend so that the quotient lands in [2^63, 2^64).
  int32_t exponent = dividend.exponent - divisor.exponent;
  uint64_t high = dividend.significand;
  uint64_t low = 0;
  if (dividend.significand < divisor.significand) {
    --exponent;
  } else {
    low = high << 63;
    high >>= 1;
  }
  const QuotientRemainder division = DivideNormalized(high, low, divisor.significand);
  // Compare remainder / divisor with 1/2 without doubling the remainder.
  const uint64_t r = division.remainder;
  const uint64_t other = divisor.significand - r;
  const Rest rest = r == 0       ? Rest::kZero
                    : r < other  ? Rest::kBelowHalf
                    : r == other ? Rest::kHalf
                                 : Rest::kAboveHalf;
  return {{division.quotient, exponent}, rest};
}

// Round to nearest, ties to even, keeping all 64 bits.
constexpr Magnitude RoundNearestEven(const Truncated& value) {
  Magnitude result = value.magnitude;
  const bool up = value.rest == Rest::kAboveHalf ||
                  (value.rest == Rest::kHalf && (result.significand & 1) != 0);
  if (up && ++result.significand == 0) {
    result.significand = uint64_t{1} << 63;
    ++result.exponent;
  }
  return result;
}

constexpr Magnitude Multiply(Magnitude a, Magnitude b) {
  return RoundNearestEven(MultiplyTruncated(a, b));
}

constexpr Magnitude Divide(Magnitude dividend, Magnitude divisor) {
  return RoundNearestEven(DivideTruncated(dividend, divisor));
}

// Rounds to an integer (nearest, ties to even) and returns it; the value must
// be below 2^63 (exponent <= 62), so the result fits.
constexpr uint64_t RoundToUint64NearestEven(Magnitude value) {
  if (value.exponent < -1) return 0;  // below 1/2
  if (value.exponent == -1) {
    // [1/2, 1): exactly 1/2 goes to the even 0, anything above to 1.
    return value.significand == (uint64_t{1} << 63) ? 0 : 1;
  }
  const int shift = 63 - value.exponent;  // number of fraction bits, 1..63
  const uint64_t integer = value.significand >> shift;
  const uint64_t fraction = value.significand << (64 - shift);
  const Rest rest = RestOfFraction(fraction);
  const bool up = rest == Rest::kAboveHalf || (rest == Rest::kHalf && (integer & 1) != 0);
  return integer + (up ? 1 : 0);
}

}  // namespace kovrant::extended_core
