// Fault injection against the real ldbtool binary: strace makes each system
// call that touches the database being replaced, its folder, its backups or
// the temporary file fail in turn, for apply (in place, beside an earlier
// backup) and for pack (over an existing file). After every failure each of
// those files holds either what it held before or its complete new bytes,
// no temporary file is left, and the run ends with exit code 1 and a
// message; a call ldbtool does not check must leave the clean run's result.
//
// Needs strace and permission to trace; skipped otherwise.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ldb_builder.h"
#include "support/files.h"
#include "table/table_writer.h"

namespace {

namespace fs = std::filesystem;
namespace ldb = kovrant::ldb;
using kovrant::test::ReadFile;
using kovrant::test::WriteFile;

const char kTraced[] =
    "openat,write,fsync,fdatasync,close,rename,renameat,renameat2,link,linkat,unlink,unlinkat";

struct Result {
  int exit_code = -1;
  std::string err;
};

Result Shell(const std::string& command) {
  Result result;
  FILE* pipe = ::popen((command + " 2>&1 >/dev/null").c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    result.err.append(buffer, n);
  }
  const int status = ::pclose(pipe);
  if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  return result;
}

// One command and the files it may change, each with the bytes it holds
// before and those it must hold after a clean run ("" for no file).
struct Scenario {
  std::string name;
  std::string arguments;
  std::string table;
  std::map<std::string, std::string> before, after;
};

std::vector<Scenario> Scenarios() {
  const std::string db = ldb::Database({ldb::Prototype(
      {ldb::Name("Oak"), ldb::PlaceCount(0), ldb::Scale(2), ldb::Material("Wood")})});
  const std::string header = std::string(kovrant::kHeaderRow) + "\r\n";
  return {
      {"apply",
       "apply levers.ldb table.txt -o levers.ldb",
       header + "Elm\t\t\t2.5\tStone\r\n",
       {{"levers.ldb", db}, {"levers.ldb.bak", "an earlier backup"}, {"levers.ldb.bak.1", ""}},
       {{"levers.ldb", ""}, {"levers.ldb.bak", "an earlier backup"}, {"levers.ldb.bak.1", db}}},
      {"pack",
       "pack table.txt -o levers.ldb",
       header + "Elm\t1.0,2.0\t\t2.5\t1.0\tStone\tClick\tA lever\r\n",
       {{"levers.ldb", db}, {"levers.ldb.bak", ""}},
       {{"levers.ldb", ""}, {"levers.ldb.bak", db}}},
  };
}

class LdbtoolStraceTest : public ::testing::TestWithParam<Scenario> {
 protected:
  void SetUp() override {
    if (Shell("strace -f -qq -o /dev/null -e inject=getpid:error=EPERM true").exit_code != 0) {
      GTEST_SKIP() << "strace cannot trace here (missing, or ptrace not permitted)";
    }
  }

  void Prepare(const Scenario& scenario) {
    for (const auto& entry : fs::directory_iterator(dir_)) fs::remove(entry.path());
    WriteFile(dir_ / "table.txt", scenario.table);
    for (const auto& [name, bytes] : scenario.before) {
      if (!bytes.empty()) WriteFile(dir_ / name, bytes);
    }
  }

