// Time and memory bounds of a conversion, shown with counts rather than
// timings: the heap a conversion holds at its peak, and the bytes and calls
// it asks of the platform. Each input here would blow one of them up if the
// converter allocated declared sizes, read what it only needs to move past,
// or went to the operating system per record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion.h"
#include "io/input_file.h"
#include "io/table_file.h"
#include "ldb/packed_length.h"
#include "ldb_builder.h"
#include "support/heap_counter.h"
#include "table/table_writer.h"

namespace kovrant::robustness {
namespace {

using namespace ldb;
using test::FakePlatform;
using test::Op;
using test::PeakHeap;

// What a conversion may hold: its two block buffers and a little besides
// (paths, the platform's bookkeeping).
constexpr std::size_t kHeapBound = InputFile::kBufferSize + TableFile::kBufferSize + 64 * 1024;

struct Measured {
  Outcome outcome;
  std::size_t heap_growth = 0;
};

Measured ConvertMeasured(FakePlatform& platform) {
  Measured measured;
  PeakHeap peak;
  measured.outcome = Convert(platform);
  measured.heap_growth = peak.Growth();
  return measured;
}

std::string Frame(std::uint8_t tag, const std::string& length_field, const std::string& body) {
  return std::string(1, static_cast<char>(tag)) + length_field + body;
}

std::string ManyPrototypes(int count, std::size_t description) {
  std::vector<std::string> prototypes;
  for (int i = 0; i < count; ++i) {
    prototypes.push_back(
        Prototype({Name("Lever " + std::to_string(i)), PlaceBlock(1.0f, 2.0f, 3.0f, 4.0f),
                   PlaceCount(2), Scale(1.5f), SwitchTime(i), Material("stone"),
                   Description(std::string(description, 'd'))}));
  }
  return Database(prototypes);
}

TEST(BoundsTest, DeclaredLengthsAreNeverAllocated) {
  const std::string longest = PackedLength(kMaxPackedLength);
  struct Case {
    const char* what;
    std::string database;
  };
  const Case cases[] = {
      {"written name of 2^30 - 1 bytes",
       Section(1, {Group({Record(0, Frame(0, longest, "a few bytes"))})})},
      {"written description of 2^30 - 1 bytes",
       Section(1, {Group({Record(0, Frame(7, longest, std::string(300'000, 'x')))})})},
      {"unwritten material of 2^30 - 1 bytes",
       Section(0, {Group({Record(0, Frame(5, longest, "a few bytes"))})})},
      {"every level 2^30 - 1 bytes long",
       Frame(1, longest, Frame(0, longest, Frame(0, longest, Frame(6, longest, "sound"))))},
      {"negative length", Frame(1, RawFourByteLength(0x80000001u), std::string(100, 'x'))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakePlatform platform = PlatformWith(c.database);
    platform.keep_written_bytes = false;  // the table is the platform's, not the converter's
    const Measured measured = ConvertMeasured(platform);
    EXPECT_EQ(measured.outcome.io_code, kIoReadBeyondEnd) << measured.outcome.report;
    EXPECT_LE(measured.heap_growth, kHeapBound);
    EXPECT_LE(platform.largest_read_request(), InputFile::kBufferSize);
    EXPECT_LE(platform.bytes_read(), static_cast<std::int64_t>(c.database.size()));
  }
}

TEST(BoundsTest, MemoryDoesNotGrowWithTheInput) {
  struct Case {
    const char* what;
    std::string database;
  };
  const Case cases[] = {
      {"a hundred prototypes", ManyPrototypes(100, 20)},
      {"forty thousand prototypes", ManyPrototypes(40'000, 20)},
      {"one description of 12 MiB", ManyPrototypes(1, 12 << 20)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakePlatform platform = PlatformWith(c.database);
    platform.keep_written_bytes = false;  // the table is the platform's, not the converter's
    const Measured measured = ConvertMeasured(platform);
    ASSERT_TRUE(measured.outcome.completed) << measured.outcome.report;
    EXPECT_LE(measured.heap_growth, kHeapBound);
    EXPECT_GT(platform.bytes_written(), static_cast<std::int64_t>(c.database.size()) / 4);
  }
}

TEST(BoundsTest, PlatformWorkIsProportionalToInputAndOutput) {
  for (int count : {10, 2'000, 60'000}) {
    SCOPED_TRACE(std::to_string(count) + " prototypes");
    const std::string database = ManyPrototypes(count, 30);
    FakePlatform platform = PlatformWith(database);
    ASSERT_TRUE(Convert(platform).completed);
    const std::int64_t size = static_cast<std::int64_t>(database.size());
    const std::int64_t table = static_cast<std::int64_t>(platform.files.at(kTable).data.size());
    // Every byte is read once, in blocks, and the size is asked for once,
    // however many times the walk tests for the end.
    EXPECT_EQ(platform.bytes_read(), size);
    EXPECT_LE(platform.calls(Op::kRead), size / InputFile::kBufferSize + 2);
    EXPECT_LE(platform.calls(Op::kSeek), platform.calls(Op::kRead));
    EXPECT_EQ(platform.calls(Op::kSize), 1);
    // The table goes out in blocks too.
    EXPECT_EQ(platform.bytes_written(), table);
    EXPECT_LE(platform.calls(Op::kWrite), table / TableFile::kBufferSize + 1);
  }
}

TEST(BoundsTest, ManyEmptyRecordsCostNoCallEach) {
  // A million first-level records, each tested for the end of the file.
  std::string database;
  for (int i = 0; i < 1'000'000; ++i) database += Record(2, "");
  FakePlatform platform = PlatformWith(database);
  ASSERT_TRUE(Convert(platform).completed);
  EXPECT_EQ(platform.calls(Op::kSize), 1);
  EXPECT_LE(platform.calls(Op::kRead),
            static_cast<int>(database.size() / InputFile::kBufferSize) + 2);
}

TEST(BoundsTest, ValuesThatAreNotShownAreNotRead) {
  // Big values the table never shows: a description in an unwritten section
  // and an unknown field type in a written one. The walk only moves past
  // them, so the bytes read stay near the size of the rest of the file.
  const std::string big(16 << 20, 'b');
  const std::string database =
      Cat({Section(0, {Group({Prototype({Name("hidden"), Description(big)})})}),
           Database({Prototype({Name("shown"), Record(200, big), Material("oak")})})});
  FakePlatform platform = PlatformWith(database);
  const Outcome outcome = Convert(platform);
  ASSERT_TRUE(outcome.completed) << outcome.report;
  EXPECT_EQ(platform.files.at(kTable).data, std::string(kHeaderRow) + "\r\nshown\toak\r\n");
  EXPECT_LE(platform.bytes_read(), 3 * static_cast<std::int64_t>(InputFile::kBufferSize));
  EXPECT_LE(platform.calls(Op::kRead), 3);
}

}  // namespace
}  // namespace kovrant::robustness
