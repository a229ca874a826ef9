// Which row of an edited table is which row of the table kovrant wrote, the
// way diff pairs lines.
//
// 1. A new row identical (byte for byte) to an old row is that row, wherever
//    it now stands. Repeated identical rows pair in order: the k-th copy in
//    the new table is the k-th copy in the old one; copies beyond the old
//    table's count are left unpaired.
// 2. Of the identical pairs, the longest run that keeps the old order (a
//    longest increasing subsequence of old positions) are the anchors: rows
//    that stayed. The other identical pairs are moved rows. Of several
//    equally long runs, the one taken is found from its end backwards, each
//    time the latest pair of the new table that still fits (of two swapped
//    rows, the one now first is listed as moved).
// 3. Between two consecutive anchors (and before the first, after the last)
//    the new rows left unpaired and the old rows left unpaired in the same
//    stretch are paired in order, one to one, as edits of those rows. A
//    new row identical to an old row (a copy beyond its count) is no edit
//    of another row: a duplicated row is an added row.
// 4. A new row still unpaired is added; an old row still unpaired is removed.
//
// Time O(n log n) in the number of rows (hashing, the subsequence by
// patience sorting), memory O(n).
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace kovrant::tool {

struct RowPairing {
  enum class Kind : std::uint8_t { kAnchor, kMoved, kEdited, kAdded };
  static constexpr std::int64_t kNone = -1;
  // For each new row, in order: its kind and the old row it is (kNone when
  // added).
  std::vector<Kind> kind;
  std::vector<std::int64_t> old_row;
  // For each old row: the new row it became, or kNone when removed.
  std::vector<std::int64_t> new_row;
  // The steps taken (lookups, comparisons, rows scanned): a measure of the
  // work that does not depend on the machine, which the tests bound.
  std::uint64_t steps = 0;
};

// The rows' texts as PairRows reads them, without holding them: a hash of
// each one's text, and whether two texts are equal (asked only of rows whose
// hashes are equal; text_hash.h gives such hashes).
struct RowTexts {
  std::vector<std::uint64_t> old_hashes, new_hashes;
  std::function<bool(std::size_t old_a, std::size_t old_b)> old_equal;
  std::function<bool(std::size_t old_row, std::size_t new_row)> equal;
};
RowPairing PairRows(const RowTexts& rows);

// `old_rows` and `new_rows` are the rows' whole texts (cells joined by TAB,
// no line end), header not included.
RowPairing PairRows(const std::vector<std::string_view>& old_rows,
                    const std::vector<std::string_view>& new_rows);

}  // namespace kovrant::tool
