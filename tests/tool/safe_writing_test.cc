// What apply and pack do to keep a modder's data: the table's character
// set, a cleared Scale, messages that say what to do, and the files at OUT
// that are not plain files.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "support/fake_platform.h"
#include "tool/commands.h"
#include "tool/encoding.h"
#include "tool_support.h"

namespace kovrant::tool {
namespace {

using test::FakePlatform;
using test::KovrantTable;
const std::string kHeader = std::string(kHeaderRow) + "\r\n";
// Where the first row's first cell starts.
const std::string kAt = "ldbtool: table.txt: offset 78 (0x4E): error: ";

struct Result {
  int code;
  std::string out, err;
};

Result Apply(FakePlatform& platform, const std::string& table,
             TableEncoding encoding = TableEncoding::kWindows1252, bool no_backup = false) {
  platform.files["table.txt"].data = table;
  std::ostringstream out, err;
  const int code = tool::Apply(
      platform, {"levers.ldb", "table.txt", "out.ldb", false, '.', no_backup, encoding}, out, err);
  return {code, out.str(), err.str()};
}

std::string Lever(const std::string& name) {
  return ldb::Database({ldb::Prototype({ldb::Name(name), ldb::SwitchTime(15)})});
}

TEST(SafeWritingTest, TableCharacterSets) {
  const std::string advice =
      "; the table was saved as UTF-8: save it as Western Europe (Windows-1252), or pass "
      "--encoding utf-8\n";
  const std::string as_utf8 = " (the table is read as UTF-8, as --encoding utf-8 asks)\n";
  const auto utf8 = TableEncoding::kUtf8, cp1252 = TableEncoding::kWindows1252;
  const struct {
    TableEncoding encoding;
    std::string name, err, stored;
  } cases[] = {
      {cp1252, "Zugbr\357\277\275cke",
       "holds EF BF BD, the UTF-8 mark of a lost character" + advice, ""},
      {cp1252, "Zugbr?cke", "is an old text with its letters beyond ASCII as \"?\"" + advice, ""},
      {cp1252, "Zugbr\303\274cke", "is an old text in UTF-8 bytes" + advice, ""},
      {cp1252, "Zugbr\374cke!", "", "Zugbr\374cke!"},
      {utf8, "Zugbr\303\274cke \342\202\254", "", "Zugbr\374cke \200"},
      {utf8, "\344\270\200",
       "'\344\270\200' (U+4E00) cannot be stored: Windows-1252, the "
       "database's character set, has no such character" +
           as_utf8,
       ""},
      {utf8, "Zugbr\374cke", "invalid UTF-8 at byte 6 of the cell (0xFC 0x63)" + as_utf8, ""},
  };
  for (const auto& c : cases) {
    FakePlatform platform;
    platform.files["levers.ldb"].data = Lever("Zugbr\374cke");
    // A table read as UTF-8 may start with UTF-8's byte-order mark.
    const std::string mark = c.encoding == utf8 ? "\357\273\277" : "";
    const Result result = Apply(platform, mark + kHeader + c.name + "\t1.0\r\n", c.encoding);
    const bool cell = c.encoding == cp1252;
    EXPECT_EQ(result.err, c.err.empty()
                              ? ""
                              : (cell ? kAt : "ldbtool: table.txt: offset 81 (0x51): error: ") +
                                    "row 1, Name: " + (cell ? "this cell " : "") + c.err);
    if (c.err.empty()) {
      EXPECT_EQ(platform.files.at("out.ldb").data, Lever(c.stored)) << c.name;
    }
  }
}

// Every byte comes back: a table of texts holding any bytes, saved as UTF-8
// and applied as UTF-8, gives the database byte for byte; applied unchanged
// as Windows-1252 too.
TEST(SafeWritingTest, TextsOfAnyBytesSurviveUtf8) {
  std::mt19937 rng(19);
  for (int round = 0; round < 50; ++round) {
    std::vector<std::string> prototypes;
    for (int p = 0; p < 4; ++p) {
      std::string name(rng() % 10, ' ');
      for (char& c : name) c = static_cast<char>(0x20 + rng() % 0xE0);
      prototypes.push_back(
          ldb::Prototype({ldb::Name(name), ldb::SwitchTime(15), ldb::Material(name + "m")}));
    }
    const std::string db = ldb::Database(prototypes);
    for (const auto encoding : {TableEncoding::kUtf8, TableEncoding::kWindows1252}) {
      FakePlatform platform;
      platform.files["levers.ldb"].data = db;
      const std::string table =
          encoding == TableEncoding::kUtf8 ? Windows1252ToUtf8(KovrantTable(db)) : KovrantTable(db);
      const Result result = Apply(platform, table, encoding);
      ASSERT_EQ(result.err, "");
      EXPECT_EQ(platform.files.at("out.ldb").data, db);
    }
  }
}

// A Scale that reads 1.0 without being exactly 1.0, cleared: exactly 1.0 is
// stored, and no note is printed; 1.0 typed for an empty Scale is no change.
TEST(SafeWritingTest, ClearedScaleStoresExactlyOne) {
  const auto db = [](float scale) {
    return ldb::Database({ldb::Prototype({ldb::Name("a"), ldb::PlaceCount(0), ldb::Scale(scale)})});
  };
  FakePlatform platform;
  platform.files["levers.ldb"].data = db(1.0496957f);
  ASSERT_EQ(KovrantTable(db(1.0496957f)), kHeader + "a\t\t\t1.0\r\n");
  Result result = Apply(platform, kHeader + "a\t\t\t\r\n");
  EXPECT_EQ(result.out,
            "row 1, Scale: \"1.0\" -> \"\"\napplied to out.ldb: 0 added rows, 0 removed rows, 0 "
            "moved rows, 1 changed cell in 1 prototype\n");
  EXPECT_EQ(platform.files.at("out.ldb").data, db(1.0f));
  platform.files["levers.ldb"].data = db(1.0f);
  result = Apply(platform, kHeader + "a\t\t\t1.0\r\n");
  EXPECT_EQ(result.out,
            "applied to out.ldb: 0 added rows, 0 removed rows, 0 moved rows, 0 changed cells in 0 "
            "prototypes; it already holds these bytes, so nothing was written and no backup "
            "made\n");
}

TEST(SafeWritingTest, TablesSavedOtherwiseAreRefusedSayingWhatToDo) {
  std::string quoted;
  for (const std::string& name : HeaderCells())
    quoted += (quoted.empty() ? "\"" : "\t\"") + name + "\"";
  // A row with more cells than kovrant writes is refused for the cell it
  // cannot make, and the message says how the import may have split it.
  const std::string import = "; import it with Tab as the only separator and no text delimiter)\n";
  const std::string at = "ldbtool: table.txt: offset ";
  const struct {
    std::string table, err;
  } cases[] = {
      {kHeader + "a\t1.0\r\n\r\n\t\t\r\n", ""},
      {std::string(kHeaderRow) + "\ra\t1.0\r",
       "ldbtool: table.txt: offset 76 (0x4C): error: the table's lines end in CR alone: save it "
       "with Windows (CR LF) or Unix (LF) line ends\n"},
      {quoted + "\r\na\t1.0\r\n",
       "ldbtool: table.txt: offset 0 (0x0): error: the table's cells are in quotes (\"Name\"), "
       "which kovrant never writes: save it with no text delimiter and Tab as the only "
       "separator\n"},
      {kHeader + "\"a\t\"\t1.0\r\n",
       at +
           "81 (0x51): error: row 1, Place1: \"\"\" is not a number: write it as kovrant does, "
           "with \".\" as the decimal separator (e.g. 0.45) and no thousands separators or "
           "units (the line holds \", which a spreadsheet takes for a text delimiter" +
           import},
      {kHeader + "a\t1\t0\r\n",
       at +
           "82 (0x52): error: row 1, Place2: this cell cannot be added alone (one place field "
           "makes Place1 and Place2, and another field makes Place1 here) (a spreadsheet that "
           "splits at \",\" or \";\" too makes two cells of a place x,y" +
           import},
  };
  for (const auto& c : cases) {
    FakePlatform platform;
    platform.files["levers.ldb"].data = Lever("a");
    EXPECT_EQ(Apply(platform, c.table).err, c.err);
  }
}

// OUT as a FIFO or device, a folder, a link, or replaced without a backup.
TEST(SafeWritingTest, OutThatIsNoPlainFile) {
  const std::string applied =
      "row 1, Name: \"a\" -> \"b\"\napplied to out.ldb: 0 added rows, 0 removed rows, 0 moved "
      "rows, 1 changed cell in 1 prototype";
  const struct {
    char kind;  // FIFO, Directory, Link, No backup
    std::string out, err;
  } cases[] = {
      {'F', "",
       "not a regular file (a FIFO, device or socket): name a file to write, or a new "
       "one; nothing was written\n"},
      {'D', "",
       "this is a folder, not a file: name the file to write inside it (for example "
       "out.ldb/levers.ldb)\n"},
      {'L',
       applied + " (through the link to game/levers.ldb); the file it replaced is kept as "
                 "game/levers.ldb.bak\n",
       ""},
      {'N', applied + "\n", ""},
  };
  for (const auto& c : cases) {
    FakePlatform platform;
    platform.files["levers.ldb"].data = Lever("a");
    platform.directories.insert("game");
    if (c.kind == 'F') platform.specials.insert("out.ldb");
    if (c.kind == 'D') platform.directories.insert("out.ldb");
    if (c.kind == 'L') platform.links["out.ldb"] = "game/levers.ldb";
    if (c.kind == 'L' || c.kind == 'N') {
      platform.files[c.kind == 'L' ? "game/levers.ldb" : "out.ldb"].data = "old";
    }
    const Result result =
        Apply(platform, KovrantTable(Lever("b")), TableEncoding::kWindows1252, c.kind == 'N');
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, c.err.empty() ? "" : "ldbtool: out.ldb: error: " + c.err);
    EXPECT_EQ(platform.files.size(), c.kind == 'L' ? 4u : c.kind == 'N' ? 3u : 2u);
  }
}

}  // namespace
}  // namespace kovrant::tool
