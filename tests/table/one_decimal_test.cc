#include "table/one_decimal.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cfloat>
#include <cstdint>
#include <cstring>
#include <string>

#include "extended_reference.h"

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
  Extended value;
  const char* expected;
};

// Every case with "." and with ",": both show a dot.
void ExpectTexts(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(FormatOneDecimal(c.value, '.'), c.expected);
    EXPECT_EQ(FormatOneDecimal(c.value, ','), c.expected);
  }
}

// ---------------------------------------------------------------------------
// The documented edge cases, row by row.

// Every count of tenths below 10^6, both signs: ticks t give (2|t| + 1) / 3
// tenths in the direct rendering, compared with the general path.
TEST(OneDecimalDirect, EveryShortFixedFormMatchesTheGeneralPath) {
  for (std::int32_t ticks = -1500002; ticks <= 1500002; ++ticks) {
    char out[kOneDecimalMaxLength];
    const std::string direct(out, FormatSwitchTimeOneDecimal(ticks, ';', out));
    ASSERT_EQ(direct, FormatOneDecimal(DivideInt32By15(ticks), ';')) << ticks;
  }
}

TEST(OneDecimalEdgeCases, FixedForm) {
  ExpectTexts({
      // Singles tie only at .25 and .75; ties go away from zero.
      {Single(0.25f), "0.3"},
      {Single(0.75f), "0.8"},
      {Single(-0.25f), "-0.3"},
      {Single(2.25f), "2.3"},
      {Single(-1.25f), "-1.3"},
      {Single(4194303.75f), "4194303.8"},
      // Singles just off a decimal: 0.35f = 0.3499999940..., 0.05f = 0.0500000007...
      {Single(0.35f), "0.3"},
      {Single(0.95f), "0.9"},
      {Single(9.95f), "9.9"},
      {Single(0.05f), "0.1"},
      {Single(-0.05f), "-0.1"},
      {Single(12345.65f), "12345.7"},
      // Rounding to zero drops the sign; zeros and denormals never have one.
      {Single(0.04f), "0.0"},
      {Single(-0.04f), "0.0"},
      {Bits(0x00000000), "0.0"},
      {Bits(0x80000000), "0.0"},
      {Bits(0x00000001), "0.0"},
      {Bits(0x807FFFFF), "0.0"},
      {Single(1.0f), "1.0"},
      {Single(2.0f), "2.0"},
      {Single(9.96f), "10.0"},
      {Single(0.96f), "1.0"},
      {Single(1e17f), "99999998430674944.0"},
      {Single(1e18f), "999999984306749440.0"},
  });
}

TEST(OneDecimalEdgeCases, IntegersDividedBy15) {
  ExpectTexts({
      {DivideInt32By15(0), "0.0"},
      {DivideInt32By15(1), "0.1"},
      {DivideInt32By15(7), "0.5"},
      {DivideInt32By15(8), "0.5"},
      {DivideInt32By15(22), "1.5"},
      {DivideInt32By15(-23), "-1.5"},
      {DivideInt32By15(2147483647), "143165576.5"},
      {DivideInt32By15(-2147483647 - 1), "-143165576.5"},
  });
}

TEST(OneDecimalEdgeCases, ScientificFormAndNonFinite) {
  ExpectTexts({
      {Bits(std::bit_cast<uint32_t>(1e18f) + 1), "1.00000005302623E18"},
      {Single(1e20f), "1.00000002004088E20"},
      {Single(-1e20f), "-1.00000002004088E20"},
      {Single(FLT_MAX), "3.40282346638529E38"},
      // The 18 digits end in ...636500 and round up at 15 digits, although
      // the exact value (...6364994...) would not.
      {Bits(0x6693C291), "3.48888494841637E23"},
      {Bits(0x7FC00000), "NAN"},
      {Bits(0xFFC00000), "NAN"},
      {Bits(0x7F800001), "NAN"},  // signalling
      {Bits(0x7F800000), "INF"},
      {Bits(0xFF800000), "-INF"},
  });
}

// ---------------------------------------------------------------------------
// Carries and the fixed/scientific boundary, with values only an extended
// (not a single) can hold.

