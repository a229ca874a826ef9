// The bundled sample: examples/levers.ldb must be what the project's own
// builder makes, and the real converter must turn it into exactly
// examples/LeverPrototypes.txt.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "sample_db.h"
#include "support/files.h"

namespace {

namespace fs = std::filesystem;
using kovrant::test::ReadFile;

const fs::path kExamples = fs::path(KOVRANT_SOURCE_DIR) / "examples";

TEST(SampleTest, CommittedDatabaseIsWhatTheBuilderMakes) {
  EXPECT_TRUE(ReadFile(kExamples / "levers.ldb") == kovrant::ldb::SampleDatabase())
      << "regenerate with: make_sample_db examples/levers.ldb";
}

TEST(SampleTest, ConverterGivesTheCommittedTable) {
  const char* exe = std::getenv("KOVRANT_EXE");
  const char* launcher = std::getenv("KOVRANT_LAUNCHER");
  const kovrant::test::ScratchDirectory directory("kovrant-sample");
  const fs::path& scratch = directory.path();
  fs::copy_file(kExamples / "levers.ldb", scratch / "levers.ldb");
  std::string command = "cd '" + scratch.string() + "' && " +
                        (launcher != nullptr ? std::string(launcher) + " " : std::string()) + "'" +
                        fs::absolute(exe != nullptr ? exe : KOVRANT_BINARY).string() +
                        "' levers.ldb out > stdout.txt";
  EXPECT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(ReadFile(scratch / "stdout.txt"), "");
  EXPECT_TRUE(ReadFile(scratch / "out" / "LeverPrototypes.txt") ==
              ReadFile(kExamples / "LeverPrototypes.txt"));
}

}  // namespace
