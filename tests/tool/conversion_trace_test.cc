#include "tool/conversion_trace.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace kovrant::tool {
namespace {

// However a table is cut into pieces, even within a CR LF, the lines come
// out whole and the same as cutting the whole table at CR LF.
TEST(TableLinesTest, PiecesGiveTheLinesOfTheWhole) {
  std::mt19937 rng(23);
  for (int round = 0; round < 3000; ++round) {
    std::string table;
    for (std::size_t n = rng() % 60; table.size() < n;) table += "ab\r\n\t"[rng() % 5];
    std::vector<std::string> want;
    std::size_t begin = 0;
    for (std::size_t end; (end = table.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
      want.push_back(table.substr(begin, end - begin));
    }
    if (begin < table.size()) want.push_back(table.substr(begin));

    std::vector<std::string> got;
    TableLines lines([&](std::string_view line) { got.emplace_back(line); });
    for (std::size_t at = 0; at < table.size();) {
      const std::size_t size = std::min<std::size_t>(rng() % 6, table.size() - at);
      lines.Add(std::string_view(table).substr(at, size));
      at += size;
    }
    lines.Finish();
    ASSERT_EQ(got, want) << table;
  }
}

}  // namespace
}  // namespace kovrant::tool
