#include "ldb/record_walk.h"

#include <gtest/gtest.h>

#include <string>

#include "io/failure.h"
#include "ldb_builder.h"
#include "support/fake_platform.h"

namespace kovrant {
namespace {

using ldb::Cat;
using ldb::Record;
using namespace std::string_view_literals;

// Writes down every call of the walk, reading `read_per_field` bytes of each
// value (as a real handler may read less or more than the value holds).
class RecordingHandler : public RecordHandler {
 public:
  explicit RecordingHandler(int read_per_field = 0) : read_per_field_(read_per_field) {}
  void TableStart() override { log += "start;"; }
  void Field(std::uint8_t type, std::int64_t length, std::uint8_t tag, InputFile& input) override {
    Log({"f", std::to_string(type), "/", std::to_string(length), "@",
         std::to_string(input.Position())});
    if (read_per_field_ > 0) {
      std::string value(static_cast<std::size_t>(read_per_field_), '\0');
      input.Read(value.data(), read_per_field_, CheckSite::kReadName);
      Log({"=", value});
    }
    Log({"[", std::to_string(tag), "];"});
  }
  void PrototypeEnd(std::uint8_t tag) override { Log({"end", std::to_string(tag), ";"}); }
  // Appended piece by piece: GCC 12 warns wrongly (-Wrestrict) about chains
  // of std::string operator+ at -O3.
  void Log(std::initializer_list<std::string_view> pieces) {
    for (std::string_view piece : pieces) log += piece;
  }
  std::string log;

