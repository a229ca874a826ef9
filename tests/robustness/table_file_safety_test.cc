// The table file on the real file system: the user's earlier table is only
// ever replaced by a complete new one, the temporary file beside it is made
// exclusively under a fresh name and never through a link, and no failure
// leaves it behind.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "app/run.h"
#include "io/failure.h"
#include "io/forwarding_platform.h"
#include "io/platform.h"
#include "ldb_builder.h"
#include "support/fake_platform.h"
#include "support/files.h"
#include "table/table_writer.h"

namespace kovrant::robustness {
namespace {

namespace fs = std::filesystem;
using kovrant::test::ReadFile;
using kovrant::test::WriteFile;
using test::Op;

// The real platform, with one call of one operation made to fail. Its own
// Read and Write see every byte: nothing is read ahead or written behind.
class FaultyPlatform final : public ForwardingPlatform {
 public:
  FaultyPlatform(Op op, int nth, int code)
      : ForwardingPlatform(SystemPlatform()), op_(op), nth_(nth), code_(code) {}
  int calls(Op op) const { return counts_.count(op) ? counts_.at(op) : 0; }

  int OpenInput(const std::string& path, FileHandle* file) override {
    if (int code = Fault(Op::kOpen)) return code;
    return ForwardingPlatform::OpenInput(path, file);
  }
  int Read(FileHandle file, void* buffer, std::size_t size, std::size_t* got) override {
    *got = 0;
    if (int code = Fault(Op::kRead)) return code;
    return ForwardingPlatform::Read(file, buffer, size, got);
  }
  int Seek(FileHandle file, std::int64_t position) override {
    if (int code = Fault(Op::kSeek)) return code;
    return ForwardingPlatform::Seek(file, position);
  }
  int FileSize(FileHandle file, std::int64_t* size) override {
    if (int code = Fault(Op::kSize)) return code;
    return ForwardingPlatform::FileSize(file, size);
  }
  bool ReadsAhead() const override { return false; }
  int CreateTemporary(const std::string& path, std::string* temporary_path,
                      FileHandle* file) override {
    if (int code = Fault(Op::kCreate)) return code;
    return ForwardingPlatform::CreateTemporary(path, temporary_path, file);
  }
  int Write(FileHandle file, const void* data, std::size_t size) override {
    if (int code = Fault(Op::kWrite)) return code;
    return ForwardingPlatform::Write(file, data, size);
  }
  bool WritesInBackground() const override { return false; }
  int Close(FileHandle file) override {
    // The handle is released even when closing reports a failure.
    int code = ForwardingPlatform::Close(file);
    if (int injected = Fault(Op::kClose)) return injected;
    return code;
  }
  int MoveOver(const std::string& temporary_path, const std::string& path) override {
    if (int code = Fault(Op::kMove)) return code;
    return ForwardingPlatform::MoveOver(temporary_path, path);
  }
  int WriteStandardOutput(const void* data, std::size_t size) override {
    if (int code = Fault(Op::kStdout)) return code;
    return ForwardingPlatform::WriteStandardOutput(data, size);
  }

 private:
  // Counts the call; returns the injected code if this call is to fail.
  int Fault(Op op) {
    int n = ++counts_[op];
    return op == op_ && n == nth_ ? code_ : 0;
  }

  Op op_;
  int nth_;
  int code_;
  std::map<Op, int> counts_;
};

class TableFileSafetyTest : public ::testing::Test {
 protected:
  fs::path Database() const { return dir_ / "levers.ldb"; }
  fs::path Table() const { return dir_ / "LeverPrototypes.txt"; }

  // Converts levers.ldb into the scratch directory; returns the failure's
  // class name, or "" for a completed conversion.
  std::string Convert(Platform& platform) {
    try {
      EXPECT_EQ(kovrant::Run({Database().string(), dir_.string()}, platform, '.'), 0);
      return "";
    } catch (const Failure& failure) {
      return failure.ClassName();
    }
  }

