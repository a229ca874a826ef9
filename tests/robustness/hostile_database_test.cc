// Hostile databases: truncated, corrupted, with absurd or negative lengths,
// with records nested wrongly. Each must convert or fail with the report;
// never crash, hang, or touch the earlier table when it fails.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "conversion.h"
#include "ldb/packed_length.h"
#include "ldb_builder.h"
#include "sample_db.h"
#include "table/table_writer.h"

namespace kovrant::robustness {
namespace {

using namespace ldb;
using test::FakePlatform;

const std::string kHeaderLine = std::string(kHeaderRow) + "\r\n";

// kEither: converts or runs out of bytes; where a wrong nesting makes the walk
// read data as headers, which of the two it ends in is not the point.
enum class Expect { kConverts, kReadBeyondEnd, kInvalidOp, kEither };

// A frame with any length field, also one that does not match its body.
std::string Frame(std::uint8_t tag, const std::string& length_field, const std::string& body) {
  return std::string(1, static_cast<char>(tag)) + length_field + body;
}

// One written section holding one group holding a prototype with `body`.
std::string InPrototype(const std::string& body) { return Section(1, {Group({Record(0, body)})}); }

std::string Expected(Expect expect) {
  switch (expect) {
    case Expect::kConverts:
      return "converts";
    case Expect::kReadBeyondEnd:
      return "read beyond end";
    case Expect::kInvalidOp:
      return "invalid operation";
    case Expect::kEither:
      return "converts or read beyond end";
  }
  return "";
}

std::string Describe(const Outcome& outcome) {
  return outcome.completed ? "converts" : outcome.report;
}

::testing::AssertionResult Matches(const Outcome& outcome, Expect expect) {
  const bool matches =
      (expect == Expect::kConverts && outcome.completed) ||
      (expect == Expect::kReadBeyondEnd && outcome.failure == "EInOutError" &&
       outcome.io_code == kIoReadBeyondEnd &&
       outcome.report.ends_with("\nRead beyond end of file.\r\n")) ||
      (expect == Expect::kInvalidOp && outcome.failure == "EInvalidOp") ||
      (expect == Expect::kEither && (outcome.completed || (outcome.failure == "EInOutError" &&
                                                           outcome.io_code == kIoReadBeyondEnd)));
  if (matches) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "expected: " << Expected(expect) << ", got: " << Describe(outcome);
}

// Converts `database` and checks that the run ended as expected and cleanly.
Outcome Check(const std::string& database, Expect expect) {
  FakePlatform platform = PlatformWith(database);
  Outcome outcome = Convert(platform);
  EXPECT_TRUE(Matches(outcome, expect));
  EXPECT_TRUE(EndedCleanly(platform, outcome, database));
  return outcome;
}

struct Case {
  const char* what;
  std::string database;
  Expect expect;
  std::string table;  // when it converts and this is not empty: the whole table
};

void RunCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakePlatform platform = PlatformWith(c.database);
    const Outcome outcome = Convert(platform);
    EXPECT_TRUE(Matches(outcome, c.expect));
    EXPECT_TRUE(EndedCleanly(platform, outcome, c.database));
    if (outcome.completed && !c.table.empty()) {
      EXPECT_EQ(platform.files.at(kTable).data, c.table);
    }
  }
}

constexpr std::int64_t kLongest = kMaxPackedLength;  // 2^30 - 1

TEST(HostileDatabaseTest, EmptyAndOneByteFiles) {
  Check("", Expect::kConverts);
  FakePlatform platform = PlatformWith("");
  ASSERT_TRUE(Convert(platform).completed);
  EXPECT_EQ(platform.files.at(kTable).data, kHeaderLine);
  // A lone byte is a first-level tag without its length.
  for (int byte = 0; byte < 256; ++byte) {
    SCOPED_TRACE(byte);
    Check(std::string(1, static_cast<char>(byte)), Expect::kReadBeyondEnd);
  }
}

