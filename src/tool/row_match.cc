#include "tool/row_match.h"

#include <algorithm>
#include <unordered_map>

namespace kovrant::tool {

namespace {

// Rows are counted in 64 bits, as the pairing stores them, in 32-bit builds
// too; vectors take their index as size_t.
template <typename Vector>
auto& At(Vector& rows, std::int64_t row) {
  return rows[static_cast<std::size_t>(row)];
}

}  // namespace

RowPairing PairRows(const std::vector<std::string_view>& old_rows,
                    const std::vector<std::string_view>& new_rows) {
  const auto old_count = static_cast<std::int64_t>(old_rows.size());
  const auto new_count = static_cast<std::int64_t>(new_rows.size());
  RowPairing pairing;
  pairing.kind.assign(new_rows.size(), RowPairing::Kind::kAdded);
  pairing.old_row.assign(new_rows.size(), RowPairing::kNone);
  pairing.new_row.assign(old_rows.size(), RowPairing::kNone);

  // 1. Identical rows, copies in order.
  struct Copies {
    std::vector<std::int64_t> old_rows;
    std::size_t next = 0;
  };
  std::unordered_map<std::string_view, Copies> by_text;
  by_text.reserve(old_rows.size());
  for (std::int64_t o = 0; o < old_count; ++o) by_text[At(old_rows, o)].old_rows.push_back(o);
  std::vector<std::int64_t> identical;  // new rows paired so, in order
  for (std::int64_t n = 0; n < new_count; ++n) {
    const auto it = by_text.find(At(new_rows, n));
    if (it == by_text.end() || it->second.next == it->second.old_rows.size()) continue;
    const std::int64_t o = it->second.old_rows[it->second.next++];
    At(pairing.old_row, n) = o;
    At(pairing.new_row, o) = n;
    At(pairing.kind, n) = RowPairing::Kind::kMoved;
    identical.push_back(n);
  }

  // 2. The anchors: a longest run of identical pairs in the old order
  // (patience sorting; `tails[k]` ends the best run of length k + 1).
  std::vector<std::size_t> tails;
  std::vector<std::int64_t> before(identical.size(), -1);
  for (std::size_t i = 0; i < identical.size(); ++i) {
    const std::int64_t o = At(pairing.old_row, identical[i]);
    const auto at = std::lower_bound(
        tails.begin(), tails.end(), o,
        [&](std::size_t t, std::int64_t v) { return At(pairing.old_row, identical[t]) < v; });
    if (at != tails.begin()) before[i] = static_cast<std::int64_t>(*(at - 1));
    if (at == tails.end()) {
      tails.push_back(i);
    } else {
      *at = i;
    }
  }
  std::vector<std::int64_t> anchors;  // new rows, in order
  for (std::int64_t i = tails.empty() ? -1 : static_cast<std::int64_t>(tails.back()); i >= 0;
       i = before[static_cast<std::size_t>(i)]) {
    anchors.push_back(identical[static_cast<std::size_t>(i)]);
  }
  std::reverse(anchors.begin(), anchors.end());
  for (std::int64_t n : anchors) At(pairing.kind, n) = RowPairing::Kind::kAnchor;

  // 3. Between anchors, the rows left on both sides pair in order as edits.
  std::int64_t new_from = 0;
  std::int64_t old_from = 0;
  for (std::size_t k = 0; k <= anchors.size(); ++k) {
    const std::int64_t new_to = k < anchors.size() ? anchors[k] : new_count;
    const std::int64_t old_to = k < anchors.size() ? At(pairing.old_row, anchors[k]) : old_count;
    std::int64_t o = old_from;
    for (std::int64_t n = new_from; n < new_to; ++n) {
      if (At(pairing.old_row, n) != RowPairing::kNone) continue;
      while (o < old_to && At(pairing.new_row, o) != RowPairing::kNone) ++o;
      if (o == old_to) break;
      At(pairing.old_row, n) = o;
      At(pairing.new_row, o) = n;
      At(pairing.kind, n) = RowPairing::Kind::kEdited;
    }
    new_from = new_to + 1;
    old_from = old_to + 1;
  }
  // 4. What is left: added new rows (kind kAdded, old_row kNone) and removed
  // old rows (new_row kNone).
  return pairing;
}

}  // namespace kovrant::tool
