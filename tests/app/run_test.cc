// The run order, in process over the in-memory platform.
#include "app/run.h"

#include <gtest/gtest.h>

#include "io/failure.h"
#include "ldb_builder.h"
#include "support/fake_platform.h"
#include "table/table_writer.h"

namespace kovrant {
namespace {

using test::FakePlatform;

const std::string kHeaderLine = std::string(kHeaderRow) + "\r\n";

TEST(RunTest, NoArgumentsPrintsTheBannerAndTouchesNoFile) {
  // The banner's exact bytes are checked end to end, on the real binary.
  FakePlatform platform;
  EXPECT_EQ(kovrant::Run({}, platform, '.'), 0);
  EXPECT_TRUE(platform.standard_output.ends_with("\r\n USAGE: kovrant.exe levers.ldb\r\n"));
  EXPECT_TRUE(platform.files.empty());
  EXPECT_TRUE(platform.directories.empty());
}

TEST(RunTest, OutputDirectoryResolution) {
  struct Case {
    const char* what;
    std::vector<std::string> arguments;
    std::string table_path;
    bool creates_out;
  };
  const Case cases[] = {
      {"no directory", {"db"}, "LeverPrototypes.txt", false},
      {"existing directory", {"db", "out"}, "out/LeverPrototypes.txt", false},
      {"existing directory with separator", {"db", "out/"}, "out/LeverPrototypes.txt", false},
      {"missing directory is created", {"db", "new"}, "new/LeverPrototypes.txt", true},
      {"missing parent falls back", {"db", "no/such"}, "LeverPrototypes.txt", false},
      {"ordinary file falls back", {"db", "db"}, "LeverPrototypes.txt", false},
      {"further arguments are ignored", {"db", "out", "x", "y"}, "out/LeverPrototypes.txt", false},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    platform.files["db"].data = ldb::Database({});
    platform.directories.insert("out");
    EXPECT_EQ(kovrant::Run(c.arguments, platform, '.'), 0) << c.what;
    ASSERT_TRUE(platform.files.count(c.table_path)) << c.what;
    EXPECT_EQ(platform.files.at(c.table_path).data, kHeaderLine) << c.what;
    EXPECT_EQ(platform.files.size(), 2u) << c.what;  // the database and the table
    EXPECT_EQ(platform.directories.count("new") == 1, c.creates_out) << c.what;
    EXPECT_EQ(platform.standard_output, "") << c.what;
    EXPECT_EQ(platform.open_handles(), 0) << c.what;
  }
}

TEST(RunTest, UnopenableDatabaseIsReportedAndCreatesNoTable) {
  FakePlatform platform;
  EXPECT_EQ(kovrant::Run({"missing", "new"}, platform, '.'), 1);
  EXPECT_EQ(platform.standard_output, "Error opening file\r\n");
  EXPECT_TRUE(platform.files.empty());
  EXPECT_EQ(platform.directories.count("new"), 1u);  // created before the open
}

TEST(RunTest, FailureAfterCreatingTheTableKeepsTheEarlierTable) {
  FakePlatform platform;
  platform.files["db"].data = ldb::Database({ldb::Prototype({ldb::Name("Lever")})}) + "\x01";
  platform.files["LeverPrototypes.txt"].data = "earlier";
  try {
    kovrant::Run({"db"}, platform, '.');
    FAIL() << "the stray byte must fail";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), kIoReadBeyondEnd);
    EXPECT_EQ(error.site(), CheckSite::kReadLengthByte);
  }
  EXPECT_EQ(platform.files.at("LeverPrototypes.txt").data, "earlier");
  EXPECT_EQ(platform.files.size(), 2u);
  EXPECT_EQ(platform.open_handles(), 0);
}

TEST(RunTest, TableThatCannotBeCreatedIsAccessDenied) {
  for (bool directory : {true, false}) {
    FakePlatform platform;
    platform.files["db"].data = ldb::Database({});
    if (directory) {
      platform.directories.insert("LeverPrototypes.txt");
    } else {
      platform.files["LeverPrototypes.txt"] = {"read-only", true};
    }
    try {
      kovrant::Run({"db"}, platform, '.');
      FAIL() << "creating the table must fail";
    } catch (const IoError& error) {
      EXPECT_EQ(error.code(), kIoAccessDenied);
      EXPECT_EQ(error.site(), CheckSite::kCreateTable);
    }
    EXPECT_EQ(platform.open_handles(), 0);
  }
}

}  // namespace
}  // namespace kovrant
