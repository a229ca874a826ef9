#include "io/command_line.h"

#include <gtest/gtest.h>

namespace kovrant {
namespace {

using Args = std::vector<std::string>;

bool LeadByteAbove0x80(unsigned char c) { return c >= 0x81 && c <= 0x9F; }

TEST(CommandLineTest, SplitsAsTheConverterCountsArguments) {
  struct Case {
    std::string line;
    Args arguments;
  };
  const Case cases[] = {
      {"kovrant.exe", {"kovrant.exe"}},
      {"", {}},
      {"  \t ", {}},
      {"kovrant.exe levers.ldb out", {"kovrant.exe", "levers.ldb", "out"}},
      {"\"C:\\Program Files\\kovrant.exe\" a", {"C:\\Program Files\\kovrant.exe", "a"}},
      {"k \"my levers.ldb\"", {"k", "my levers.ldb"}},
      {"k \"\" word", {"k", "word"}},                     // an empty quoted argument is skipped
      {"k \"\"\"\" word", {"k", "word"}},                 // as are several
      {"k a\"b c\"d", {"k", "ab cd"}},                    // quotes anywhere in an argument
      {"k \"open to the end", {"k", "open to the end"}},  // missing closing quote
      {"k C:\\dir\\ x", {"k", "C:\\dir\\", "x"}},         // backslashes are plain characters
      {"k\x01"
       "a\x1F"
       "b",
       {"k", "a", "b"}},                       // control characters separate
      {std::string("k a\0b", 5), {"k", "a"}},  // a NUL ends the line
      {"k \"\"\"x y\"", {"k", "x y"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitCommandLine(c.line), c.arguments) << c.line;
  }
}

TEST(CommandLineTest, DoubleByteCharactersAreSteppedWhole) {
  // The trail byte 0x20 of a double-byte character is not a separator, and a
  // trail byte 0x22 is not a quote.
  EXPECT_EQ(SplitCommandLine("k \x81\x20x \x82\"y", LeadByteAbove0x80),
            (Args{"k", "\x81\x20x", "\x82\"y"}));
  EXPECT_EQ(SplitCommandLine("k \x81\x20x", nullptr), (Args{"k", "\x81", "x"}));
}

}  // namespace
}  // namespace kovrant
