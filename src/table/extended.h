// Extended-precision values as the x87 FPU holds them, computed with integers.
//
// The table's numbers are rendered through 80-bit arithmetic (64-bit
// significand, round to nearest with ties to even). The compiler's
// `long double` is that format only on x86 with g++/clang/MinGW; MSVC maps it
// to a plain double and ARM to something else again. So the values are held
// here and the formatter's arithmetic on them is done in software
// (extended_core.h), identically on every platform, without touching the
// process's floating-point control state.
#pragma once

#include <cstdint>

namespace kovrant {

// An 80-bit extended value: sign, 15-bit biased exponent (bias 16383; 0x7FFF
// marks infinities and NaNs; 0 marks zeros and denormals) and a 64-bit
// significand whose top bit is the explicit integer bit.
struct Extended {
  bool negative = false;
  uint16_t biased_exponent = 0;
  uint64_t significand = 0;

  friend bool operator==(const Extended&, const Extended&) = default;
};

inline constexpr int kExtendedBias = 16383;
inline constexpr uint16_t kExtendedMaxExponent = 0x7FFF;

// The exact extended value of an IEEE 754 single given by its bit pattern
// (denormals become normal extended values; NaN payloads are kept, so a
// signalling NaN stays signalling).
Extended WidenFloat32(uint32_t bits);

}  // namespace kovrant
