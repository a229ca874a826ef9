#include "tool/check.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "ldb_builder.h"
#include "sample_db.h"
#include "support/both_walks.h"
#include "support/fake_platform.h"

namespace kovrant::tool {
namespace {

using namespace std::string_literals;
namespace ldb = kovrant::ldb;

struct Outcome {
  int code;
  std::string out, err;
};

Outcome RunCheck(const std::string& database, std::int64_t budget = -1) {
  test::FakePlatform platform;
  platform.files["db"].data = database;
  std::ostringstream out, err;
  const int code = CheckWithBudget(platform, "db", out, err, budget);
  EXPECT_EQ(platform.open_handles(), 0);
  return {code, out.str(), err.str()};
}

bool KovrantFails(const std::string& database) {
  return !test::ConvertWith(test::Walk::kRemembering, database).failure.empty();
}

// The reads of a well-nested database in file order: each record's tag and
// length, then what the table writer reads of a field's value.
struct Reads {
  struct Read {
    int level;  // 0: a value
    std::int64_t start, end;
  };
  std::vector<Read> reads;
  void TableStart() {}
  void Field(std::uint8_t, std::int64_t, std::uint8_t, InputFile&) {}
  void PrototypeEnd(std::uint8_t) {}
  void RecordAt(int, std::int64_t) {}
  void RecordClosed(const RecordFrame&) {}
  void RecordOpened(const RecordFrame& f) {
    reads.push_back({f.level, f.offset, f.body});
    if (f.level != 4) return;
    const bool text = f.tag == 0 || (f.tag >= 5 && f.tag <= 7);
    const std::int64_t size = text ? f.length : f.tag == 1 ? 16 : f.tag <= 4 ? 4 : 0;
    reads.push_back({0, f.body, f.body + size});
  }
  // Where the database cut after `size` bytes fails: the first read that
  // needs a byte beyond the cut, unless a first-level record starts at or
  // beyond it (the walk ends there). -1: it converts.
  std::int64_t FailureOfPrefix(std::int64_t size) const {
    for (const Read& read : reads) {
      if (read.level == 1 && read.start >= size) return -1;
      if (read.end > size) return read.start;
    }
    return -1;
  }
};

TEST(CheckTest, EveryPrefixOfTheSampleFailsExactlyWhereKovrantDoes) {
  const std::string sample = ldb::SampleDatabase();
  Reads model;
  test::FakePlatform platform;
  platform.files["db"].data = sample;
  std::unique_ptr<InputFile> input;
  ASSERT_EQ(InputFile::Open(platform, "db", &input), 0);
  WalkRecordsPlain(*input, model);
  for (std::size_t size = 0; size <= sample.size(); ++size) {
    const std::string prefix = sample.substr(0, size);
    const Outcome check = RunCheck(prefix);
    const std::int64_t expected = model.FailureOfPrefix(static_cast<std::int64_t>(size));
    ASSERT_EQ(check.code, KovrantFails(prefix) ? 1 : 0) << size << "\n" << check.err;
    ASSERT_EQ(check.code, expected >= 0 ? 1 : 0) << size;
    EXPECT_TRUE(expected < 0 || check.err.starts_with(FindingPrefix("db", expected) +
                                                      "error: Read beyond end of file: "))
        << check.err;
  }
}

TEST(CheckTest, ErrorsAndWarningsWithTheirPlaces) {
  const std::string row1 = "first-level record 1 (tag 1), prototype 1 (table row 1)";
  auto warn = [](std::int64_t offset, const std::string& what) {
    return FindingPrefix("db", offset) + "warning: " + what + "\n";
  };
  struct Case {
    std::string database;
    int code;
    std::string err;
  };
  const Case cases[] = {
      {ldb::Database({ldb::Prototype({ldb::Name("a"), ldb::ScaleBits(0x7FC00000)})}), 1,
       "ldbtool: db: offset 11 (0xB): error: Invalid floating point operation: " + row1 +
           ", field type 3 (Scale): the scale is NaN (0x7FC00000)\n"},
      {ldb::Database(
           {ldb::Prototype({ldb::PlaceBlockBits(0x7FA00000, 0, 0, 0), ldb::PlaceCount(1)})}),
       1,
       "ldbtool: db: offset 26 (0x1A): error: Invalid floating point operation: " + row1 +
           ", field type 2 (Place1/Place2): place count 1 shows a signalling NaN of the place "
           "block it uses\n"},
      {ldb::Record(1, "") + "\x01"s + ldb::RawFourByteLength(0x80000001), 1,
       "ldbtool: db: offset 2 (0x2): error: Read beyond end of file: the packed length of the "
       "first-level record starting here is negative (its four bytes have the top bit set)\n"},
      // Warnings come after the error, up to the failing record.
      {ldb::Database({ldb::Prototype({ldb::Record(9, "")})}) + "\x01"s, 1,
       "ldbtool: db: offset 8 (0x8): error: Read beyond end of file: the tag and packed length "
       "of the first-level record starting here run past the end of the file (1 byte left)\n" +
           warn(6, row1 + ", field type 9: unknown field type: it makes no cell") +
           warn(4, row1 + ": cells do not line up with the header: its fields fill no cell; "
                          "missing Name, Place1/Place2, Scale, Switch Time, Material, Switch "
                          "Sound, Lever Description")},
      {ldb::Database(
           {ldb::Prototype({ldb::Name("x\ty"), ldb::PlaceCount(5), ldb::Record(3, "\0\0"s),
                            ldb::SwitchTime(1), ldb::Name("z\n")})}),
       0,
       warn(9, row1 + ", field type 0 (Name): the text holds 1 TAB (it splits the cell), the "
                      "first at this offset") +
           warn(11, row1 + ", field type 2 (Place1/Place2): place count 5 is outside 0 to 2: "
                           "no place cells") +
           warn(17, row1 + ", field type 3 (Scale): its value holds 2 bytes, its type reads 4: "
                           "the bytes after it are read as part of it") +
           warn(30, row1 + ", field type 0 (Name): the text holds 1 CR or LF (it splits the row: "
                           "rows and prototypes no longer pair up), the first at this offset") +
           warn(4, row1 + ": cells do not line up with the header: its fields fill Name, Scale, "
                          "Switch Time, Name; missing Place1/Place2, Material, Switch Sound, "
                          "Lever Description; repeated Name")},
      // A byte left at a prototype's end is read as a field whose length is
      // the next prototype's tag; an unwritten section makes no rows.
      {ldb::Record(2, ldb::Record(0, ldb::Record(0, "\x09"s) + ldb::Record(0, ""))), 0,
       warn(6,
            "first-level record 1 (tag 2), prototype 1 (not written), field type 9: the 1 "
            "byte left before its parent's end are read as a further field, whose tag and "
            "length run past that end") +
           warn(6,
                "first-level record 1 (tag 2), prototype 1 (not written), field type 9: "
                "unknown field type: it makes no cell")},
  };
  for (const Case& c : cases) {
    const Outcome check = RunCheck(c.database);
    EXPECT_EQ(check.code, c.code) << c.err;
    EXPECT_EQ(check.code, KovrantFails(c.database) ? 1 : 0) << c.err;
    EXPECT_EQ(check.err, c.err);
  }
}

// At most kMaxListedPerKind warnings of a kind are listed of 45,000 overlaps.
TEST(CheckTest, OverlappingRecordsAreListedUpToALimitAndTheWorkIsBounded) {
  const std::string crafted = ldb::OverlappingGroups(300, 1);
  const Outcome full = RunCheck(crafted);
  EXPECT_EQ(full.code, 0);
  int listed = 0;
  for (auto at = full.err.find("parent's end: ends"); at != std::string::npos; ++listed) {
    at = full.err.find("parent's end: ends", at + 1);
  }
  EXPECT_EQ(listed, kMaxListedPerKind);
  EXPECT_TRUE(std::regex_search(
      full.err, std::regex("\nldbtool: db: note: [0-9]+ more records reaching past their "
                           "parent's end not listed\n")))
      << full.err.substr(full.err.size() - 300);
  // With the budget spent, the outcome is still kovrant's, without a place.
  for (const std::string& database : {crafted, crafted + "\x01"s}) {
    const Outcome stopped = RunCheck(database, 5000);
    EXPECT_EQ(stopped.code, KovrantFails(database) ? 1 : 0);
    EXPECT_NE(stopped.out.find("before the check stopped"), std::string::npos) << stopped.out;
    EXPECT_TRUE(std::regex_search(
        stopped.err, std::regex("\nldbtool: db: offset [0-9]+ \\(0x[0-9A-F]+\\): note: the "
                                "records overlap so often that the check stopped here")));
  }
  EXPECT_TRUE(RunCheck(crafted + "\x01"s, 5000)
                  .err.starts_with("ldbtool: db: error: Read beyond end of file: the records "
                                   "overlap so often that the check stopped at offset "));
}

}  // namespace
}  // namespace kovrant::tool

namespace kovrant::tool {
namespace {

TEST(CheckTest, EmptyFileIsWarnedAndAFolderNamedAsSuch) {
  const Outcome empty = RunCheck("");
  EXPECT_EQ(empty.code, 0);
  EXPECT_EQ(empty.out, "db: kovrant converts it (0 prototypes, 0 table rows); 1 warning\n");
  EXPECT_EQ(empty.err,
            "ldbtool: db: warning: the file is empty (0 bytes): it holds no prototype, and kovrant "
            "writes a table of the header alone\n");
  test::FakePlatform platform;
  platform.directories.insert("game");
  std::ostringstream out, err;
  EXPECT_EQ(CheckWithBudget(platform, "game", out, err, -1), 1);
  EXPECT_EQ(err.str(),
            "ldbtool: game: error: this is a folder, not a file: name the database inside it (for "
            "example game/levers.ldb)\n");
}

}  // namespace
}  // namespace kovrant::tool
