// Overlapping records: the remembering walk must write exactly what the
// plain walk writes, and fail exactly where it fails, while visiting each
// record a bounded number of times.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "ldb_builder.h"
#include "support/both_walks.h"
#include "table/table_writer.h"

namespace kovrant {
namespace {

using namespace ldb;
using test::ConvertWith;
using test::Walk;

constexpr std::uint32_t kSignallingNaN = 0x7F800001;

// Random records of every level whose declared lengths often lie: short
// (the next record starts inside this one), long (children run on past the
// parent's end, over the records after it) or far beyond the file.
class RecordSoup {
 public:
  explicit RecordSoup(std::uint32_t seed) : random_(seed) {}

  std::string Database() {
    std::string bytes;
    const int sections = 2 + Below(5);
    for (int i = 0; i < sections; ++i) bytes += Frame(1, static_cast<std::uint8_t>(Below(3)));
    // Zero bytes read as empty records, which take up most overruns past
    // the last section; now and then a stray byte instead.
    bytes += Below(8) == 0 ? Bytes(1 + Below(6))
                           : std::string(static_cast<std::size_t>(Below(96)), '\0');
    return bytes;
  }

 private:
  int Below(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }

  std::string Bytes(int n) {
    std::string bytes(static_cast<std::size_t>(n), '\0');
    // Mostly even bytes: read as a length, they stay short.
    for (char& byte : bytes) byte = Below(3) == 0 ? '\0' : static_cast<char>('b' + 2 * Below(13));
    return bytes;
  }
  std::uint32_t Float() {
    static constexpr std::uint32_t kFloats[] = {0x3F800000, 0x40200000, 0xC1200000,
                                                0x7FC00000, 0x00000000, 0x4B000000};
    return Below(80) == 0 ? kSignallingNaN : kFloats[Below(6)];
  }
  std::string Value(std::uint8_t type) {
    switch (type) {
      case 1:
        return Cat({U32(Float()), U32(Float()), U32(Float()), U32(Float())});
      case 2:
        return I32(Below(5) - 1);
      case 3:
        return U32(Below(60) == 0 ? 0x7FC00000 : Float() & ~0x00400000u);  // rarely NaN
      case 4:
        return I32(Below(200) - 100);
      default:
        if (Below(8) == 0) {  // long runs of NULs, with a byte here and there
          std::string text(static_cast<std::size_t>(64 + Below(100)), '\0');
          text[static_cast<std::size_t>(Below(static_cast<int>(text.size())))] = 'n';
          return text;
        }
        return Bytes(Below(7));
    }
  }
  std::string Frame(int level, std::uint8_t tag) {
    std::string body;
    if (level == 4) {
      body = Value(tag);
    } else {
      const int children = Below(4);
      for (int i = 0; i < children; ++i) {
        body += Frame(level + 1, level == 3 ? static_cast<std::uint8_t>(Below(10)) : 0);
      }
    }
    std::int64_t length = static_cast<std::int64_t>(body.size());
    switch (Below(10)) {
      case 0:
        length = Below(static_cast<int>(length) + 1);
        break;
      case 1:
      case 2:
        length += 1 + Below(level == 1 ? 8 : 24);
        break;
      default:
        break;
    }
    return Cat({std::string(1, static_cast<char>(tag)),
                PackedLength(length, Below(2) ? LengthForm::kShortest : LengthForm::kFourByte),
                body});
  }

