// PairRows over generated row lists: old rows from a small alphabet (so that
// rows repeat), new rows made of them kept, dropped, doubled, edited and
// swapped about.
#include "tool/row_match.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <random>
#include <string>

namespace kovrant::tool {
namespace {

using Kind = RowPairing::Kind;
using Rows = std::vector<std::string>;

RowPairing Pair(const Rows& old_rows, const Rows& new_rows) {
  return PairRows({old_rows.begin(), old_rows.end()}, {new_rows.begin(), new_rows.end()});
}

// The length of a longest increasing run, the slow way.
std::size_t LongestRun(const std::vector<std::int64_t>& v) {
  std::vector<std::size_t> best(v.size(), 1);
  for (std::size_t i = 0; i < v.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (v[j] < v[i]) best[i] = std::max(best[i], best[j] + 1);
    }
  }
  return v.empty() ? 0 : *std::max_element(best.begin(), best.end());
}

TEST(PairRowsTest, PropertiesOverEditedRowLists) {
  std::mt19937 rng(20);
  for (int round = 0; round < 3000; ++round) {
    Rows old_rows(rng() % 12), new_rows;
    for (auto& row : old_rows) row = std::string(1, static_cast<char>('a' + rng() % 5));
    for (const auto& row : old_rows) {
      const auto what = rng() % 6;
      if (what != 0) new_rows.push_back(what == 1 ? row + "'" : row);
      if (what == 2 || what == 3) new_rows.push_back(what == 2 ? row : "new");
    }
    for (auto k = rng() % 3; k > 0 && !new_rows.empty(); --k) {
      std::swap(new_rows[rng() % new_rows.size()], new_rows[rng() % new_rows.size()]);
    }
    const RowPairing p = Pair(old_rows, new_rows);
    ASSERT_EQ(p.kind.size(), new_rows.size());
    // Each old row is used at most once, and both directions agree.
    for (std::size_t o = 0; o < old_rows.size(); ++o) {
      EXPECT_TRUE(p.new_row[o] == RowPairing::kNone || p.old_row[p.new_row[o]] == std::int64_t(o));
    }
    std::map<std::string, std::size_t> copies;  // of each text met so far in NEW
    std::vector<std::int64_t> identical;        // their old rows, in the new order
    std::vector<int> stretch_of_old(old_rows.size());
    std::int64_t anchor = -1, edited = -1;
    int stretch = 0;
    for (std::size_t n = 0; n < new_rows.size(); ++n) {
      const std::int64_t o = p.old_row[n];
      EXPECT_EQ(p.kind[n] == Kind::kAdded, o == RowPairing::kNone);
      EXPECT_TRUE(o == RowPairing::kNone || p.new_row[o] == std::int64_t(n));
      // The k-th copy of a text in NEW is its k-th copy in OLD, while OLD has one.
      const std::size_t k = copies[new_rows[n]]++;
      std::int64_t kth = -1;
      for (std::size_t i = 0, seen = 0; i < old_rows.size() && kth < 0; ++i) {
        if (old_rows[i] == new_rows[n] && seen++ == k) kth = std::int64_t(i);
      }
      const bool same = p.kind[n] == Kind::kAnchor || p.kind[n] == Kind::kMoved;
      EXPECT_EQ(same ? o : -1, kth) << round;
      if (same) identical.push_back(o);
      if (p.kind[n] == Kind::kAnchor) {  // anchors increase in both tables
        EXPECT_GT(o, anchor);
        for (auto i = anchor + 1; i < o; ++i) stretch_of_old[i] = stretch;
        stretch_of_old[o] = -1;
        anchor = o;
        ++stretch;
      }
      if (p.kind[n] == Kind::kEdited) {  // in order, after the anchor before it
        EXPECT_GT(o, std::max(anchor, edited)) << round;
        edited = o;
      }
    }
    for (auto i = anchor + 1; i < std::int64_t(old_rows.size()); ++i) stretch_of_old[i] = stretch;
    EXPECT_EQ(std::count(p.kind.begin(), p.kind.end(), Kind::kAnchor), LongestRun(identical));
    // Edits pair within a stretch (checked above by order), and no stretch
    // keeps both an added and a removed row.
    std::vector<int> added(stretch + 1), removed(stretch + 1);
    for (std::size_t n = 0, s = 0; n < new_rows.size(); ++n) {
      if (p.kind[n] == Kind::kAnchor) ++s;
      if (p.kind[n] == Kind::kAdded) ++added[s];
    }
    for (std::size_t o = 0; o < old_rows.size(); ++o) {
      if (p.new_row[o] == RowPairing::kNone) ++removed[stretch_of_old[o]];
    }
    for (int s = 0; s <= stretch; ++s) EXPECT_TRUE(added[s] == 0 || removed[s] == 0) << round;
  }
}

Rows Numbered(std::size_t n, const char* prefix) {
  Rows rows(n);
  for (std::size_t i = 0; i < n; ++i) rows[i] = prefix + std::to_string(i);
  return rows;
}

// A shuffle of distinct rows gives only anchors and moved rows; the work
// stays within a few n log n steps on shuffles, reversals, all rows edited
// and all rows alike.
TEST(PairRowsTest, ShufflesMoveRowsInNLogNSteps) {
  std::mt19937 rng(21);
  for (std::size_t n : {std::size_t{1} << 10, std::size_t{1} << 14}) {
    const Rows old_rows = Numbered(n, "r");
    Rows shuffled = old_rows, reversed(old_rows.rbegin(), old_rows.rend());
    std::shuffle(shuffled.begin(), shuffled.end(), rng);
    const RowPairing p = Pair(old_rows, shuffled);
    EXPECT_EQ(std::count(p.kind.begin(), p.kind.end(), Kind::kAnchor) +
                  std::count(p.kind.begin(), p.kind.end(), Kind::kMoved),
              std::int64_t(n));
    const double bound = 4.0 * double(n) * std::log2(double(n));
    for (const auto& [before, after] : {std::pair{old_rows, shuffled},
                                        {old_rows, reversed},
                                        {old_rows, Numbered(n, "e")},
                                        {Rows(n, "same"), Rows(n, "same")}}) {
      EXPECT_LE(double(Pair(before, after).steps), bound) << n;
    }
  }
}

}  // namespace
}  // namespace kovrant::tool