TEST(HostileDatabaseTest, LongestLengthAtEachLevel) {
  const std::string prototype = Prototype({Name("Lever")});
  const std::string length = PackedLength(kLongest);
  RunCases({
      {"level 1", Frame(1, length, Group({prototype})), Expect::kReadBeyondEnd, ""},
      {"level 2", Record(1, Frame(0, length, prototype)), Expect::kReadBeyondEnd, ""},
      {"level 3", Section(1, {Record(0, Frame(0, length, Name("Lever")))}), Expect::kReadBeyondEnd,
       ""},
      {"level 4, name", InPrototype(Frame(0, length, "Lever")), Expect::kReadBeyondEnd, ""},
      {"level 4, unwritten name", Section(0, {Group({Record(0, Frame(0, length, "Lever"))})}),
       Expect::kReadBeyondEnd, ""},
      // A value nobody reads is only moved past: the record end lies beyond
      // the file, reached by moves alone, and the run completes.
      {"level 4, unknown field type", InPrototype(Frame(9, length, "x")), Expect::kConverts,
       kHeaderLine + "\r\n"},
      {"level 4, place block",
       InPrototype(
           Cat({Name("Lever"), Frame(1, length, F32(1.0f)), F32(2.0f), F32(3.0f), F32(4.0f)})),
       Expect::kConverts, kHeaderLine + "Lever\r\n"},
  });
}

TEST(HostileDatabaseTest, NegativeLengthAtEachLevel) {
  for (std::uint32_t raw : {0xFFFFFFFFu, 0x80000001u, 0xFFFFFFFDu}) {
    SCOPED_TRACE(raw);
    const std::string length = RawFourByteLength(raw);
    const std::string prototype = Prototype({Name("Lever")});
    RunCases({
        {"level 1", Frame(1, length, Group({prototype})), Expect::kReadBeyondEnd, ""},
        {"level 2", Record(1, Frame(0, length, prototype)), Expect::kReadBeyondEnd, ""},
        {"level 3", Section(1, {Record(0, Frame(0, length, Name("Lever")))}),
         Expect::kReadBeyondEnd, ""},
        {"level 4", InPrototype(Frame(0, length, "Lever")), Expect::kReadBeyondEnd, ""},
        {"level 4, unknown type", InPrototype(Frame(200, length, "")), Expect::kReadBeyondEnd, ""},
        {"after a good section", Database({prototype}) + Frame(1, length, ""),
         Expect::kReadBeyondEnd, ""},
    });
  }
}

TEST(HostileDatabaseTest, StringsDeclaringMoreThanTheFileHolds) {
  for (int type : {0, 5, 6, 7}) {
    for (int section : {1, 0}) {
      for (std::int64_t declared : {kLongest, std::int64_t{1'000'000}, std::int64_t{200}}) {
        SCOPED_TRACE(std::to_string(type) + " in section " + std::to_string(section) + ", " +
                     std::to_string(declared) + " bytes");
        const std::string field =
            Frame(static_cast<std::uint8_t>(type), PackedLength(declared), "only this");
        const auto tag = static_cast<std::uint8_t>(section);
        Check(Section(tag, {Group({Record(0, field)})}), Expect::kReadBeyondEnd);
        // The same, the record ends declaring as much as the value does.
        Check(Frame(tag, PackedLength(declared),
                    Frame(0, PackedLength(declared), Frame(0, PackedLength(declared), field))),
              Expect::kReadBeyondEnd);
      }
    }
  }
}

TEST(HostileDatabaseTest, WrongNesting) {
  const std::string lever = Prototype({Name("Lever"), Scale(2.0f)});
  const std::string next = Database({Prototype({Name("Next"), Description(std::string(40, 'n'))})});
  std::string deep = Name("innermost");
  for (int i = 0; i < 10000; ++i) deep = Record(static_cast<std::uint8_t>(i % 3), deep);
  RunCases({
      {"empty records",
       Cat({Record(1, ""), Record(1, Record(0, "")), Record(1, Record(0, Record(0, ""))),
            Record(2, "")}),
       Expect::kConverts, kHeaderLine + "\r\n"},
      {"field running past its prototype, into the next section",
       InPrototype(Cat({Name("x"), Frame(5, PackedLength(30), "ab")})) + next, Expect::kConverts,
       ""},
      {"prototype running past its group",
       Section(1, {Frame(0, PackedLength(2), Frame(0, PackedLength(20), Name("p")))}) + next,
       Expect::kEither, ""},
      {"group running past its section", Frame(1, PackedLength(2), Group({lever})) + next,
       Expect::kEither, ""},
      {"one stray byte closing a section", Record(1, Group({lever}) + "\x07"),
       Expect::kReadBeyondEnd, ""},
      {"one stray byte after the last section", Database({lever}) + "\x01", Expect::kReadBeyondEnd,
       ""},
      {"ten thousand levels deep, written", Section(1, {deep}), Expect::kConverts, ""},
      {"ten thousand levels deep, unwritten", Section(0, {deep}), Expect::kConverts, ""},
      {"numbers read past the end of the file", InPrototype(Frame(1, PackedLength(0), "")),
       Expect::kReadBeyondEnd, ""},
      {"record end beyond the file reached by moves only",
       [&] {
         std::string database =
             Database({Prototype({Name("Kept"), Record(9, std::string(5000, 'x'))})});
         return database.substr(0, database.size() - 5000);
       }(),
       Expect::kConverts, kHeaderLine + "Kept\r\n"},
  });
}

