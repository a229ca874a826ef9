#include "tool/table_text.h"

#include <algorithm>

#include "table/field_schema.h"
#include "table/table_writer.h"
#include "tool/refusal.h"

namespace kovrant::tool {

void SplitCells(std::string_view bytes, std::size_t begin, std::size_t end,
                std::pmr::vector<TableCell>& cells) {
  cells.clear();
  ForEachCell(bytes.substr(begin, end - begin), [&](std::size_t from, std::size_t to) {
    cells.push_back(
        TableCell{bytes.substr(begin + from, to - from), static_cast<std::int64_t>(begin + from)});
  });
}

TableLineSpan LineAt(std::string_view bytes, std::size_t begin) {
  const std::size_t newline = std::min(bytes.find('\n', begin), bytes.size());
  const bool cr = newline < bytes.size() && newline > begin && bytes[newline - 1] == '\r';
  return {cr ? newline - 1 : newline, newline == bytes.size() ? newline : newline + 1};
}

std::optional<std::string_view> TableText::LineBytes(const TableLine& line) const {
  if (!bytes_ || line.cells.empty()) return std::nullopt;
  for (const TableCell& cell : line.cells) {
    if (cell.offset < 0 || static_cast<std::size_t>(cell.offset) > bytes_->size() ||
        cell.text.data() != bytes_->data() + cell.offset) {
      return std::nullopt;
    }
  }
  const TableCell& last = line.cells.back();
  const auto begin = static_cast<std::size_t>(line.cells.front().offset);
  return std::string_view(*bytes_).substr(
      begin, static_cast<std::size_t>(last.offset) + last.text.size() - begin);
}

const std::vector<std::string>& HeaderCells() {
  static const std::vector<std::string> cells(kColumnNames.begin(), kColumnNames.end());
  return cells;
}

void DropTrailingEmptyLines(TableText& table, std::size_t keep) {
  // A line of TABs alone is a row (a prototype may show only empty cells).
  const auto empty = [](const TableLine& line) {
    return line.cells.size() <= 1 && (line.cells.empty() || line.cells[0].text.empty());
  };
  while (table.rows.size() > keep && empty(table.rows.back())) table.rows.pop_back();
}

std::string ExtraCellsHint(const TableLine& line) {
  bool quotes = false;
  for (const TableCell& cell : line.cells)
    quotes = quotes || cell.text.find('"') != std::string::npos;
  return std::string(quotes ? "the line holds \", which a spreadsheet takes for a text delimiter"
                            : "a spreadsheet that splits at \",\" or \";\" too makes two cells "
                              "of a place x,y") +
         "; import it with Tab as the only separator and no text delimiter";
}

void DropPadding(TableLine& line, std::size_t keep) {
  while (line.cells.size() > keep && line.cells.back().text.empty()) line.cells.pop_back();
}

TableText ReadTableText(std::string owned_bytes, const std::string& file, Utf8Mark mark) {
  TableText table;
  table.bytes_ = std::make_unique<const std::string>(std::move(owned_bytes));
  const std::string_view bytes = *table.bytes_;
  const bool utf8_mark = bytes.substr(0, 3) == "\xEF\xBB\xBF";
  if ((utf8_mark && mark != Utf8Mark::kAllowed) || bytes.substr(0, 2) == "\xFF\xFE" ||
      bytes.substr(0, 2) == "\xFE\xFF") {
    throw Refusal(
        file, 0,
        std::string("the table starts with a byte-order mark, which kovrant never "
                    "writes; save it without one (and in the texts' original "
                    "encoding)") +
            (utf8_mark && mark == Utf8Mark::kRefused ? ", or pass --encoding utf-8" : ""));
  }
  // A CR that ends no CR LF in the first line: lines ended by CR alone
  // (classic Mac OS) would read as one long line.
  const std::size_t first_end = std::min(bytes.find('\n'), bytes.size());
  const std::size_t cr = bytes.substr(0, first_end).find('\r');
  if (cr != std::string_view::npos && cr + 1 != first_end) {
    throw Refusal(file, static_cast<std::int64_t>(cr),
                  "the table's lines end in CR alone: save it with Windows (CR LF) or Unix (LF) "
                  "line ends");
  }
  table.size = static_cast<std::int64_t>(bytes.size());
  std::vector<TableLine> lines;
  std::size_t line_ends = 0;
  for (std::size_t at = bytes.find('\n'); at != std::string_view::npos;
       at = bytes.find('\n', at + 1)) {
    ++line_ends;
  }
  lines.reserve(line_ends + 1);
  // Room for eight cells a line at first, in one block, but never more than
  // twice the file's size (a file of empty lines has a cell a byte); the
  // block grows as it must.
  table.cell_memory_ = std::make_unique<std::pmr::monotonic_buffer_resource>(
      std::min((line_ends + 1) * 8 * sizeof(TableCell), 2 * bytes.size() + 4096));
  // The line's cells are gathered in `cells` (kept from line to line) and
  // then copied into the table's memory at their exact size.
  std::pmr::vector<TableCell> cells;
  std::size_t begin = utf8_mark ? 3 : 0;  // offsets stay those of the file
  while (begin < bytes.size()) {
    const auto [end, next] = LineAt(bytes, begin);
    SplitCells(bytes, begin, end, cells);
    lines.push_back(
        TableLine{std::pmr::vector<TableCell>(cells.begin(), cells.end(), table.cell_memory_.get()),
                  static_cast<std::int64_t>(begin)});
    begin = next;
  }
  if (lines.empty()) throw Refusal(file, 0, "the table is empty: it has no header line");
  TableLine header = lines.front();
  DropPadding(header, HeaderCells().size());
  bool same = header.cells.size() == HeaderCells().size();
  for (std::size_t i = 0; same && i < header.cells.size(); ++i) {
    same = header.cells[i].text == HeaderCells()[i];
  }
  bool quoted = header.cells.size() == HeaderCells().size();
  for (std::size_t i = 0; quoted && i < header.cells.size(); ++i) {
    quoted = header.cells[i].text == std::string_view('"' + HeaderCells()[i] + '"');
  }
  if (quoted) {
    throw Refusal(file, 0,
                  "the table's cells are in quotes (\"Name\"), which kovrant never writes: save "
                  "it with no text delimiter and Tab as the only separator");
  }
  if (!same) {
    throw Refusal(file, 0,
                  "line 1 is not the header kovrant writes (Name, Place1, Place2, Scale, "
                  "Switch Time, Material, Switch Sound, Lever Description, separated by TAB)");
  }
  // Moved, not copied: a table's cells are most of what apply holds.
  lines.erase(lines.begin());
  table.rows = std::move(lines);
  return table;
}

}  // namespace kovrant::tool
