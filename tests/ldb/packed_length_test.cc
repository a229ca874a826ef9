#include "ldb/packed_length.h"

#include <gtest/gtest.h>

#include "io/failure.h"
#include "ldb_builder.h"
#include "support/fake_platform.h"

namespace kovrant {
namespace {

struct Case {
  std::string bytes;
  std::int64_t length;  // -1: fails with "read beyond end of file"
  std::int64_t position_after;
};

using namespace std::string_literals;

TEST(PackedLengthTest, DecodesBothFormsAndRefusesNegativeOnes) {
  const Case cases[] = {
      {"\x00"s, 0, 1},
      {"\xFE", 127, 1},
      {"\x02", 1, 1},
      {"\x01\x00\x00\x00"s, 0, 4},
      {"\x03\x01\x00\x00"s, 129, 4},
      {"\xFF\xFF\xFF\x7F", (std::int64_t{1} << 30) - 1, 4},
      {ldb::PackedLength(300), 300, 4},
      {ldb::PackedLength(5, ldb::LengthForm::kFourByte), 5, 4},
      {"\x01\x00\x00\x80"s, -1, 4},  // negative: would move the walk backwards
      {"\xFF\xFF\xFF\xFF", -1, 4},
      {"\x03\x01", -1, 2},  // four-byte form cut short by the end of the file
      {"", -1, 0},
  };
  for (const Case& c : cases) {
    test::FakePlatform platform;
    platform.files["db"].data = c.bytes;
    std::unique_ptr<InputFile> input;
    ASSERT_EQ(InputFile::Open(platform, "db", &input), 0);
    std::int64_t length = -1;
    try {
      length = ReadPackedLength(*input);
    } catch (const IoError& error) {
      EXPECT_EQ(error.code(), kIoReadBeyondEnd);
    }
    EXPECT_EQ(length, c.length) << ::testing::PrintToString(c.bytes);
    EXPECT_EQ(input->Position(), c.position_after) << ::testing::PrintToString(c.bytes);
  }
}

}  // namespace
}  // namespace kovrant
