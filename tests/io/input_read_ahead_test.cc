// Reads ahead keep the rules of plain buffered reads: over a real file
// against the in-memory platform (read without them), over a platform that
// defers each read to its finish and fails one of them, and over a file cut
// short while it is read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "io/failure.h"
#include "io/input_file.h"
#include "support/fake_platform.h"

namespace kovrant {
namespace {

constexpr CheckSite kSite = CheckSite::kReadName;
constexpr std::int64_t kBlock = InputFile::kAheadBlockSize;

struct TemporaryFile {
  std::filesystem::path path = std::filesystem::temp_directory_path() /
                               ("kovrant-ahead-" + std::to_string(std::random_device{}()));
  explicit TemporaryFile(const std::string& data) { std::ofstream(path, std::ios::binary) << data; }
  ~TemporaryFile() { std::remove(path.string().c_str()); }
};

// Reads ahead only when finished, the `fail`th one begun (from 1) failing
// with code 5 after half of its bytes.
struct DeferringPlatform : test::FakePlatform {
  struct Job {
    FileHandle file;
    std::int64_t offset;
    void* buffer;
    std::size_t size;
    int nth;
  };
  std::deque<Job> jobs;
  int begun = 0;
  int fail = 0;
  bool ReadsAhead() const override { return true; }
  ReadTicket BeginRead(FileHandle file, std::int64_t offset, void* buffer,
                       std::size_t size) override {
    jobs.push_back({file, offset, buffer, size, ++begun});
    return static_cast<ReadTicket>(begun);
  }
  int FinishRead(ReadTicket ticket, std::size_t* got) override {
    const Job job = jobs.front();
    jobs.pop_front();
    EXPECT_EQ(static_cast<ReadTicket>(job.nth), ticket);  // finished in the order begun
    const std::string& data = files.at(PathOf(job.file)).data;
    *got = static_cast<std::size_t>(
        std::clamp<std::int64_t>(static_cast<std::int64_t>(data.size()) - job.offset, 0,
                                 static_cast<std::int64_t>(job.size)));
    if (job.nth == fail) *got /= 2;
    std::memcpy(job.buffer, data.data() + job.offset, *got);
    return job.nth == fail ? 5 : 0;
  }
};

// One operation's outcome: what it gave and where the file then stands.
// Reading at a position (6) and the bytes at hand (7) leave the position and
// the reads ahead as they are; the bytes at hand are those of the file, if
// any (the two files may hold different stretches).
std::string Outcome(InputFile& file, const std::string& bytes, int op, std::int64_t argument) {
  std::string result;
  try {
    if (op == 0) file.Seek(argument, kSite);
    if (op == 1)
      file.ReadInto(argument, kSite, [&](const std::uint8_t* data, std::size_t size) {
        result.append(reinterpret_cast<const char*>(data), size);
      });
    if (op == 2 || op == 3)
      result = std::to_string(op == 2 ? file.ReadByte(kSite) : file.ReadUint32(kSite));
    if (op == 4) file.Skip(argument, kSite);
    if (op == 5) result = file.AtEnd(kSite) ? "end" : "more";
    const std::int64_t count = 1 + argument % 300;
    if (op == 6) {
      result.resize(static_cast<std::size_t>(count));
      result.resize(static_cast<std::size_t>(file.ReadAt(argument, result.data(), count, kSite)));
    }
    if (op == 7) {
      const std::string_view held = file.Buffered(argument, count);
      const bool in_file = argument + count <= static_cast<std::int64_t>(bytes.size());
      result = held.empty() || (in_file && held == std::string_view(bytes).substr(
                                                       static_cast<std::size_t>(argument),
                                                       static_cast<std::size_t>(count)))
                   ? "held"
                   : "wrong bytes at hand";
    }
  } catch (const IoError& error) {
    result += " failed " + std::to_string(error.code());
  }
  return result + " at " + std::to_string(file.Position());
}

// Random operations, positions near the blocks' edges or anywhere, lengths
// short or long.
void CompareOnRandomOperations(Platform& ahead, const std::string& path, const std::string& data,
                               std::mt19937_64& random, int steps) {
  test::FakePlatform plain;
  plain.files["db"].data = data;
  std::unique_ptr<InputFile> a, b;
  ASSERT_EQ(InputFile::Open(ahead, path, &a), 0);
  ASSERT_EQ(InputFile::Open(plain, "db", &b), 0);
  for (int step = 0; step < steps; ++step) {
    const int op = static_cast<int>(random() % 8);
    const auto edge = static_cast<std::int64_t>(random() % 8) * kBlock;
    const std::int64_t argument =
        op == 0 || op >= 6
            ? std::max<std::int64_t>(
                  random() % 2 ? edge + random() % 64 - 32 : random() % data.size(), 0)
            : random() % (random() % 3 ? 64 : 2 * kBlock);
    ASSERT_EQ(Outcome(*a, data, op, argument), Outcome(*b, data, op, argument))
        << "step " << step << " op " << op << " " << argument;
  }
}

TEST(InputReadAheadTest, ReadsAheadAndPlainReadsAgreeOnRandomOperations) {
  std::mt19937_64 random(13);
  for (int round = 0; round < 4; ++round) {
    std::string data(5 * kBlock + random() % kBlock, '\0');
    for (char& c : data) c = static_cast<char>(random() % 4 == 0 ? 0 : random());
    SCOPED_TRACE(round);
    // The platform's own reads ahead, and deferred ones (never under way
    // while the file is read: the order of the calls alone is checked).
    if (round % 2 == 0 && SystemPlatform().ReadsAhead()) {
      const TemporaryFile file(data);
      CompareOnRandomOperations(SystemPlatform(), file.path.string(), data, random, 3000);
    } else {
      DeferringPlatform deferring;
      deferring.files["db"].data = data;
      CompareOnRandomOperations(deferring, "db", data, random, 3000);
    }
  }
}

// Reads `size` bytes: their count, and the failure with the position after it.
std::string ReadCounting(InputFile& file, std::int64_t size) {
  std::int64_t count = 0;
  try {
    file.ReadInto(size, kSite, [&](const std::uint8_t*, std::size_t n) {
      count += static_cast<std::int64_t>(n);
    });
  } catch (const IoError& error) {
    return std::to_string(count) + " failed " + std::to_string(error.code()) + " at " +
           std::to_string(file.Position());
  }
  return std::to_string(count);
}

TEST(InputReadAheadTest, AFailedReadAheadFailsOnlyTheReadThatNeedsItsBytes) {
  // Blocks 0, 2 and 4 are read, 1, 3 and 5 passed over by seeks. Four are
  // read ahead at a time, begun two at a time, so the reads are begun in the
  // order 0 1 2 3, 4 5, 6 (the last one the file's 1000 bytes after block 5).
  const std::string data(6 * kBlock + 1000, 'x');
  const std::string half = std::to_string(kBlock / 2);
  struct Case {
    int fail;   // the read that fails, from 1 in the order begun
    int block;  // the block read when it shows, or -1
  };
  for (const Case c :
       {Case{1, 0}, Case{2, -1}, Case{3, 2}, Case{4, -1}, Case{5, 4}, Case{6, -1}, Case{7, -1}}) {
    SCOPED_TRACE(c.fail);
    DeferringPlatform ahead;
    ahead.files["db"].data = data;
    ahead.fail = c.fail;
    std::unique_ptr<InputFile> input;
    ASSERT_EQ(InputFile::Open(ahead, "db", &input), 0);
    for (int block = 0; block < 6; block += 2) {
      input->Seek(block * kBlock, kSite);
      // The half of the block that came is delivered, then the read fails.
      EXPECT_EQ(ReadCounting(*input, kBlock),
                block == c.block
                    ? half + " failed 5 at " + std::to_string(block * kBlock + kBlock / 2)
                    : std::to_string(kBlock));
    }
    input->Close(kSite);
    EXPECT_TRUE(ahead.jobs.empty());
  }
}

TEST(InputReadAheadTest, AFileCutShortWhileReadEndsInReadBeyondEnd) {
  if (!SystemPlatform().ReadsAhead()) GTEST_SKIP() << "this platform reads nothing ahead";
  // Cut in the block read, in the blocks read ahead meanwhile, or beyond
  // them: the bytes that are gone fail the read that needs them.
  for (const std::int64_t cut :
       {std::int64_t{0}, kBlock / 2 + 5, kBlock + 7, 2 * kBlock + 1, 4 * kBlock + 9}) {
    SCOPED_TRACE(cut);
    const TemporaryFile file(std::string(6 * kBlock, 'x'));
    std::unique_ptr<InputFile> input;
    ASSERT_EQ(InputFile::Open(SystemPlatform(), file.path.string(), &input), 0);
    EXPECT_EQ(input->ReadByte(kSite), 'x');
    // Another program shortens the file while it is read.
    std::filesystem::resize_file(file.path, static_cast<std::uintmax_t>(cut));
    const std::string outcome = ReadCounting(*input, 6 * kBlock - 1);
    // Blocks read before the cut (at most those begun at the start)
    // still deliver their bytes; the first one read after it ends the file
    // where the cut is.
    EXPECT_NE(outcome.find(" failed 100 at "), std::string::npos) << outcome;
    const std::int64_t at = std::stoll(outcome.substr(outcome.rfind(' ') + 1));
    EXPECT_GE(at, std::max<std::int64_t>(cut, 1));
    EXPECT_LE(at, std::max(cut, InputFile::kAheadBlocks * kBlock));
    input->Close(kSite);
  }
}

}  // namespace
}  // namespace kovrant
