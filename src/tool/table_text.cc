#include "tool/table_text.h"

#include "table/field_schema.h"
#include "tool/refusal.h"

namespace kovrant::tool {
namespace {

TableLine SplitLine(std::string_view bytes, std::size_t begin, std::size_t end) {
  TableLine line;
  line.offset = static_cast<std::int64_t>(begin);
  ForEachCell(bytes.substr(begin, end - begin), [&](std::size_t from, std::size_t to) {
    line.cells.push_back(TableCell{std::string(bytes.substr(begin + from, to - from)),
                                   static_cast<std::int64_t>(begin + from)});
  });
  return line;
}

}  // namespace

const std::vector<std::string>& HeaderCells() {
  static const std::vector<std::string> cells(kColumnNames.begin(), kColumnNames.end());
  return cells;
}

void DropPadding(TableLine& line, std::size_t keep) {
  while (line.cells.size() > keep && line.cells.back().text.empty()) line.cells.pop_back();
}

TableText ReadTableText(std::string_view bytes, const std::string& file) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF" || bytes.substr(0, 2) == "\xFF\xFE" ||
      bytes.substr(0, 2) == "\xFE\xFF") {
    throw Refusal(file, 0,
                  "the table starts with a byte-order mark, which kovrant never writes; save it "
                  "without one (and in the texts' original encoding)");
  }
  TableText table;
  table.size = static_cast<std::int64_t>(bytes.size());
  std::vector<TableLine> lines;
  std::size_t begin = 0;
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
