// Shared by ldbtool's tests: kovrant's own conversion in memory, and random
// well-nested databases and tables in the forms kovrant writes.
#pragma once

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/run.h"
#include "io/memory_platform.h"
#include "ldb_builder.h"
#include "random_db.h"
#include "table/table_writer.h"
#include "tool/cell_number.h"

namespace kovrant::test {

// The table kovrant writes for `database` ("" when it fails).
inline std::string KovrantTable(const std::string& database) {
  MemoryPlatform platform;
  platform.files["db"].data = database;
  try {
    Run({"db"}, platform, '.');
  } catch (...) {
    return "";
  }
  return platform.files["LeverPrototypes.txt"].data;
}

// The generator lives in testkit/ (shared with the other ldbtool suites).
using ldb::RandomDatabase;
using ldb::RandomFloatBits;
using ldb::RandomTicks;
using ldb::RandomWord;

}  // namespace kovrant::test
