// Rows of the lever table, converted in process over the in-memory platform.
#include "table/table_writer.h"

#include <gtest/gtest.h>

#include "app/run.h"
#include "io/failure.h"
#include "ldb_builder.h"
#include "support/fake_platform.h"

namespace kovrant {
namespace {

using namespace ldb;
using namespace std::string_literals;

constexpr std::uint32_t kQuietNaN = 0x7FC00000;
constexpr std::uint32_t kSignallingNaN = 0x7F800001;
constexpr std::uint32_t kOne = 0x3F800000;

struct Conversion {
  std::string rows;     // the table without its header row
  std::string failure;  // the failure's report text, empty when it converted
};

Conversion Convert(const std::string& database, char separator = '.') {
  test::FakePlatform platform;
  platform.files["db"].data = database;
  Conversion result;
  try {
    EXPECT_EQ(Run({"db"}, platform, separator), 0);
  } catch (const Failure& failure) {
    result.failure = FormatFailureReport(failure, "kovrant");
    EXPECT_EQ(platform.files.size(), 1u);  // no table, no temporary file
    return result;
  }
  std::string table = platform.files.at("LeverPrototypes.txt").data;
  std::string header = std::string(kHeaderRow) + "\r\n";
  EXPECT_EQ(table.substr(0, header.size()), header);
  result.rows = table.substr(header.size());
  return result;
}

struct RowCase {
  const char* what;
  std::string database;
  std::string rows;
};

std::string Full(std::int32_t places) {
  return Prototype({Name("Oak lever"), PlaceBlock(1, 2, 3, 4), PlaceCount(places), Scale(2.0f),
                    SwitchTime(15), Material("oak"), SwitchSound("creak.wav"),
                    Description("An old lever")});
}

TEST(TableWriterTest, Rows) {
  const std::string long_text(5000, 'L');
  const RowCase cases[] = {
      {"no prototypes", Database({}), ""},
      {"P = 1: eight cells, Place2 empty", Database({Full(1)}),
       "Oak lever\t1.0,2.0\t\t2.0\t1.0\toak\tcreak.wav\tAn old lever\r\n"},
      {"P = 2", Database({Full(2)}),
       "Oak lever\t1.0,2.0\t3.0,4.0\t2.0\t1.0\toak\tcreak.wav\tAn old lever\r\n"},
      {"P = 0: two empty cells", Database({Full(0)}),
       "Oak lever\t\t\t2.0\t1.0\toak\tcreak.wav\tAn old lever\r\n"},
      {"P = 3 and P = -1: no cells", Database({Full(3), Full(-1)}),
       "Oak lever\t2.0\t1.0\toak\tcreak.wav\tAn old lever\r\n"
       "Oak lever\t2.0\t1.0\toak\tcreak.wav\tAn old lever\r\n"},
      {"place block never read: zeros", Database({Prototype({Name("A"), PlaceCount(2)})}),
       "A\t0.0,0.0\t0.0,0.0\r\n"},
      {"place block carried from an earlier prototype, across sections",
       Cat({Section(2, {Group({Prototype({PlaceBlock(-1.5f, 0.25f, 9.96f, 1e20f)})})}),
            Database({Prototype({Name("B"), PlaceCount(2)})})}),
       "B\t-1.5,0.3\t10.0,1.00000002004088E20\r\n"},
      {"scale 1.0 leaves the cell empty",
       Database({Prototype({Name("C"), Scale(1.0f)}), Prototype({Name("D"), Scale(-1.0f)})}),
       "C\t\r\nD\t-1.0\r\n"},
      {"switch times",
       Database(
           {Prototype({SwitchTime(0), SwitchTime(-30), SwitchTime(7), SwitchTime(2147483647)})}),
       "\t0.0\t-2.0\t0.5\t143165576.5\r\n"},
      {"NUL bytes vanish", Database({Prototype({Name("Lever\0"s), Material("a\0b"s)})}),
       "Lever\tab\r\n"},
      {"empty material: the TAB only", Database({Prototype({Name("E"), Material("")})}), "E\t\r\n"},
      {"a repeated name is appended without a TAB",
       Database({Prototype({Name("F"), Material("m"), Name("G")})}), "F\tmG\r\n"},
      {"bytes copied unchanged", Database({Prototype({Name("Hebel \xE4\xFC\x80\xFF\t\r\n")})}),
       "Hebel \xE4\xFC\x80\xFF\t\r\n\r\n"},
      {"a value longer than 2,052 bytes", Database({Prototype({Description(long_text)})}),
       "\t" + long_text + "\r\n"},
      {"no fields: an empty line", Database({Prototype({})}), "\r\n"},
      {"unknown field types add nothing",
       Database({Prototype({Name("H"), Record(8, "xx"), Record(255, "yy")})}), "H\r\n"},
      {"tag-2 and tag-0 sections write no rows",
       Cat({Section(2, {Group({Full(1)})}), Section(0, {Group({Full(2)})})}), ""},
      {"prototypes of several groups and sections in order",
       Cat({Database({Prototype({Name("I")}), Prototype({Name("J")})}),
            Section(1, {Group({Prototype({Name("K")})}), Group({Prototype({Name("L")})})})}),
       "I\r\nJ\r\nK\r\nL\r\n"},
      {"fixed-size reads ignore the declared length",
       // A scale whose value claims two bytes: the float is read from the
       // two bytes and the following field's header (0x05 0x02).
       Database({Prototype({Record(3, "\x00\x00"s), Material("z")})}), "\t0.0\tz\r\n"},
      {"a quiet NaN place renders NAN, infinities INF",
       Database(
           {Prototype({PlaceBlockBits(kQuietNaN, 0xFF800000, 0x7F800000, kOne), PlaceCount(2)})}),
       "\tNAN,-INF\tINF,1.0\r\n"},
      {"a signalling NaN place that is not rendered is harmless",
       Database({Prototype({PlaceBlockBits(kOne, kOne, kSignallingNaN, kSignallingNaN),
                            PlaceCount(1), PlaceCount(0), PlaceCount(7)})}),
       "\t1.0,1.0\t\t\t\r\n"},
  };
  for (const RowCase& c : cases) {
    Conversion result = Convert(c.database);
    EXPECT_EQ(result.failure, "") << c.what;
    EXPECT_EQ(result.rows, c.rows) << c.what;
  }
}

TEST(TableWriterTest, DecimalSeparatorFromTheLocale) {
  std::string db = Database({Prototype({Scale(2.5f), PlaceBlock(1, 2, 3, 4), PlaceCount(1)})});
  EXPECT_EQ(Convert(db, ',').rows, "\t2.5\t1.0,2.0\t\r\n");
  EXPECT_EQ(Convert(db, ';').rows, "\t2;5\t1;0,2;0\t\r\n");
}

TEST(TableWriterTest, InvalidOperationsEndTheRunEvenInUnwrittenPrototypes) {
  const std::string invalid_op =
      "Exception EInvalidOp in module kovrant at 004042XX.\nInvalid floating point operation.\r\n";
  struct Case {
    const char* what;
    std::string database;
    const char* site;
  };
  const Case cases[] = {
      {"quiet NaN scale", Database({Prototype({ScaleBits(kQuietNaN)})}), "94"},
      {"signalling NaN scale", Database({Prototype({ScaleBits(0xFF800001)})}), "94"},
      {"NaN scale under tag 2", Section(2, {Group({Prototype({ScaleBits(kQuietNaN)})})}), "94"},
      {"signalling NaN y1 with P = 1",
       Database({Prototype({PlaceBlockBits(0, kSignallingNaN, 0, 0), PlaceCount(1)})}), "50"},
      {"signalling NaN y2 with P = 2 under tag 0",
       Section(0, {Group({Prototype({PlaceBlockBits(0, 0, 0, 0xFFBFFFFF), PlaceCount(2)})})}),
       "50"},
  };
  for (const Case& c : cases) {
    std::string expected = invalid_op;
    expected.replace(expected.find("XX"), 2, c.site);
    EXPECT_EQ(Convert(c.database).failure, expected) << c.what;
  }
}

TEST(TableWriterTest, ReadsOfUnwrittenPrototypesAreStillChecked) {
  // The description claims more bytes than the file holds.
  std::string db = Section(2, {Group({Prototype({Description("abc")})})});
  db.resize(db.size() - 1);
  EXPECT_EQ(Convert(db).failure,
            "Exception EInOutError in module kovrant at 00404208.\nRead beyond end of file.\r\n");
}

}  // namespace
}  // namespace kovrant
