// Shared by the robustness tests: one conversion over the in-memory platform,
// its outcome as the user would see it, and the checks that every run must
// pass however it ends.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/run.h"
#include "io/failure.h"
#include "support/fake_platform.h"

namespace kovrant::robustness {

inline constexpr char kDatabase[] = "levers.ldb";
inline constexpr char kTable[] = "LeverPrototypes.txt";
// The user's table from an earlier run, which a failed run must not touch.
inline constexpr char kEarlierTable[] = "Name\tfrom an earlier run\r\n";

struct Outcome {
  int exit_code = 0;
  bool completed = false;  // Run returned instead of failing
  std::string failure;     // the failure's class name, empty when completed
  int io_code = 0;         // for an EInOutError
  std::string report;      // the failure report main prints
};

// A platform holding `database` as levers.ldb and an earlier table.
inline test::FakePlatform PlatformWith(const std::string& database) {
  test::FakePlatform platform;
  platform.files[kDatabase].data = database;
  platform.files[kTable].data = kEarlierTable;
  return platform;
}

inline Outcome Convert(test::FakePlatform& platform,
                       const std::vector<std::string>& arguments = {kDatabase}) {
  Outcome outcome;
  try {
    outcome.exit_code = Run(arguments, platform, '.');
    outcome.completed = true;
  } catch (const Failure& failure) {
    outcome.exit_code = 1;
    outcome.failure = failure.ClassName();
    if (const auto* io = dynamic_cast<const IoError*>(&failure)) outcome.io_code = io->code();
    outcome.report = FormatFailureReport(failure, "kovrant");
  }
  return outcome;
}

// What must hold after every conversion of levers.ldb: no handle left open,
// no file left beside the database and the table, the database unchanged;
// after a failure the earlier table byte-identical.
inline ::testing::AssertionResult EndedCleanly(const test::FakePlatform& platform,
                                               const Outcome& outcome,
                                               const std::string& database) {
  if (platform.open_handles() != 0) {
    return ::testing::AssertionFailure() << platform.open_handles() << " handles left open";
  }
  for (const auto& [path, file] : platform.files) {
    if (path != kDatabase && path != kTable) {
      return ::testing::AssertionFailure() << "file left behind: " << path;
    }
  }
  if (!platform.files.count(kDatabase) || platform.files.at(kDatabase).data != database) {
    return ::testing::AssertionFailure() << "the database was changed";
  }
  if (!platform.files.count(kTable)) return ::testing::AssertionFailure() << "no table";
  if (!outcome.completed && platform.files.at(kTable).data != kEarlierTable) {
    return ::testing::AssertionFailure() << "a failed run changed the earlier table";
  }
  // Run itself returns 1 only after "Error opening file"; a failure ends with 1.
  const bool unopened = platform.standard_output.ends_with("Error opening file\r\n");
  if (outcome.exit_code != (outcome.completed && !unopened ? 0 : 1)) {
    return ::testing::AssertionFailure() << "exit code " << outcome.exit_code;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace kovrant::robustness
