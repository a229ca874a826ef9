// A second implementation of the one-decimal format that does its arithmetic
// on the x87 FPU through `long double`, for checking the software one.
//
// Only where long double is the 80-bit extended format (LDBL_MANT_DIG == 64:
// x86 with g++ or clang); elsewhere KOVRANT_HAVE_X87_REFERENCE is 0 and the
// checks that need it skip. The FPU must be in its default state: precision
// control at 64 bits, round to nearest, exceptions masked (see
// x87::FpuIsInDefaultMode).
//
// The arithmetic follows the same steps with the same power-of-ten constants
// (their bits copied into long doubles); everything after the 18 digits is a
// literal, digit-string transcription of the rounding and layout rules,
// written independently of the optimised formatter.
#pragma once

#include <cfloat>

#if LDBL_MANT_DIG == 64 && (defined(__x86_64__) || defined(__i386__))
#define KOVRANT_HAVE_X87_REFERENCE 1
#else
#define KOVRANT_HAVE_X87_REFERENCE 0
#endif

#if KOVRANT_HAVE_X87_REFERENCE

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "table/extended.h"
#include "table/powers_of_ten.h"

namespace kovrant::x87 {

inline long double ToLongDouble(const Extended& x) {
  unsigned char bytes[sizeof(long double)] = {};
  const uint16_t sign_exponent =
      static_cast<uint16_t>(x.biased_exponent | (x.negative ? 0x8000u : 0u));
  std::memcpy(bytes, &x.significand, 8);
  std::memcpy(bytes + 8, &sign_exponent, 2);
  long double value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

inline Extended FromLongDouble(long double value) {
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &value, sizeof value);
  Extended x;
  uint16_t sign_exponent;
  std::memcpy(&x.significand, bytes, 8);
  std::memcpy(&sign_exponent, bytes + 8, 2);
  x.negative = (sign_exponent & 0x8000u) != 0;
  x.biased_exponent = static_cast<uint16_t>(sign_exponent & 0x7FFFu);
  return x;
}

// True when the FPU rounds to nearest with a 64-bit significand.
inline bool FpuIsInDefaultMode() {
  volatile long double one = 1.0L;
  volatile long double half_ulp = LDBL_EPSILON / 2;
  volatile long double sum = one + LDBL_EPSILON;
  volatile long double tie = one + half_ulp;  // ties to even: back to 1
  return std::fegetround() == FE_TONEAREST && sum != one && tie == one;
}

// A small fixed-capacity string, so that the exhaustive run does not allocate.
struct Text {
  char bytes[40];
  int length = 0;
  void Append(char c) { bytes[length++] = c; }
  void Append(std::string_view s) {
    for (char c : s) Append(c);
  }
  std::string_view View() const { return {bytes, static_cast<std::size_t>(length)}; }
};

// The decimal form: digits d1 d2 ... meaning 0.d1d2... * 10^exponent.
struct DecimalDigits {
  char digits[18];
  int count = 0;
  int exponent = 0;
  bool negative = false;
};

// Steps to the 18 digits, on the FPU.
inline DecimalDigits EighteenDigits(long double value) {
  const long double magnitude = std::fabs(value);
  int exponent = ((std::ilogb(magnitude) * 19728) >> 16) + 1;
  const int power = 18 - exponent;
  const int n = power < 0 ? -power : power;
  long double s = magnitude;
  const auto apply = [&](const Extended& factor_bits) {
    const long double factor = ToLongDouble(factor_bits);
    if (power > 0) {
      s = s * factor;
    } else {
      s = s / factor;
    }
  };
  if (n % 32 != 0) apply(powers_of_ten::kUnits[n % 32]);
  if ((n / 32) % 16 != 0) apply(powers_of_ten::kThirtyTwos[(n / 32) % 16]);
  if (n / 512 != 0) apply(powers_of_ten::kFiveHundredTwelves[n / 512]);
  s = std::rint(s);
  if (s >= 1e18L) {
    s = s / 10.0L;
    ++exponent;
  }
  s = std::rint(s);
  auto integer = static_cast<unsigned long long>(s);
  DecimalDigits result;
  result.count = 18;
  result.exponent = exponent;
  result.negative = std::signbit(value);
  for (int i = 17; i >= 0; --i) {
    result.digits[i] = static_cast<char>('0' + integer % 10);
    integer /= 10;
  }
  return result;
}

// Keeps `kept` digits, the next one deciding (5 and up rounds away from
// zero), then drops trailing zeros; no digits left means zero.
inline void RoundDigits(DecimalDigits& d, int kept) {
  if (kept < 0) {
    d.count = 0;
  } else if (kept < d.count) {
    const bool up = d.digits[kept] >= '5';
    d.count = kept;
    if (up) {
      // A carry drops every trailing 9 and raises the digit before them.
      int last = d.count - 1;
      while (last >= 0 && d.digits[last] == '9') --last;
      if (last < 0) {
        d.digits[0] = '1';
        d.count = 1;
        ++d.exponent;
      } else {
        d.digits[last] = static_cast<char>(d.digits[last] + 1);
        d.count = last + 1;
      }
    }
  }
  while (d.count > 0 && d.digits[d.count - 1] == '0') --d.count;
  if (d.count == 0) {
    d.exponent = 0;
    d.negative = false;
  }
}

inline Text Format(const Extended& x, char separator) {
  Text text;
  constexpr uint64_t kIntegerBit = uint64_t{1} << 63;
  const bool integer_bit = (x.significand & kIntegerBit) != 0;
  if (x.biased_exponent == 0x7FFF && integer_bit && x.significand != kIntegerBit) {
    text.Append("NAN");
  } else if (x.biased_exponent == 0x7FFF || (x.biased_exponent != 0 && !integer_bit)) {
    text.Append(x.negative ? "-INF" : "INF");
  } else {
    const long double value = ToLongDouble(x);
    DecimalDigits d;  // zero (biased exponent 0): no digits, no sign
    if (x.biased_exponent != 0) {
      d = EighteenDigits(value);
      RoundDigits(d, d.exponent + 1);
    }
    if (d.exponent <= 18) {
      if (d.negative) text.Append('-');
      if (d.exponent <= 0) text.Append('0');
      for (int i = 0; i < d.exponent; ++i) text.Append(i < d.count ? d.digits[i] : '0');
      text.Append(separator);
      text.Append(d.exponent >= 0 && d.exponent < d.count ? d.digits[d.exponent] : '0');
    } else {
      d = EighteenDigits(value);
      RoundDigits(d, 15);
      if (value < 0) text.Append('-');
      text.Append(d.digits[0]);
      if (d.count > 1) {
        text.Append(separator);
        for (int i = 1; i < d.count; ++i) text.Append(d.digits[i]);
      }
      text.Append('E');
      text.Append(std::to_string(d.exponent - 1));
    }
  }
  for (int i = 0; i < text.length; ++i) {
    if (text.bytes[i] == ',') text.bytes[i] = '.';
  }
  return text;
}

}  // namespace kovrant::x87

#endif  // KOVRANT_HAVE_X87_REFERENCE
