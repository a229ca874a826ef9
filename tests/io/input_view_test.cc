// Reading through views of a real file must keep the rules of the buffered
// reads: the same operations on a mapped file and on the in-memory platform
// (which is read) give the same bytes, positions and failures. A file cut
// short under its view ends in "read beyond end", not in a signal.
#include <gtest/gtest.h>

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
constexpr std::int64_t kView = InputFile::kViewSize;

// A file of the test's own in the temporary directory, removed at the end.
class TemporaryFile {
 public:
  TemporaryFile()
      : path_(std::filesystem::temp_directory_path() /
              ("kovrant-view-" + std::to_string(std::random_device{}()))) {}
  ~TemporaryFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  void Write(const std::string& data) const {
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << data;
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// One operation's outcome: what it returned and where the file stands.
std::string Outcome(InputFile& file, int op, std::int64_t argument) {
  std::string result;
  try {
    switch (op) {
      case 0:
        file.Seek(argument, kSite);
        break;
      case 1: {
        std::string bytes(static_cast<std::size_t>(argument), '\0');
        file.Read(bytes.data(), argument, kSite);
        result = std::to_string(std::hash<std::string>{}(bytes));
        break;
      }
      case 2:
        result = std::to_string(file.ReadByte(kSite));
        break;
      case 3:
        result = std::to_string(file.ReadUint32(kSite));
        break;
      case 4:
        file.Skip(argument, kSite);
        break;
      default:
        result = file.AtEnd(kSite) ? "end" : "more";
        break;
    }
  } catch (const IoError& error) {
    result = "failed " + std::to_string(error.code());
  }
  return result + " at " + std::to_string(file.Position());
}

TEST(InputViewTest, ViewsAndReadsAgreeOnRandomOperations) {
  if (SystemPlatform().ViewAlignment() == 0) GTEST_SKIP() << "this platform maps no files";
  const TemporaryFile temporary;
  std::mt19937_64 random(13);
  for (int round = 0; round < 3; ++round) {
    const std::int64_t size = 2 * kView + static_cast<std::int64_t>(random() % kView);
    std::string data(static_cast<std::size_t>(size), '\0');
    for (char& c : data) c = static_cast<char>(random() % 4 == 0 ? 0 : random());
    const std::string path = temporary.path().string();
    temporary.Write(data);
    test::FakePlatform fake;
    fake.files["db"].data = data;
    std::unique_ptr<InputFile> mapped;
    std::unique_ptr<InputFile> read;
    ASSERT_EQ(InputFile::Open(SystemPlatform(), path, &mapped), 0);
    ASSERT_EQ(InputFile::Open(fake, "db", &read), 0);
    for (int step = 0; step < 3000; ++step) {
      const int op = static_cast<int>(random() % 6);
      // Positions near the views' edges and the file's end, or anywhere.
      const std::int64_t edge = static_cast<std::int64_t>(random() % 4) * kView;
      const std::int64_t position =
          random() % 2 == 0
              ? edge + static_cast<std::int64_t>(random() % 64) - 32
              : static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(size));
      const std::int64_t length = static_cast<std::int64_t>(
          random() % 3 == 0 ? random() % (2 * InputFile::kBufferSize) : random() % 64);
      const std::int64_t argument = op == 0 ? std::max<std::int64_t>(position, 0) : length;
      ASSERT_EQ(Outcome(*mapped, op, argument), Outcome(*read, op, argument))
          << "round " << round << " step " << step << " op " << op << " " << argument;
    }
    mapped->Close(kSite);
  }
}

TEST(InputViewTest, AFileCutShortUnderItsViewEndsInReadBeyondEnd) {
  const TemporaryFile temporary;
  const std::filesystem::path& path = temporary.path();
  for (const std::int64_t cut : {std::int64_t{0}, kView / 2 + 5, kView + 7}) {
    SCOPED_TRACE(cut);
    temporary.Write(std::string(static_cast<std::size_t>(3 * kView), 'x'));
    std::unique_ptr<InputFile> file;
    ASSERT_EQ(InputFile::Open(SystemPlatform(), path.string(), &file), 0);
    EXPECT_EQ(file->ReadByte(kSite), 'x');
    // Another program shortens the file while its first view is mapped.
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(cut));
    int code = 0;
    try {
      std::size_t sum = 0;
      file->ReadInto(3 * kView - 1, kSite, [&sum](const std::uint8_t* data, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) sum += data[i];
      });
      EXPECT_GT(sum, 0u);
      file->Close(CheckSite::kCloseInput);
    } catch (const IoError& error) {
      code = error.code();
    }
    EXPECT_EQ(code, kIoReadBeyondEnd);
  }
}

}  // namespace
}  // namespace kovrant
