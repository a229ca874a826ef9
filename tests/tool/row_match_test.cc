// PairRows over generated row lists: old rows from a small alphabet (so that
// rows repeat), new rows made of them kept, dropped, doubled, edited and
// swapped about.
#include "tool/row_match.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <set>
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
    // Hashes that collide for most texts pair the same, the texts told
    // apart by comparing them.
    RowTexts colliding;
    for (const auto& row : old_rows) colliding.old_hashes.push_back(row.size() % 2);
    for (const auto& row : new_rows) colliding.new_hashes.push_back(row.size() % 2);
    colliding.old_equal = [&](std::size_t a, std::size_t b) { return old_rows[a] == old_rows[b]; };
    colliding.equal = [&](std::size_t o, std::size_t n) { return old_rows[o] == new_rows[n]; };
    const RowPairing q = PairRows(colliding);
    EXPECT_TRUE(q.kind == p.kind && q.old_row == p.old_row && q.new_row == p.new_row) << round;
    // Each old row is used at most once, and both directions agree.
    for (std::size_t o = 0; o < old_rows.size(); ++o) {
      EXPECT_TRUE(p.new_row[o] == RowPairing::kNone ||
                  p.old_row[std::size_t(p.new_row[o])] == std::int64_t(o));
    }
    // Anchors before each row: the stretch it stands in.
    std::vector<int> new_stretch(new_rows.size() + 1), old_stretch(old_rows.size() + 1);
    for (std::size_t n = 0; n < new_rows.size(); ++n) {
      new_stretch[n + 1] = new_stretch[n] + (p.kind[n] == Kind::kAnchor);
    }
    for (std::size_t o = 0; o < old_rows.size(); ++o) {
      const auto n = p.new_row[o];
      old_stretch[o + 1] =
          old_stretch[o] + (n != RowPairing::kNone && p.kind[std::size_t(n)] == Kind::kAnchor);
    }
    std::map<std::string, std::size_t> copies;  // of each text met so far in NEW
    std::vector<std::int64_t> identical;        // their old rows, in the new order
    std::set<int> added_in, removed_in;         // stretches
    std::int64_t last = -1;                     // of the anchors and edited rows
    for (std::size_t n = 0; n < new_rows.size(); ++n) {
      const std::int64_t o = p.old_row[n];
      EXPECT_EQ(p.kind[n] == Kind::kAdded, o == RowPairing::kNone);
      EXPECT_TRUE(o == RowPairing::kNone || p.new_row[std::size_t(o)] == std::int64_t(n));
      // The k-th copy of a text in NEW is its k-th copy in OLD, while OLD has one.
      const std::size_t k = copies[new_rows[n]]++;
      std::int64_t kth = -1;
      for (std::size_t i = 0, seen = 0; i < old_rows.size() && kth < 0; ++i) {
        if (old_rows[i] == new_rows[n] && seen++ == k) kth = std::int64_t(i);
      }
      const bool same = p.kind[n] == Kind::kAnchor || p.kind[n] == Kind::kMoved;
      EXPECT_EQ(same ? o : -1, kth) << round;
      if (same) identical.push_back(o);
      // A copy beyond an old row's count is added, whatever is left beside it.
      const bool copy = std::find(old_rows.begin(), old_rows.end(), new_rows[n]) != old_rows.end();
      if (o == RowPairing::kNone && !copy) added_in.insert(new_stretch[n]);
      EXPECT_TRUE(!copy || p.kind[n] != Kind::kEdited) << round;
      // Anchors and edited rows increase in both tables; edits pair in a stretch.
      if (p.kind[n] == Kind::kAnchor || p.kind[n] == Kind::kEdited) {
        EXPECT_GT(o, last) << round;
        last = o;
      }
      EXPECT_TRUE(p.kind[n] != Kind::kEdited || new_stretch[n] == old_stretch[std::size_t(o)])
          << round;
    }
    EXPECT_EQ(std::count(p.kind.begin(), p.kind.end(), Kind::kAnchor), LongestRun(identical));
    // No stretch keeps both an added row (other than a copy) and a removed one.
    for (std::size_t o = 0; o < old_rows.size(); ++o) {
      if (p.new_row[o] == RowPairing::kNone) removed_in.insert(old_stretch[o]);
    }
    for (int stretch : added_in) EXPECT_EQ(removed_in.count(stretch), 0u) << round;
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
