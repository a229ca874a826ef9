#include "tool/text_hash.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

namespace kovrant::tool {
namespace {

// Texts told apart: padding with NUL bytes, and 100,000 random texts of up
// to 40 bytes.
TEST(TextHashTest, DifferentTextsHashApart) {
  EXPECT_NE(TextHash(""), TextHash(std::string(1, '\0')));
  EXPECT_NE(TextHash("a"), TextHash(std::string("a\0", 2)));
  EXPECT_NE(TextHash("1234567"), TextHash("12345678"));
  std::mt19937 rng(3);
  std::set<std::string> texts;
  std::set<std::uint64_t> hashes;
  while (texts.size() < 100000) {
    std::string text(rng() % 41, '\0');
    for (char& c : text) c = static_cast<char>(rng() % 4 ? 'a' + rng() % 3 : rng());
    if (texts.insert(text).second) hashes.insert(TextHash(text));
  }
  EXPECT_EQ(hashes.size(), texts.size());
}

}  // namespace
}  // namespace kovrant::tool
