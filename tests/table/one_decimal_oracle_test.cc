// The software extended arithmetic and the one-decimal format against two
// independent references: the x87 FPU running the same steps in long double
// (testkit/x87_reference.h), and, below 10^18, the exact binary value
// rounded with integers (testkit/exact_one_decimal.h).
//
// A few million cases in a normal build; sanitizer builds run a twentieth,
// and the factor in KOVRANT_ORACLE_SCALE scales either.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "exact_one_decimal.h"
#include "extended_reference.h"
#include "table/extended.h"
#include "table/one_decimal.h"
#include "table/powers_of_ten.h"
#include "x87_reference.h"

#if defined(__SANITIZE_ADDRESS__)
#define KOVRANT_ORACLE_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define KOVRANT_ORACLE_SANITIZED 1
#endif
#endif

namespace kovrant {
namespace {

uint64_t Cases(uint64_t normal_count) {
#ifdef KOVRANT_ORACLE_SANITIZED
  double scale = 1.0 / 20;
#else
  double scale = 1.0;
#endif
  if (const char* factor = std::getenv("KOVRANT_ORACLE_SCALE"))
    scale *= std::strtod(factor, nullptr);
  return std::max<uint64_t>(1, static_cast<uint64_t>(static_cast<double>(normal_count) * scale));
}

constexpr uint64_t kTop = uint64_t{1} << 63;

std::string Describe(const Extended& x) {
  std::ostringstream out;
  out << (x.negative ? "-" : "+") << std::hex << x.biased_exponent << ":" << x.significand;
  return out.str();
}

// Collects mismatches against the references, keeping the first few.
class Oracle {
 public:
  Oracle() {
#if KOVRANT_HAVE_X87_REFERENCE
    fpu_ = x87::FpuIsInDefaultMode();
#endif
  }
  bool fpu() const { return fpu_; }

  // The text of `x`, against the FPU and, if given, the exact rounding. The
  // separator cycles through ".", "," and ";".
  void Format(const Extended& x, const std::optional<std::string>& exact = std::nullopt) {
    ++checked_;
    const char separator = ".,;"[x.significand % 3];
    char buffer[kOneDecimalMaxLength];
    const std::string_view actual(buffer, FormatOneDecimal(x, separator, buffer));
    const auto mismatch = [&](std::string_view expected, const char* reference) {
      Add(Describe(x) + ": " + std::string(actual) + ", " + reference + " " +
          std::string(expected));
    };
#if KOVRANT_HAVE_X87_REFERENCE
    if (fpu_) {
      const x87::Text expected = x87::Format(x, separator);
      if (actual != expected.View()) return mismatch(expected.View(), "FPU");
    }
#endif
    if (exact && separator != ';' && actual != *exact) mismatch(*exact, "exact");
  }

#if KOVRANT_HAVE_X87_REFERENCE
  // A software result against the FPU's; with two NaN operands only the class.
  void Value(const char* what, const Extended& a, const Extended& b, const Extended& actual,
             long double fpu) {
    const Extended expected = x87::FromLongDouble(fpu);
    const auto is_nan = [](const Extended& x) {
      return x.biased_exponent == 0x7FFF && (x.significand & kTop) != 0 && x.significand != kTop;
    };
    const bool same =
        is_nan(a) && is_nan(b) ? is_nan(actual) == is_nan(expected) : actual == expected;
    if (!same)
      Add(std::string(what) + "(" + Describe(a) + ", " + Describe(b) + ") = " + Describe(actual) +
          " != " + Describe(expected));
  }
#endif

  void Add(const std::string& what) {
    if (mismatches_++ < 8) examples_ += "\n  " + what;
  }
  ~Oracle() { EXPECT_EQ(mismatches_, 0u) << "of " << checked_ << " checked:" << examples_; }

