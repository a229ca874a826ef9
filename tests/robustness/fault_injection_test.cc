// Every checked operation of a conversion fails in turn.
//
// A clean run of each database first counts how often the conversion calls
// each platform operation; then every one of those calls is made to fail, one
// run per call. Each run must end with the failure report (exit code 1) for
// exactly the injected code, or complete as the clean run did where the
// failing call was not one the conversion checks; either way with the
// earlier table byte-identical after a failure, no temporary file left and no
// handle open.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "conversion.h"
#include "ldb_builder.h"
#include "sample_db.h"

namespace kovrant::robustness {
namespace {

using test::FakePlatform;
using test::Op;

// A database large enough that reads, seeks and table writes each happen
// several times: a skipped section holding a value longer than the input
// buffer, then written prototypes whose rows outgrow the table's buffer.
std::string LargeDatabase() {
  using namespace ldb;
  std::string hidden =
      Section(0, {Group({Prototype({Name("hidden"), Description(std::string(600'000, 'h'))})})});
  std::vector<std::string> prototypes;
  for (int i = 0; i < 6000; ++i) {
    prototypes.push_back(
        Prototype({Name("Lever " + std::to_string(i)),
                   PlaceBlock(1.5f * static_cast<float>(i), -2.25f, 3.0f, 4.75f), PlaceCount(2),
                   Scale(0.5f), SwitchTime(i), Material("iron"), SwitchSound("sfx/lever.wav"),
                   Description(std::string(60, 'd'))}));
  }
  return hidden + Database(prototypes);
}

struct Injection {
  Op op;
  const char* what;
  int code;
  const char* message;  // as the report shows it
};

const Injection kInjections[] = {
    {Op::kRead, "read", 23, "I/O error 23"},
    {Op::kSeek, "seek", 131, "I/O error 131"},
    {Op::kSize, "size query", 6, "I/O error 6"},
    {Op::kCreate, "create", kIoAccessDenied, "File access denied"},
    {Op::kWrite, "write", kIoDiskFull, "Disk full"},
    {Op::kClose, "close", kIoDiskFull, "Disk full"},
    {Op::kMove, "rename", kIoAccessDenied, "File access denied"},
};

struct Database {
  const char* name;
  std::string bytes;
};

TEST(FaultInjectionTest, EveryCheckedOperationFailsCleanly) {
  const Database databases[] = {{"sample", ldb::SampleDatabase()}, {"large", LargeDatabase()}};
  for (const Database& database : databases) {
    FakePlatform clean = PlatformWith(database.bytes);
    const Outcome reference = Convert(clean);
    ASSERT_TRUE(reference.completed) << database.name << ": " << reference.report;
    const std::string table = clean.files.at(kTable).data;

    for (const Injection& injection : kInjections) {
      const int calls = clean.calls(injection.op);
      int reported = 0;
      for (int nth = 1; nth <= calls; ++nth) {
        SCOPED_TRACE(std::string(database.name) + ": " + injection.what + " #" +
                     std::to_string(nth) + " of " + std::to_string(calls));
        FakePlatform platform = PlatformWith(database.bytes);
        platform.FailOn(injection.op, nth, injection.code);
        const Outcome outcome = Convert(platform);
        EXPECT_TRUE(EndedCleanly(platform, outcome, database.bytes));
        if (outcome.completed) {
          EXPECT_EQ(platform.files.at(kTable).data, table);
          continue;
        }
        ++reported;
        EXPECT_EQ(outcome.failure, "EInOutError");
        EXPECT_EQ(outcome.io_code, injection.code);
        EXPECT_TRUE(outcome.report.starts_with("Exception EInOutError in module kovrant at "))
            << outcome.report;
        EXPECT_TRUE(outcome.report.ends_with(".\n" + std::string(injection.message) + ".\r\n"))
            << outcome.report;
      }
      // Every call the conversion makes to these operations is checked.
      EXPECT_EQ(reported, calls) << database.name << ", " << injection.what;
    }
  }
}

TEST(FaultInjectionTest, LargeDatabaseExercisesEveryOperationRepeatedly) {
  // The exhaustive test above is only as good as the number of calls it
  // fails; the large database must need more than one of each buffered one.
  const std::string database = LargeDatabase();
  FakePlatform platform = PlatformWith(database);
  ASSERT_TRUE(Convert(platform).completed);
  EXPECT_GE(platform.calls(Op::kRead), 3);
  EXPECT_GE(platform.calls(Op::kSeek), 1);
  EXPECT_GE(platform.calls(Op::kWrite), 2);
  EXPECT_EQ(platform.calls(Op::kClose), 2);
  EXPECT_EQ(platform.calls(Op::kMove), 1);
}

TEST(FaultInjectionTest, DatabaseThatCannotBeOpenedEndsWithExitCode1) {
  const std::string database = ldb::SampleDatabase();
  for (int code : {kIoFileNotFound, kIoAccessDenied, 32}) {
    FakePlatform platform = PlatformWith(database);
    platform.FailOn(Op::kOpen, 1, code);
    const Outcome outcome = Convert(platform);
    EXPECT_TRUE(outcome.completed) << code;
    EXPECT_EQ(outcome.exit_code, 1) << code;
    EXPECT_EQ(platform.standard_output, "Error opening file\r\n");
    EXPECT_EQ(platform.calls(Op::kCreate), 0) << "no table is created";
    EXPECT_TRUE(EndedCleanly(platform, outcome, database));
    EXPECT_EQ(platform.files.at(kTable).data, kEarlierTable);
  }
}

TEST(FaultInjectionTest, ConsoleThatFailsEndsWithAFailure) {
  // "Error opening file" and the banner go through checked console writes.
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{}, std::vector<std::string>{"missing.ldb"}}) {
    FakePlatform platform = PlatformWith("");
    platform.FailOn(Op::kStdout, 1, kIoDiskFull);
    const Outcome outcome = Convert(platform, arguments);
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(outcome.io_code, kIoDiskFull);
    EXPECT_EQ(platform.files.size(), 2u);
    EXPECT_EQ(platform.files.at(kTable).data, kEarlierTable);
    EXPECT_EQ(platform.open_handles(), 0);
  }
}

}  // namespace
}  // namespace kovrant::robustness