  Result Ldbtool(const std::string& options) {
    return Shell("cd '" + dir_.string() + "' && ASAN_OPTIONS=detect_leaks=0 strace -f -qq " +
                 options + " -- '" + fs::absolute(LDBTOOL_BINARY).string() + "' " +
                 GetParam().arguments);
  }

  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // The calls (name and number among the calls of that name) of a clean
  // run that touch the files or their folder: by path, or by a descriptor
  // opened on one of them.
  std::vector<std::pair<std::string, int>> OurCalls() {
    const fs::path log = dir_.parent_path() / (dir_.filename().string() + ".log");
    EXPECT_EQ(Ldbtool("-o '" + log.string() + "' -e trace=" + kTraced).exit_code, 0);
    std::istringstream lines(ReadFile(log));
    fs::remove(log);
    std::vector<std::pair<std::string, int>> calls;
    std::map<std::string, int> counts;
    std::vector<std::string> ours;  // open descriptors of our files
    for (std::string line; std::getline(lines, line);) {
      const std::size_t start = line.find_first_not_of("0123456789 ");
      const std::size_t paren = line.find('(', start);
      const std::size_t equals = line.rfind(" = ");
      if (start == std::string::npos || paren == std::string::npos || equals == std::string::npos) {
        continue;
      }
      const std::string name = line.substr(start, paren - start);
      const std::string arguments = line.substr(paren + 1, equals - paren - 1);
      const std::string result = line.substr(equals + 3, line.find(' ', equals + 3) - equals - 3);
      const int nth = ++counts[name];
      const bool names_ours = arguments.find("levers.ldb") != std::string::npos ||
                              arguments.find("table.txt") != std::string::npos ||
                              arguments.find("\".\"") != std::string::npos;
      const std::string fd = arguments.substr(0, arguments.find_first_of(",)"));
      const bool on_ours = std::find(ours.begin(), ours.end(), fd) != ours.end();
      if (names_ours || on_ours) calls.emplace_back(name, nth);
      if (name == "openat" && names_ours && result != "-1") ours.push_back(result);
      if (name == "close" && on_ours) ours.erase(std::find(ours.begin(), ours.end(), fd));
    }
    return calls;
  }

  kovrant::test::ScratchDirectory scratch_{"ldbtool-strace"};
  fs::path dir_ = scratch_.path();
};

TEST_P(LdbtoolStraceTest, EveryCallOnTheFilesFailsWithoutLosingOne) {
  Scenario scenario = GetParam();
  Prepare(scenario);
  const auto calls = OurCalls();
  for (auto& [name, bytes] : scenario.after) {
    if (bytes.empty()) bytes = ReadFile(dir_ / name);
  }
  ASSERT_NE(scenario.after.at("levers.ldb"), scenario.before.at("levers.ldb"));
  Prepare(scenario);
  const std::vector<std::string> entries = Entries();
  std::map<std::string, int> failed;
  for (const auto& [call, nth] : calls) {
    SCOPED_TRACE(call + " #" + std::to_string(nth) + " fails");
    Prepare(scenario);
    const Result result = Ldbtool("-o /dev/null -e trace=" + call + " -e inject=" + call +
                                  ":error=EIO:when=" + std::to_string(nth));
    for (const auto& [file, old] : scenario.before) {
      const bool exists = fs::exists(dir_ / file);
      const std::string now = exists ? ReadFile(dir_ / file) : "";
      const std::string& new_bytes = scenario.after.at(file);
      EXPECT_TRUE((!exists && old.empty()) || (exists && (now == old || now == new_bytes)))
          << file << " is neither as before nor complete and new";
    }
    for (const std::string& entry : Entries()) {
      EXPECT_EQ(entry.find(".tmp"), std::string::npos) << "a temporary file was left: " << entry;
    }
    if (result.exit_code == 0) {
      for (const auto& [file, new_bytes] : scenario.after) {
        EXPECT_EQ(ReadFile(dir_ / file), new_bytes) << file << " after an unchecked call";
      }
    } else {
      ++failed[call];
      EXPECT_EQ(result.exit_code, 1);
      EXPECT_TRUE(result.err.starts_with("ldbtool: ")) << result.err;
    }
  }
  // The calls that matter are among those checked.
  for (const char* call : {"openat", "write", "fsync", "close", "link"}) {
    EXPECT_GE(failed[call], 1) << call;
  }
  std::string list;
  for (const auto& [call, n] : failed) list += call + ":" + std::to_string(n) + " ";
  RecordProperty("failed", list);
}

INSTANTIATE_TEST_SUITE_P(ApplyAndPack, LdbtoolStraceTest, ::testing::ValuesIn(Scenarios()),
                         [](const auto& test) { return test.param.name; });

}  // namespace
