// Fault injection against the real converter binary: strace makes one system
// call fail at a time (read, pread, lseek, fstat, write, pwrite, close,
// rename, open), at
// every call the conversion makes, counted from the opening of the database
// (the calls before it belong to the loader and the C runtime). Each run must
// end with the failure report and exit code 1, or complete with the same
// table as a clean run; either way the earlier table stays byte-identical
// after a failure and no temporary file is left. (strace counts each thread's
// calls apart: background table writes are pwrite64, the main thread's write;
// reads ahead of the database are pread64, the main thread's read.)
//
// Needs strace and permission to trace; skipped otherwise.
#include <unistd.h>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "ldb_builder.h"
#include "support/files.h"
#include "table/table_writer.h"

namespace {

namespace fs = std::filesystem;
using kovrant::test::ReadFile;
using kovrant::test::WriteFile;

const char kTraced[] =
    "openat,read,pread64,write,pwrite64,lseek,fstat,newfstatat,close,rename,renameat,renameat2";
const std::string kEarlier = "Name\tthe earlier table\r\n";

struct Result {
  int exit_code = -1;
  std::string output;
};

// Runs a shell command, capturing its standard output.
Result Shell(const std::string& command) {
  Result result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  int status = ::pclose(pipe);
  if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  return result;
}

// A database that needs several reads and several table writes, and is
// read in many blocks ahead (a text of NUL bytes, which add nothing to the
// table, fills them) on a thread of the file layer while strace follows
// every thread.
std::string Database() {
  using namespace kovrant::ldb;
  std::vector<std::string> prototypes;
  for (int i = 0; i < 5000; ++i) {
    prototypes.push_back(
        Prototype({Name("Lever " + std::to_string(i)), PlaceBlock(1.0f, 2.0f, 3.0f, 4.0f),
                   PlaceCount(2), SwitchTime(i), Description(std::string(80, 'd'))}));
  }
  return Cat({Section(0, {Group({Prototype({Description(std::string(300'000, 'h'))})})}),
              Section(1, {Group({Prototype({Description(std::string(10'000'000, '\0'))})})}),
              kovrant::ldb::Database(prototypes)});
}

class StraceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // LeakSanitizer cannot run under a tracer; it is not what is tested here.
    if (Shell("strace -f -qq -o /dev/null -e inject=getpid:error=EPERM true 2>/dev/null")
            .exit_code != 0) {
      GTEST_SKIP() << "strace cannot trace here (missing, or ptrace not permitted)";
    }
    WriteFile(dir_ / "levers.ldb", Database());
  }

  // The converter on levers.ldb in the scratch directory, under strace with
  // `options`.
  Result Converter(const std::string& options) {
    return Shell("cd '" + dir_.string() + "' && ASAN_OPTIONS=detect_leaks=0 strace -f -qq " +
                 options + " -- '" + fs::absolute(KOVRANT_BINARY).string() +
                 "' levers.ldb 2>/dev/null");
  }

  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // The conversion's own calls in a clean run: for each traced system call,
  // the numbers (counted from 1 among all calls of that name, as strace's
  // "when" counts them) of those made by the converter on the database, the
  // table and its temporary file, from the database's opening on. Calls the
  // runtime makes for itself (the loader, the sanitizers' internal pipes)
  // are left out.
  struct Call {
    int nth;
    std::string line;
  };
  // The trace's lines with each call whole, in the order the calls began:
  // while the table's writer thread is inside a call, strace splits the
  // other thread's call into "pid name(args <unfinished ...>" and, later,
  // "pid <... name resumed>rest".
  static std::vector<std::string> JoinedCalls(std::istream& lines) {
    std::vector<std::string> calls;
    std::map<std::string, std::size_t> unfinished;  // pid -> its call's index
    for (std::string line; std::getline(lines, line);) {
      const std::string pid = line.substr(0, line.find(' '));
      if (const std::size_t cut = line.find(" <unfinished ...>"); cut != std::string::npos) {
        unfinished[pid] = calls.size();
        calls.push_back(line.substr(0, cut));
      } else if (const std::size_t resumed = line.find(" resumed>");
                 resumed != std::string::npos && unfinished.count(pid)) {
        calls[unfinished[pid]] += line.substr(resumed + 9);
        unfinished.erase(pid);
      } else {
        calls.push_back(line);
      }
    }
    return calls;
  }
  std::map<std::string, std::vector<Call>> ConverterCalls() {
    const fs::path log = dir_.parent_path() / (dir_.filename().string() + ".log");
    EXPECT_EQ(Converter("-o '" + log.string() + "' -e trace=" + kTraced).exit_code, 0);
    std::map<std::string, std::vector<Call>> calls;
    std::map<std::string, int> counts;
    std::vector<std::string> files;  // descriptors of the converter's files
    bool opened = false;
    std::istringstream lines(ReadFile(log));
    fs::remove(log);
    for (const std::string& line : JoinedCalls(lines)) {
      // "pid name(arguments) = result"
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
      const bool names_ours = arguments.find("\"levers.ldb\"") != std::string::npos ||
                              arguments.find("LeverPrototypes.txt") != std::string::npos;
      const std::string fd = arguments.substr(0, arguments.find_first_of(",)"));
      const bool on_ours = std::find(files.begin(), files.end(), fd) != files.end();
      if (name == "openat" && arguments.find("\"levers.ldb\"") != std::string::npos) opened = true;
      if (!opened) continue;
      if (names_ours || on_ours || (name == "write" && fd == "1")) {
        calls[name].push_back({nth, line.substr(start)});
      }
      if (name == "openat" && names_ours && result != "-1") files.push_back(result);
      if (name == "close" && on_ours) files.erase(std::find(files.begin(), files.end(), fd));
    }
    EXPECT_TRUE(opened) << "the trace shows no opening of the database";
    return calls;
  }

  kovrant::test::ScratchDirectory scratch_{"kovrant-strace"};
  fs::path dir_ = scratch_.path();
};

// Whether `output` is exactly the converter's I/O failure report with
// `message`, at any check site.
bool IsIoReport(const std::string& output, const std::string& message) {
  const std::string module = fs::path(KOVRANT_BINARY).filename().string();
  return std::regex_match(output, std::regex("Exception EInOutError in module " + module +
                                             " at [0-9A-F]{8}\\.\n" + message + "\\.\r\n"));
}

TEST_F(StraceTest, EverySystemCallOfTheConversionFailsCleanly) {
  WriteFile(dir_ / "LeverPrototypes.txt", kEarlier);
  const std::map<std::string, std::vector<Call>> calls = ConverterCalls();
  const std::string table = ReadFile(dir_ / "LeverPrototypes.txt");
  ASSERT_TRUE(table.starts_with(kovrant::kHeaderRow));
  WriteFile(dir_ / "LeverPrototypes.txt", kEarlier);
  const std::vector<std::string> entries = Entries();

  struct Injection {
    const char* call;
    const char* error;
  };
  const Injection injections[] = {
      {"openat", "EACCES"},   {"read", "EIO"},     {"pread64", "EIO"},    {"write", "ENOSPC"},
      {"pwrite64", "ENOSPC"}, {"lseek", "EIO"},    {"fstat", "EIO"},      {"newfstatat", "EIO"},
      {"close", "EIO"},       {"rename", "EXDEV"}, {"renameat", "EXDEV"}, {"renameat2", "EXDEV"}};
  // The errors the converter names get their message; any other errno is
  // "I/O error N" with N its number.
  const std::map<std::string, std::string> messages = {{"EACCES", "File access denied"},
                                                       {"ENOSPC", "Disk full"},
                                                       {"EIO", "I/O error 5"},
                                                       {"EXDEV", "I/O error 18"}};
  int failed = 0;
  std::string completed;  // the injected calls after which the run still completed
  for (const Injection& injection : injections) {
    const auto found = calls.find(injection.call);
    if (found == calls.end()) continue;
    for (const Call& call : found->second) {
      SCOPED_TRACE(call.line + " fails with " + injection.error);
      const Result result = Converter("-o /dev/null -e trace=" + std::string(injection.call) +
                                      " -e inject=" + injection.call + ":error=" + injection.error +
                                      ":when=" + std::to_string(call.nth));
      EXPECT_EQ(Entries(), entries) << "a temporary file was left";
      if (result.output == "Error opening file\r\n") {
        // The database's own open: no table, the earlier one untouched.
        EXPECT_EQ(result.exit_code, 1);
        EXPECT_TRUE(ReadFile(dir_ / "LeverPrototypes.txt") == kEarlier) << "the table was changed";
      } else if (result.exit_code == 0) {
        // A call the converter does not check.
        completed +=
            call.line.substr(0, call.line.find('(')) + " #" + std::to_string(call.nth) + " ";
        EXPECT_EQ(result.output, "");
        EXPECT_TRUE(ReadFile(dir_ / "LeverPrototypes.txt") == table)
            << "the table differs from a clean run's";
      } else {
        ++failed;
        EXPECT_EQ(result.exit_code, 1);
        EXPECT_TRUE(IsIoReport(result.output, messages.at(injection.error))) << result.output;
        EXPECT_TRUE(ReadFile(dir_ / "LeverPrototypes.txt") == kEarlier) << "the table was changed";
      }
      WriteFile(dir_ / "LeverPrototypes.txt", kEarlier);
    }
  }
  // Most of the conversion's calls are checked ones.
  EXPECT_GE(failed, 8);
  RecordProperty("failed", failed);
  RecordProperty("completed", completed);
}

TEST_F(StraceTest, TemporaryTableIsCreatedExclusivelyWithoutFollowingLinks) {
  const std::map<std::string, std::vector<Call>> calls = ConverterCalls();
  ASSERT_TRUE(calls.count("openat"));
  int temporaries = 0;
  for (const Call& call : calls.at("openat")) {
    if (call.line.find("\".LeverPrototypes.txt.") == std::string::npos) continue;
    ++temporaries;
    for (const char* flag : {"O_CREAT", "O_EXCL", "O_NOFOLLOW"}) {
      EXPECT_NE(call.line.find(flag), std::string::npos) << flag << " missing: " << call.line;
    }
  }
  EXPECT_EQ(temporaries, 1);
}

TEST_F(StraceTest, FullDiskReportsDiskFull) {
  WriteFile(dir_ / "LeverPrototypes.txt", kEarlier);
  const std::map<std::string, std::vector<Call>> calls = ConverterCalls();
  // The converter's first write is the table's first block (in the background).
  const char* write = calls.count("pwrite64") ? "pwrite64" : "write";
  ASSERT_TRUE(calls.count(write));
  WriteFile(dir_ / "LeverPrototypes.txt", kEarlier);
  const Result result =
      Converter(std::string("-o /dev/null -e trace=") + write + " -e inject=" + write +
                ":error=ENOSPC:when=" + std::to_string(calls.at(write).front().nth));
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_TRUE(IsIoReport(result.output, "Disk full")) << result.output;
  EXPECT_EQ(ReadFile(dir_ / "LeverPrototypes.txt"), kEarlier);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"LeverPrototypes.txt", "levers.ldb"}));
}

}  // namespace