TEST(OneDecimalRounding, CarriesAndTheScientificBoundary) {
  ExpectTexts({
      {Single(99999.96875f), "100000.0"},
      {Single(-0.875f), "-0.9"},
      {Integer(999999999999999999u), "999999999999999999.0"},
      {Integer(999999999999999999u, true), "-999999999999999999.0"},
      // 10^18 - 1/2 rounds to 10^18 at 18 digits, so it is written as 10^18.
      {{false, kExtendedBias + 59, 0xDE0B6B3A763FFFF8u}, "1E18"},
      {Integer(1000000000000000000u), "1E18"},
      {Integer(9999999999999995000u), "1E19"},  // carry out of the first digit
      // / 10 gives 999999999999999499.9, rounded to ...9500: the 18-digit
      // step decides the 15th digit.
      {Integer(9999999999999994999u), "1E19"},
      {Integer(9999999999999994900u), "9.99999999999999E18"},
      {Integer(kTop), "9.22337203685478E18"},
  });
}

// ---------------------------------------------------------------------------
// Separator: "," and "." both show as "."; any other byte passes through,
// in every form.

TEST(OneDecimalSeparator, OnlyCommaBecomesDot) {
  const struct {
    char separator;
    Extended value;
    const char* expected;
  } cases[] = {
      {';', Single(-2.25f), "-2;3"},
      {'\'', Single(0.0f), "0'0"},
      {'\'', Single(-0.04f), "0'0"},
      {';', Single(1e20f), "1;00000002004088E20"},
      {';', Integer(1000000000000000000u), "1E18"},
      {';', Bits(0xFF800000), "-INF"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatOneDecimal(c.value, c.separator), c.expected);
}

// ---------------------------------------------------------------------------
// Any 80-bit pattern gives a sane text within kOneDecimalMaxLength.

TEST(OneDecimalAnyPattern, ExtendedOnlyEncodings) {
  ExpectTexts({
      {{false, 0, 1}, "0.0"},               // extended denormal
      {{true, 0, kTop}, "0.0"},             // pseudo-denormal
      {{false, 1, kTop}, "0.0"},            // smallest normal
      {{false, 0x3FFF, kTop >> 1}, "INF"},  // unnormal
      {{true, 0x1234, 0}, "-INF"},          // unnormal zero
      {{false, 0x7FFF, 0}, "INF"},          // pseudo-infinity
      {{true, 0x7FFF, kTop >> 1}, "-INF"},  // pseudo-NaN
      {kExtendedIndefinite, "NAN"},
      {{true, 0x7FFE, ~uint64_t{0}}, "-1.18973149535723E4932"},  // largest finite
      {{false, 0x7BCA, 0xAE3511626ED559F0u}, "1E4608"},
      {{false, 0x3FFB, kTop}, "0.1"},  // 0.0625
      {{false, 0x3FFA, kTop}, "0.0"},  // 0.03125
  });
}

TEST(OneDecimalAnyPattern, WritesOnlyTheReturnedLength) {
  const Extended longest_scientific{true, 0x7FFE, ~uint64_t{0}};
  for (const Extended& value :
       {longest_scientific, Integer(999999999999999999u, true), Single(0.0f), Bits(0xFF800000)}) {
    char buffer[kOneDecimalMaxLength + 8];
    std::memset(buffer, '#', sizeof buffer);
    const std::size_t length = FormatOneDecimal(value, '.', buffer);
    ASSERT_LE(length, kOneDecimalMaxLength);
    EXPECT_EQ(std::string(buffer, length), FormatOneDecimal(value));
    EXPECT_EQ(std::string(buffer + length, sizeof buffer - length),
              std::string(sizeof buffer - length, '#'));
  }
  EXPECT_EQ(FormatOneDecimal(longest_scientific).size(), 22u);
}

// ---------------------------------------------------------------------------
// The result ignores the floating-point environment and leaves it alone.

TEST(OneDecimalEnvironment, IndependentOfRoundingMode) {
  const Extended values[] = {Single(0.25f), Single(-0.05f), DivideInt32By15(-7), Bits(0x6693C291)};
  std::string expected[std::size(values)];
  for (std::size_t i = 0; i < std::size(values); ++i) expected[i] = FormatOneDecimal(values[i]);
  for (const int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    ASSERT_EQ(std::fesetround(mode), 0);
    for (std::size_t i = 0; i < std::size(values); ++i) {
      EXPECT_EQ(FormatOneDecimal(values[i]), expected[i]) << mode;
    }
    EXPECT_EQ(DivideInt32By15(-7), values[2]) << mode;
    EXPECT_EQ(std::fegetround(), mode);
  }
  std::fesetround(FE_TONEAREST);
}

}  // namespace
}  // namespace kovrant
