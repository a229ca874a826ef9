// End-to-end tests: run the real converter binary in a scratch directory.
//
// The binary is the one built here unless KOVRANT_EXE names another;
// KOVRANT_LAUNCHER names a program to start it with (e.g. "wine64" for the
// Windows executable). All paths given to the converter are relative to the
// scratch directory, so that they mean the same on every platform; the only
// difference the tests allow between platforms is the directory separator.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ldb_builder.h"
#include "support/files.h"

namespace {

namespace fs = std::filesystem;
using kovrant::test::ReadFile;
using kovrant::test::WriteFile;

const char kHeader[] =
    "Name\tPlace1\tPlace2\tScale\tSwitch Time\tMaterial\tSwitch Sound\tLever Description\r\n";

std::string Env(const char* name, const char* fallback = "") {
  const char* value = std::getenv(name);
  return value != nullptr ? value : fallback;
}

std::string Executable() { return Env("KOVRANT_EXE", KOVRANT_BINARY); }
std::string Launcher() { return Env("KOVRANT_LAUNCHER"); }
bool IsWindowsBuild() { return Executable().ends_with(".exe"); }
// Wine passes the launcher's standard output through to the Windows program
// and takes the read-only attribute from the file mode, even for root.
bool UnderWine() {
  return fs::path(Launcher()).filename().string().find("wine") != std::string::npos;
}
std::string Module() { return fs::path(Executable()).filename().string(); }

struct Result {
  int exit_code = -1;  // -1: ended by a signal
  std::string output;
};

enum class Stdout { kCapture, kClosedPipe, kFullDevice };

class E2eTest : public ::testing::Test {
 protected:
  // Runs the converter with `arguments` in the scratch directory.
  Result Run(const std::vector<std::string>& arguments, Stdout mode = Stdout::kCapture,
             const std::vector<std::string>& prefix = {}) {
    std::vector<std::string> command = prefix;
    if (!Launcher().empty()) command.push_back(Launcher());
    command.push_back(fs::absolute(Executable()).string());
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& part : command) argv.push_back(part.data());
    argv.push_back(nullptr);

    int pipe_fds[2];
    EXPECT_EQ(::pipe(pipe_fds), 0);
    if (mode == Stdout::kClosedPipe) ::close(pipe_fds[0]);
    pid_t pid = ::fork();
    if (pid == 0) {
      if (::chdir(dir_.c_str()) != 0) ::_exit(126);
      int out = mode == Stdout::kFullDevice ? ::open("/dev/full", O_WRONLY) : pipe_fds[1];
      ::dup2(out, STDOUT_FILENO);
      ::signal(SIGPIPE, SIG_DFL);
      ::execvp(argv[0], argv.data());
      ::_exit(127);
    }
    ::close(pipe_fds[1]);
    Result result;
    if (mode == Stdout::kCapture) {
      char buffer[4096];
      ssize_t n;
      while ((n = ::read(pipe_fds[0], buffer, sizeof buffer)) > 0) {
        result.output.append(buffer, static_cast<std::size_t>(n));
      }
      ::close(pipe_fds[0]);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
    return result;
  }

  std::string Report(const char* site, const char* message) {
    return "Exception EInOutError in module " + Module() + " at " + site + ".\n" + message +
           ".\r\n";
  }