 private:
  bool fpu_ = false;
  uint64_t checked_ = 0;
  uint64_t mismatches_ = 0;
  std::string examples_;
};

// std::mt19937 yields uint_fast32_t, which is 64 bits wide on some targets.
uint32_t Next32(std::mt19937& random) { return static_cast<uint32_t>(random()); }

// ---------------------------------------------------------------------------
// Values the table passes: both references (the FPU where there is one).

TEST(OneDecimalOracle, RandomSingles) {
  std::mt19937 random(0x5eed0001);
  Oracle oracle;
  for (uint64_t i = 0, count = Cases(4000000); i < count; ++i) {
    // Half uniform over all patterns, half where the fixed form keeps
    // significant digits (exponent fields 100..187).
    uint32_t bits = Next32(random);
    if (i % 2 == 1) bits = (bits & 0x807FFFFFu) | ((100u + bits % 88u) << 23);
    oracle.Format(WidenFloat32(bits), exact::OneDecimalOfFloat32(bits));
#if KOVRANT_HAVE_X87_REFERENCE
    const float single = std::bit_cast<float>(bits);
    // Loading a signalling NaN on the FPU quiets it; widening must not.
    if (oracle.fpu() && !std::isnan(single)) {
      oracle.Value("widen", {}, {}, WidenFloat32(bits), static_cast<long double>(single));
    }
#endif
  }
}

TEST(OneDecimalOracle, RandomIntegersOver15) {
  std::mt19937 random(0x5eed0002);
  Oracle oracle;
  for (uint64_t i = 0, count = Cases(2000000); i < count; ++i) {
    uint32_t bits = Next32(random);
    if (i % 4 == 0) bits = bits % 20001 - 10000;  // the usual small switch times
    const auto value = static_cast<int32_t>(bits);
    oracle.Format(DivideInt32By15(value), exact::OneDecimalOfInt32Over15(value));
#if KOVRANT_HAVE_X87_REFERENCE
    if (oracle.fpu()) {
      oracle.Value("/15", {}, {}, DivideInt32By15(value), static_cast<long double>(value) / 15.0L);
    }
#endif
  }
}

// ---------------------------------------------------------------------------
// Against the FPU only.

#if KOVRANT_HAVE_X87_REFERENCE
#define REQUIRE_FPU()                                                       \
  if (!x87::FpuIsInDefaultMode()) {                                         \
    GTEST_SKIP() << "the FPU is not at 64-bit precision, round to nearest"; \
  }
#else
#define REQUIRE_FPU() GTEST_SKIP() << "long double is not the x87 format here"
#endif

TEST(OneDecimalOracle, SpecialSingles) {
  REQUIRE_FPU();
  std::vector<uint32_t> patterns = {0x00000001, 0x007FFFFF, 0x00800000, 0x7F7FFFFF, 0x7F800000,
                                    0x7F800001, 0x7FBFFFFF, 0x7FC00000, 0x7FFFFFFF};
  std::mt19937 random(0x5eed0005);
  for (int i = 0; i < 20000; ++i) {
    patterns.push_back(Next32(random) & 0x7FFFFFu);                  // zeros and denormals
    patterns.push_back((Next32(random) & 0x7FFFFFu) | 0x7F800000u);  // infinities and NaNs
  }
  Oracle oracle;
  for (const uint32_t bits : patterns) {
    oracle.Format(WidenFloat32(bits));
    oracle.Format(WidenFloat32(bits | 0x80000000u));
  }
}

TEST(OneDecimalOracle, RandomExtendedValues) {
  // Far outside what the table passes, but the same steps must agree: every
  // exponent, and a few ulps around the powers of ten up to 10^511.
  REQUIRE_FPU();
  std::mt19937_64 random(0x5eed0006);
  Oracle oracle;
  for (uint64_t i = 0, count = Cases(1000000); i < count; ++i) {
    oracle.Format(
        {(random() & 1) != 0, static_cast<uint16_t>(1 + random() % 0x7FFE), random() | kTop});
  }
  for (int n = 1; n < 512; ++n) {
    Extended x = n < 32 ? powers_of_ten::kUnits[n] : powers_of_ten::kThirtyTwos[n / 32];
    for (const uint64_t delta : {uint64_t{0}, uint64_t{1}, ~uint64_t{0}}) {
      x.significand += delta;
      x.negative = !x.negative;
      if ((x.significand & kTop) != 0) oracle.Format(x);
    }
  }
}

#if KOVRANT_HAVE_X87_REFERENCE
// Operands of every kind; mostly normal values near each other, some far
// apart or at the ends of the range for overflow and gradual underflow.
Extended RandomOperand(std::mt19937_64& random) {
  const uint64_t bits = random();
  const bool negative = (random() & 1) != 0;
  const auto exponent = [&](uint64_t base, uint64_t span) {
    return static_cast<uint16_t>(base + random() % span);
  };
  switch (random() % 12) {
    case 0:
      return {negative, 0, 0};
    case 1:
      return {negative, 0, bits >> (random() % 64)};  // denormal
    case 2:
      return {negative, 0, bits | kTop};  // pseudo-denormal
    case 3:
      return {negative, 0x7FFF, kTop};  // infinity
    case 4:
      return {negative, 0x7FFF, bits | kTop};  // NaN
    case 5:
      return {negative, exponent(0, 0x8000), bits >> 1};  // unsupported
    case 6:
      return {negative, exponent(1, 0x7FFE), bits | kTop};
    case 7:
      return {negative, exponent(1, 80), bits | kTop};
    case 8:
      return {negative, exponent(0x7FFE - 80, 80), bits | kTop};
    default:
      return {negative, exponent(0x3FFF - 40, 80), (bits | kTop) & ~uint64_t{0xFFFF}};
  }
}
#endif

TEST(ExtendedOracle, Operations) {
  REQUIRE_FPU();
#if KOVRANT_HAVE_X87_REFERENCE
  std::mt19937_64 random(0x5eed0007);
  Oracle oracle;
  for (uint64_t i = 0, count = Cases(1000000); i < count; ++i) {
    const Extended a = RandomOperand(random);
    const Extended b = RandomOperand(random);
    const long double x = x87::ToLongDouble(a);
    const long double y = x87::ToLongDouble(b);
    oracle.Value("mul", a, b, MultiplyExtended(a, b), x * y);
    oracle.Value("div", a, b, DivideExtended(a, b), x / y);
    oracle.Value("rint", a, a, RoundExtendedToInteger(a), std::rint(x));
    const std::partial_ordering expected = std::isunordered(x, y) ? std::partial_ordering::unordered
                                           : x < y                ? std::partial_ordering::less
                                           : x > y                ? std::partial_ordering::greater
                                                   : std::partial_ordering::equivalent;
    if (CompareExtended(a, b) != expected)
      oracle.Add("compare " + Describe(a) + ", " + Describe(b));
  }
#endif
}

}  // namespace
}  // namespace kovrant
