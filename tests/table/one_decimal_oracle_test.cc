// The software extended arithmetic and the one-decimal format against two
// independent references: the x87 FPU running the same steps in long double
// (support/x87_reference.h) and, below 10^18, the exact binary value rounded
// with integers (support/exact_one_decimal.h).
//
// Case counts are a few million in a normal build; sanitizer builds run a
// twentieth of them, and KOVRANT_ORACLE_SCALE (a factor) scales either.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "support/exact_one_decimal.h"
#include "support/x87_reference.h"
#include "table/extended.h"
#include "table/one_decimal.h"
#include "table/powers_of_ten.h"

#if defined(__SANITIZE_ADDRESS__)
#define KOVRANT_ORACLE_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define KOVRANT_ORACLE_SANITIZED 1
#endif
#endif

namespace kovrant {
namespace {

#ifdef KOVRANT_ORACLE_SANITIZED
constexpr double kBuildScale = 1.0 / 20;
#else
constexpr double kBuildScale = 1.0;
#endif

uint64_t Cases(uint64_t normal_count) {
  double scale = kBuildScale;
  if (const char* factor = std::getenv("KOVRANT_ORACLE_SCALE"))
    scale *= std::strtod(factor, nullptr);
  return std::max<uint64_t>(1, static_cast<uint64_t>(static_cast<double>(normal_count) * scale));
}

// std::mt19937 yields uint_fast32_t, which is 64 bits wide on some targets.
class Random32 {
 public:
  explicit Random32(uint32_t seed) : engine_(seed) {}
  uint32_t operator()() { return static_cast<uint32_t>(engine_()); }

 private:
  std::mt19937 engine_;
};

std::string Describe(const Extended& x) {
  std::ostringstream out;
  out << (x.negative ? "-" : "+") << " exp 0x" << std::hex << x.biased_exponent << " sig 0x"
      << x.significand;
  return out.str();
}

// Counts mismatches and keeps the first few for the failure message.
class Mismatches {
 public:
  void Add(const std::string& what) {
    if (count_++ < 8) examples_ += "\n  " + what;
  }
  uint64_t count() const { return count_; }
  const std::string& examples() const { return examples_; }

