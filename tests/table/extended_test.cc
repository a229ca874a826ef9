#include "extended_reference.h"

#include <gtest/gtest.h>

#include <compare>
#include <cstdint>
#include <random>
#include <vector>

#include "table/extended.h"
#include "table/extended_core.h"
#include "table/powers_of_ten.h"

namespace kovrant {
namespace {

constexpr uint64_t kTop = uint64_t{1} << 63;
constexpr Extended kNegativeZero{true, 0, 0};
constexpr Extended kPositiveZero{false, 0, 0};
constexpr Extended kInfinity{false, 0x7FFF, kTop};
constexpr Extended kMinusInfinity{true, 0x7FFF, kTop};
constexpr Extended kQuietNan{false, 0x7FFF, 0xC000000000000001u};
constexpr Extended kSignallingNan{false, 0x7FFF, 0x8000000000000001u};
constexpr Extended kUnnormal{false, 0x3FFF, 0x4000000000000000u};
constexpr Extended kMaxFinite{false, 0x7FFE, ~uint64_t{0}};
constexpr Extended kMinNormal{false, 1, kTop};
constexpr Extended kMinDenormal{false, 0, 1};

constexpr Extended Value(int exponent, uint64_t significand, bool negative = false) {
  return {negative, static_cast<uint16_t>(exponent + kExtendedBias), significand};
}
const Extended kOne = Value(0, kTop);
const Extended kTwo = Value(1, kTop);
const Extended kHalf = Value(-1, kTop);
const Extended kThree = Value(1, 0xC000000000000000u);

// ---------------------------------------------------------------------------
// The 128-bit kernels: the portable versions agree with the compiler's
// 128-bit integers (or, without them, satisfy the division identity).

std::vector<uint64_t> InterestingWords() {
  std::vector<uint64_t> words = {0, 0xFFFFFFFF00000000u, 0x80000000FFFFFFFFu};
  for (int bit = 0; bit < 64; ++bit) {
    words.push_back(uint64_t{1} << bit);
    words.push_back(~uint64_t{0} >> bit);
  }
  std::mt19937_64 random(1);
  for (int i = 0; i < 2000; ++i) words.push_back(random() >> (random() % 64));
  return words;
}

TEST(WideKernels, PortableMultiplyMatchesNative) {
  const std::vector<uint64_t> words = InterestingWords();
  for (uint64_t a : words) {
    for (std::size_t j = 0; j < words.size(); j += 7) {
      const uint64_t b = words[j];
      const extended_core::Uint128 portable = extended_core::MultiplyPortable(a, b);
#ifdef __SIZEOF_INT128__
      const extended_core::Uint128 native = extended_core::Multiply(a, b);
      ASSERT_EQ(portable.high, native.high) << a << " * " << b;
      ASSERT_EQ(portable.low, native.low) << a << " * " << b;
#else
      ASSERT_EQ(portable.low, a * b);
#endif
    }
  }
}

TEST(WideKernels, PortableDivideIsLongDivision) {
  std::mt19937_64 random(2);
  const std::vector<uint64_t> words = InterestingWords();
  for (int i = 0; i < 200000; ++i) {
    const uint64_t divisor = words[static_cast<size_t>(random() % words.size())] | kTop;
    // high < divisor; the edge high = divisor - 1 gives the largest quotients.
    const uint64_t high = i % 3 == 0 ? divisor - 1 : random() % divisor;
    const uint64_t low =
        i % 5 == 0 ? words[static_cast<size_t>(random() % words.size())] : random();
    const auto portable = extended_core::DivideNormalizedPortable(high, low, divisor);
    ASSERT_LT(portable.remainder, divisor);
    // quotient * divisor + remainder == high:low
    extended_core::Uint128 back = extended_core::MultiplyPortable(portable.quotient, divisor);
    const uint64_t low_sum = back.low + portable.remainder;
    back.high += low_sum < back.low ? 1 : 0;
    ASSERT_EQ(back.high, high) << high << ":" << low << " / " << divisor;
    ASSERT_EQ(low_sum, low) << high << ":" << low << " / " << divisor;
#ifdef __SIZEOF_INT128__
    const auto native = extended_core::DivideNormalized(high, low, divisor);
    ASSERT_EQ(portable.quotient, native.quotient);
    ASSERT_EQ(portable.remainder, native.remainder);
#endif
  }
}

// ---------------------------------------------------------------------------
// Widening a float32 is exact, and keeps every class.

TEST(WidenFloat32, GivesTheExactValue) {
  const struct {
    uint32_t bits;
    Extended expected;
  } cases[] = {
      {0x3F800000, kOne},
      {0x00000000, kPositiveZero},
      {0x80000000, kNegativeZero},
      {0x00000001, Value(-149, kTop)},                 // smallest denormal
      {0x007FFFFF, Value(-127, 0xFFFFFE0000000000u)},  // largest denormal
      {0x00800000, Value(-126, kTop)},                 // smallest normal
      {0x7F7FFFFF, Value(127, 0xFFFFFF0000000000u)},   // largest finite
      {0x3DCCCCCD, Value(-4, 0xCCCCCD0000000000u)},    // 0.1f
      {0x7F800000, kInfinity},
      {0x7FC00000, {false, 0x7FFF, 0xC000000000000000u}},  // quiet NaN
      {0xFFC00001, {true, 0x7FFF, 0xC000010000000000u}},
      {0x7F800001, {false, 0x7FFF, 0x8000010000000000u}},  // signalling NaN stays so
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WidenFloat32(c.bits), c.expected) << std::hex << c.bits;
  }
}

TEST(DivideInt32By15, RoundsTheQuotientToNearestEven) {
  const struct {
    int32_t value;
    Extended expected;
  } cases[] = {
      {0, kPositiveZero},
      {15, kOne},
      {1, Value(-4, 0x8888888888888889u)},           // 1/15 = 0x0.1111...: rounds up
      {7, Value(-2, 0xEEEEEEEEEEEEEEEFu)},           // 0.4666...
      {-8, Value(-1, 0x8888888888888889u, true)},    // -0.5333...
      {2147483647, Value(27, 0x8888888777777777u)},  // 143165576.4666...
      {-2147483647 - 1, Value(27, 0x8888888888888889u, true)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DivideInt32By15(c.value), c.expected) << c.value;
  }
  // The shortcut agrees with the general division, near zero and at the ends.
  const Extended fifteen = ExtendedFromInt64(15);
  for (int64_t base : {int64_t{0}, int64_t{INT32_MIN} + 50000, int64_t{INT32_MAX} - 50000}) {
    for (int64_t value = base - 50000; value <= base + 50000; ++value) {
      const auto v = static_cast<int32_t>(value);
      ASSERT_EQ(DivideInt32By15(v), DivideExtended(ExtendedFromInt64(v), fifteen)) << v;
    }
  }
}

// ---------------------------------------------------------------------------
// Results as the FPU gives them with every exception masked: rounding ties to
// even, overflow to infinity, gradual underflow rounded once, special operands.

TEST(ExtendedArithmetic, MultiplyAndDivide) {
  const Extended odd = Value(0, kTop + 1);  // 1 + 2^-63
  const Extended quieted{false, 0x7FFF, 0xC000000000000001u};
  const struct {
    const char* name;
    Extended result;
    Extended expected;
  } cases[] = {
      {"(1+2^-63)^2: rest far below half", MultiplyExtended(odd, odd), Value(0, kTop + 2)},
      {"3(1+2^-63): tie, odd -> up", MultiplyExtended(odd, kThree), Value(1, 0xC000000000000002u)},
      {"3(1+3*2^-63): tie, even stays", MultiplyExtended(Value(0, kTop + 3), kThree),
       Value(1, 0xC000000000000004u)},
      {"1/3", DivideExtended(kOne, kThree), Value(-2, 0xAAAAAAAAAAAAAAABu)},
      {"1/(2-2^-63)", DivideExtended(kOne, Value(0, ~uint64_t{0})), Value(-1, kTop + 1)},
      {"overflow", MultiplyExtended(kMaxFinite, kTwo), kInfinity},
      {"min normal / 2", MultiplyExtended(kMinNormal, kHalf), Extended{false, 0, kTop >> 1}},
      {"half the min denormal: tie -> 0", DivideExtended(kMinDenormal, kTwo), kPositiveZero},
      {"1.5 denormal ulps -> 2", DivideExtended(Extended{false, 0, 3}, kTwo),
       Extended{false, 0, 2}},
      {"2.5 denormal ulps -> 2", DivideExtended(Extended{false, 0, 5}, kTwo),
       Extended{false, 0, 2}},
      {"rounds up into the normal range",
       MultiplyExtended(Extended{false, 0, ~uint64_t{0} >> 1}, odd), kMinNormal},
      {"underflow to -0", MultiplyExtended(kMinDenormal, Value(-70, kTop, true)), kNegativeZero},
      {"pseudo-denormal", MultiplyExtended(Extended{false, 0, kTop}, kOne), kMinNormal},
      {"inf * 0", MultiplyExtended(kInfinity, kPositiveZero), kExtendedIndefinite},
      {"inf / 0", DivideExtended(kInfinity, kPositiveZero), kInfinity},
      {"0 / 0", DivideExtended(kPositiveZero, kPositiveZero), kExtendedIndefinite},
      {"inf / inf", DivideExtended(kInfinity, kInfinity), kExtendedIndefinite},
      {"1 / 0", DivideExtended(kOne, kPositiveZero), kInfinity},
      {"2 / -inf", DivideExtended(kTwo, kMinusInfinity), kNegativeZero},
      {"-0 * 1", MultiplyExtended(kNegativeZero, kOne), kNegativeZero},
      {"sNaN * 1 is quieted", MultiplyExtended(kSignallingNan, kOne), quieted},
      {"sNaN / qNaN: the quiet one", DivideExtended(kSignallingNan, kQuietNan), kQuietNan},
      {"unnormal operand", MultiplyExtended(kUnnormal, kOne), kExtendedIndefinite},
      {"pseudo-infinity operand", DivideExtended(kOne, Extended{false, 0x7FFF, 0}),
       kExtendedIndefinite},
  };
  for (const auto& c : cases) EXPECT_EQ(c.result, c.expected) << c.name;
}

TEST(ExtendedArithmetic, RoundToIntegerTiesToEven) {
  const struct {
    Extended value;
    Extended expected;
  } cases[] = {
      {kHalf, kPositiveZero},
      {Value(-1, kTop, true), kNegativeZero},           // -0.5 keeps its sign
      {Value(-1, kTop + 1), kOne},                      // just above 1/2
      {Value(1, 0xA000000000000000u), kTwo},            // 2.5
      {Value(1, 0xE000000000000000u), Value(2, kTop)},  // 3.5
      {Value(62, ~uint64_t{0}), Value(63, kTop)},       // 2^63 - 1/2
      {Value(63, ~uint64_t{0}), Value(63, ~uint64_t{0})},
      {kMinDenormal, kPositiveZero},
      {kSignallingNan, {false, 0x7FFF, 0xC000000000000001u}},
      {kUnnormal, kExtendedIndefinite},
  };
  for (const auto& c : cases) EXPECT_EQ(RoundExtendedToInteger(c.value), c.expected);
}

TEST(ExtendedArithmetic, CompareByValue) {
  using std::partial_ordering;
  const struct {
    Extended a;
    Extended b;
    partial_ordering expected;
  } cases[] = {
      {kPositiveZero, kNegativeZero, partial_ordering::equivalent},
      {Value(0, kTop, true), Value(1, kTop, true), partial_ordering::greater},
      {kMinDenormal, kPositiveZero, partial_ordering::greater},
      {Extended{false, 0, kTop}, kMinNormal, partial_ordering::equivalent},  // pseudo-denormal
      {kMaxFinite, kInfinity, partial_ordering::less},
      {Value(5, kTop + 1), Value(5, kTop), partial_ordering::greater},
      {kOne, kSignallingNan, partial_ordering::unordered},
      {kUnnormal, kOne, partial_ordering::unordered},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CompareExtended(c.a, c.b), c.expected);
    EXPECT_EQ(CompareExtended(c.b, c.a), 0 <=> c.expected);
  }
}

