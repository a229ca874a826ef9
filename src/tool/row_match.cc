#include "tool/row_match.h"

#include <algorithm>
#include <unordered_map>

#include "tool/text_hash.h"

namespace kovrant::tool {
namespace {

// Rows are counted in size_t inside (32 bits in a 32-bit build) and handed
// out as int64_t, where kNone marks a row without a partner.
std::size_t Index(std::int64_t row) { return static_cast<std::size_t>(row); }
std::int64_t Row(std::size_t index) { return static_cast<std::int64_t>(index); }

}  // namespace

RowPairing PairRows(const std::vector<std::string_view>& old_rows,
                    const std::vector<std::string_view>& new_rows) {
  RowTexts texts;
  const auto hashes = [](const std::vector<std::string_view>& rows) {
    std::vector<std::uint64_t> hashed;
    hashed.reserve(rows.size());
    for (const std::string_view row : rows) hashed.push_back(TextHash(row));
    return hashed;
  };
  texts.old_hashes = hashes(old_rows);
  texts.new_hashes = hashes(new_rows);
  texts.old_equal = [&](std::size_t a, std::size_t b) { return old_rows[a] == old_rows[b]; };
  texts.equal = [&](std::size_t o, std::size_t n) { return old_rows[o] == new_rows[n]; };
  return PairRows(texts);
}

RowPairing PairRows(const RowTexts& rows) {
  const std::size_t old_count = rows.old_hashes.size();
  const std::size_t new_count = rows.new_hashes.size();
  RowPairing pairing;
  pairing.kind.assign(new_count, RowPairing::Kind::kAdded);
  pairing.old_row.assign(new_count, RowPairing::kNone);
  pairing.new_row.assign(old_count, RowPairing::kNone);
  const auto pair = [&](std::size_t n, std::size_t o, RowPairing::Kind kind) {
    pairing.old_row[n] = Row(o);
    pairing.new_row[o] = Row(n);
    pairing.kind[n] = kind;
  };

  // 1. Identical rows, copies in order: the old rows of one text in a chain,
  // its first one not yet paired at hand; the texts of one hash in a chain
  // of their own.
  constexpr std::size_t kEnd = static_cast<std::size_t>(-1);
  struct Text {
    std::size_t first;         // its first old row, which stands for it
    std::size_t next;          // its first old row not yet paired, or kEnd
    std::size_t last;          // its last old row
    std::size_t other = kEnd;  // the next text of the same hash
  };
  std::vector<Text> texts;
  std::vector<std::size_t> same_next(old_count, kEnd);
  std::unordered_map<std::uint64_t, std::size_t> by_hash;
  by_hash.reserve(old_count);
  for (std::size_t o = 0; o < old_count; ++o) {
    const auto [it, first] = by_hash.try_emplace(rows.old_hashes[o], texts.size());
    if (!first) {
      std::size_t t = it->second;
      while (!rows.old_equal(texts[t].first, o) && texts[t].other != kEnd) {
        ++pairing.steps;
        t = texts[t].other;
      }
      if (rows.old_equal(texts[t].first, o)) {
        same_next[texts[t].last] = o;
        texts[t].last = o;
        continue;
      }
      texts[t].other = texts.size();  // a text new to this hash
    }
    texts.push_back({o, o, o});
  }
  std::vector<std::size_t> identical;  // new rows paired so, in order
  pairing.steps += old_count + new_count;
  // New rows repeating an old row beyond its count: copies, never edits.
  std::vector<bool> copy(new_count, false);
  for (std::size_t n = 0; n < new_count; ++n) {
    const auto it = by_hash.find(rows.new_hashes[n]);
    if (it == by_hash.end()) continue;
    std::size_t t = it->second;
    while (t != kEnd && !rows.equal(texts[t].first, n)) {
      ++pairing.steps;
      t = texts[t].other;
    }
    if (t == kEnd) continue;
    const std::size_t o = texts[t].next;
    if (o == kEnd) {
      copy[n] = true;
      continue;
    }
    texts[t].next = same_next[o];
    pair(n, o, RowPairing::Kind::kMoved);
    identical.push_back(n);
  }

  // 2. The anchors: a longest run of identical pairs in the old order
  // (patience sorting; `tails[k]` ends the best run of length k + 1).
  const auto old_of = [&](std::size_t i) { return pairing.old_row[identical[i]]; };
  std::vector<std::size_t> tails;
  std::vector<std::int64_t> before(identical.size(), -1);
  for (std::size_t i = 0; i < identical.size(); ++i) {
    const auto at =
        std::lower_bound(tails.begin(), tails.end(), old_of(i), [&](std::size_t t, std::int64_t v) {
          ++pairing.steps;
          return old_of(t) < v;
        });
    if (at != tails.begin()) before[i] = Row(*(at - 1));
    if (at == tails.end()) {
      tails.push_back(i);
    } else {
      *at = i;
    }
  }
  std::vector<std::size_t> anchors;  // new rows, in order
  for (std::int64_t i = tails.empty() ? -1 : Row(tails.back()); i >= 0; i = before[Index(i)]) {
    ++pairing.steps;
    anchors.push_back(identical[Index(i)]);
  }
  std::reverse(anchors.begin(), anchors.end());
  for (std::size_t n : anchors) pairing.kind[n] = RowPairing::Kind::kAnchor;

  // 3. Between anchors, the rows left on both sides pair in order as edits.
  std::size_t new_from = 0;
  std::size_t old_from = 0;
  for (std::size_t k = 0; k <= anchors.size(); ++k) {
    const std::size_t new_to = k < anchors.size() ? anchors[k] : new_count;
    const std::size_t old_to = k < anchors.size() ? Index(pairing.old_row[anchors[k]]) : old_count;
    std::size_t o = old_from;
    for (std::size_t n = new_from; n < new_to; ++n) {
      ++pairing.steps;
      if (pairing.old_row[n] != RowPairing::kNone || copy[n]) continue;
      while (o < old_to && pairing.new_row[o] != RowPairing::kNone) {
        ++pairing.steps;
        ++o;
      }
      if (o == old_to) break;
      pair(n, o, RowPairing::Kind::kEdited);
    }
    new_from = new_to + 1;
    old_from = old_to + 1;
  }
  // 4. What is left: added new rows (kind kAdded, old_row kNone) and removed
  // old rows (new_row kNone).
  return pairing;
}

}  // namespace kovrant::tool
