// Writing unsigned integers as decimal digits, two at a time.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace kovrant::decimal_digits {

// 10^0 .. 10^19, all that fit in 64 bits.
inline constexpr auto kPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{};
  std::uint64_t power = 1;
  for (std::uint64_t& entry : powers) {
    entry = power;
    power *= 10;  // wraps harmlessly after the last entry
  }
  return powers;
}();

inline constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes exactly `count` digits of `value` (zero-padded); returns the end.
inline char* WriteDigits(std::uint64_t value, int count, char* out) {
  char* end = out + count;
  char* p = end;
  while (count >= 2) {
    p -= 2;
    std::memcpy(p, kDigitPairs + 2 * (value % 100), 2);
    value /= 100;
    count -= 2;
  }
  if (count == 1) *--p = static_cast<char>('0' + value % 10);
  return end;
}

inline int DecimalLength(std::uint64_t value) {
  // floor(log10(2^(bits - 1))) from the bit width (1233 / 4096 is just
  // above log10 2), then one comparison decides the rest (0 counts as 1:
  // setting the low bit moves no value across a power of ten above 1).
  const std::uint64_t odd = value | 1;
  const int guess = static_cast<int>(std::bit_width(odd) * 1233 >> 12);
  return guess + 1 - (odd < kPowersOfTen[static_cast<std::size_t>(guess)] ? 1 : 0);
}

inline char* WriteUnsigned(std::uint64_t value, char* out) {
  return WriteDigits(value, DecimalLength(value), out);
}

// The fixed one-decimal form of a magnitude counted in tenths: "-" unless
// the value rounded to zero, the integer part, the separator, the tenths.
inline char* WriteTenths(bool negative, std::uint64_t tenths, char separator, char* out) {
  if (negative && tenths != 0) *out++ = '-';
  // The last digit from the quotient, not from a second division.
  const std::uint64_t whole = tenths / 10;
  out = WriteUnsigned(whole, out);
  *out++ = separator;
  *out++ = static_cast<char>('0' + (tenths - whole * 10));
  return out;
}

}  // namespace kovrant::decimal_digits
