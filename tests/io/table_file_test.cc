#include "io/table_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <utility>

#include "io/failure.h"
#include "support/fake_platform.h"

namespace kovrant {
namespace {

using test::FakePlatform;
using test::Op;

constexpr CheckSite kSite = CheckSite::kWriteRow;

TEST(TableFileTest, CommitReplacesTheEarlierTableWithTheLinesWritten) {
  FakePlatform platform;
  platform.files["t.txt"].data = "old table";
  {
    TableFile table(platform, "t.txt", kSite);
    table.WriteLine("a\tb", kSite);
    std::string big(TableFile::kBufferSize + 3, 'x');
    table.WriteLine(big, kSite);
    table.Commit(kSite);
  }
  std::string expected = "a\tb\r\n" + std::string(TableFile::kBufferSize + 3, 'x') + "\r\n";
  EXPECT_EQ(platform.files.at("t.txt").data, expected);
  EXPECT_EQ(platform.files.size(), 1u);
  EXPECT_EQ(platform.open_handles(), 0);
}

TEST(TableFileTest, AbandonedTableLeavesTheEarlierOneAndNoTemporaryFile) {
  FakePlatform platform;
  platform.files["t.txt"].data = "old table";
  {
    TableFile table(platform, "t.txt", kSite);
    table.WriteLine(std::string(TableFile::kBufferSize * 2, 'y'), kSite);
  }
  EXPECT_EQ(platform.files.at("t.txt").data, "old table");
  EXPECT_EQ(platform.files.size(), 1u);
  EXPECT_EQ(platform.open_handles(), 0);
}

TEST(TableFileTest, EachFailingStepReportsItsCodeAndKeepsTheEarlierTable) {
  struct Case {
    Op op;
    int code;
  };
  for (Case c : {Case{Op::kCreate, kIoAccessDenied}, Case{Op::kWrite, kIoDiskFull},
                 Case{Op::kClose, 5}, Case{Op::kMove, 32}}) {
    FakePlatform platform;
    platform.files["t.txt"].data = "old table";
    platform.FailOn(c.op, 1, c.code);
    int failed_with = 0;
    try {
      TableFile table(platform, "t.txt", kSite);
      table.WriteLine("row", kSite);
      table.Commit(CheckSite::kCloseTable);
    } catch (const IoError& error) {
      failed_with = error.code();
    }
    EXPECT_EQ(failed_with, c.code) << static_cast<int>(c.op);
    EXPECT_EQ(platform.files.at("t.txt").data, "old table");
    EXPECT_EQ(platform.files.size(), 1u);
  }
}

// Writes in the background, deterministically: a block is written only when
// awaited, so a buffer changed while in flight would show in the table.
class DeferredPlatform : public FakePlatform {
 public:
  bool WritesInBackground() const override { return true; }
  int BeginWrite(FileHandle file, std::int64_t offset, const void* data,
                 std::size_t size) override {
    EXPECT_LT(blocks_.size(), TableFile::kBlocksInFlight) << "too many blocks in flight";
    EXPECT_EQ(offset, bytes_written() + queued_) << "blocks out of order";
    blocks_.push_back({file, offset, data, size});
    queued_ += static_cast<std::int64_t>(size);
    return 0;
  }
  int AwaitWrite(FileHandle, std::int64_t end) override {
    for (; !blocks_.empty() && blocks_.front().offset < end; blocks_.pop_front()) {
      const Block block = blocks_.front();
      queued_ -= static_cast<std::int64_t>(block.size);
      if (int code = Write(block.file, block.data, block.size); code != 0) {
        blocks_.clear(), queued_ = 0;
        return code;
      }
    }
    return 0;
  }

 private:
  struct Block {
    FileHandle file;
    std::int64_t offset;
    const void* data;
    std::size_t size;
  };
  std::deque<Block> blocks_;
  std::int64_t queued_ = 0;
};

// A random table (appends, characters, writing in place); its failure if any.
std::pair<int, CheckSite> WriteRandomTable(FakePlatform& platform, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  try {
    TableFile table(platform, "t.txt", CheckSite::kCreateTable);
    for (int step = 0; step < 40; ++step) {
      const auto fill = static_cast<char>('a' + step % 26);
      const auto size = static_cast<std::size_t>(
          random() % (random() % 2 ? 300 : TableFile::kBufferSize * 3 / 2));
      if (step % 3 == 0) table.Append(std::string(size, fill), CheckSite::kWriteRow);
      if (step % 3 == 1) table.Put(fill, CheckSite::kWriteHeader);
      if (step % 3 == 2) {
        char* out = table.Space(std::min(size + 1, TableFile::kBufferSize), CheckSite::kReadName);
        table.Used(std::fill_n(out, size % 2 ? 0 : std::min(size, TableFile::kBufferSize), fill));
      }
    }
    table.Commit(CheckSite::kCloseTable);
  } catch (const IoError& error) {
    return {error.code(), error.site()};
  }
  return {0, CheckSite::kCloseTable};
}

TEST(TableFileTest, WritingInTheBackgroundGivesTheSameTableAndTheSameFailures) {
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    FakePlatform at_once;
    DeferredPlatform deferred;
    ASSERT_EQ(WriteRandomTable(at_once, seed).first, 0);
    ASSERT_EQ(WriteRandomTable(deferred, seed).first, 0);
    EXPECT_TRUE(at_once.files.at("t.txt").data == deferred.files.at("t.txt").data) << seed;
    // Each write in turn fails: the same code at the same site, nothing left.
    for (int nth = 1; nth <= at_once.calls(Op::kWrite); ++nth) {
      FakePlatform failing_at_once;
      DeferredPlatform failing_deferred;
      failing_at_once.FailOn(Op::kWrite, nth, kIoDiskFull);
      failing_deferred.FailOn(Op::kWrite, nth, kIoDiskFull);
      const auto expected = WriteRandomTable(failing_at_once, seed);
      EXPECT_EQ(expected.first, kIoDiskFull);
      EXPECT_EQ(WriteRandomTable(failing_deferred, seed), expected) << seed << " " << nth;
      EXPECT_TRUE(failing_deferred.files.empty() && failing_deferred.open_handles() == 0);
    }
  }
}

}  // namespace
}  // namespace kovrant
