#include "tool/cell_number.h"

#include <gtest/gtest.h>

#include "tool_support.h"

namespace kovrant::tool {
namespace {

// What kovrant shows reads back as the value it showed: every float and
// tick count, rendered, parsed and stored again, renders the same.
TEST(CellNumberTest, RenderedNumbersStoreBackToTheSameText) {
  std::mt19937 rng(3);
  for (int i = 0; i < 200000; ++i) {
    const std::uint32_t bits = test::RandomFloatBits(rng);
    const std::string shown = RenderFloat32(bits, '.');
    const auto number = ParseCellNumber(shown, '.');
    ASSERT_TRUE(number) << shown;
    const auto stored = NearestFloat32(*number);
    ASSERT_TRUE(stored) << shown;
    ASSERT_EQ(RenderFloat32(*stored, '.'), shown) << bits;

    const auto ticks = static_cast<std::int32_t>(rng());
    const std::string seconds = RenderSwitchTime(ticks, ';');
    const auto back = SecondsToTicks(*ParseCellNumber(seconds, ';'));
    ASSERT_TRUE(back) << seconds;
    ASSERT_EQ(RenderSwitchTime(*back, ';'), seconds) << ticks;
  }
}

// The forms a spreadsheet saves read as the same number as kovrant's text.
TEST(CellNumberTest, SpreadsheetFormsReadTheSame) {
  const struct {
    const char* kovrant;
    const char* saved;
    char separator;
  } same[] = {{"3.0", "3", '.'},
              {"3.0", "3.00", '.'},
              {"-0.5", "-.5", '.'},
              {"0.0", "-0", '.'},
              {"1;5", "1.50", ';'},
              {"1;5", "15E-1", ';'},
              {"1.00000002004088E20", "1.00000002004088E+020", '.'},
              {"INF", "inf", '.'},
              {"-INF", "-Inf", '.'}};
  for (const auto& c : same) {
    EXPECT_EQ(ParseCellNumber(c.kovrant, c.separator), ParseCellNumber(c.saved, c.separator))
        << c.saved;
  }
  for (const char* text : {"", "-", ".", "1.2.3", "1E", "1 000", "0x10", "1e999999", "1,5"}) {
    EXPECT_FALSE(ParseCellNumber(text, '.')) << text;
  }
}

TEST(CellNumberTest, TicksRoundHalvesAwayFromZeroWithinTheRange) {
  const struct {
    const char* seconds;
    std::optional<std::int32_t> ticks;
  } cases[] = {{"2.37", 36},
               {"0.1", 2},
               {"-0.1", -2},
               {"143165576.5", 2147483647},
               {"143165576.6", std::nullopt},
               {"-143165576.53333", -2147483648LL},
               {"1e-30", 0},
               {"NAN", std::nullopt}};
  for (const auto& c : cases) {
    EXPECT_EQ(SecondsToTicks(*ParseCellNumber(c.seconds, '.')), c.ticks) << c.seconds;
  }
}

// Short numbers take a quicker way than long ones: the same number spelled
// with trailing zeros in its digits (a form no parse makes, which takes the
// long way) gives the same float and tick count.
TEST(CellNumberTest, ShortNumbersStoreAsTheirLongSpelling) {
  std::mt19937 rng(11);
  for (int i = 0; i < 200000; ++i) {
    CellNumber number;
    number.negative = rng() % 2 == 0;
    for (std::size_t n = 1 + rng() % 9; number.digits.size() < n;) {
      number.digits +=
          static_cast<char>('0' + (number.digits.empty() ? 1 + rng() % 9 : rng() % 10));
    }
    if (number.digits.back() == '0') number.digits.back() = '7';
    number.exponent = static_cast<std::int64_t>(rng() % 17) - 12;
    CellNumber spelled = number;
    spelled.digits += "0000000000";
    spelled.exponent -= 10;
    ASSERT_EQ(NearestFloat32(number), NearestFloat32(spelled))
        << number.digits << "e" << number.exponent;
    ASSERT_EQ(SecondsToTicks(number), SecondsToTicks(spelled))
        << number.digits << "e" << number.exponent;
  }
}

// Plain decimals, read without CellNumber, store as the general reading
// stores them; texts of other forms are left to it.
TEST(CellNumberTest, PlainDecimalsStoreAsParsedNumbers) {
  std::mt19937 rng(17);
  const std::string alphabet = "0123456789.;-+E";
  for (int i = 0; i < 300000; ++i) {
    std::string text;
    if (i % 10 == 0) {
      for (std::size_t n = rng() % 8; text.size() < n;) text += alphabet[rng() % alphabet.size()];
    } else {
      if (rng() % 3 == 0) text += "-+"[rng() % 2];
      for (std::size_t n = 1 + rng() % 16; text.size() < n;)
        text += static_cast<char>('0' + rng() % 10);
      if (rng() % 2) text.insert(rng() % (text.size() + 1), 1, ".;"[rng() % 2]);
    }
    const auto plain = ReadPlainDecimal(text, ';');
    if (!plain) continue;
    const auto parsed = ParseCellNumber(text, ';');
    ASSERT_TRUE(parsed) << text;
    ASSERT_EQ(PlainFloat32(*plain), NearestFloat32(*parsed)) << text;
    if (const auto ticks = PlainTicks(*plain)) {
      ASSERT_EQ(ticks, SecondsToTicks(*parsed)) << text;
    }
  }
}

}  // namespace
}  // namespace kovrant::tool
