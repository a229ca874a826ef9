// The table writer renders the common numbers (floats below 2^56, switch
// times) by a short cut of its own; every cell must still read exactly as
// FormatOneDecimal renders the value. Checked on every exponent with edge
// fractions, on the values where rounding to one decimal has to decide, on
// random bit patterns, and with the separators ".", "," and a third one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "extended_reference.h"
#include "io/input_file.h"
#include "io/table_file.h"
#include "ldb/record_walk.h"
#include "ldb_builder.h"
#include "support/fake_platform.h"
#include "table/extended.h"
#include "table/one_decimal.h"
#include "table/table_writer.h"

namespace kovrant {
namespace {

constexpr std::uint32_t kFloatOne = 0x3F800000;

bool IsNaN(std::uint32_t bits) { return (bits & 0x7F800000) == 0x7F800000 && (bits & 0x7FFFFF); }

// Signalling NaNs end the run; they are made quiet here.
std::uint32_t Quiet(std::uint32_t bits) { return IsNaN(bits) ? bits | 0x400000 : bits; }

std::uint32_t Bits(float value) {
  std::uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

std::vector<std::uint32_t> FloatPatterns() {
  std::vector<std::uint32_t> patterns;
  std::mt19937 random(7);
  const std::uint32_t fractions[] = {0, 1, 2, 3, 0x3FFFFF, 0x400000, 0x400001, 0x7FFFFE, 0x7FFFFF};
  for (std::uint32_t sign = 0; sign < 2; ++sign) {
    for (std::uint32_t biased = 0; biased < 256; ++biased) {
      for (std::uint32_t fraction : fractions)
        patterns.push_back(sign << 31 | biased << 23 | fraction);
      for (int i = 0; i < 8; ++i) {
        patterns.push_back(sign << 31 | biased << 23 | (random() & 0x7FFFFF));
      }
    }
  }
  // Quarters, twentieths and hundredths: ties and near-ties of the rounding.
  for (int i = -4000; i <= 4000; ++i) {
    patterns.push_back(Bits(static_cast<float>(i) / 4.0f));
    patterns.push_back(Bits(static_cast<float>(i) / 20.0f));
    patterns.push_back(Bits(static_cast<float>(i) / 100.0f));
  }
  for (int i = 0; i < 60000; ++i) patterns.push_back(static_cast<std::uint32_t>(random()));
  for (std::uint32_t& bits : patterns) bits = Quiet(bits);
  return patterns;
}

std::vector<std::int32_t> SwitchTimes() {
  std::vector<std::int32_t> ticks = {INT32_MIN, INT32_MIN + 1, INT32_MAX, INT32_MAX - 1, -1, 0, 1};
  for (std::int32_t t = -3000; t <= 3000; ++t) ticks.push_back(t);
  std::mt19937 random(11);
  for (int i = 0; i < 20000; ++i) ticks.push_back(static_cast<std::int32_t>(random()));
  return ticks;
}

std::string Format(std::uint32_t bits, char separator) {
  return FormatOneDecimal(WidenFloat32(bits), separator);
}

// One prototype per four floats: places (P = 2), a scale and a switch time;
// returns the database and the rows FormatOneDecimal gives for it.
struct Case {
  std::string database;
  std::vector<std::string> rows;
};

Case Build(char separator) {
  const std::vector<std::uint32_t> floats = FloatPatterns();
  const std::vector<std::int32_t> ticks = SwitchTimes();
  Case c;
  std::vector<std::string> prototypes;
  const std::size_t count = std::max(floats.size() / 4, ticks.size());
  for (std::size_t i = 0; i < count; ++i) {
    std::uint32_t f[4];
    for (std::size_t k = 0; k < 4; ++k) f[k] = floats[(4 * i + k) % floats.size()];
    const std::uint32_t scale = IsNaN(f[0]) ? kFloatOne : f[0];
    const std::int32_t t = ticks[i % ticks.size()];
    prototypes.push_back(
        ldb::Prototype({ldb::PlaceBlockBits(f[0], f[1], f[2], f[3]), ldb::PlaceCount(2),
                        ldb::ScaleBits(scale), ldb::SwitchTime(t)}));
    std::string row;
    for (int k = 0; k < 4; ++k) {
      row += k % 2 == 0 ? '\t' : ',';
      row += Format(f[k], separator);
    }
    row += '\t';
    if (scale != kFloatOne) row += Format(scale, separator);
    row += '\t';
    row += FormatOneDecimal(DivideInt32By15(t), separator);
    c.rows.push_back(row);
  }
  c.database = ldb::Database(prototypes);
  return c;
}

std::vector<std::string> TableRows(const std::string& database, char separator) {
  test::FakePlatform platform;
  platform.files["levers.ldb"].data = database;
  std::unique_ptr<InputFile> input;
  EXPECT_EQ(InputFile::Open(platform, "levers.ldb", &input), 0);
  TableFile table(platform, "LeverPrototypes.txt", CheckSite::kCreateTable);
  TableWriter writer(table, separator);
  writer.WalkRemembering(*input, /*seed=*/1);
  input->Close(CheckSite::kCloseInput);
  table.Commit(CheckSite::kCloseTable);
  const std::string& text = platform.files.at("LeverPrototypes.txt").data;
  std::vector<std::string> rows;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find("\r\n", at);
    rows.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return rows;
}

class NumberCellsTest : public ::testing::TestWithParam<char> {};

TEST_P(NumberCellsTest, EveryCellReadsAsTheOneDecimalFormat) {
  const char separator = GetParam();
  const Case c = Build(separator);
  const std::vector<std::string> rows = TableRows(c.database, separator);
  ASSERT_EQ(rows.size(), c.rows.size() + 1);
  int mismatches = 0;
  for (std::size_t i = 0; i < c.rows.size() && mismatches < 10; ++i) {
    if (rows[i + 1] != c.rows[i]) {
      ADD_FAILURE() << "prototype " << i << ": table \"" << rows[i + 1] << "\", format \""
                    << c.rows[i] << "\"";
      ++mismatches;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Separators, NumberCellsTest, ::testing::Values('.', ',', ';'));

}  // namespace
}  // namespace kovrant
