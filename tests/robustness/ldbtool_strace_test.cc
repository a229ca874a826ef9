// Fault injection against the real ldbtool binary: strace makes each system
// call that touches the database being replaced, its folder, its backups or
// the temporary file fail in turn, for apply (in place, beside an earlier
// backup) and pack (over an existing file). After every failure each file
// holds what it held before or its complete new bytes, no temporary file is
// left, and the run ends with exit code 1 and a message; a call ldbtool does
// not check must leave the clean run's result. Skipped without strace.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "ldb_builder.h"
#include "support/files.h"
#include "table/table_writer.h"

namespace {

namespace fs = std::filesystem;
namespace ldb = kovrant::ldb;
using kovrant::test::ReadFile;

// The exit code and standard error of a shell command.
std::pair<int, std::string> Shell(const std::string& command) {
  std::string err;
  FILE* pipe = ::popen((command + " 2>&1 >/dev/null").c_str(), "r");
  char buffer[4096];
  for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    err.append(buffer, n);
  }
  const int status = pipe ? ::pclose(pipe) : -1;
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, err};
}

// A command, its table, and the files it may change with their bytes
// before and after a clean run ("" for no file, or for bytes the clean run
// shows).
struct Scenario {
  std::string name, arguments, row;
  std::map<std::string, std::string> before, after;
};

const std::string kDb = ldb::Database(
    {ldb::Prototype({ldb::Name("Oak"), ldb::PlaceCount(0), ldb::Scale(2), ldb::Material("W")})});

class LdbtoolStraceTest : public ::testing::TestWithParam<Scenario> {
 protected:
  void Prepare() {
    for (const auto& entry : fs::directory_iterator(dir_)) fs::remove(entry.path());
    kovrant::test::WriteFile(dir_ / "table.txt",
                             std::string(kovrant::kHeaderRow) + "\r\n" + GetParam().row + "\r\n");
    for (const auto& [name, bytes] : GetParam().before) {
      if (!bytes.empty()) kovrant::test::WriteFile(dir_ / name, bytes);
    }
  }
  std::pair<int, std::string> Ldbtool(const std::string& options) {
    return Shell("cd '" + dir_.string() + "' && ASAN_OPTIONS=detect_leaks=0 strace -f -qq " +
                 options + " -- '" + fs::absolute(LDBTOOL_BINARY).string() + "' " +
                 GetParam().arguments);
  }
  kovrant::test::ScratchDirectory scratch_{"ldbtool-strace"};
  fs::path dir_ = scratch_.path();
};

TEST_P(LdbtoolStraceTest, EveryCallOnTheFilesFailsWithoutLosingOne) {
  if (Shell("strace -f -qq -o /dev/null -e inject=getpid:error=EPERM true").first != 0) {
    GTEST_SKIP() << "strace cannot trace here (missing, or ptrace not permitted)";
  }
  // A clean run: its result, and its calls on the files (by name, or on a
  // descriptor opened on one), numbered as strace's "when" counts them.
  Prepare();
  const fs::path log = dir_.parent_path() / (dir_.filename().string() + ".log");
  ASSERT_EQ(Ldbtool("-o '" + log.string() +
                    "' -e trace=openat,write,fsync,close,rename,renameat2,link,linkat,unlink")
                .first,
            0);
  std::map<std::string, std::string> after = GetParam().after;
  for (auto& [name, bytes] : after) bytes = bytes.empty() ? ReadFile(dir_ / name) : bytes;
  std::vector<std::pair<std::string, int>> calls;
  std::map<std::string, int> counts;
  std::set<std::string> ours;  // descriptors open on the files
  std::istringstream lines(ReadFile(log));
  fs::remove(log);
  // strace counts a call's "when" in each thread apart (ldbtool may start
  // one beside its own, and a sanitizer's run-time makes calls there).
  const std::regex call(R"(^([0-9]+) +(\w+)\(([^,)]*)(.*)\) += (-?[0-9]+).*)");
  for (std::string line; std::getline(lines, line);) {
    std::smatch m;
    if (!std::regex_match(line, m, call)) continue;
    const std::string name = m[2], first = m[3];
    const int nth = ++counts[m[1].str() + " " + name];
    const bool named = std::regex_search(line, std::regex(R"(levers\.ldb|table\.txt|"\.")"));
    if (named || ours.count(first)) calls.emplace_back(name, nth);
    if (name == "openat" && named) ours.insert(m[5]);
    if (name == "close") ours.erase(first);
  }
  std::map<std::string, int> failed;
  for (const auto& [name, nth] : calls) {
    SCOPED_TRACE(name + " #" + std::to_string(nth) + " fails");
    Prepare();
    const auto [code, err] = Ldbtool("-o /dev/null -e trace=" + name + " -e inject=" + name +
                                     ":error=EIO:when=" + std::to_string(nth));
    for (const auto& [file, old] : GetParam().before) {
      const std::string now = fs::exists(dir_ / file) ? ReadFile(dir_ / file) : "";
      EXPECT_TRUE(now == old || now == after.at(file)) << file << " is neither old nor new";
      EXPECT_TRUE(code != 0 || now == after.at(file)) << file << " after an unchecked call";
    }
    for (const auto& entry : fs::directory_iterator(dir_)) {
      EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << "left: " << entry.path();
    }
    if (code != 0) {
      ++failed[name];
      EXPECT_EQ(code, 1);
      EXPECT_TRUE(err.starts_with("ldbtool: ")) << err;
    }
  }
  for (const char* name : {"openat", "write", "fsync", "close", "rename", "link"}) {
    EXPECT_GE(failed[name], 1) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    ApplyAndPack, LdbtoolStraceTest,
    ::testing::Values(
        Scenario{"apply",
                 "apply levers.ldb table.txt -o levers.ldb",
                 "Elm\t\t\t2.5\tStone",
                 {{"levers.ldb", kDb}, {"levers.ldb.bak", "earlier"}, {"levers.ldb.bak.1", ""}},
                 {{"levers.ldb", ""}, {"levers.ldb.bak", "earlier"}, {"levers.ldb.bak.1", kDb}}},
        Scenario{"pack",
                 "pack table.txt -o levers.ldb",
                 "Elm\t1,2\t\t2.5\t1.0\tS\tC\tD",
                 {{"levers.ldb", kDb}, {"levers.ldb.bak", ""}},
                 {{"levers.ldb", ""}, {"levers.ldb.bak", kDb}}}),
    [](const auto& test) { return test.param.name; });

}  // namespace
