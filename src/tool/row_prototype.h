// A lever prototype made from a typed row, as pack makes each of its
// prototypes and apply makes a row added to the table (and the fields a
// short row was extended by).
//
// The fields come in type order, one per column: Name (0) for the first
// cell; for Place1 and Place2 a place block (1) only when Place1 is not
// empty, then the place count (2, the number of places shown); Scale (3, an
// empty cell is exactly 1.0); Switch Time (4, in ticks); Material (5),
// Switch Sound (6), Lever Description (7). A row with fewer than eight
// cells gets the fields of its cells only, so that kovrant shows it with as
// many. Texts end in a NUL as the game's own data does.
//
// Cells a row cannot have are refused, naming the cell: Place2 without
// Place1, a number that does not parse, an empty Switch Time before other
// cells (a switch time always shows a number), a cell beyond the eighth
// column. A row of Name and Place1 alone reads Place2 as empty (the place
// count makes both cells); empty cells after an empty Switch Time are a
// spreadsheet's padding.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tool/table_text.h"

namespace kovrant::tool {

struct NewField {
  std::uint8_t type = 0;
  std::string value;
};

struct RowFields {
  std::vector<NewField> fields;
  // The cells kovrant will show for them, from the first column built on.
  std::vector<std::string> shown;
};

// Where a typed row comes from, for messages.
struct RowSource {
  std::string_view file;  // views the caller's name
  std::size_t row = 0;    // from 1
  char separator = '.';
};

// The fields for the cells of `line` from column `from` on (0: the whole
// row; apply extends a short row from its first missing column, never from
// Place2). Lines of precision notes go to `notes`. `line`'s padding beyond
// its eighth cell must be dropped already.
RowFields BuildRowFields(const TableLine& line, std::size_t from, const RowSource& source,
                         std::vector<std::string>& notes);
// The same fields of the whole row, only appended to `records` as the
// records of a prototype's body: what they will show is not worked out.
// Refuses what BuildRowFields refuses.
void AppendRowRecords(const TableLine& line, const RowSource& source, std::string& records);

// Appends a level-3 record holding `fields` (or the records of its body)
// to `out`, lengths in the one-byte form where they fit.
void AppendPrototype(const std::vector<NewField>& fields, std::string& out);
void AppendPrototype(std::string_view records, std::string& out);

}  // namespace kovrant::tool
