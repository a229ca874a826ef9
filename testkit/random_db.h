// Random well-nested lever databases, random rows as kovrant shows them and
// random edits of a table, for the property tests of ldbtool's apply, pack
// and diff.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace kovrant::ldb {

// A short word of letters, spaces and punctuation (maybe empty).
std::string RandomWord(std::mt19937& rng);
// A float's bits as kovrant would show them, never NaN: small values with a
// few fraction bits mostly, any finite or infinite bits sometimes.
std::uint32_t RandomFloatBits(std::mt19937& rng);
// Switch-time ticks: small counts mostly, any 32-bit value sometimes.
std::int32_t RandomTicks(std::mt19937& rng);

// A database whose records nest: first-level records of tags 1 and 2,
// groups, prototypes with their fields mostly in type order, place blocks
// carried from earlier prototypes (also across first-level records),
// unknown field types, trailing bytes inside numeric values, four-byte
// lengths (also on short bodies), long texts, texts with and without
// their NUL, and short prototypes.
std::string RandomDatabase(std::mt19937& rng);

// A row as kovrant shows a prototype whose fields come in type order
// (trailing ones missing sometimes): 1 or 3 to 8 cells, numbers in
// kovrant's one-decimal form with '.' as the separator.
std::vector<std::string> RandomRow(std::mt19937& rng);

// One cell's new text as kovrant would show it for a field of `type`
// (0 and 5 to 7 texts, 3 a scale other than 1.0, 4 a switch time); for type
// 2, the two place cells (Place1, Place2).
std::vector<std::string> RandomCellText(std::uint8_t type, std::mt19937& rng);

// A table edited at random: rows inserted, deleted, moved and duplicated,
// and cells changed. `kinds[r][c]` says what may be typed into cell c of
// row r: the type of the one field that makes it (0 to 7), or -1 when it may
// not be changed; a place count's two cells both carry 2.
struct EditedTable {
  std::vector<std::vector<std::string>> rows;
  // For each new row: the old row it copies (edited or not), or -1 for a new
  // row; and whether any of its cells was changed.
  std::vector<std::int64_t> origin;
  std::vector<bool> changed;
};
EditedTable RandomTableEdits(const std::vector<std::vector<std::string>>& rows,
                             const std::vector<std::vector<int>>& kinds, std::mt19937& rng);

}  // namespace kovrant::ldb