 private:
  int read_per_field_;
};

struct WalkResult {
  std::string log;
  int code = 0;  // the I/O code of a failure, 0 when the walk completed
};

WalkResult Walk(const std::string& database, int read_per_field = 0) {
  test::FakePlatform platform;
  platform.files["db"].data = database;
  std::unique_ptr<InputFile> input;
  EXPECT_EQ(InputFile::Open(platform, "db", &input), 0);
  RecordingHandler handler(read_per_field);
  WalkResult result;
  try {
    WalkRecordsPlain(*input, handler);
  } catch (const IoError& error) {
    result.code = error.code();
  }
  result.log = handler.log;
  return result;
}

TEST(RecordWalkTest, EmptyInputOnlyStartsTheTable) {
  WalkResult r = Walk("");
  EXPECT_EQ(r.log, "start;");
  EXPECT_EQ(r.code, 0);
}

TEST(RecordWalkTest, VisitsEveryFieldOfEveryPrototypeWithTheFirstLevelTag) {
  std::string db =
      Cat({Record(0, Record(9, Cat({Record(0, Cat({Record(5, "ab"), Record(7, "")})),
                                    Record(0, Record(2, "x"))}))),
           Record(1, Record(0, Record(0, Record(0, "n", ldb::LengthForm::kFourByte))))});
  WalkResult r = Walk(db);
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.log, "start;f5/2@8[0];f7/0@12[0];end0;f2/1@16[0];end0;f0/1@28[1];end1;");
}

struct ShapeCase {
  const char* what;
  std::string database;
  int read_per_field;
  std::string log;
  int code;
};

TEST(RecordWalkTest, ShapesOfMalformedDatabases) {
  // A field that claims more bytes than its prototype holds: the prototype
  // ends, the walk moves back to the prototype's end and goes on there.
  std::string overshoot =
      Record(1, Record(0, Cat({"\x00\x06"sv, "\x05\x08"sv, "x", Record(0, Record(6, "s"))})));
  // One byte left before a prototype's end is read as a further field,
  // whose length then runs past the end of the file.
  std::string trailing = Record(1, Record(0, Record(0, Cat({Record(5, "m"), "\x06"}))));
  // A record end beyond the end of the file, reached by moves alone.
  std::string seek_only = Cat({"\x01", ldb::PackedLength(1015), "\x00"sv, ldb::PackedLength(1010),
                               "\x00"sv, ldb::PackedLength(1005), "\x08", ldb::PackedLength(1000)});
  const ShapeCase cases[] = {
      {"value read shorter and longer than declared",
       ldb::Database({ldb::Prototype({Record(5, "abcd"), Record(6, "ef")})}), 1,
       "start;f5/4@8=a[1];f6/2@14=e[1];end1;", 0},
      {"child overshooting its parent", overshoot, 0, "start;f5/4@8[1];end1;f6/1@13[1];end1;", 0},
      {"trailing byte read as a further child", trailing, 0, "start;f5/1@8[1];", kIoReadBeyondEnd},
      {"record end beyond the file reached by moves only", seek_only, 0,
       "start;f8/1000@20[1];end1;", 0},
      {"stray byte after the last record", Cat({ldb::Database({}), "\x01"}), 0, "start;",
       kIoReadBeyondEnd},
      {"negative four-byte length", Cat({"\x01", ldb::RawFourByteLength(0xFFFFFFFF)}), 0, "start;",
       kIoReadBeyondEnd},
      {"prototype cut short by the end of the file",
       ldb::Database({ldb::Prototype({Record(5, "abc")})}).substr(0, 8), 3, "start;f5/3@8",
       kIoReadBeyondEnd},
  };
  for (const ShapeCase& c : cases) {
    WalkResult r = Walk(c.database, c.read_per_field);
    EXPECT_EQ(r.log, c.log) << c.what;
    EXPECT_EQ(r.code, c.code) << c.what;
  }
}

// Follows the frames as well: "<level>@offset" before a tag, then
// "(level tag offset+form:length body..end parent_end)" and ")" at the end.
class FrameHandler : public RecordingHandler {
 public:
  void RecordAt(int level, std::int64_t offset) {
    Log({std::to_string(level), "@", std::to_string(offset), " "});
  }
  void RecordOpened(const RecordFrame& f) {
    Log({"(", std::to_string(f.tag), " ", std::to_string(f.length_bytes), ":",
         std::to_string(f.length), " ", std::to_string(f.body), "..", std::to_string(f.end()), " ",
         f.level == 1 ? "-" : std::to_string(f.parent_end), " "});
  }
  void RecordClosed(const RecordFrame&) { Log({")"}); }
};

TEST(RecordWalkTest, FramesOfEveryRecordWithFormsEndsAndTheFailingRecord) {
  static_assert(SeesRecordFrames<FrameHandler>);
  static_assert(!SeesRecordFrames<RecordingHandler>);
  // A four-byte prototype length and a field overshooting its prototype.
  std::string db = Record(1, Record(0, Cat({Record(0, Record(5, "ab"), ldb::LengthForm::kFourByte),
                                            "\x00\x06"sv, "\x05\x08"sv, "x"})));
  auto walk = [](const std::string& database) {
    test::FakePlatform platform;
    platform.files["db"].data = database;
    std::unique_ptr<InputFile> input;
    EXPECT_EQ(InputFile::Open(platform, "db", &input), 0);
    FrameHandler handler;
    try {
      WalkRecordsPlain(*input, handler);
    } catch (const IoError& error) {
      handler.Log({"!", std::to_string(error.code())});
    }
    return handler.log;
  };
  EXPECT_EQ(walk(db),
            "start;1@0 (1 1:16 2..18 - 2@2 (0 1:14 4..18 18 3@4 (0 4:4 9..13 18 4@9 (5 1:2 11..13 "
            "13 f5/2@11[1];)end1;)3@13 (0 1:3 15..18 18 4@15 (5 1:4 17..21 18 f5/4@17[1];)end1;))"
            ")");
  // Cut inside the second prototype's field header: the failing read is the
  // length of the record announced at offset 15.
  EXPECT_EQ(walk(db.substr(0, 16)),
            "start;1@0 (1 1:16 2..18 - 2@2 (0 1:14 4..18 18 3@4 (0 4:4 9..13 18 4@9 (5 1:2 11..13 "
            "13 f5/2@11[1];)end1;)3@13 (0 1:3 15..18 18 4@15 !100");
}

}  // namespace
}  // namespace kovrant