  std::mt19937 random_;
};

TEST(OverlapWalkTest, WritesAndFailsExactlyAsThePlainWalk) {
  int overlapping = 0;
  int met_again = 0;
  int completed = 0;
  for (std::uint32_t seed = 1; seed <= 20000; ++seed) {
    const std::string database = RecordSoup(seed).Database();
    // The walk's own seed varies too: it must never change the outcome.
    const test::WalkOutcome remembering = ConvertWith(Walk::kRemembering, database, seed);
    const test::WalkOutcome plain = ConvertWith(Walk::kPlain, database);
    ASSERT_EQ(remembering, plain) << "seed " << seed << ": " << remembering.failure << " / "
                                  << plain.failure;
    overlapping += remembering.overlapped;
    met_again += remembering.steps > remembering.remembered;
    completed += remembering.failure.empty();
  }
  // The soup must exercise what it is for.
  EXPECT_GT(overlapping, 1500);
  EXPECT_GT(met_again, 500);
  EXPECT_GT(completed, 1500);
}

// Crafted overlaps that make the plain walk quadratic: the steps of the
// remembering walk grow as count * log(count), the records it remembers as count.
TEST(OverlapWalkTest, StepsGrowAsTheFileNotAsItsSquare) {
  struct Case {
    std::uint8_t tag;
    bool shrinking;
  };
  for (const Case c : {Case{1, false}, Case{2, false}, Case{1, true}, Case{2, true}}) {
    for (const int count : {1000, 8000}) {
      SCOPED_TRACE(testing::Message()
                   << "tag " << int{c.tag} << " shrinking " << c.shrinking << " count " << count);
      const std::string database = OverlappingGroups(count, c.tag, c.shrinking);
      const test::WalkOutcome remembering = ConvertWith(Walk::kRemembering, database);
      ASSERT_TRUE(remembering.failure.empty()) << remembering.failure;
      EXPECT_EQ(remembering.table.size(), 78u + 2u * (c.tag == 1 ? count : 0));
      EXPECT_LE(remembering.remembered, 2u * count);
      EXPECT_LE(remembering.steps, 6u * count * std::log2(count))
          << "plain: about " << count * count / 4;
      if (count == 1000) {
        EXPECT_EQ(remembering, ConvertWith(Walk::kPlain, database));
      }
    }
  }
}

// Overlapping text values that are mostly NUL bytes: what is read grows
// with the file and the table, not with the overlaps.
TEST(OverlapWalkTest, LongNulRunsAreReadOnce) {
  constexpr int kCount = 300;
  constexpr std::int64_t kNulBytes = 1 << 20;
  const std::string database = OverlappingNulTexts(kCount, kNulBytes);
  const test::WalkOutcome remembering = ConvertWith(Walk::kRemembering, database);
  const test::WalkOutcome plain = ConvertWith(Walk::kPlain, database);
  ASSERT_EQ(remembering, plain) << remembering.failure;
  EXPECT_GT(plain.bytes_read, std::int64_t{kCount} * kNulBytes / 2);
  EXPECT_LT(remembering.bytes_read, 3 * static_cast<std::int64_t>(database.size()));
}

// The effect of two stretches of records in a row on the place block.
TEST(OverlapWalkTest, EffectsCompose) {
  using Effect = TableWriter::PlaceEffect;
  constexpr std::uint32_t kNone = TableWriter::kNoBlock;
  const std::vector<TableWriter::PlaceBlock> blocks = {{{1, 2, 3, 4}}, {{1, 2, kSignallingNaN, 4}}};
  const Effect checks_two{kNone, 2, false};
  const Effect checks_four{kNone, 4, false};
  const Effect stores_plain{0, 0, false};
  const Effect stores_nan_x2{1, 0, false};
  struct Case {
    const char* what;
    Effect first, second;
    std::uint8_t checks;
    std::uint32_t stores;
    bool fails;
  };
  const Case cases[] = {
      {"checks add up before a store", checks_two, checks_four, 4, kNone, false},
      {"checks after a store test the stored block", stores_plain, checks_four, 0, 0, false},
      {"a rendered stored signalling NaN fails", stores_nan_x2, checks_four, 0, 1, true},
      {"one not rendered does not", stores_nan_x2, checks_two, 0, 1, false},
      {"the later store wins", stores_nan_x2, stores_plain, 0, 0, false},
  };
  for (const Case& c : cases) {
    const Effect both = TableWriter::Then(c.first, c.second, blocks);
    EXPECT_EQ(both.checks, c.checks) << c.what;
    EXPECT_EQ(both.stores, c.stores) << c.what;
    EXPECT_EQ(both.fails, c.fails) << c.what;
  }
}

}  // namespace
}  // namespace kovrant