  std::vector<std::string> Entries(const fs::path& directory) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  kovrant::test::ScratchDirectory scratch_{"kovrant-safety"};
  fs::path dir_ = scratch_.path();
};

const std::string kEarlier = "Name\tthe earlier table\r\n";

std::string Sample() {
  using namespace ldb;
  std::vector<std::string> prototypes;
  for (int i = 0; i < 4000; ++i) {
    prototypes.push_back(Prototype(
        {Name("Lever " + std::to_string(i)), Scale(2.0f), Description(std::string(100, 'd'))}));
  }
  // A skipped value longer than the input buffer makes the reader seek.
  return Cat({Section(0, {Group({Prototype({Description(std::string(400'000, 'h'))})})}),
              Database(prototypes)});
}

TEST_F(TableFileSafetyTest, LinkNamedLikeTheTableIsReplacedNotWrittenThrough) {
  WriteFile(Database(), ldb::Database({ldb::Prototype({ldb::Name("Lever")})}));
  WriteFile(dir_ / "victim.txt", "not to be touched");
  fs::create_symlink("victim.txt", Table());
  ASSERT_EQ(Convert(SystemPlatform()), "");
  EXPECT_FALSE(fs::is_symlink(Table()));
  EXPECT_EQ(ReadFile(Table()), std::string(kHeaderRow) + "\r\nLever\r\n");
  EXPECT_EQ(ReadFile(dir_ / "victim.txt"), "not to be touched");
}

TEST_F(TableFileSafetyTest, DanglingLinkNamedLikeTheTableCreatesNothingThroughIt) {
  WriteFile(Database(), ldb::Database({}));
  fs::create_symlink("planted-target", Table());
  ASSERT_EQ(Convert(SystemPlatform()), "");
  EXPECT_FALSE(fs::is_symlink(Table()));
  EXPECT_FALSE(fs::exists(dir_ / "planted-target"));
  EXPECT_EQ((std::vector<std::string>{"LeverPrototypes.txt", "levers.ldb"}), Entries(dir_));
}

TEST_F(TableFileSafetyTest, LinkToADirectoryIsRefusedLikeADirectory) {
  WriteFile(Database(), ldb::Database({}));
  fs::create_directory(dir_ / "elsewhere");
  fs::create_directory_symlink("elsewhere", Table());
  EXPECT_EQ(Convert(SystemPlatform()), "EInOutError");
  EXPECT_TRUE(Entries(dir_ / "elsewhere").empty());
  EXPECT_EQ((std::vector<std::string>{"LeverPrototypes.txt", "elsewhere", "levers.ldb"}),
            Entries(dir_));
}

TEST_F(TableFileSafetyTest, TemporaryFilesAreFreshAndExclusive) {
  Platform& platform = SystemPlatform();
  const std::regex name(R"(\.LeverPrototypes\.txt\.[0-9a-f]{16}\.tmp)");
  std::vector<std::string> made;
  for (int i = 0; i < 20; ++i) {
    std::string temporary;
    FileHandle file = 0;
    ASSERT_EQ(platform.CreateTemporary(Table().string(), &temporary, &file), 0);
    ASSERT_EQ(platform.Close(file), 0);
    const fs::path path(temporary);
    EXPECT_EQ(path.parent_path(), dir_);
    EXPECT_TRUE(std::regex_match(path.filename().string(), name)) << temporary;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path)));
    EXPECT_EQ(std::count(made.begin(), made.end(), temporary), 0) << "name used twice";
    made.push_back(temporary);
  }
  EXPECT_EQ(Entries(dir_).size(), made.size());  // none of them is the table itself
}

TEST_F(TableFileSafetyTest, NoFailureLeavesATemporaryFile) {
  const std::string database = Sample();
  WriteFile(Database(), database);
  WriteFile(Table(), kEarlier);
  const std::vector<std::string> before = Entries(dir_);

  // A clean run counts the calls of each operation.
  FaultyPlatform counter(Op::kOpen, 0, 0);
  ASSERT_EQ(Convert(counter), "");
  const std::string table = ReadFile(Table());
  struct Injection {
    Op op;
    int code;
  };
  const Injection injections[] = {{Op::kRead, 23},
                                  {Op::kSeek, 131},
                                  {Op::kSize, 6},
                                  {Op::kCreate, kIoAccessDenied},
                                  {Op::kWrite, kIoDiskFull},
                                  {Op::kClose, kIoDiskFull},
                                  {Op::kMove, kIoAccessDenied}};
  for (const Injection& injection : injections) {
    EXPECT_GE(counter.calls(injection.op), 1) << static_cast<int>(injection.op);
    for (int nth = 1; nth <= counter.calls(injection.op); ++nth) {
      SCOPED_TRACE("operation " + std::to_string(static_cast<int>(injection.op)) + " call " +
                   std::to_string(nth));
      WriteFile(Table(), kEarlier);
      FaultyPlatform platform(injection.op, nth, injection.code);
      EXPECT_EQ(Convert(platform), "EInOutError");
      EXPECT_EQ(Entries(dir_), before);
      EXPECT_EQ(ReadFile(Table()), kEarlier);
    }
  }

  // Failures that come from the database itself.
  const std::string failing[] = {database.substr(0, database.size() - 1),
                                 ldb::Database({ldb::Prototype({ldb::ScaleBits(0x7FC00000u)})})};
  for (const std::string& bad : failing) {
    WriteFile(Database(), bad);
    EXPECT_NE(Convert(SystemPlatform()), "");
    EXPECT_EQ(Entries(dir_), before);
    EXPECT_EQ(ReadFile(Table()), kEarlier);
  }
  // And the complete run replaces the table.
  WriteFile(Database(), database);
  EXPECT_EQ(Convert(SystemPlatform()), "");
  EXPECT_EQ(ReadFile(Table()), table);
  EXPECT_EQ(Entries(dir_), before);
}

// The writer thread drops the cached pages of a large earlier table as the
// new one grows (and holds it open meanwhile): that must change none of its
// bytes, whether the conversion then fails at its very end or completes.
TEST_F(TableFileSafetyTest, LargeEarlierTableOutlivesAFailureAndIsThenReplaced) {
  std::vector<std::string> prototypes(40000,
                                      ldb::Prototype({ldb::Description(std::string(150, 'd'))}));
  const std::string database = ldb::Database(prototypes);
  std::string earlier;
  for (int i = 0; earlier.size() < 9'000'000; ++i) earlier += "row " + std::to_string(i) + "\r\n";
  WriteFile(Table(), earlier);
  WriteFile(Database(), database.substr(0, database.size() - 1));
  EXPECT_EQ(Convert(SystemPlatform()), "EInOutError");
  EXPECT_TRUE(ReadFile(Table()) == earlier);
  EXPECT_EQ((std::vector<std::string>{"LeverPrototypes.txt", "levers.ldb"}), Entries(dir_));
  WriteFile(Database(), database);
  EXPECT_EQ(Convert(SystemPlatform()), "");
  EXPECT_GT(ReadFile(Table()).size(), 6'000'000u);
}

// A write that fails on the writer thread (the file size limit reached: the
// kernel refuses the write past it) fails the conversion as a write done at
// once would, and leaves the earlier table as it was, with nothing beside it.
TEST_F(TableFileSafetyTest, AWriteFailingBehindTheConverterLeavesTheEarlierTable) {
  const std::string database = ldb::Database(
      std::vector<std::string>(20000, ldb::Prototype({ldb::Description(std::string(150, 'd'))})));
  WriteFile(Database(), database);
  WriteFile(Table(), kEarlier);
  rlimit limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
  const rlimit lowered{1'000'000, limit.rlim_max};
  const auto signal_before = ::signal(SIGXFSZ, SIG_IGN);  // EFBIG, not a signal
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &lowered), 0);
  const std::string outcome = Convert(SystemPlatform());
  ::setrlimit(RLIMIT_FSIZE, &limit);
  ::signal(SIGXFSZ, signal_before);
  EXPECT_EQ(outcome, "EInOutError");
  EXPECT_EQ(ReadFile(Table()), kEarlier);
  EXPECT_EQ((std::vector<std::string>{"LeverPrototypes.txt", "levers.ldb"}), Entries(dir_));
}

}  // namespace
}  // namespace kovrant::robustness
