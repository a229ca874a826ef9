#include "io/failure.h"

#include <gtest/gtest.h>

namespace kovrant {
namespace {

TEST(FailureTest, MessagesOfIoCodes) {
  struct Case {
    int code;
    const char* message;
  };
  for (Case c :
       {Case{2, "File not found"}, Case{3, "Invalid filename"}, Case{4, "Too many open files"},
        Case{5, "File access denied"}, Case{100, "Read beyond end of file"}, Case{101, "Disk full"},
        Case{106, "Invalid numeric input"}, Case{103, "I/O error 103"}, Case{131, "I/O error 131"},
        Case{32, "I/O error 32"}}) {
    EXPECT_EQ(IoErrorMessage(c.code), c.message) << c.code;
  }
}

// Whatever its value, a tagged errno prints its own number and never the
// message of one of the converter's codes or of a Windows number.
TEST(FailureTest, EveryTaggedErrnoPrintsItsOwnNumber) {
  for (int error = 1; error < 1 << 16; ++error) {
    const int code = IoCodeFromSystemErrorNumber(error);
    ASSERT_EQ(IoErrorMessage(code), "I/O error " + std::to_string(error)) << error;
    ASSERT_GT(code, 0xFFFF) << error;  // above every Windows number and own code
  }
}

TEST(FailureTest, ReportsAreExact) {
  EXPECT_EQ(FormatFailureReport(IoError(100, CheckSite::kReadLengthByte), "kovrant"),
            "Exception EInOutError in module kovrant at 00403014.\n"
            "Read beyond end of file.\r\n");
  EXPECT_EQ(FormatFailureReport(InvalidOpError(CheckSite::kCompareScale), "kovrant.exe"),
            "Exception EInvalidOp in module kovrant.exe at 00404294.\n"
            "Invalid floating point operation.\r\n");
  // A message that already ends in "." gets no second one.
  EXPECT_EQ(FormatFailureReport("EFoo", "m", 0xABCDEF, "Done."),
            "Exception EFoo in module m at 00ABCDEF.\nDone.\r\n");
}

}  // namespace
}  // namespace kovrant
