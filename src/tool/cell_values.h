// The values typed into number cells, as they will be stored, and the proof
// that a rebuilt database shows what was meant.
//
// A cell is named for messages by its place: the table file, the cell's byte
// offset and a label "row 3, Scale" (rows counted from 1 after the header).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tool/cell_number.h"
#include "tool/table_text.h"

namespace kovrant::tool {

struct CellPlace {
  std::string file;
  std::int64_t offset = 0;
  std::string label;  // "row 3, Scale"
};

// "row R, COLUMN" for row `row` (from 1) and cell `cell` (from 0).
std::string CellLabel(std::size_t row, std::size_t cell);

// The number a cell holds; refuses anything else, naming the cell.
CellNumber TypedNumber(const std::string& text, char separator, const CellPlace& place);
// Scale: empty is exactly 1.0; refuses NaN (kovrant fails on it) and
// values beyond the 32-bit float range.
std::uint32_t TypedScale(const std::string& text, char separator, const CellPlace& place);
// Switch Time in seconds, as whole ticks (x 15, halves away from zero);
// refuses values outside the 32-bit range.
std::int32_t TypedTicks(const std::string& text, char separator, const CellPlace& place);
// A place cell: empty, or "x,y".
struct TypedPlace {
  bool present = false;
  CellNumber x, y;
};
TypedPlace TypedPlaceCell(const std::string& text, char separator, const CellPlace& place);
// The nearest float; refuses a value beyond the float range.
std::uint32_t TypedFloat(const CellNumber& number, const CellPlace& place);

// Whether two cell texts are numbers that read the same ("3" and "3.0").
bool SameNumber(const std::string& a, const std::string& b, char separator);

// The line a summary shows when a typed number is stored at the field's
// precision and kovrant will show another text for it, or "" when it
// shows the same number: "row 3, Switch Time: 2.37 s stored as 36 ticks,
// reads 2.4".
std::string PrecisionNote(const CellPlace& place, const std::string& typed,
                          const std::string& shown, const std::string& stored_as, char separator,
                          const char* unit = "");

// Whether two cells say the same: the same bytes, or the same numbers
// (one, or an "x,y" pair) spelled otherwise ("3", "3.0", "3.00", "1.5E+020"
// and "150000000000000000000"). An empty cell is no number: an empty Scale
// and "1.0" differ.
bool SameCell(const std::string& a, const std::string& b, char separator);
// The rows of a table kovrant wrote (lines ending in CR LF), split into
// their cells at TAB.
std::vector<std::vector<std::string>> SplitTable(const std::string& bytes);

// The table bytes kovrant writes for these rows (header, TAB, CR LF).
std::string TableBytes(const std::vector<std::vector<std::string>>& rows);

// Converts `database` with kovrant's table writer and compares every cell
// with `expected` (the rows after the header) exactly, the spelling of
// numbers alone excepted (SameCell). Throws Refusal (naming `table_file` and
// the first cell that differs, or the database's failure) when they differ:
// the rebuilt database would not show the table. `typed` is the table as
// read, for the cells' offsets.
void ProveTable(const std::string& database, const std::vector<std::vector<std::string>>& expected,
                char locale_separator, const std::string& table_file, const TableText& typed);

}  // namespace kovrant::tool
