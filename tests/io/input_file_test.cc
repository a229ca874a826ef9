#include "io/input_file.h"

#include <gtest/gtest.h>

#include <string>

#include "io/failure.h"
#include "support/fake_platform.h"

namespace kovrant {
namespace {

using test::FakePlatform;

constexpr CheckSite kSite = CheckSite::kReadName;

class InputFileTest : public ::testing::Test {
 protected:
  std::unique_ptr<InputFile> OpenWith(std::string data) {
    platform_.files["db"].data = std::move(data);
    std::unique_ptr<InputFile> file;
    EXPECT_EQ(InputFile::Open(platform_, "db", &file), 0);
    return file;
  }

  // Runs `operation` and returns the I/O code it failed with (0 if none).
  template <typename F>
  static int CodeOf(F&& operation) {
    try {
      operation();
    } catch (const IoError& error) {
      return error.code();
    }
    return 0;
  }

  FakePlatform platform_;
};

TEST_F(InputFileTest, OpenReportsTheCodeOfAMissingFile) {
  std::unique_ptr<InputFile> file;
  EXPECT_EQ(InputFile::Open(platform_, "missing", &file), kIoFileNotFound);
  EXPECT_EQ(file, nullptr);
}

TEST_F(InputFileTest, ShortReadFailsWith100AndLeavesThePositionAfterTheBytesRead) {
  auto file = OpenWith("abc");
  char buffer[8];
  EXPECT_EQ(CodeOf([&] { file->Read(buffer, 5, kSite); }), kIoReadBeyondEnd);
  EXPECT_EQ(file->Position(), 3);
  EXPECT_EQ(std::string(buffer, 3), "abc");
}

TEST_F(InputFileTest, SeekBeyondTheEndIsAcceptedButReadingThereFails) {
  auto file = OpenWith("abc");
  file->Seek(10, kSite);
  EXPECT_EQ(file->Position(), 10);
  EXPECT_TRUE(file->AtEnd(kSite));
  EXPECT_EQ(CodeOf([&] { file->ReadByte(kSite); }), kIoReadBeyondEnd);
  EXPECT_EQ(file->Position(), 10);
}

TEST_F(InputFileTest, NegativeSeekFailsWith131) {
  auto file = OpenWith("abc");
  EXPECT_EQ(CodeOf([&] { file->Seek(-1, kSite); }), kIoNegativeSeek);
}

TEST_F(InputFileTest, EndOfFileIsPositionAtOrPastSize) {
  auto file = OpenWith("ab");
  EXPECT_FALSE(file->AtEnd(kSite));
  file->ReadByte(kSite);
  EXPECT_FALSE(file->AtEnd(kSite));
  file->ReadByte(kSite);
  EXPECT_TRUE(file->AtEnd(kSite));
}

TEST_F(InputFileTest, ClosingTwiceFailsWith103) {
  auto file = OpenWith("");
  file->Close(kSite);
  EXPECT_EQ(CodeOf([&] { file->Close(kSite); }), kIoFileNotOpen);
  EXPECT_EQ(platform_.open_handles(), 0);
}

TEST_F(InputFileTest, ReadsAcrossBufferBoundariesAndBackwardSeeksSeeTheSameBytes) {
  std::string data;
  for (std::size_t i = 0; i < InputFile::kBufferSize * 3 + 17; ++i) {
    data += static_cast<char>(i * 7 % 251);
  }
  auto file = OpenWith(data);
  std::string all(data.size(), '\0');
  file->Seek(InputFile::kBufferSize - 2, kSite);
  EXPECT_EQ(file->ReadUint32(kSite) & 0xFF,
            static_cast<std::uint8_t>(data[InputFile::kBufferSize - 2]));
  file->Seek(0, kSite);
  file->Read(all.data(), static_cast<std::int64_t>(all.size()), kSite);
  EXPECT_EQ(all, data);
  file->Seek(5, kSite);
  EXPECT_EQ(file->ReadByte(kSite), static_cast<std::uint8_t>(data[5]));
}

TEST_F(InputFileTest, SkipChecksThatTheBytesExist) {
  auto file = OpenWith(std::string(100, 'x'));
  file->Skip(100, kSite);
  EXPECT_EQ(file->Position(), 100);
  file->Seek(50, kSite);
  EXPECT_EQ(CodeOf([&] { file->Skip(51, kSite); }), kIoReadBeyondEnd);
  EXPECT_EQ(file->Position(), 100);
}

TEST_F(InputFileTest, FailuresOfTheUnderlyingFileCarryTheirCodeAndSite) {
  auto file = OpenWith("abc");
  platform_.FailOn(test::Op::kRead, 1, 23);
  try {
    file->ReadByte(CheckSite::kReadScale);
    FAIL() << "no failure";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), 23);
    EXPECT_EQ(error.site(), CheckSite::kReadScale);
  }
}

}  // namespace
}  // namespace kovrant
