#include "tool/diff.h"

#include <ostream>

#include "tool/cell_trace.h"
#include "tool/commands.h"
#include "tool/edit_report.h"
#include "tool/encoding.h"
#include "tool/refusal.h"
#include "tool/row_match.h"
#include "tool/table_text.h"
#include "tool/whole_file.h"

namespace kovrant::tool {
namespace {

std::vector<ShownRow> RowsOfTable(std::string_view bytes, const std::string& file) {
  TableText table = ReadTableText(std::string(bytes), file, Utf8Mark::kRefusedNoEncoding);
  std::vector<ShownRow> rows;
  rows.reserve(table.rows.size());
  for (TableLine& line : table.rows) {
    DropPadding(line, HeaderCells().size());
    ShownRow& row = rows.emplace_back();
    row.reserve(line.cells.size());
    for (const TableCell& cell : line.cells) row.emplace_back(cell.text);
  }
  return rows;
}

std::string RowText(const ShownRow& row) {
  std::string text;
  for (std::size_t c = 0; c < row.size(); ++c) {
    if (c > 0) text += '\t';
    text += row[c];
  }
  return text;
}

std::string RowCount(std::size_t n) { return std::to_string(n) + (n == 1 ? " row" : " rows"); }

int DiffOrRefuse(Platform& platform, const DiffOptions& options, std::ostream& out) {
  const std::vector<ShownRow> old_rows =
      ReadRowsOf(platform, options.old_file, options.decimal_separator);
  if (options.text) {
    out << RowsText(old_rows);
    return 0;
  }
  const std::vector<ShownRow> new_rows =
      ReadRowsOf(platform, options.new_file, options.decimal_separator);
  const TableEdits edits = CompareRows(old_rows, new_rows);
  if (edits.empty()) {
    out << options.old_file << " and " << options.new_file << " show the same "
        << RowCount(new_rows.size()) << "\n";
    return 0;
  }
  PrintEdits(edits, out);
  out << EditCounts(edits) << " (" << RowCount(old_rows.size()) << " in " << options.old_file
      << ", " << RowCount(new_rows.size()) << " in " << options.new_file << ")\n";
  return 1;
}

}  // namespace

bool LooksLikeTable(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    bytes.remove_prefix(3);
  } else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    return true;  // UTF-16 text: the table reader refuses it by name
  }
  return bytes.starts_with(HeaderCells().front() + "\t");
}

std::vector<ShownRow> ReadRowsOf(Platform& platform, const std::string& file, char separator) {
  const std::string bytes = ReadWholeFile(platform, file);
  if (LooksLikeTable(bytes)) return RowsOfTable(bytes, file);
  return RowsOfTable(ConvertDatabase(bytes, separator, file), file);
}

TableEdits CompareRows(const std::vector<ShownRow>& old_rows,
                       const std::vector<ShownRow>& new_rows) {
  std::vector<std::string> old_texts, new_texts;
  for (const ShownRow& row : old_rows) old_texts.push_back(RowText(row));
  for (const ShownRow& row : new_rows) new_texts.push_back(RowText(row));
  return DescribeEdits(
      PairRows({old_texts.begin(), old_texts.end()}, {new_texts.begin(), new_texts.end()}),
      old_rows, new_rows);
}

std::string RowsText(const std::vector<ShownRow>& rows) {
  std::string text = RowText(HeaderCells()) + "\n";
  for (const ShownRow& row : rows) text += Windows1252ToUtf8(RowText(row)) + "\n";
  return text;
}

int Diff(Platform& platform, const DiffOptions& options, std::ostream& out, std::ostream& err) {
  try {
    return DiffOrRefuse(platform, options, out);
  } catch (const Refusal& refusal) {
    err << FormatFinding(refusal.file(), refusal.offset(), "error", refusal.what());
    return 2;
  }
}

}  // namespace kovrant::tool
