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
#include <deque>
#include <memory>
#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrant::tool {

// What a table's UTF-8 byte-order mark gets.
enum class Utf8Mark {
  kRefused,            // refused, saying that --encoding utf-8 reads the table
  kRefusedNoEncoding,  // refused, for a command that takes no --encoding
  kAllowed,            // passed over: the table is read as UTF-8
};

// A cell's text: a view of the bytes its table holds, which converts to
// std::string where one is needed.
class CellText : public std::string_view {
 public:
  using std::string_view::basic_string_view;
  CellText(std::string_view view) : std::string_view(view) {}  // NOLINT: implicit
  operator std::string() const { return std::string(data(), size()); }
};

struct TableCell {
  CellText text;            // a view of TableText::bytes or of a stored text
  std::int64_t offset = 0;  // of its first byte in the file
};

// The cells of a table read are kept in one block of memory of the table's
// (a line copied keeps its own).
struct TableLine {
  std::pmr::vector<TableCell> cells;
  std::int64_t offset = 0;
};

// The cells view the file's bytes, which the table holds (a million cells
// cost no more than their views). A table is moved, never copied: moving
// keeps every view valid.
struct TableText {
 private:
  // Where the lines' cells are: released all at once, after the lines.
  std::unique_ptr<std::pmr::monotonic_buffer_resource> cell_memory_;

 public:
  TableText() = default;
  TableText(TableText&&) = default;
  TableText& operator=(TableText&& other) noexcept {
    // The lines first, while the memory of their cells is still there.
    rows = std::move(other.rows);
    size = other.size;
    bytes_ = std::move(other.bytes_);
    stored_ = std::move(other.stored_);
    cell_memory_ = std::move(other.cell_memory_);
    return *this;
  }
  TableText(const TableText&) = delete;
  TableText& operator=(const TableText&) = delete;

  std::vector<TableLine> rows;  // the lines after the header
  std::int64_t size = 0;        // of the whole file

  // The bytes of `line` from its first cell to its last as the file holds
  // them, when its cells view them (not for a table read from a workbook,
  // nor for cells decoded).
  std::optional<std::string_view> LineBytes(const TableLine& line) const;

  // Keeps `text` with the table (a cell rewritten, as when decoded) and
  // returns the view for its cell.
  CellText Store(std::string text) { return CellText(stored_.emplace_back(std::move(text))); }

 private:
  friend TableText ReadTableText(std::string bytes, const std::string& file, Utf8Mark utf8_mark);
  std::unique_ptr<const std::string> bytes_;
  std::deque<std::string> stored_;  // a deque never moves what it holds
};

// Splits the file's bytes and checks the header (empty cells after its
// eight, from a spreadsheet's padding, are ignored). Refuses (Refusal naming
// `file`) a byte-order mark (but the UTF-8 one where `utf8_mark` allows it),
// lines ended by CR alone, a header in quotes and any other header.
TableText ReadTableText(std::string bytes, const std::string& file,
                        Utf8Mark utf8_mark = Utf8Mark::kRefused);

// Where the line of `bytes` that starts at `begin` ends: its last byte
// (lines end in LF or CR LF, the last one may have no end) and where the
// next one starts.
struct TableLineSpan {
  std::size_t end = 0, next = 0;
};
TableLineSpan LineAt(std::string_view bytes, std::size_t begin);

// The cells of the line of `bytes` from `begin` to `end` (its line end
// left out), in `cells`: views of `bytes`, each with its offset there.
void SplitCells(std::string_view bytes, std::size_t begin, std::size_t end,
                std::pmr::vector<TableCell>& cells);

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
