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
  const std::string old =
      "Zugbr\xFC"
      "cke";
  const std::string saved = kAt + "row 1, ";
  const std::string advice =
      "; the table was saved as UTF-8: save it as Western Europe (Windows-1252), or pass "
      "--encoding utf-8\n";
  struct Case {
    TableEncoding encoding;
    std::string name, err, stored;
  };
  const auto utf8 = TableEncoding::kUtf8;
  const auto cp1252 = TableEncoding::kWindows1252;
  const Case cases[] = {
      {cp1252,
       "Zugbr\xEF\xBF\xBD"
       "cke",
       "Name: this cell holds EF BF BD, the UTF-8 mark of a character lost in re-encoding" + advice,
       ""},
      {cp1252, "Zugbr?cke",
       "Name: this cell is an old text with its letters beyond ASCII turned into \"?\"" + advice,
       ""},
      {cp1252,
       "Zugbr\xC3\xBC"
       "cke",
       "Name: this cell is an old text in UTF-8 bytes" + advice, ""},
      {cp1252, old + "!", "", old + "!"},
      {utf8,
       "Zugbr\xC3\xBC"
       "cke \xE2\x82\xAC",
       "", old + " \x80"},
      {utf8, "\xE4\xB8\x80",
       "Name: '\xE4\xB8\x80' (U+4E00) cannot be stored: Windows-1252, the database's character "
       "set, has no such character (the table is read as UTF-8, as --encoding utf-8 asks)\n",
       ""},
      {utf8, old,
       "Name: invalid UTF-8 at byte 6 of the cell (0xFC 0x63) (the table is read as UTF-8, as "
       "--encoding utf-8 asks)\n",
       ""},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    platform.files["levers.ldb"].data = Lever(old);
    std::string table = KovrantTable(Lever(old));
    table.replace(kHeader.size(), old.size(), c.name);
    const Result result = Apply(platform, table, c.encoding);
    EXPECT_EQ(result.err, c.err.empty() ? "" : saved + c.err) << c.name;
    if (c.err.empty()) {
      EXPECT_EQ(platform.files.at("out.ldb").data, Lever(c.stored));
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
  EXPECT_EQ(result.out, "applied to out.ldb: 1 changed cell in 1 prototype (row 1)\n");
  EXPECT_EQ(platform.files.at("out.ldb").data, db(1.0f));
  platform.files["levers.ldb"].data = db(1.0f);
  result = Apply(platform, kHeader + "a\t\t\t1.0\r\n");
  EXPECT_EQ(result.out,
            "applied to out.ldb: 0 changed cells in 0 prototypes; it already holds these bytes, so "
            "nothing was written and no backup made\n");
}

TEST(SafeWritingTest, TablesSavedOtherwiseAreRefusedSayingWhatToDo) {
  const std::string row = "a\t1.0\r\n";
  struct Case {
    std::string table, err;
  };
  const Case cases[] = {
      {kHeader + "a\t1.0\r\n\r\n\t\t\r\n", ""},
      {std::string(kHeaderRow) + "\ra\t1.0\r",
       "ldbtool: table.txt: offset 76 (0x4C): error: the table's lines end in CR alone: save it "
       "with Windows (CR LF) or Unix (LF) line ends\n"},
      {"\"Name\"\t\"Place1\"\t\"Place2\"\t\"Scale\"\t\"Switch Time\"\t\"Material\"\t\"Switch "
       "Sound\"\t\"Lever Description\"\r\n" +
           row,
       "ldbtool: table.txt: offset 0 (0x0): error: the table's cells are in quotes (\"Name\"), "
       "which kovrant never writes: save it with no text delimiter and Tab as the only "
       "separator\n"},
      {kHeader + "\"a\t\"\t1.0\r\n",
       kAt + "row 1 has 3 cells where kovrant writes 2 for its prototype: the line holds \", which "
             "a spreadsheet takes for a text delimiter; import it with Tab as the only separator "
             "and no text delimiter\n"},
      {kHeader + "a\t1\t0\r\n",
       kAt + "row 1 has 3 cells where kovrant writes 2 for its prototype: a spreadsheet that "
             "splits at \",\" or \";\" too makes two cells of a place x,y; import it with Tab as "
             "the only separator and no text delimiter\n"},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    platform.files["levers.ldb"].data = Lever("a");
    EXPECT_EQ(Apply(platform, c.table).err, c.err);
  }
}

// OUT as a FIFO or device, a folder, a link, or replaced without a backup.
TEST(SafeWritingTest, OutThatIsNoPlainFile) {
  struct Case {
    void (*setup)(FakePlatform&);
    bool no_backup;
    std::string out, err;
    std::size_t new_files;
  };
  const Case cases[] = {
      {[](FakePlatform& p) { p.specials.insert("out.ldb"); }, false, "",
       "ldbtool: out.ldb: error: this is not a regular file (a FIFO, device or socket), which "
       "cannot be replaced by a database: name a regular file or a new one; nothing was written\n",
       0},
      {[](FakePlatform& p) { p.directories.insert("out.ldb"); }, false, "",
       "ldbtool: out.ldb: error: this is a folder, not a file: name the file to write inside it "
       "(for example out.ldb/levers.ldb)\n",
       0},
      {[](FakePlatform& p) {
         p.directories.insert("game");
         p.files["game/levers.ldb"].data = "old";
         p.links["out.ldb"] = "game/levers.ldb";
       },
       false,
       "applied to out.ldb: 1 changed cell in 1 prototype (row 1) (through the link to "
       "game/levers.ldb); the file it replaced is kept as game/levers.ldb.bak\n",
       "", 1},
      {[](FakePlatform& p) { p.files["out.ldb"].data = "old"; }, true,
       "applied to out.ldb: 1 changed cell in 1 prototype (row 1)\n", "", 0},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    platform.files["levers.ldb"].data = Lever("a");
    c.setup(platform);
    const std::size_t files = platform.files.size();
    const Result result =
        Apply(platform, KovrantTable(Lever("b")), TableEncoding::kWindows1252, c.no_backup);
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(platform.files.size(), files + 1 + c.new_files);  // and the table
    EXPECT_EQ(platform.links.size(), c.setup == cases[2].setup ? 1u : 0u);
  }
}

}  // namespace
}  // namespace kovrant::tool
