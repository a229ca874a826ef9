#include "tool/cell_values.h"

#include "table/table_writer.h"
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
    std::size_t cell = begin;
    for (std::size_t i = begin;; ++i) {
      if (i == end || bytes[i] == '\t') {
        cells.push_back(bytes.substr(cell, i - cell));
        if (i == end) break;
        cell = i + 1;
      }
    }
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
  if (!number) Refuse(place, Quoted(text) + " is not a number");
  return *number;
}

std::uint32_t TypedScale(const std::string& text, char separator, const CellPlace& place) {
  if (text.empty()) return 0x3F800000u;
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
    Refuse(place, Quoted(text) + " is not a place (two numbers x,y)");
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

void ProveTable(const std::string& database, const std::string& expected, char locale_separator,
                const std::string& table_file, const TableText& typed) {
  std::string table;
  try {
    table = ConvertDatabase(database, locale_separator, "the rebuilt database");
  } catch (const Refusal& refusal) {
    throw Refusal(table_file, kNoOffset,
                  std::string("the rebuilt database would not convert: ") + refusal.what() +
                      "; nothing was written");
  }
  if (table == expected) return;
  const auto got = SplitTable(table);
  const auto want = SplitTable(expected);
  for (std::size_t r = 1; r < want.size() || r < got.size(); ++r) {
    const std::size_t row = r - 1;
    const std::int64_t line_offset = row < typed.rows.size() ? typed.rows[row].offset : kNoOffset;
    if (r >= got.size() || r >= want.size()) {
      throw Refusal(table_file, line_offset,
                    "row " + std::to_string(r) +
                        ": the rebuilt database would not show this row; nothing was written");
    }
    for (std::size_t c = 0; c < want[r].size() || c < got[r].size(); ++c) {
      const std::string a = c < want[r].size() ? want[r][c] : "(no cell)";
      const std::string b = c < got[r].size() ? got[r][c] : "(no cell)";
      if (a == b) continue;
      const std::int64_t offset = row < typed.rows.size() && c < typed.rows[row].cells.size()
                                      ? typed.rows[row].cells[c].offset
                                      : line_offset;
      throw Refusal(table_file, offset,
                    CellLabel(r, c) + ": the rebuilt database would show " + Quoted(b) +
                        " here, not " + Quoted(a) + "; nothing was written");
    }
  }
  throw Refusal(table_file, kNoOffset,
                "the rebuilt database would not show the table; nothing was written");
}

}  // namespace kovrant::tool