// ---------------------------------------------------------------------------
// The power-of-ten tables hold the nearest extended values of the exact
// powers: re-derived here with a plain big integer.

class BigInteger {
 public:
  explicit BigInteger(uint32_t value) : limbs_{value} {}
  void MultiplyBy(uint32_t factor) {
    uint64_t carry = 0;
    for (uint32_t& limb : limbs_) {
      const uint64_t product = uint64_t{limb} * factor + carry;
      limb = static_cast<uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) limbs_.push_back(static_cast<uint32_t>(carry));
  }
  int BitLength() const {
    int top = 31;
    while (((limbs_.back() >> top) & 1) == 0) --top;
    return static_cast<int>(limbs_.size() - 1) * 32 + top + 1;
  }
  bool Bit(int index) const {
    return index >= 0 && ((limbs_[static_cast<std::size_t>(index / 32)] >> (index % 32)) & 1) != 0;
  }

 private:
  std::vector<uint32_t> limbs_;
};

Extended NearestExtended(const BigInteger& value) {
  const int length = value.BitLength();
  uint64_t significand = 0;
  for (int i = 0; i < 64; ++i)
    significand = (significand << 1) | (value.Bit(length - 1 - i) ? 1 : 0);
  const int first_dropped = length - 65;
  bool sticky = false;
  for (int i = first_dropped - 1; i >= 0 && !sticky; --i) sticky = value.Bit(i);
  int exponent = length - 1;
  if (value.Bit(first_dropped) && (sticky || (significand & 1) != 0) && ++significand == 0) {
    significand = kTop;
    ++exponent;
  }
  return Value(exponent, significand);
}

TEST(PowersOfTen, AreTheNearestExtendedValues) {
  BigInteger power(1);
  for (int n = 0; n <= 4608; ++n) {
    const Extended* entry = nullptr;
    if (n < 32) entry = &powers_of_ten::kUnits[n];
    if (n % 32 == 0 && n / 32 < 16) entry = &powers_of_ten::kThirtyTwos[n / 32];
    if (n % 512 == 0) entry = &powers_of_ten::kFiveHundredTwelves[n / 512];
    if (entry != nullptr) {
      EXPECT_EQ(*entry, NearestExtended(power)) << "10^" << n;
    }
    power.MultiplyBy(10);
  }
  // Spot checks against values known independently.
  EXPECT_EQ(powers_of_ten::kUnits[27], Value(89, 0xCECB8F27F4200F3Au));  // 10^27, exact
  EXPECT_EQ(powers_of_ten::kUnits[28], Value(93, 0x813F3978F8940984u));  // 10^28, rounded down
}

}  // namespace
}  // namespace kovrant
