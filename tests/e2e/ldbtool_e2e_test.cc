// End-to-end tests of ldbtool: the real binary in a scratch directory.
//
// LDBTOOL_EXE and KOVRANT_EXE name other binaries (the Windows ones),
// KOVRANT_LAUNCHER a program to start them with ("wine64"); standard output
// and standard error are compared with Windows line ends turned into "\n".
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ldb_builder.h"
#include "sample_db.h"
#include "support/files.h"

namespace {

namespace fs = std::filesystem;
namespace ldb = kovrant::ldb;

std::string Env(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : fallback;
}

struct Result {
  int exit_code = -1;
  std::string out, err;
};

class LdbtoolTest : public ::testing::Test {
 protected:
  // Runs `program` (ldbtool unless kovrant is asked for) in the scratch
  // directory.
  Result Run(std::vector<std::string> arguments, bool kovrant = false) {
    const std::string exe =
        kovrant ? Env("KOVRANT_EXE", KOVRANT_BINARY) : Env("LDBTOOL_EXE", LDBTOOL_BINARY);
    std::vector<std::string> command;
    if (const std::string launcher = Env("KOVRANT_LAUNCHER", ""); !launcher.empty()) {
      command.push_back(launcher);
    }
    command.push_back(fs::absolute(exe).string());
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& part : command) argv.push_back(part.data());
    argv.push_back(nullptr);
    const fs::path out = scratch_.path() / ".out", err = scratch_.path() / ".err";
    const pid_t pid = ::fork();
    if (pid == 0) {
      if (::chdir(dir_.c_str()) != 0) ::_exit(126);
      ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
      ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
      ::execvp(argv[0], argv.data());
      ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    Result result;
    if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
    result.out = Lines(kovrant::test::ReadFile(out));
    result.err = Lines(kovrant::test::ReadFile(err));
    return result;
  }
  static std::string Lines(std::string text) {
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lines += text[i];
    }
    return lines;
  }
  void Database(const std::string& bytes) { kovrant::test::WriteFile(dir_ / "levers.ldb", bytes); }

  kovrant::test::ScratchDirectory scratch_{"ldbtool-e2e"};
  fs::path dir_ = scratch_.path() / "work";
  void SetUp() override { fs::create_directory(dir_); }
};

TEST_F(LdbtoolTest, CommandLine) {
  Database(ldb::SampleDatabase());
  struct Case {
    std::vector<std::string> arguments;
    int exit_code;
    std::string out_starts, err_starts;
  };
  const Case cases[] = {
      {{"--version"}, 0, "ldbtool 0.4\n", ""},
      {{"--help"}, 0, "ldbtool: checks, shows and edits", ""},
      {{"check", "--help"}, 0, "Find every problem of DB", ""},
      {{}, 2, "", "A subcommand is required"},
      {{"check"}, 2, "", "DB is required"},
      {{"inspect", "levers.ldb"}, 2, "", "unknown command inspect (check, dump, apply or pack)\n"},
      {{"check", "levers.ldb", "more"}, 2, "", "The following argument was not expected: more"},
      {{"apply", "levers.ldb", "table.txt"}, 2, "", "--output (or --dry-run) is required"},
      {{"pack", "table.txt"}, 2, "", "--output is required"},
      {{"check", "missing.ldb"},
       1,
       "",
       "ldbtool: missing.ldb: error: cannot open the database: File not found\n"},
      {{"check", "levers.ldb"},
       0,
       "levers.ldb: kovrant converts it (32 prototypes, 30 table rows); 2 warnings\n",
       "ldbtool: levers.ldb: offset 4207 (0x106F): warning: first-level record 3 (tag 1), "
       "prototype 27 (table row 25), field type 12: unknown field type: it makes no cell\n"},
      {{"dump", "levers.ldb"},
       0,
       "           0 L1 tag 1  len4:2922\n           5   L2 tag 0  len4:1659\n",
       ""},
  };
  for (const Case& c : cases) {
    const Result r = Run(c.arguments);
    const std::string what = c.arguments.empty() ? "(none)" : c.arguments[0];
    EXPECT_EQ(r.exit_code, c.exit_code) << what << "\n" << r.err;
    EXPECT_TRUE(r.out.starts_with(c.out_starts)) << what << "\n" << r.out;
    EXPECT_TRUE(r.err.starts_with(c.err_starts)) << what << "\n" << r.err;
    if (c.err_starts.empty()) {
      EXPECT_EQ(r.err, "") << what;
    }
  }
}

// check exits 1 exactly when kovrant reports a failure, on cuts of the
// sample and on a NaN scale; its first line names the failing read.
TEST_F(LdbtoolTest, CheckFailsWhereKovrantFails) {
  const std::string sample = ldb::SampleDatabase();
  std::vector<std::string> databases = {
      ldb::Database({ldb::Prototype({ldb::ScaleBits(0x7FC00001)})})};
  for (std::size_t size = 1; size < sample.size(); size += 397) {
    databases.push_back(sample.substr(0, size));
  }
  for (const std::string& database : databases) {
    Database(database);
    const Result kovrant = Run({"levers.ldb", "out"}, true);
    const Result check = Run({"check", "levers.ldb"});
    EXPECT_EQ(check.exit_code, kovrant.exit_code) << database.size() << "\n" << kovrant.out;
    if (check.exit_code == 1) {
      EXPECT_TRUE(check.err.starts_with("ldbtool: levers.ldb: offset ")) << check.err;
      EXPECT_NE(check.err.find(": error: "), std::string::npos) << check.err;
    }
  }
}

}  // namespace
