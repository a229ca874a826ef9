#include "tool/table_text.h"

#include <algorithm>

#include "table/table_writer.h"
#include "tool/refusal.h"

namespace kovrant::tool {
namespace {

TableLine SplitLine(std::string_view bytes, std::size_t begin, std::size_t end) {
  TableLine line;
  line.offset = static_cast<std::int64_t>(begin);
  std::size_t cell = begin;
  for (std::size_t i = begin;; ++i) {
    if (i == end || bytes[i] == '\t') {
      line.cells.push_back(
          TableCell{std::string(bytes.substr(cell, i - cell)), static_cast<std::int64_t>(cell)});
      if (i == end) break;
      cell = i + 1;
    }
  }
  return line;
}

}  // namespace

const std::vector<std::string>& HeaderCells() {
  static const std::vector<std::string> cells = [] {
    std::vector<std::string> names;
    const std::string_view header = kHeaderRow;
    std::size_t start = 0;
    for (std::size_t tab; (tab = header.find('\t', start)) != std::string_view::npos;
         start = tab + 1) {
      names.emplace_back(header.substr(start, tab - start));
    }
    names.emplace_back(header.substr(start));
    return names;
  }();
  return cells;
}

void DropTrailingEmptyLines(TableText& table, std::size_t keep) {
  const auto empty = [](const TableLine& line) {
    for (const TableCell& cell : line.cells) {
      if (!cell.text.empty()) return false;
    }
    return true;
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

TableText ReadTableText(std::string_view bytes, const std::string& file, bool utf8_mark_allowed) {
  const bool utf8_mark = bytes.substr(0, 3) == "\xEF\xBB\xBF";
  if ((utf8_mark && !utf8_mark_allowed) || bytes.substr(0, 2) == "\xFF\xFE" ||
      bytes.substr(0, 2) == "\xFE\xFF") {
    throw Refusal(file, 0,
                  std::string("the table starts with a byte-order mark, which kovrant never "
                              "writes; save it without one (and in the texts' original "
                              "encoding)") +
                      (utf8_mark ? ", or pass --encoding utf-8" : ""));
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
  TableText table;
  table.size = static_cast<std::int64_t>(bytes.size());
  std::vector<TableLine> lines;
  std::size_t begin = utf8_mark ? 3 : 0;  // offsets stay those of the file
  while (begin < bytes.size()) {
    std::size_t newline = bytes.find('\n', begin);
    const std::size_t next = newline == std::string_view::npos ? bytes.size() : newline + 1;
    std::size_t end = newline == std::string_view::npos ? bytes.size() : newline;
    if (newline != std::string_view::npos && end > begin && bytes[end - 1] == '\r') --end;
    lines.push_back(SplitLine(bytes, begin, end));
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
    quoted = header.cells[i].text == '"' + HeaderCells()[i] + '"';
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
  table.rows.assign(lines.begin() + 1, lines.end());
  return table;
}

}  // namespace kovrant::tool