std::vector<std::string> Lines(const std::string& table) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = table.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(table.substr(start, end + 2 - start));
  }
  return lines;
}

TEST(HostileDatabaseTest, EveryPrefixOfTheSample) {
  const std::string sample = SampleDatabase();
  FakePlatform whole = PlatformWith(sample);
  ASSERT_TRUE(Convert(whole).completed);
  const std::vector<std::string> full = Lines(whole.files.at(kTable).data);

  int converted = 0;
  for (std::size_t size = 0; size <= sample.size(); ++size) {
    SCOPED_TRACE("first " + std::to_string(size) + " bytes");
    const std::string prefix = sample.substr(0, size);
    FakePlatform platform = PlatformWith(prefix);
    const Outcome outcome = Convert(platform);
    ASSERT_TRUE(EndedCleanly(platform, outcome, prefix));
    if (!outcome.completed) {
      // A cut file can only run out of bytes; its numbers are all whole.
      ASSERT_TRUE(Matches(outcome, Expect::kReadBeyondEnd));
      continue;
    }
    ++converted;
    // What a cut file converts to is never invented: its rows are the first
    // rows of the whole table.
    const std::vector<std::string> lines = Lines(platform.files.at(kTable).data);
    ASSERT_LE(lines.size(), full.size());
    ASSERT_TRUE(std::equal(lines.begin(), lines.end(), full.begin()));
  }
  // At least the empty file and the whole sample convert.
  EXPECT_GE(converted, 2);
}

TEST(HostileDatabaseTest, EverySingleByteCorruptionOfTheSample) {
  const std::string sample = SampleDatabase();
  for (std::size_t at = 0; at < sample.size(); ++at) {
    for (int mask : {0x01, 0x80}) {
      std::string corrupt = sample;
      corrupt[at] = static_cast<char>(corrupt[at] ^ mask);
      FakePlatform platform = PlatformWith(corrupt);
      const Outcome outcome = Convert(platform);
      ASSERT_TRUE(EndedCleanly(platform, outcome, corrupt)) << "byte " << at << " ^ " << mask;
      ASSERT_TRUE(outcome.completed || outcome.failure == "EInvalidOp" ||
                  outcome.io_code == kIoReadBeyondEnd)
          << "byte " << at << " ^ " << mask << ": " << outcome.report;
    }
  }
}

TEST(HostileDatabaseTest, RandomBytes) {
  std::mt19937 random(20240611);
  for (int i = 0; i < 2000; ++i) {
    std::string bytes(random() % 300, '\0');
    // Mostly small bytes, so that lengths often fit inside the file.
    const bool small = i % 2 == 0;
    for (char& byte : bytes) byte = static_cast<char>(small ? random() % 16 : random() % 256);
    FakePlatform platform = PlatformWith(bytes);
    const Outcome outcome = Convert(platform);
    ASSERT_TRUE(EndedCleanly(platform, outcome, bytes)) << "input " << i;
    ASSERT_TRUE(outcome.completed || outcome.failure == "EInvalidOp" ||
                outcome.io_code == kIoReadBeyondEnd)
        << "input " << i << ": " << outcome.report;
  }
}

}  // namespace
}  // namespace kovrant::robustness