  // Directory entries, to see that no temporary file is left behind.
  std::vector<std::string> Entries(const fs::path& directory) {
    std::vector<std::string> names;
    for (auto& entry : fs::directory_iterator(directory)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  kovrant::test::ScratchDirectory scratch_{"kovrant-e2e"};
  fs::path dir_ = scratch_.path();
};

using ::testing::ElementsAre;

TEST_F(E2eTest, NoArgumentsPrintsTheBanner) {
  Result r = Run({});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.output,
            "/------------------------------------\\\r\n"
            "QUARVELMONDE LEVERS DATABASE UNPACKER\r\n"
            "AUTHOR: Brennik\r\n"
            "VERSION: 0.4\r\n"
            "\\------------------------------------/\r\n"
            "\r\n"
            " USAGE: kovrant.exe levers.ldb\r\n");
  EXPECT_TRUE(Entries(dir_).empty());
}

TEST_F(E2eTest, EmptyArgumentsAreNotCounted) {
  Result r = Run({""});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_TRUE(r.output.starts_with("/---"));
}

// A database that cannot be opened is a failure for whoever runs the
// converter: no table is written, and the exit code says so.
TEST_F(E2eTest, UnopenableDatabaseEndsWithExitCode1) {
  fs::create_directory(dir_ / "folder.ldb");
  for (const char* database : {"missing.ldb", "folder.ldb"}) {
    fs::remove_all(dir_ / "made");
    Result r = Run({database, "made"});
    EXPECT_EQ(r.exit_code, 1) << database;
    EXPECT_EQ(r.output, "Error opening file\r\n") << database;
    EXPECT_TRUE(fs::is_directory(dir_ / "made")) << database;  // created before the open
    EXPECT_THAT(Entries(dir_), ElementsAre("folder.ldb", "made")) << database;
    EXPECT_TRUE(Entries(dir_ / "made").empty()) << database;
  }
}

TEST_F(E2eTest, ReadOnlyDatabaseConverts) {
  WriteFile(dir_ / "levers.ldb",
            kovrant::ldb::Database({kovrant::ldb::Prototype({kovrant::ldb::Name("Brass lever")})}));
  fs::permissions(dir_ / "levers.ldb", fs::perms::owner_read | fs::perms::group_read);
  Result r = Run({"levers.ldb"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.output, "");
  EXPECT_EQ(ReadFile(dir_ / "LeverPrototypes.txt"), std::string(kHeader) + "Brass lever\r\n");
}

TEST_F(E2eTest, OutputDirectories) {
  const std::string sep = IsWindowsBuild() ? "\\" : "/";
  struct Case {
    const char* what;
    std::vector<std::string> arguments;
    std::string table;  // where the table must be, relative to the scratch directory
  };
  const Case cases[] = {
      {"none", {"levers.ldb"}, "LeverPrototypes.txt"},
      {"existing", {"levers.ldb", "out"}, "out/LeverPrototypes.txt"},
      {"existing, with separator", {"levers.ldb", "out" + sep}, "out/LeverPrototypes.txt"},
      {"missing, parent exists", {"levers.ldb", "fresh"}, "fresh/LeverPrototypes.txt"},
      {"missing parent", {"levers.ldb", "none" + sep + "deeper"}, "LeverPrototypes.txt"},
      {"ordinary file", {"levers.ldb", "levers.ldb"}, "LeverPrototypes.txt"},
      {"further arguments ignored", {"levers.ldb", "out", "x", "y"}, "out/LeverPrototypes.txt"},
  };
  for (const Case& c : cases) {
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "out");
    WriteFile(dir_ / "levers.ldb", kovrant::ldb::Database({}));
    Result r = Run(c.arguments);
    EXPECT_EQ(r.exit_code, 0) << c.what;
    EXPECT_EQ(r.output, "") << c.what;
    EXPECT_EQ(ReadFile(dir_ / c.table), kHeader) << c.what;
    EXPECT_FALSE(fs::exists(dir_ / "none")) << c.what;
  }
}

// Positions and record ends are 64-bit: a database of 3.2 GB converts. The
// file is sparse: three unwritten sections of 2^30 - 1 bytes each hold one
// prototype whose single field (a type without cells) spans the rest of the
// section, so the converter only moves over them; a written section follows.
TEST_F(E2eTest, DatabaseBeyondTwoGibibytesConverts) {
  namespace ldb = kovrant::ldb;
  constexpr std::int64_t kSection = (std::int64_t{1} << 30) - 1;
  const std::string_view nul("\0", 1);
  const std::string header =
      ldb::Cat({"\x02", ldb::PackedLength(kSection), nul, ldb::PackedLength(kSection - 5), nul,
                ldb::PackedLength(kSection - 10), "\x08", ldb::PackedLength(kSection - 15)});
  ASSERT_EQ(header.size(), 20u);
  {
    std::ofstream out(dir_ / "levers.ldb", std::ios::binary);
    for (std::int64_t i = 0; i < 3; ++i) {
      out.seekp(i * (kSection + 5));
      out << header;
    }
    out.seekp(3 * (kSection + 5));
    out << ldb::Database({ldb::Prototype({ldb::Name("Far lever"), ldb::SwitchTime(45)})});
  }
  ASSERT_GT(fs::file_size(dir_ / "levers.ldb"), std::uintmax_t{3} << 30);
  Result r = Run({"levers.ldb"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.output, "");
  EXPECT_EQ(ReadFile(dir_ / "LeverPrototypes.txt"), std::string(kHeader) + "Far lever\t3.0\r\n");
}

TEST_F(E2eTest, EmptyDatabaseGivesTheHeaderOnly) {
  WriteFile(dir_ / "levers.ldb", "");
  Result r = Run({"levers.ldb"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(ReadFile(dir_ / "LeverPrototypes.txt"), kHeader);
}

TEST_F(E2eTest, TruncatedDatabaseFailsAndKeepsTheEarlierTable) {
  std::string db = kovrant::ldb::Database({kovrant::ldb::Prototype(
      {kovrant::ldb::Name("Iron lever"), kovrant::ldb::Material("iron")})});
  WriteFile(dir_ / "levers.ldb", db.substr(0, db.size() - 2));
  WriteFile(dir_ / "LeverPrototypes.txt", "my earlier table\r\n");
  Result r = Run({"levers.ldb"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.output, Report("00404180", "Read beyond end of file"));
  EXPECT_EQ(ReadFile(dir_ / "LeverPrototypes.txt"), "my earlier table\r\n");
  EXPECT_THAT(Entries(dir_), ElementsAre("LeverPrototypes.txt", "levers.ldb"));
}

TEST_F(E2eTest, DirectoryInThePlaceOfTheTableIsAccessDenied) {
  WriteFile(dir_ / "levers.ldb", kovrant::ldb::Database({}));
  fs::create_directory(dir_ / "LeverPrototypes.txt");
  Result r = Run({"levers.ldb"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.output, Report("00402310", "File access denied"));
  EXPECT_THAT(Entries(dir_), ElementsAre("LeverPrototypes.txt", "levers.ldb"));
}

TEST_F(E2eTest, ReadOnlyTableIsAccessDenied) {
  if (::geteuid() == 0 && !UnderWine()) GTEST_SKIP() << "root may write read-only files";
  WriteFile(dir_ / "levers.ldb", kovrant::ldb::Database({}));
  WriteFile(dir_ / "LeverPrototypes.txt", "keep me");
  fs::permissions(dir_ / "LeverPrototypes.txt", fs::perms::owner_read);
  Result r = Run({"levers.ldb"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.output, Report("00402310", "File access denied"));
  EXPECT_EQ(ReadFile(dir_ / "LeverPrototypes.txt"), "keep me");
  EXPECT_THAT(Entries(dir_), ElementsAre("LeverPrototypes.txt", "levers.ldb"));
}

// Permission cases need a user that permissions apply to: as root they run
// the converter as "nobody".
class E2ePermissionTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    if (::geteuid() == 0) {
      if (!Launcher().empty() || ::access("/usr/bin/setpriv", X_OK) != 0) {
        GTEST_SKIP() << "running as root without a way to drop privileges";
      }
      prefix_ = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"};
      std::string probe =
          "/usr/bin/setpriv --reuid=65534 --regid=65534 --clear-groups -- "
          "test -x '" +
          fs::absolute(Executable()).string() + "'";
      if (std::system(probe.c_str()) != 0) {
        GTEST_SKIP() << "the user nobody cannot run the converter from this build directory";
      }
      fs::permissions(dir_, fs::perms::all);
    }
  }
  void Own(const fs::path& path) {
    if (!prefix_.empty()) {
      EXPECT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    }
  }
  std::vector<std::string> prefix_;
};

TEST_F(E2ePermissionTest, UnwritableTableOrDirectoryIsAccessDenied) {
  WriteFile(dir_ / "levers.ldb", kovrant::ldb::Database({}));
  fs::permissions(dir_ / "levers.ldb", fs::perms::all);
  fs::create_directory(dir_ / "locked");
  fs::create_directory(dir_ / "open");
  Own(dir_ / "open");
  fs::permissions(dir_ / "locked", fs::perms::owner_read | fs::perms::owner_exec |
                                       fs::perms::others_read | fs::perms::others_exec);
  WriteFile(dir_ / "open" / "LeverPrototypes.txt", "keep me");
  Own(dir_ / "open" / "LeverPrototypes.txt");
  fs::permissions(dir_ / "open" / "LeverPrototypes.txt", fs::perms::owner_read);

  for (const char* directory : {"locked", "open"}) {
    Result r = Run({"levers.ldb", directory}, Stdout::kCapture, prefix_);
    EXPECT_EQ(r.exit_code, 1) << directory;
    EXPECT_EQ(r.output, Report("00402310", "File access denied")) << directory;
  }
  EXPECT_EQ(ReadFile(dir_ / "open" / "LeverPrototypes.txt"), "keep me");
  EXPECT_THAT(Entries(dir_ / "open"), ElementsAre("LeverPrototypes.txt"));
}

TEST_F(E2ePermissionTest, NewTableHasTheModeOfANormallyCreatedFile) {
  if (IsWindowsBuild()) GTEST_SKIP() << "POSIX modes";
  WriteFile(dir_ / "levers.ldb", kovrant::ldb::Database({}));
  fs::permissions(dir_ / "levers.ldb", fs::perms::all);
  mode_t old_mask = ::umask(022);
  Result r = Run({"levers.ldb"}, Stdout::kCapture, prefix_);
  ::umask(old_mask);
  EXPECT_EQ(r.exit_code, 0);
  struct stat st;
  ASSERT_EQ(::stat((dir_ / "LeverPrototypes.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
}

TEST_F(E2eTest, FailingStandardOutputEndsWithExitCode1) {
  if (!Launcher().empty() && !UnderWine()) GTEST_SKIP() << "the launcher owns standard output";
  for (Stdout mode : {Stdout::kClosedPipe, Stdout::kFullDevice}) {
    Result r = Run({}, mode);
    EXPECT_EQ(r.exit_code, 1) << static_cast<int>(mode);  // not a signal
  }
}

}  // namespace
