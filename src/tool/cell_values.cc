#include "tool/cell_values.h"

#include "table/field_schema.h"
#include "tool/cell_trace.h"
#include "tool/refusal.h"
#include "tool/table_text.h"

namespace kovrant::tool {
namespace {

[[noreturn]] void Refuse(const CellPlace& place, const std::string& message) {
  throw Refusal(place.file, place.offset, place.label + ": " + message);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

std::vector<std::vector<std::string>> SplitTable(const std::string& bytes) {
  std::vector<std::vector<std::string>> rows;
  std::size_t begin = 0;
  while (begin < bytes.size()) {
    std::size_t end = bytes.find("\r\n", begin);
    if (end == std::string::npos) end = bytes.size();
    std::vector<std::string> cells;
    ForEachCell(std::string_view(bytes).substr(begin, end - begin),
                [&](std::size_t from, std::size_t to) {
                  cells.push_back(bytes.substr(begin + from, to - from));
                });
    rows.push_back(std::move(cells));
    begin = end + 2;
  }
  return rows;
}

std::string CellLabel(std::size_t row, std::size_t cell) {
  const auto& header = HeaderCells();
  return "row " + std::to_string(row) + ", " +
         (cell < header.size() ? header[cell] : "column " + std::to_string(cell + 1));
}

CellNumber TypedNumber(const std::string& text, char separator, const CellPlace& place) {
  const auto number = ParseCellNumber(text, separator);
  if (!number) {
    const std::string dot(1, separator);
    Refuse(place, Quoted(text) + " is not a number: write it as kovrant does, with \"" + dot +
                      "\" as the decimal separator (e.g. 0" + dot +
                      "45) and no thousands separators or units");
  }
  return *number;
}

std::uint32_t TypedScale(const std::string& text, char separator, const CellPlace& place) {
  if (text.empty()) return kFloatOneBits;
  const CellNumber number = TypedNumber(text, separator, place);
  if (number.kind == CellNumber::Kind::kNaN) {
    Refuse(place, "NAN cannot be stored as a scale (kovrant fails on a NaN scale)");
  }
  return TypedFloat(number, place);
}

std::int32_t TypedTicks(const std::string& text, char separator, const CellPlace& place) {
  const CellNumber number = TypedNumber(text, separator, place);
  const auto ticks = SecondsToTicks(number);
  if (!ticks) {
    Refuse(place,
           Quoted(text) + " seconds is outside the range of switch times (32-bit ticks of 1/15 s)");
  }
  return *ticks;
}

TypedPlace TypedPlaceCell(const std::string& text, char separator, const CellPlace& place) {
  TypedPlace typed;
  if (text.empty()) return typed;
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos || text.find(',', comma + 1) != std::string::npos) {
    Refuse(place, Quoted(text) + " is not a place (two numbers x,y, with \"" +
                      std::string(1, separator) + "\" as the decimal separator)");
  }
  typed.present = true;
  typed.x = TypedNumber(text.substr(0, comma), separator, place);
  typed.y = TypedNumber(text.substr(comma + 1), separator, place);
  return typed;
}

std::uint32_t TypedFloat(const CellNumber& number, const CellPlace& place) {
  const auto bits = NearestFloat32(number);
  if (!bits) Refuse(place, "a number is beyond the range of 32-bit floats");
  return *bits;
}

bool SameNumber(const std::string& a, const std::string& b, char separator) {
  const auto x = ParseCellNumber(a, separator);
  const auto y = ParseCellNumber(b, separator);
  return x && y && *x == *y;
}

std::string PrecisionNote(const CellPlace& place, const std::string& typed,
                          const std::string& shown, const std::string& stored_as, char separator,
                          const char* unit) {
  if (typed == shown || SameNumber(typed, shown, separator)) return "";
  return place.label + ": " + typed + unit + " stored as " + stored_as + ", reads " +
         (shown.empty() ? "as an empty cell" : shown);
}

bool SameCell(const std::string& a, const std::string& b, char separator) {
  if (a == b) return true;
  const std::size_t comma = a.find(',');
  const std::size_t other = b.find(',');
  if (comma == std::string::npos) return other == std::string::npos && SameNumber(a, b, separator);
  return other != std::string::npos &&
         SameNumber(a.substr(0, comma), b.substr(0, other), separator) &&
         SameNumber(a.substr(comma + 1), b.substr(other + 1), separator);
}

std::string TableBytes(const std::vector<std::vector<std::string>>& rows) {
  std::string bytes = kHeaderRow;
  bytes += "\r\n";
  for (const auto& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) bytes += '\t';
      bytes += row[i];
    }
    bytes += "\r\n";
  }
  return bytes;
}

void ProveTable(const std::string& database, const std::vector<std::vector<std::string>>& expected,
                char locale_separator, const std::string& table_file, const TableText& typed) {
  std::string table;
  try {
    table = ConvertDatabase(database, locale_separator, "the rebuilt database");
  } catch (const Refusal& refusal) {
    throw Refusal(table_file, kNoOffset,
                  std::string("the rebuilt database would not convert: ") + refusal.what() +
                      "; nothing was written");
  }
  const char separator = TableSeparator(locale_separator);
  const auto got = SplitTable(table);
  for (std::size_t r = 1; r <= expected.size() || r < got.size(); ++r) {
    const std::size_t row = r - 1;
    const std::int64_t line_offset = row < typed.rows.size() ? typed.rows[row].offset : kNoOffset;
    if (r >= got.size() || r > expected.size()) {
      throw Refusal(table_file, line_offset,
                    "row " + std::to_string(r) +
                        ": the rebuilt database would not show this row; nothing was written");
    }
    const std::vector<std::string>& want = expected[row];
    for (std::size_t c = 0; c < want.size() || c < got[r].size(); ++c) {
      const std::string a = c < want.size() ? want[c] : "(no cell)";
      const std::string b = c < got[r].size() ? got[r][c] : "(no cell)";
      if (SameCell(a, b, separator)) continue;
      const std::int64_t offset = row < typed.rows.size() && c < typed.rows[row].cells.size()
                                      ? typed.rows[row].cells[c].offset
                                      : line_offset;
      throw Refusal(table_file, offset,
                    CellLabel(r, c) + ": the rebuilt database would show " + Quoted(b) +
                        " here, not " + Quoted(a) + "; nothing was written");
    }
  }
}

}  // namespace kovrant::tool
