// Properties that keep the conversion streaming, checked by counting rather
// than timing:
//  - the file layer's calls (each one a system call on a real platform) grow
//    with the bytes, one read per input buffer and one write per table
//    buffer, not with the number of records or fields;
//  - the steady state allocates nothing: converting four times as many
//    prototypes allocates no more than converting a few, so memory does not
//    grow with the input.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "io/failure.h"
#include "io/input_file.h"
#include "io/platform.h"
#include "io/table_file.h"
#include "ldb/packed_length.h"
#include "ldb/record_walk.h"
#include "ldb_builder.h"
#include "support/counting_platform.h"
#include "support/heap_counter.h"
#include "table/table_writer.h"

namespace kovrant {
namespace {

using test::CountingPlatform;

struct Conversion {
  int reads = 0;
  int seeks = 0;
  int writes = 0;
  std::size_t input_bytes = 0;
  std::size_t table_bytes = 0;
  long walk_allocations = 0;
};

// Converts `database` as the program does; counts the allocations of the
// walk itself (opening and creating the files may allocate).
Conversion Convert(std::string database) {
  CountingPlatform platform(std::move(database));
  std::unique_ptr<InputFile> input;
  EXPECT_EQ(InputFile::Open(platform, "levers.ldb", &input), 0);
  TableFile table(platform, "LeverPrototypes.txt", CheckSite::kCreateTable);
  TableWriter writer(table, '.');
  const std::size_t allocations_before = test::HeapAllocations();
  writer.WalkRemembering(*input, /*seed=*/1);
  const long allocations = static_cast<long>(test::HeapAllocations() - allocations_before);
  input->Close(CheckSite::kCloseInput);
  table.Commit(CheckSite::kCloseTable);
  return {platform.reads,  platform.seeks,   platform.writes,
          platform.size(), platform.written, allocations};
}

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

// A prototype with every field; `text` sets the length of its strings.
std::string FullPrototype(int i, std::size_t text) {
  return ldb::Prototype({ldb::Name("Lever " + std::to_string(i) + '\0'),
                         ldb::PlaceBlock(1.25f * static_cast<float>(i), -2.5f, 3.75f, 0.05f),
                         ldb::PlaceCount(i % 3), ldb::Scale(i % 4 == 0 ? 1.5f : 1.0f),
                         ldb::SwitchTime(i % 600), ldb::Material(Repeat('m', text) + '\0'),
                         ldb::SwitchSound(Repeat('s', text)), ldb::Description(Repeat('d', text))});
}

// `prototypes` prototypes in groups of 200, in one written section, plus an
// unwritten section of the same size in the middle.
std::string Database(int prototypes, std::size_t text) {
  std::vector<std::string> groups;
  std::vector<std::string> group;
  for (int i = 0; i < prototypes; ++i) {
    group.push_back(FullPrototype(i, text));
    if (group.size() == 200 || i + 1 == prototypes) {
      groups.push_back(ldb::Group(group));
      group.clear();
    }
  }
  const std::string written = ldb::Section(1, groups);
  return written + ldb::Section(2, groups) + written;
}

std::size_t Blocks(std::size_t bytes, std::size_t block) { return (bytes + block - 1) / block; }

TEST(StreamingTest, ReadsAndWritesFollowTheBytesNotTheFields) {
  // About 6 MB of input either way: many short fields, or 48 times fewer
  // long ones.
  const Conversion many_fields = Convert(Database(24000, 8));
  const Conversion few_fields = Convert(Database(500, 1300));
  for (const Conversion& c : {many_fields, few_fields}) {
    SCOPED_TRACE(c.input_bytes);
    ASSERT_GT(c.input_bytes, 20 * InputFile::kBufferSize);
    // One read per input buffer; the unwritten section in the middle may
    // even be passed without reading all of it.
    EXPECT_LE(static_cast<std::size_t>(c.reads), Blocks(c.input_bytes, InputFile::kBufferSize) + 1);
    EXPECT_GE(static_cast<std::size_t>(c.reads),
              Blocks(c.input_bytes, InputFile::kBufferSize) * 2 / 3);
    // Moves to record ends stay inside the buffer; the handle moves only
    // where a skipped value of the unwritten section crosses a buffer's end.
    EXPECT_LE(static_cast<std::size_t>(c.seeks),
              Blocks(c.input_bytes, InputFile::kBufferSize) / 3 + 2);
    // One write per full table buffer.
    EXPECT_LE(static_cast<std::size_t>(c.writes), Blocks(c.table_bytes, TableFile::kBufferSize));
  }
  // 48 times the fields, about the same number of calls.
  EXPECT_LE(many_fields.reads, few_fields.reads + 2);
}

TEST(StreamingTest, TheWalkAllocatesNothingPerFieldOrPerRow) {
  const Conversion small = Convert(Database(500, 40));
  const Conversion large = Convert(Database(2000, 40));
  EXPECT_EQ(large.walk_allocations, small.walk_allocations);
  EXPECT_LE(large.walk_allocations, 2);
}

TEST(StreamingTest, AValueLongerThanBothBuffersStreamsThrough) {
  // One description of 3 MB: it is never held whole, and it costs one read
  // and one write per buffer like any other bytes.
  const std::size_t size = 3 * 1024 * 1024;
  std::string database = ldb::Database({ldb::Prototype(
      {ldb::Name("long"), ldb::Description(Repeat('x', size)), ldb::Material("after")})});
  const Conversion c = Convert(std::move(database));
  EXPECT_EQ(c.table_bytes, std::string(kHeaderRow).size() + 2 + 4 + 1 + size + 1 + 5 + 2);
  EXPECT_LE(static_cast<std::size_t>(c.reads), Blocks(c.input_bytes, InputFile::kBufferSize) + 1);
  EXPECT_LE(static_cast<std::size_t>(c.writes), Blocks(c.table_bytes, TableFile::kBufferSize) + 1);
  EXPECT_EQ(c.walk_allocations, 0);
}

TEST(StreamingTest, FourByteLengthsAcrossTheBufferEndReadAsAnywhereElse) {
  // The four-byte form is read as one word after its first byte: at every
  // place around the end of the first buffer it gives the same length, and
  // cut short by the end of the file it fails after the bytes that were there.
  for (std::size_t before_end = 0; before_end <= 4; ++before_end) {
    SCOPED_TRACE(before_end);
    const std::size_t at = InputFile::kBufferSize - before_end;
    for (bool complete : {true, false}) {
      std::string data(at, 'p');
      data += ldb::PackedLength(300, ldb::LengthForm::kFourByte);
      if (complete) {
        data += "tail";
      } else {
        data.resize(at + 2);
      }
      CountingPlatform platform(data);
      std::unique_ptr<InputFile> input;
      ASSERT_EQ(InputFile::Open(platform, "levers.ldb", &input), 0);
      // Read up to there, so that the first buffer holds the bytes before.
      input->ReadInto(static_cast<std::int64_t>(at), CheckSite::kReadName,
                      [](const std::uint8_t*, std::size_t) {});
      ASSERT_EQ(platform.reads, 1);
      int code = 0;
      std::int64_t length = -1;
      try {
        length = ReadPackedLength(*input);
      } catch (const IoError& error) {
        code = error.code();
      }
      if (complete) {
        EXPECT_EQ(code, 0);
        EXPECT_EQ(length, 300);
        EXPECT_EQ(input->Position(), static_cast<std::int64_t>(at + 4));
      } else {
        EXPECT_EQ(code, kIoReadBeyondEnd);
        EXPECT_EQ(input->Position(), static_cast<std::int64_t>(data.size()));
      }
    }
  }
}

}  // namespace
}  // namespace kovrant
