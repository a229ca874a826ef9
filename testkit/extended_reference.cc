// Reference 80-bit extended arithmetic on top of the integer kernels in
// extended_core.h: classification of the encodings, special operands, and
// rounding into the 80-bit range.
#include "extended_reference.h"

#include <bit>

#include "table/extended_core.h"

namespace kovrant {
namespace {

using extended_core::Magnitude;
using extended_core::Rest;
using extended_core::Truncated;

constexpr uint64_t kIntegerBit = uint64_t{1} << 63;
constexpr uint64_t kQuietBit = uint64_t{1} << 62;

enum class Kind { kZero, kFinite, kInfinity, kQuietNan, kSignallingNan, kUnsupported };

Kind Classify(const Extended& x) {
  const bool integer_bit = (x.significand & kIntegerBit) != 0;
  if (x.biased_exponent == 0) return x.significand == 0 ? Kind::kZero : Kind::kFinite;
  if (!integer_bit) return Kind::kUnsupported;
  if (x.biased_exponent != kExtendedMaxExponent) return Kind::kFinite;
  if (x.significand == kIntegerBit) return Kind::kInfinity;
  return (x.significand & kQuietBit) != 0 ? Kind::kQuietNan : Kind::kSignallingNan;
}

bool IsNan(Kind kind) { return kind == Kind::kQuietNan || kind == Kind::kSignallingNan; }

// Exact magnitude of a finite non-zero value. Denormals (biased exponent 0)
// share the exponent of the smallest normal value.
Magnitude Unpack(const Extended& x) {
  const int32_t biased = x.biased_exponent == 0 ? 1 : x.biased_exponent;
  const int shift = std::countl_zero(x.significand);
  return {x.significand << shift, biased - kExtendedBias - shift};
}

Extended Zero(bool negative) { return {negative, 0, 0}; }
Extended Infinity(bool negative) { return {negative, kExtendedMaxExponent, kIntegerBit}; }

// Rounds an exact result into the 80-bit format: overflow gives an infinity,
// results below the normal range are rounded at the last bit of a denormal.
Extended Pack(bool negative, const Truncated& exact) {
  const int32_t biased = exact.magnitude.exponent + kExtendedBias;
  if (biased >= 1) {
    const Magnitude rounded = extended_core::RoundNearestEven(exact);
    const int32_t rounded_biased = rounded.exponent + kExtendedBias;
    if (rounded_biased >= kExtendedMaxExponent) return Infinity(negative);
    return {negative, static_cast<uint16_t>(rounded_biased), rounded.significand};
  }
  const uint64_t full = exact.magnitude.significand;
  const int shift = 1 - biased;  // bits that drop below the denormal's last bit
  uint64_t significand = 0;
  bool round_bit = false;
  bool sticky = exact.rest != Rest::kZero;
  if (shift < 64) {
    significand = full >> shift;
    round_bit = ((full >> (shift - 1)) & 1) != 0;
    sticky = sticky || (full & ((uint64_t{1} << (shift - 1)) - 1)) != 0;
  } else if (shift == 64) {
    round_bit = true;  // the integer bit
    sticky = sticky || (full << 1) != 0;
  } else {
    sticky = true;
  }
  if (round_bit && (sticky || (significand & 1) != 0)) ++significand;
  // A carry into bit 63 yields the smallest normal value, biased exponent 1.
  return {negative, static_cast<uint16_t>(significand >> 63), significand};
}

Extended Quieted(const Extended& nan) {
  return {nan.negative, nan.biased_exponent, nan.significand | kQuietBit};
}

// The x87 rule for an operation with at least one NaN operand.
Extended PropagateNan(const Extended& a, Kind a_kind, const Extended& b, Kind b_kind) {
  if (!IsNan(b_kind)) return Quieted(a);
  if (!IsNan(a_kind)) return Quieted(b);
  if (a_kind != b_kind) return a_kind == Kind::kQuietNan ? a : b;
  return Quieted(a.significand >= b.significand ? a : b);
}

}  // namespace

Extended ExtendedFromInt64(int64_t value) {
  if (value == 0) return Zero(false);
  const bool negative = value < 0;
  const uint64_t magnitude =
      negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  const int shift = std::countl_zero(magnitude);
  return {negative, static_cast<uint16_t>(kExtendedBias + 63 - shift), magnitude << shift};
}

// |value| / 15 = q + r / 15, and since 15 = 2^4 - 1 the fraction r / 15 is,
// in binary, the 4-bit group r repeated forever (1/15 = 0.000100010001...).
// So the quotient's bits are those of q followed by that pattern, and the
// first bit cut off decides the rounding on its own: a tie is impossible, as
// the bits after it repeat r != 0. Same result as DivideExtended(value, 15),
// without a 128-bit division.
Extended DivideInt32By15(int32_t value) {
  if (value == 0) return Zero(false);
  const bool negative = value < 0;
  const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(static_cast<int64_t>(value))
                                      : static_cast<uint64_t>(value);
  const uint64_t q = magnitude / 15;
  const uint64_t r = magnitude % 15;
  const uint64_t pattern = r * 0x1111111111111111u;  // the first 64 fraction bits
  uint64_t significand;
  int exponent;
  bool round_up;
  if (q != 0) {
    const int integer_bits = 64 - std::countl_zero(q);  // at most 28
    significand = (q << (64 - integer_bits)) | (pattern >> integer_bits);
    round_up = ((pattern >> (integer_bits - 1)) & 1) != 0;
    exponent = integer_bits - 1;
  } else {
    // Below 1: skip the pattern's leading zeros; as it repeats every 4 bits,
    // shifting it left is a rotation.
    const int zeros = std::countl_zero(pattern);  // 0..3
    significand = std::rotl(pattern, zeros);
    round_up = ((pattern >> (63 - zeros)) & 1) != 0;
    exponent = -1 - zeros;
  }
  // No carry out of the significand: it would need 64 one bits, and r < 15.
  significand += round_up ? 1 : 0;
  return {negative, static_cast<uint16_t>(kExtendedBias + exponent), significand};
}

Extended MultiplyExtended(const Extended& a, const Extended& b) {
  const Kind a_kind = Classify(a);
  const Kind b_kind = Classify(b);
  const bool negative = a.negative != b.negative;
  if (a_kind == Kind::kUnsupported || b_kind == Kind::kUnsupported) return kExtendedIndefinite;
  if (IsNan(a_kind) || IsNan(b_kind)) return PropagateNan(a, a_kind, b, b_kind);
  if (a_kind == Kind::kInfinity || b_kind == Kind::kInfinity) {
    if (a_kind == Kind::kZero || b_kind == Kind::kZero) return kExtendedIndefinite;
    return Infinity(negative);
  }
  if (a_kind == Kind::kZero || b_kind == Kind::kZero) return Zero(negative);
  return Pack(negative, extended_core::MultiplyTruncated(Unpack(a), Unpack(b)));
}

Extended DivideExtended(const Extended& dividend, const Extended& divisor) {
  const Kind a_kind = Classify(dividend);
  const Kind b_kind = Classify(divisor);
  const bool negative = dividend.negative != divisor.negative;
  if (a_kind == Kind::kUnsupported || b_kind == Kind::kUnsupported) return kExtendedIndefinite;
  if (IsNan(a_kind) || IsNan(b_kind)) return PropagateNan(dividend, a_kind, divisor, b_kind);
  if (a_kind == Kind::kInfinity) {
    return b_kind == Kind::kInfinity ? kExtendedIndefinite : Infinity(negative);
  }
  if (b_kind == Kind::kInfinity) return Zero(negative);
  if (b_kind == Kind::kZero)
    return a_kind == Kind::kZero ? kExtendedIndefinite : Infinity(negative);
  if (a_kind == Kind::kZero) return Zero(negative);
  return Pack(negative, extended_core::DivideTruncated(Unpack(dividend), Unpack(divisor)));
}

Extended RoundExtendedToInteger(const Extended& value) {
  switch (Classify(value)) {
    case Kind::kZero:
    case Kind::kInfinity:
      return value;
    case Kind::kQuietNan:
    case Kind::kSignallingNan:
      return Quieted(value);
    case Kind::kUnsupported:
      return kExtendedIndefinite;
    case Kind::kFinite:
      break;
  }
  const Magnitude magnitude = Unpack(value);
  if (magnitude.exponent >= 63) return value;  // no fraction bits left
  const uint64_t integer = extended_core::RoundToUint64NearestEven(magnitude);
  if (integer == 0) return Zero(value.negative);
  const int shift = std::countl_zero(integer);
  return {value.negative, static_cast<uint16_t>(kExtendedBias + 63 - shift), integer << shift};
}

std::partial_ordering CompareExtended(const Extended& a, const Extended& b) {
  const Kind a_kind = Classify(a);
  const Kind b_kind = Classify(b);
  const auto unordered = [](Kind kind) { return IsNan(kind) || kind == Kind::kUnsupported; };
  if (unordered(a_kind) || unordered(b_kind)) return std::partial_ordering::unordered;
  // Signed key: zero, then magnitudes ordered by (exponent, significand).
  struct Key {
    int sign;  // -1, 0 or +1
    int32_t exponent;
    uint64_t significand;
  };
  const auto key = [](const Extended& x, Kind kind) -> Key {
    if (kind == Kind::kZero) return {0, 0, 0};
    const int sign = x.negative ? -1 : 1;
    if (kind == Kind::kInfinity) return {sign, INT32_MAX, 0};
    const Magnitude m = Unpack(x);
    return {sign, m.exponent, m.significand};
  };
  const Key ka = key(a, a_kind);
  const Key kb = key(b, b_kind);
  if (ka.sign != kb.sign) return ka.sign <=> kb.sign;
  if (ka.sign == 0) return std::partial_ordering::equivalent;
  std::partial_ordering magnitude =
      ka.exponent != kb.exponent ? ka.exponent <=> kb.exponent : ka.significand <=> kb.significand;
  return ka.sign > 0 ? magnitude : 0 <=> magnitude;
}

}  // namespace kovrant
