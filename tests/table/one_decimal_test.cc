#include "table/one_decimal.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cfloat>
#include <cstdint>
#include <cstring>
#include <string>

namespace kovrant {
namespace {

constexpr uint64_t kTop = uint64_t{1} << 63;

Extended Single(float value) { return WidenFloat32(std::bit_cast<uint32_t>(value)); }
Extended Bits(uint32_t bits) { return WidenFloat32(bits); }
Extended Integer(uint64_t value, bool negative = false) {
  const int shift = std::countl_zero(value);
  return {negative, static_cast<uint16_t>(kExtendedBias + 63 - shift), value << shift};
}

struct Case {
  const char* name;
  Extended value;
  const char* expected;
};

void ExpectTexts(const Case* begin, const Case* end) {
  for (const Case* c = begin; c != end; ++c) {
    EXPECT_EQ(FormatOneDecimal(c->value, '.'), c->expected) << c->name;
    EXPECT_EQ(FormatOneDecimal(c->value, ','), c->expected) << c->name << " with ','";
  }
}

// ---------------------------------------------------------------------------
// The documented edge cases, row by row.

TEST(OneDecimalEdgeCases, TiesRoundAwayFromZero) {
  const Case cases[] = {
      {"0.25", Single(0.25f), "0.3"},    {"0.75", Single(0.75f), "0.8"},
      {"-0.25", Single(-0.25f), "-0.3"}, {"2.25", Single(2.25f), "2.3"},
      {"-1.25", Single(-1.25f), "-1.3"}, {"4194303.75", Single(4194303.75f), "4194303.8"},
  };
  ExpectTexts(std::begin(cases), std::end(cases));
}

TEST(OneDecimalEdgeCases, SinglesJustOffADecimal) {
  const Case cases[] = {
      {"0.35f = 0.3499999940...", Single(0.35f), "0.3"},
      {"0.95f", Single(0.95f), "0.9"},
      {"9.95f", Single(9.95f), "9.9"},
      {"0.05f = 0.0500000007...", Single(0.05f), "0.1"},
      {"-0.05f", Single(-0.05f), "-0.1"},
      {"0.04f", Single(0.04f), "0.0"},
      {"-0.04f", Single(-0.04f), "0.0"},
      {"9.96f", Single(9.96f), "10.0"},
      {"0.96f", Single(0.96f), "1.0"},
      {"12345.65f = 12345.650390625", Single(12345.65f), "12345.7"},
      {"1.0", Single(1.0f), "1.0"},
      {"2.0", Single(2.0f), "2.0"},
  };
  ExpectTexts(std::begin(cases), std::end(cases));
}

TEST(OneDecimalEdgeCases, ZerosAndDenormals) {
  const Case cases[] = {
      {"+0", Bits(0x00000000), "0.0"},
      {"-0", Bits(0x80000000), "0.0"},
      {"smallest denormal", Bits(0x00000001), "0.0"},
      {"negative denormal", Bits(0x807FFFFF), "0.0"},
  };
  ExpectTexts(std::begin(cases), std::end(cases));
}

TEST(OneDecimalEdgeCases, IntegersDividedBy15) {
  const Case cases[] = {
      {"0/15", DivideInt32By15(0), "0.0"},
      {"1/15", DivideInt32By15(1), "0.1"},
      {"7/15", DivideInt32By15(7), "0.5"},
      {"8/15", DivideInt32By15(8), "0.5"},
      {"22/15", DivideInt32By15(22), "1.5"},
      {"-23/15", DivideInt32By15(-23), "-1.5"},
      {"2147483647/15", DivideInt32By15(2147483647), "143165576.5"},
      {"-2147483648/15", DivideInt32By15(-2147483647 - 1), "-143165576.5"},
  };
  ExpectTexts(std::begin(cases), std::end(cases));
}

TEST(OneDecimalEdgeCases, LargeSingles) {
  const Case cases[] = {
      {"1e17f", Single(1e17f), "99999998430674944.0"},
      {"1e18f", Single(1e18f), "999999984306749440.0"},
      {"next single above 1e18f", Bits(std::bit_cast<uint32_t>(1e18f) + 1), "1.00000005302623E18"},
      {"1e20f", Single(1e20f), "1.00000002004088E20"},
      {"-1e20f", Single(-1e20f), "-1.00000002004088E20"},
      {"FLT_MAX", Single(FLT_MAX), "3.40282346638529E38"},
      // The 18 digits end in ...636500, which rounds up at 15 digits although
      // the exact value (...6364994...) would not.
      {"0x6693C291", Bits(0x6693C291), "3.48888494841637E23"},
  };
  ExpectTexts(std::begin(cases), std::end(cases));
}

TEST(OneDecimalEdgeCases, NonFinite) {
  const Case cases[] = {
      {"+NaN", Bits(0x7FC00000), "NAN"},           {"-NaN", Bits(0xFFC00000), "NAN"},
      {"signalling NaN", Bits(0x7F800001), "NAN"}, {"+inf", Bits(0x7F800000), "INF"},
      {"-inf", Bits(0xFF800000), "-INF"},
  };
  ExpectTexts(std::begin(cases), std::end(cases));
}

// ---------------------------------------------------------------------------
// Separator: "," and "." both show as ".", anything else passes through.

TEST(OneDecimalSeparator, OnlyCommaBecomesDot) {
  const struct {
    char separator;
    Extended value;
    const char* expected;
  } cases[] = {
      {',', Single(-2.25f), "-2.3"},
      {'.', Single(-2.25f), "-2.3"},
      {';', Single(-2.25f), "-2;3"},
      {'\'', Single(0.0f), "0'0"},
      {'\'', Single(-0.04f), "0'0"},
      {'\'', Bits(0x80000001), "0'0"},
      {';', Single(1e20f), "1;00000002004088E20"},
      {',', Single(1e20f), "1.00000002004088E20"},
      {';', Integer(1000000000000000000u), "1E18"},  // no separator without a fraction
      {';', Bits(0xFF800000), "-INF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatOneDecimal(c.value, c.separator), c.expected) << c.separator;
  }
}

// ---------------------------------------------------------------------------
// Carries, the sign of values rounding to zero, and the fixed/scientific
// boundary, including values only an extended (not a single) can hold.

TEST(OneDecimalRounding, CarriesAndBoundaries) {
  const Case cases[] = {
      {"99999.96875", Single(99999.96875f), "100000.0"},
      {"-0.875", Single(-0.875f), "-0.9"},
      {"0.0499999...", Single(0.049999997f), "0.0"},
      {"-1e-10", Single(-1e-10f), "0.0"},
      {"10^18 - 1", Integer(999999999999999999u), "999999999999999999.0"},
      {"-(10^18 - 1)", Integer(999999999999999999u, true), "-999999999999999999.0"},
      // 10^18 - 1/2 rounds to 10^18 at 18 digits and so takes the scientific form.
      {"10^18 - 1/2", {false, kExtendedBias + 59, 0xDE0B6B3A763FFFF8u}, "1E18"},
      {"10^18", Integer(1000000000000000000u), "1E18"},
      {"...9995 at 19 digits carries out of the first", Integer(9999999999999995000u), "1E19"},
      // Divided by 10 to 999999999999999499.9, then rounded to ...9500: the
      // 18-digit step decides the 15th digit.
      {"...999499.9 / 10", Integer(9999999999999994999u), "1E19"},
      {"...99949", Integer(9999999999999994900u), "9.99999999999999E18"},
      {"2^63", Integer(kTop), "9.22337203685478E18"},
  };
  ExpectTexts(std::begin(cases), std::end(cases));
}

// ---------------------------------------------------------------------------
// Any 80-bit pattern gives a sane text of bounded length.

TEST(OneDecimalAnyPattern, ExtendedOnlyEncodings) {
  const Case cases[] = {
      {"extended denormal", {false, 0, 1}, "0.0"},
      {"pseudo-denormal", {true, 0, kTop}, "0.0"},
      {"smallest normal", {false, 1, kTop}, "0.0"},
      {"unnormal", {false, 0x3FFF, 0x4000000000000000u}, "INF"},
      {"negative unnormal", {true, 0x4000, 1}, "-INF"},
      {"unnormal zero", {true, 0x1234, 0}, "-INF"},
      {"pseudo-infinity", {false, 0x7FFF, 0}, "INF"},
      {"pseudo-NaN", {true, 0x7FFF, 0x4000000000000000u}, "-INF"},
      {"indefinite", kExtendedIndefinite, "NAN"},
      {"largest finite", {false, 0x7FFE, ~uint64_t{0}}, "1.18973149535723E4932"},
      {"-largest finite", {true, 0x7FFE, ~uint64_t{0}}, "-1.18973149535723E4932"},
      {"10^4608", {false, 0x7BCA, 0xAE3511626ED559F0u}, "1E4608"},
      {"2^-1", {false, 0x3FFE, kTop}, "0.5"},
      {"2^-4", {false, 0x3FFB, kTop}, "0.1"},  // 0.0625
      {"2^-5", {false, 0x3FFA, kTop}, "0.0"},  // 0.03125
  };
  ExpectTexts(std::begin(cases), std::end(cases));
}

TEST(OneDecimalAnyPattern, WritesOnlyTheReturnedLength) {
  const Extended values[] = {
      {true, 0x7FFE, 0xFFFFFFFFFFFFFFFFu},  // longest scientific text
      Integer(999999999999999999u, true),   // longest fixed text
      Single(0.0f),
      Bits(0xFF800000),
      {true, 0x4100, 0x8F0FFFF3FFFFFFFFu},
  };
  for (const Extended& value : values) {
    char buffer[kOneDecimalMaxLength + 8];
    std::memset(buffer, '#', sizeof buffer);
    const std::size_t length = FormatOneDecimal(value, '.', buffer);
    ASSERT_LE(length, kOneDecimalMaxLength);
    EXPECT_EQ(std::string(buffer, length), FormatOneDecimal(value));
    for (std::size_t i = length; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], '#');
  }
  EXPECT_EQ(FormatOneDecimal(values[0]).size(), 22u);
}

// ---------------------------------------------------------------------------
// The result ignores the floating-point environment and leaves it alone.

TEST(OneDecimalEnvironment, IndependentOfRoundingMode) {
  const Extended values[] = {Single(0.25f), Single(-0.05f), DivideInt32By15(2147483647),
                             Bits(0x6693C291), Single(1e20f)};
  std::string expected[std::size(values)];
  for (std::size_t i = 0; i < std::size(values); ++i) expected[i] = FormatOneDecimal(values[i]);
  const Extended quotient = DivideInt32By15(-7);
  for (const int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO, FE_TONEAREST}) {
    ASSERT_EQ(std::fesetround(mode), 0);
    for (std::size_t i = 0; i < std::size(values); ++i) {
      EXPECT_EQ(FormatOneDecimal(values[i]), expected[i]) << mode;
    }
    EXPECT_EQ(DivideInt32By15(-7), quotient) << mode;
    EXPECT_EQ(std::fegetround(), mode);
  }
  std::fesetround(FE_TONEAREST);
}

}  // namespace
}  // namespace kovrant