 private:
  uint64_t count_ = 0;
  std::string examples_;
};

#define EXPECT_NO_MISMATCHES(m, checked) \
  EXPECT_EQ((m).count(), 0u) << "of " << (checked) << " checked:" << (m).examples()

// ---------------------------------------------------------------------------
// Exact references (no FPU needed).

TEST(OneDecimalExact, RandomSinglesBelow1e18) {
  Random32 random(0x5eed0001);
  Mismatches mismatches;
  const uint64_t count = Cases(3000000);
  for (uint64_t i = 0; i < count; ++i) {
    // Half uniform over all bit patterns, half over the magnitudes where the
    // fixed form keeps significant digits (exponent fields 100..187).
    uint32_t bits = random();
    if (i % 2 == 1) bits = (bits & 0x807FFFFFu) | ((100u + bits % 88u) << 23);
    const auto expected = exact::OneDecimalOfFloat32(bits);
    if (!expected) continue;
    const std::string actual = FormatOneDecimal(WidenFloat32(bits));
    if (actual != *expected) {
      mismatches.Add(std::to_string(bits) + ": " + actual + " != " + *expected);
    }
  }
  EXPECT_NO_MISMATCHES(mismatches, count);
}

TEST(OneDecimalExact, SinglesOnQuarters) {
  // Singles can only tie at .25 and .75; every one of them up to 2^22.
  Mismatches mismatches;
  const uint32_t step = static_cast<uint32_t>(std::max<uint64_t>(1, 64 / Cases(64)));
  uint64_t checked = 0;
  for (uint32_t integer = 0; integer < (1u << 22); integer += step) {
    for (const float fraction : {0.25f, 0.75f, -0.25f, -0.75f}) {
      const float value = std::copysign(static_cast<float>(integer), fraction) + fraction;
      const uint32_t bits = std::bit_cast<uint32_t>(value);
      const std::string actual = FormatOneDecimal(WidenFloat32(bits));
      if (actual != *exact::OneDecimalOfFloat32(bits)) mismatches.Add(std::to_string(bits));
      ++checked;
    }
  }
  EXPECT_NO_MISMATCHES(mismatches, checked);
}

TEST(OneDecimalExact, RandomIntegersOver15) {
  Random32 random(0x5eed0002);
  Mismatches mismatches;
  const uint64_t count = Cases(2000000);
  for (uint64_t i = 0; i < count; ++i) {
    uint32_t bits = random();
    if (i % 4 == 0) bits = static_cast<uint32_t>(static_cast<int32_t>(bits % 20001) - 10000);
    const auto value = static_cast<int32_t>(bits);
    const std::string actual = FormatOneDecimal(DivideInt32By15(value));
    const std::string expected = exact::OneDecimalOfInt32Over15(value);
    if (actual != expected)
      mismatches.Add(std::to_string(value) + ": " + actual + " != " + expected);
  }
  EXPECT_NO_MISMATCHES(mismatches, count);
}

// ---------------------------------------------------------------------------
// The x87 FPU as the reference.

#if KOVRANT_HAVE_X87_REFERENCE

#define REQUIRE_X87()                                                       \
  if (!x87::FpuIsInDefaultMode()) {                                         \
    GTEST_SKIP() << "the FPU is not at 64-bit precision, round to nearest"; \
  }

// Formats `x` both ways and records any difference. The separator cycles
// through ".", "," and ";" (from the low bits of the significand).
void CompareFormats(const Extended& x, Mismatches& mismatches) {
  const char separator = ".,;"[x.significand % 3];
  char buffer[kOneDecimalMaxLength];
  const std::string_view actual(buffer, FormatOneDecimal(x, separator, buffer));
  const x87::Text expected = x87::Format(x, separator);
  if (actual != expected.View()) {
    mismatches.Add(Describe(x) + ": " + std::string(actual) +
                   " != " + std::string(expected.View()));
  }
}

TEST(OneDecimalVersusFpu, RandomSingles) {
  REQUIRE_X87();
  Random32 random(0x5eed0003);
  Mismatches mismatches;
  const uint64_t count = Cases(4000000);
  for (uint64_t i = 0; i < count; ++i) CompareFormats(WidenFloat32(random()), mismatches);
  EXPECT_NO_MISMATCHES(mismatches, count);
}

TEST(OneDecimalVersusFpu, RandomIntegersOver15) {
  REQUIRE_X87();
  Random32 random(0x5eed0004);
  Mismatches mismatches;
  const uint64_t count = Cases(2000000);
  for (uint64_t i = 0; i < count; ++i) {
    CompareFormats(DivideInt32By15(static_cast<int32_t>(random())), mismatches);
  }
  EXPECT_NO_MISMATCHES(mismatches, count);
}

TEST(OneDecimalVersusFpu, SpecialSingles) {
  REQUIRE_X87();
  std::vector<uint32_t> patterns = {0x00000000, 0x80000000, 0x00000001, 0x80000001, 0x007FFFFF,
                                    0x807FFFFF, 0x00800000, 0x7F7FFFFF, 0xFF7FFFFF, 0x7F800000,
                                    0xFF800000, 0x7F800001, 0x7FBFFFFF, 0xFF800001, 0x7FC00000,
                                    0xFFC00000, 0x7FFFFFFF, 0xFFFFFFFF};
  Random32 random(0x5eed0005);
  for (int i = 0; i < 20000; ++i) {
    const uint32_t sign = random() & 0x80000000u;
    const uint32_t fraction = random() & 0x7FFFFFu;
    patterns.push_back(sign | fraction);                // denormals and zeros
    patterns.push_back(sign | 0x7F800000u | fraction);  // infinities and NaNs
  }
  Mismatches mismatches;
  for (const uint32_t bits : patterns) CompareFormats(WidenFloat32(bits), mismatches);
  EXPECT_NO_MISMATCHES(mismatches, patterns.size());
}

TEST(OneDecimalVersusFpu, RandomExtendedValues) {
  // Well outside what the table passes, but the same steps must still agree:
  // every exponent, and values a few ulps around each power of ten.
  REQUIRE_X87();
  std::mt19937_64 random(0x5eed0006);
  Mismatches mismatches;
  const uint64_t count = Cases(1000000);
  for (uint64_t i = 0; i < count; ++i) {
    const Extended x{(random() & 1) != 0, static_cast<uint16_t>(1 + random() % 0x7FFE),
                     random() | (uint64_t{1} << 63)};
    CompareFormats(x, mismatches);
  }
  for (int n = 0; n < 32 * 16; ++n) {
    const Extended power = n < 32 ? powers_of_ten::kUnits[n] : powers_of_ten::kThirtyTwos[n / 32];
    for (int delta = -3; delta <= 3; ++delta) {
      Extended x = power;
      x.significand += static_cast<uint64_t>(delta);
      if ((x.significand >> 63) == 0) continue;
      CompareFormats(x, mismatches);
      x.negative = true;
      CompareFormats(x, mismatches);
    }
  }
  EXPECT_NO_MISMATCHES(mismatches, count);
}

// --- The arithmetic itself, operation by operation.

// Operands of every kind, most of them normal values near each other so that
// products and quotients stay in range, some far apart to reach overflow and
// gradual underflow.
Extended RandomOperand(std::mt19937_64& random) {
  const uint64_t bits = random();
  const bool negative = (random() & 1) != 0;
  switch (random() % 16) {
    case 0:
      return {negative, 0, 0};
    case 1:
      return {negative, 0, bits >> (random() % 64)};  // denormal
    case 2:
      return {negative, 0, bits | (uint64_t{1} << 63)};  // pseudo-denormal
    case 3:
      return {negative, 0x7FFF, uint64_t{1} << 63};  // infinity
    case 4:
      return {negative, 0x7FFF, bits | (uint64_t{1} << 63)};  // NaN (rarely infinity)
    case 5:
      return {negative, static_cast<uint16_t>(random() % 0x8000), bits >> 1};  // unsupported
    case 6:
    case 7:
      return {negative, static_cast<uint16_t>(1 + random() % 0x7FFE), bits | (uint64_t{1} << 63)};
    case 8:  // near the ends of the range
      return {negative,
              static_cast<uint16_t>(random() % 2 == 0 ? 1 + random() % 80 : 0x7FFE - random() % 80),
              bits | (uint64_t{1} << 63)};
    default:
      return {negative, static_cast<uint16_t>(0x3FFF - 40 + random() % 80),
              (bits | (uint64_t{1} << 63)) & ~(random() % 2 == 0 ? uint64_t{0xFFFF} : uint64_t{0})};
  }
}

bool IsNan(const Extended& x) {
  return x.biased_exponent == 0x7FFF && (x.significand >> 63) != 0 &&
         x.significand != (uint64_t{1} << 63);
}

void CompareResults(const char* operation, const Extended& a, const Extended& b,
                    const Extended& actual, long double expected_value, Mismatches& mismatches) {
  const Extended expected = x87::FromLongDouble(expected_value);
  // With two NaN operands only the kind of result is checked.
  const bool both_nan = IsNan(a) && IsNan(b);
  if (both_nan ? IsNan(actual) == IsNan(expected) : actual == expected) return;
  mismatches.Add(std::string(operation) + " " + Describe(a) + ", " + Describe(b) + " = " +
                 Describe(actual) + " != " + Describe(expected));
}

TEST(ExtendedVersusFpu, MultiplyDivideRound) {
  REQUIRE_X87();
  std::mt19937_64 random(0x5eed0007);
  Mismatches mismatches;
  const uint64_t count = Cases(1000000);
  for (uint64_t i = 0; i < count; ++i) {
    const Extended a = RandomOperand(random);
    const Extended b = RandomOperand(random);
    const long double x = x87::ToLongDouble(a);
    const long double y = x87::ToLongDouble(b);
    CompareResults("*", a, b, MultiplyExtended(a, b), x * y, mismatches);
    CompareResults("/", a, b, DivideExtended(a, b), x / y, mismatches);
    CompareResults("rint", a, a, RoundExtendedToInteger(a), std::rint(x), mismatches);
    const std::partial_ordering order = CompareExtended(a, b);
    const bool agrees = std::isunordered(x, y) ? order == std::partial_ordering::unordered
                        : x < y                ? order == std::partial_ordering::less
                        : x > y                ? order == std::partial_ordering::greater
                                               : order == std::partial_ordering::equivalent;
    if (!agrees) mismatches.Add("compare " + Describe(a) + ", " + Describe(b));
  }
  EXPECT_NO_MISMATCHES(mismatches, count);
}

TEST(ExtendedVersusFpu, WideningAndIntegerQuotients) {
  REQUIRE_X87();
  Random32 random(0x5eed0008);
  Mismatches mismatches;
  const uint64_t count = Cases(1000000);
  for (uint64_t i = 0; i < count; ++i) {
    const uint32_t bits = random();
    const auto value = static_cast<int32_t>(random());
    // Loading a signalling NaN on the FPU quiets it; widening must not.
    if (!std::isnan(std::bit_cast<float>(bits))) {
      CompareResults("widen", WidenFloat32(bits), {}, WidenFloat32(bits),
                     static_cast<long double>(std::bit_cast<float>(bits)), mismatches);
    }
    CompareResults("/15", DivideInt32By15(value), {}, DivideInt32By15(value),
                   static_cast<long double>(value) / 15.0L, mismatches);
  }
  EXPECT_NO_MISMATCHES(mismatches, count);
}

#else  // !KOVRANT_HAVE_X87_REFERENCE

TEST(OneDecimalVersusFpu, NeedsX87LongDouble) {
  GTEST_SKIP() << "long double is not the x87 80-bit format with this compiler";
}

#endif  // KOVRANT_HAVE_X87_REFERENCE

}  // namespace
}  // namespace kovrant
