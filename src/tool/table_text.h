// Reading LeverPrototypes.txt back: the table as kovrant writes it, after a
// spreadsheet or a text editor had it.
//
// Lines end in CR LF (kovrant) or LF (many editors); the last line may lack
// its end. Cells are separated by TAB; there is no quoting, so a cell holds
// any byte but TAB, CR and LF. The first line is the header. A byte-order
// mark is refused: kovrant never writes one, and a spreadsheet that adds it
// has likely re-encoded the texts too, whose bytes go into the database as
// they are; only a table read as UTF-8 may start with UTF-8's.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kovrant::tool {

struct TableCell {
  std::string text;
  std::int64_t offset = 0;  // of its first byte in the file
};

struct TableLine {
  std::vector<TableCell> cells;
  std::int64_t offset = 0;
};

struct TableText {
  std::vector<TableLine> rows;  // the lines after the header
  std::int64_t size = 0;        // of the whole file
};

// Splits the file's bytes and checks the header (empty cells after its
// eight, from a spreadsheet's padding, are ignored). Refuses (Refusal naming
// `file`) a byte-order mark (but the UTF-8 one where `utf8_mark_allowed`:
// a table read as UTF-8), lines ended by CR alone, a header in quotes and
// any other header.
TableText ReadTableText(std::string_view bytes, const std::string& file,
                        bool utf8_mark_allowed = false);

// Drops the empty cells at the end of `line` beyond its first `keep`: the
// padding a spreadsheet adds to short rows.
void DropPadding(TableLine& line, std::size_t keep);

// Drops the lines at the end of the table beyond its first `keep` rows
// whose cells are all empty (a spreadsheet's or editor's trailing lines).
void DropTrailingEmptyLines(TableText& table, std::size_t keep);

// What a row holding more cells than kovrant writes tells about how the
// table was imported, and what to do, for the end of a message.
std::string ExtraCellsHint(const TableLine& line);

// The header kovrant writes, as cells.
const std::vector<std::string>& HeaderCells();

}  // namespace kovrant::tool
