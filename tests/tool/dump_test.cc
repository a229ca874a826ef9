#include "tool/dump.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>

#include <bit>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string_view>

#include "ldb_builder.h"
#include "sample_db.h"
#include "support/fake_platform.h"
#include "tool/check.h"

namespace kovrant::tool {
namespace {

using namespace std::string_literals;
namespace ldb = kovrant::ldb;

TEST(DumpTest, RecordTreeWithValuesMarksAndTheFailingRead) {
  const std::string database =
      ldb::Database({ldb::Prototype({ldb::Name("Oak\0\x92\"\\"s), ldb::PlaceBlock(1.5f, -2, 0, 0),
                                     ldb::PlaceCount(1), ldb::Record(3, "\0\0"s),
                                     ldb::SwitchTime(-7), ldb::Record(12, "\x01\xFE"s)})}) +
      ldb::Record(1, "\x00"s) + "\x00"s;
  test::FakePlatform platform;
  platform.files["db"].data = database;
  std::ostringstream out, err;
  EXPECT_EQ(DumpWithBudget(platform, "db", out, err, -1), 1);
  EXPECT_EQ(
      out.str(),
      "           0 L1 tag 1  len1:51\n"
      "           2   L2 tag 0  len1:49\n"
      "           4     L3 tag 0  len1:47\n"
      "           6       L4 field 0 (Name)  len1:7  = \"Oak\\0\\x92\\\"\\\\\"\n"
      "          15       L4 field 1 (place block)  len1:16  = 1.5,-2 0,0\n"
      "          33       L4 field 2 (Place1/Place2)  len1:4  = count 1\n"
      "          39       L4 field 3 (Scale)  len1:2  = 3.9722305e-34  !! short value: holds 2 "
      "bytes, its type reads 4\n"
      "          43       L4 field 4 (Switch Time)  len1:4  = -7 ticks (-0.5 s)\n"
      "          49       L4 field 12  len1:2  = bytes 01 FE\n"
      "          53 L1 tag 1  len1:1\n"
      "          55   L2 tag 0  len1:0  !! stray: bytes left before its parent's end (56) "
      "read as a record\n"
      "          56 !! kovrant fails here: Read beyond end of file: the tag and packed length "
      "of the first-level record starting here run past the end of the file (1 byte "
      "left)\n");
  // The error line as check gives it, on standard error.
  EXPECT_EQ(err.str(), FindingPrefix("db", 56) +
                           "error: " + out.str().substr(out.str().find("fails here: ") + 12));
}

// Floats of a few decimals, as most are, take a quicker way than to_chars,
// to the same text.
TEST(DumpTest, FloatsShowAsToCharsShowsThem) {
  std::mt19937 random(5);
  for (int i = 0; i < 400000; ++i) {
    float value;
    if (i % 2 == 0) {
      const int decimals = static_cast<int>(random() % 5);
      const double scale[] = {1, 10, 100, 1000, 10000};
      value = static_cast<float>(static_cast<double>(random() % 20000000) / scale[decimals]);
      if (random() % 2) value = -value;
      if (i % 50 == 0)
        value = static_cast<float>(std::pow(10.0, static_cast<double>(random() % 12)) *
                                   static_cast<double>(random() % 10));
    } else {
      value = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
      if (std::isnan(value)) continue;
    }
    char expected[32];
    const std::string wanted(expected, std::to_chars(expected, expected + 32, value).ptr);
    ASSERT_EQ(FloatText(std::bit_cast<std::uint32_t>(value)), wanted);
  }
}

TEST(DumpTest, FloatsReadBackExactlyAndTextsUnescapeToTheirBytes) {
  std::mt19937 random(11);
  for (int i = 0; i < 100000; ++i) {
    const auto bits = static_cast<std::uint32_t>(random());
    const std::string text = FloatText(bits);
    if ((bits & 0x7F800000) == 0x7F800000 && (bits & 0x007FFFFF) != 0) {
      ASSERT_TRUE(text.starts_with("NaN(0x")) << text;
      continue;
    }
    ASSERT_EQ(std::bit_cast<std::uint32_t>(std::strtof(text.c_str(), nullptr)), bits) << text;
  }
  for (int i = 0; i < 2000; ++i) {
    // Mostly printable, so that long plain runs meet every kind of byte.
    std::string bytes(random() % 100, '\0');
    for (char& c : bytes) {
      c = static_cast<char>(random() % 8 ? 0x20 + random() % 0x5F : random());
    }
    const std::string shown = EscapeText(bytes, 1000);
    std::string back;
    for (std::size_t at = 1; at + 1 < shown.size(); ++at) {
      ASSERT_TRUE(shown[at] >= 0x20 && shown[at] < 0x7F && shown[at] != '"') << shown;
      char c = shown[at];
      if (c == '\\' && shown[++at] == 'x') {
        c = static_cast<char>(std::stoi(shown.substr(at + 1, 2), nullptr, 16));
        at += 2;
      } else if (c == '\\') {
        const std::size_t k = std::string_view("trn0").find(shown[at]);
        c = k == std::string_view::npos ? shown[at] : "\t\r\n"[k];  // k == 3: the NUL
      }
      back += c;
    }
    ASSERT_EQ(back, bytes) << shown;
  }
}

}  // namespace
}  // namespace kovrant::tool
