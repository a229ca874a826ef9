#include "io/table_file.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kovrant
