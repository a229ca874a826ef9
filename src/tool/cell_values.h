// The values typed into number cells, as they will be stored, and the proof
// that a rebuilt database shows what was meant.
//
// A cell is named for messages by its place: the table file, the cell's byte
// offset and a label "row 3, Scale" (rows counted from 1 after the header).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tool/cell_number.h"
#include "tool/table_text.h"

namespace kovrant::tool {

// "row R, COLUMN" for row `row` (from 1) and cell `cell` (from 0).
std::string CellLabel(std::size_t row, std::size_t cell);

// A cell's place, its label made only when a message needs it. `file`
// views the caller's name of the table.
struct CellPlace {
  std::string_view file;
  std::int64_t offset = 0;
  std::size_t row = 0;  // from 1
  std::size_t cell = 0;
  std::string label() const { return CellLabel(row, cell); }  // "row 3, Scale"
};

// The number a cell holds; refuses anything else, naming the cell.
CellNumber TypedNumber(std::string_view text, char separator, const CellPlace& place);
// Scale: empty is exactly 1.0; refuses NaN (kovrant fails on it) and
// values beyond the 32-bit float range.
std::uint32_t TypedScale(std::string_view text, char separator, const CellPlace& place);
// Switch Time in seconds, as whole ticks (x 15, halves away from zero);
// refuses values outside the 32-bit range.
std::int32_t TypedTicks(std::string_view text, char separator, const CellPlace& place);
// A place cell: empty, or "x,y".
struct TypedPlace {
  bool present = false;
  CellNumber x, y;
};
TypedPlace TypedPlaceCell(std::string_view text, char separator, const CellPlace& place);
// The nearest float; refuses a value beyond the float range.
std::uint32_t TypedFloat(const CellNumber& number, const CellPlace& place);
// A place cell that is empty or two plain decimals "x,y" (PlainDecimal),
// as the floats it stores; nullopt for any other, which TypedPlaceCell
// reads (and may refuse).
struct PlainPlace {
  bool present = false;
  std::uint32_t x = 0, y = 0;
};
std::optional<PlainPlace> ReadPlainPlace(std::string_view text, char separator);

// Whether two cell texts are numbers that read the same ("3" and "3.0").
bool SameNumber(std::string_view a, std::string_view b, char separator);

// The line a summary shows when a typed number is stored at the field's
// precision and kovrant will show another text for it, or "" when it
// shows the same number: "row 3, Switch Time: 2.37 s stored as 36 ticks,
// reads 2.4".
std::string PrecisionNote(const CellPlace& place, std::string_view typed, std::string_view shown,
                          std::string_view stored_as, char separator, const char* unit = "");
// The same for a switch time stored as `ticks`.
std::string TicksNote(const CellPlace& place, std::string_view typed, std::string_view shown,
                      std::int32_t ticks, char separator);

// Whether two cells say the same: the same bytes, or the same numbers
// (one, or an "x,y" pair) spelled otherwise ("3", "3.0", "3.00", "1.5E+020"
// and "150000000000000000000"). An empty cell is no number: an empty Scale
// and "1.0" differ.
bool SameCell(std::string_view a, std::string_view b, char separator);
// The rows of a table kovrant wrote (lines ending in CR LF), split into
// their cells at TAB.
std::vector<std::vector<std::string>> SplitTable(const std::string& bytes);

// The table bytes kovrant writes for these rows (header, TAB, CR LF).
std::string TableBytes(const std::vector<std::vector<std::string>>& rows);
// One row of them, appended to `bytes`.
void AppendTableRow(const std::vector<std::string>& cells, std::string& bytes);

// The rows a rebuilt database must show, each its line without the line
// end (cells joined by TAB): a view of bytes the caller keeps alive (a row
// as kovrant wrote it, or as typed) or of a line made here, so that a table
// of unchanged rows costs a view per row.
class ExpectedTable {
 public:
  void Keep(std::string_view line) { lines_.push_back(line); }
  void Add(const std::vector<std::string>& cells);
  void Add(std::string line);
  const std::vector<std::string_view>& lines() const { return lines_; }

 private:
  std::vector<std::string_view> lines_;
  std::deque<std::string> made_;  // never moves what it holds
};

// Converts `database` with kovrant's table writer and compares its rows
// with `expected` cell by cell and exactly, the spelling of numbers alone
// excepted (SameCell). Throws Refusal (naming `table_file` and the first
// cell that differs, or the database's failure) when they differ: the
// rebuilt database would not show the table. `typed` is the table as read,
// for the cells' offsets.
//
// `shown_otherwise`, when given, is asked once for each row whose line
// differs from the expected one, in row order, for the line it must show
// after all: pack expects every row as typed and works out what a row will
// show only where it shows otherwise.
//
// The database may be held in pieces, which are read one after the other.
using ShownOtherwise = std::function<std::string_view(std::size_t row)>;
void ProveTable(std::span<const std::string_view> database, const ExpectedTable& expected,
                char locale_separator, const std::string& table_file, const TableText& typed,
                const ShownOtherwise& shown_otherwise = {});
inline void ProveTable(std::string_view database, const ExpectedTable& expected,
                       char locale_separator, const std::string& table_file, const TableText& typed,
                       const ShownOtherwise& shown_otherwise = {}) {
  ProveTable(std::span(&database, 1), expected, locale_separator, table_file, typed,
             shown_otherwise);
}

}  // namespace kovrant::tool
