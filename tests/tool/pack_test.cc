#include <gtest/gtest.h>

#include <sstream>

#include "sample_db.h"
#include "support/fake_platform.h"
#include "tool/cell_values.h"
#include "tool/commands.h"
#include "tool/row_prototype.h"
#include "tool/table_text.h"
#include "tool_support.h"

namespace kovrant::tool {
namespace {

using test::FakePlatform;

struct Result {
  int code;
  std::string out, err;
};

Result RunPack(FakePlatform& platform, const std::string& table) {
  platform.files["table.txt"].data = table;
  std::ostringstream out, err;
  const int code = Pack(platform, PackOptions{"table.txt", "out.ldb", '.'}, out, err);
  return {code, out.str(), err.str()};
}

const std::string kHeader = std::string(kovrant::kHeaderRow) + "\r\n";

// kovrant(pack(T)) == T for tables kovrant writes for prototypes whose
// fields come in type order, short rows included (the sample's too).
TEST(PackTest, PackedTableConvertsBackExactly) {
  std::mt19937 rng(7);
  for (int round = 0; round < 300; ++round) {
    std::string table = kHeader;
    for (int r = 0, rows = static_cast<int>(rng() % 6); r < rows; ++r) {
      const auto row = ldb::RandomRow(rng);
      for (std::size_t c = 0; c < row.size(); ++c) table += (c ? "\t" : "") + row[c];
      table += "\r\n";
    }
    if (round == 0) table = test::KovrantTable(ldb::SampleDatabase());
    FakePlatform platform;
    const Result result = RunPack(platform, table);
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(test::KovrantTable(platform.files.at("out.ldb").data), table);
  }
}

// Rows are packed without working out what they will show, and a row is
// looked at again only where the proof finds it showing otherwise than
// typed: the notes and the table are still those of every row worked out.
TEST(PackTest, RowsShowAndAreNotedAsWorkedOutWhateverTheirSpelling) {
  std::mt19937 rng(13);
  // "1.5" as "1.50", "1.537" (stored at lower precision) or "2" for "2.0".
  const auto respell = [&](std::string number) {
    const std::size_t point = number.find('.');
    if (point == std::string::npos || number.find('E') != std::string::npos) return number;
    switch (rng() % 4) {
      case 0:
        return number + "0";
      case 1:
        return number + "37";
      case 2:
        return number.ends_with(".0") ? number.substr(0, point) : number;
      default:
        return number;
    }
  };
  for (int round = 0; round < 200; ++round) {
    std::string table = kHeader;
    for (int r = 0, rows = static_cast<int>(rng() % 8); r < rows; ++r) {
      auto row = ldb::RandomRow(rng);
      for (std::size_t c = 1; c < row.size() && c < 5; ++c) {
        const std::size_t comma = row[c].find(',');
        row[c] = comma == std::string::npos
                     ? respell(row[c])
                     : respell(row[c].substr(0, comma)) + "," + respell(row[c].substr(comma + 1));
      }
      for (std::size_t c = 0; c < row.size(); ++c) table += (c ? "\t" : "") + row[c];
      table += "\r\n";
    }
    FakePlatform platform;
    const Result result = RunPack(platform, table);
    ASSERT_EQ(result.code, 0) << result.err;

    const TableText typed = ReadTableText(table, "table.txt");
    std::vector<std::string> notes;
    std::string shown = kHeader;
    for (std::size_t r = 0; r < typed.rows.size(); ++r) {
      TableLine line = typed.rows[r];
      DropPadding(line, 8);
      AppendTableRow(BuildRowFields(line, 0, RowSource{"table.txt", r + 1, '.'}, notes).shown,
                     shown);
    }
    EXPECT_EQ(test::KovrantTable(platform.files.at("out.ldb").data), shown) << table;
    std::string out;
    for (const std::string& note : notes) out += note + "\n";
    out += "packed " + std::to_string(typed.rows.size()) + " prototype" +
           (typed.rows.size() == 1 ? "" : "s") + " into out.ldb\n";
    EXPECT_EQ(result.out, out) << table;
  }
}

// A table as kovrant writes it is packed line by line as it is read; any
// other goes the general way, as a table with an empty line at its end
// always does (the line is dropped). Both ways give the same database,
// notes and refusals, for tables with LF or CR LF line ends, numbers
// spelled otherwise and cells that are refused.
TEST(PackTest, LineByLineAndTheGeneralWayPackAlike) {
  std::mt19937 rng(29);
  const std::string spoilers[] = {"x", "\r", "\xEF\xBF\xBD", "\t", "\t\t\t\t", "0", "1.0", "\xE9"};
  for (int round = 0; round < 400; ++round) {
    std::string table = kHeader;
    for (int r = 0, rows = static_cast<int>(rng() % 6); r < rows; ++r) {
      auto row = ldb::RandomRow(rng);
      if (rng() % 4 == 0) row[rng() % row.size()] += spoilers[rng() % std::size(spoilers)];
      for (std::size_t c = 0; c < row.size(); ++c) table += (c ? "\t" : "") + row[c];
      table += rng() % 2 ? "\r\n" : "\n";
    }
    FakePlatform quick, general;
    const Result a = RunPack(quick, table);
    const Result b = RunPack(general, table + "\n");
    EXPECT_EQ(a.code, b.code) << table;
    EXPECT_EQ(a.out, b.out) << table;
    EXPECT_EQ(a.err, b.err) << table;
    if (a.code != 0) continue;
    const std::string database = quick.files.at("out.ldb").data;
    EXPECT_EQ(database, general.files.at("out.ldb").data);
    // The database may be held in pieces: a file holding it is found
    // unchanged, one with any byte of its own is replaced.
    EXPECT_TRUE(RunPack(quick, table)
                    .out.ends_with("it already holds these bytes, so nothing "
                                   "was written and no backup made\n"));
    const std::size_t changed = rng() % database.size();
    quick.files.at("out.ldb").data[changed] ^= 1;
    EXPECT_TRUE(RunPack(quick, table).out.ends_with("kept as out.ldb.bak\n")) << changed;
    EXPECT_EQ(quick.files.at("out.ldb").data, database);
  }
}

TEST(PackTest, PrototypeHasTheFieldsOfItsCellsInOrder) {
  using namespace ldb;
  FakePlatform platform;
  platform.files["out.ldb"].data = "earlier";
  const Result result =
      RunPack(platform, kHeader + "Oak\t1.5,2.0\t\t1\t2.0\tiron\ts.wav\tA lever\n");
  ASSERT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(
      platform.files.at("out.ldb").data,
      Database({Prototype(
          {Name(std::string("Oak\0", 4)), PlaceBlock(1.5f, 2.0f, 0, 0), PlaceCount(1), Scale(1.0f),
           SwitchTime(30), Material(std::string("iron\0", 5)),
           SwitchSound(std::string("s.wav\0", 6)), Description(std::string("A lever\0", 8))})}));
  EXPECT_EQ(result.out,
            "row 1, Scale: 1 stored as 1.0, which reads as an empty cell\n"
            "packed 1 prototype into out.ldb; the file it replaced is kept as out.ldb.bak\n");
  EXPECT_EQ(platform.files.at("out.ldb.bak").data, "earlier");
}

TEST(PackTest, RowsThatCannotBePackedAreRefusedWithTheirNumber) {
  const struct {
    std::string row, err;
  } cases[] = {
      {"a\t\t\t\t\tm\n",
       "ldbtool: table.txt: offset 83 (0x53): error: row 1, Switch Time: an empty cell cannot be "
       "made here (a switch time always shows a number; type 0 for none)\n"},
      {"a\t\t1,2\t\t1.0\tm\ts\td\n",
       "ldbtool: table.txt: offset 81 (0x51): error: row 1, Place2: a second place needs a first "
       "one (Place1 is empty)\n"},
      {"a\t1,x\t\t\t1.0\tm\ts\td\n",
       "ldbtool: table.txt: offset 80 (0x50): error: row 1, Place1: \"x\" is not a number: write "
       "it as "
       "kovrant does, with \".\" as the decimal separator (e.g. 0.45) and no thousands separators "
       "or "
       "units\n"},
  };
  for (const auto& c : cases) {
    FakePlatform platform;
    const Result result = RunPack(platform, kHeader + c.row);
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(platform.files.count("out.ldb"), 0u);
    EXPECT_EQ(platform.files.size(), 1u);
  }
}

}  // namespace
}  // namespace kovrant::tool
