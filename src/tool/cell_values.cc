#include "tool/cell_values.h"

#include "io/failure.h"
#include "table/field_schema.h"
#include "tool/cell_trace.h"
#include "tool/conversion_trace.h"
#include "tool/edit_report.h"
#include "tool/refusal.h"
#include "tool/table_text.h"

namespace kovrant::tool {
namespace {

[[noreturn]] void Refuse(const CellPlace& place, const std::string& message) {
  throw Refusal(std::string(place.file), place.offset, place.label() + ": " + message);
}

std::string Quoted(std::string_view text) { return QuotedCell(text); }

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

CellNumber TypedNumber(std::string_view text, char separator, const CellPlace& place) {
  auto number = ParseCellNumber(text, separator);
  if (!number) {
    const std::string dot(1, separator);
    Refuse(place, Quoted(text) + " is not a number: write it as kovrant does, with \"" + dot +
                      "\" as the decimal separator (e.g. 0" + dot +
                      "45) and no thousands separators or units");
  }
  return std::move(*number);
}

std::uint32_t TypedScale(std::string_view text, char separator, const CellPlace& place) {
  if (text.empty()) return kFloatOneBits;
  if (const auto plain = ReadPlainDecimal(text, separator)) return PlainFloat32(*plain);
  const CellNumber number = TypedNumber(text, separator, place);
  if (number.kind == CellNumber::Kind::kNaN) {
    Refuse(place, "NAN cannot be stored as a scale (kovrant fails on a NaN scale)");
  }
  return TypedFloat(number, place);
}

std::int32_t TypedTicks(std::string_view text, char separator, const CellPlace& place) {
  if (const auto plain = ReadPlainDecimal(text, separator)) {
    if (const auto ticks = PlainTicks(*plain)) return *ticks;
  }
  const CellNumber number = TypedNumber(text, separator, place);
  const auto ticks = SecondsToTicks(number);
  if (!ticks) {
    Refuse(place,
           Quoted(text) + " seconds is outside the range of switch times (32-bit ticks of 1/15 s)");
  }
  return *ticks;
}

TypedPlace TypedPlaceCell(std::string_view text, char separator, const CellPlace& place) {
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

std::optional<PlainPlace> ReadPlainPlace(std::string_view text, char separator) {
  if (text.empty()) return PlainPlace{};
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const auto x = ReadPlainDecimal(text.substr(0, comma), separator);
  const auto y = ReadPlainDecimal(text.substr(comma + 1), separator);
  if (!x || !y) return std::nullopt;
  return PlainPlace{true, PlainFloat32(*x), PlainFloat32(*y)};
}

std::uint32_t TypedFloat(const CellNumber& number, const CellPlace& place) {
  const auto bits = NearestFloat32(number);
  if (!bits) Refuse(place, "a number is beyond the range of 32-bit floats");
  return *bits;
}

bool SameNumber(std::string_view a, std::string_view b, char separator) {
  const auto x = ParseCellNumber(a, separator);
  const auto y = ParseCellNumber(b, separator);
  return x && y && *x == *y;
}

std::string PrecisionNote(const CellPlace& place, std::string_view typed, std::string_view shown,
                          std::string_view stored_as, char separator, const char* unit) {
  if (typed == shown || SameNumber(typed, shown, separator)) return "";
  return place.label() + ": " + std::string(typed) + unit + " stored as " + std::string(stored_as) +
         ", reads " + (shown.empty() ? std::string("as an empty cell") : std::string(shown));
}

std::string TicksNote(const CellPlace& place, std::string_view typed, std::string_view shown,
                      std::int32_t ticks, char separator) {
  if (typed == shown || SameNumber(typed, shown, separator)) return "";
  return PrecisionNote(place, typed, shown, std::to_string(ticks) + " ticks", separator, " s");
}

bool SameCell(std::string_view a, std::string_view b, char separator) {
  if (a == b) return true;
  const std::size_t comma = a.find(',');
  const std::size_t other = b.find(',');
  if (comma == std::string::npos) return other == std::string::npos && SameNumber(a, b, separator);
  return other != std::string::npos &&
         SameNumber(a.substr(0, comma), b.substr(0, other), separator) &&
         SameNumber(a.substr(comma + 1), b.substr(other + 1), separator);
}

void AppendTableRow(const std::vector<std::string>& cells, std::string& bytes) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) bytes += '\t';
    bytes += cells[i];
  }
  bytes += "\r\n";
}

std::string TableBytes(const std::vector<std::vector<std::string>>& rows) {
  std::string bytes = kHeaderRow;
  bytes += "\r\n";
  for (const auto& row : rows) AppendTableRow(row, bytes);
  return bytes;
}

namespace {

std::vector<std::string_view> CellsOf(std::string_view line) {
  std::vector<std::string_view> cells;
  ForEachCell(line, [&](std::size_t from, std::size_t to) {
    cells.push_back(line.substr(from, to - from));
  });
  return cells;
}

}  // namespace

void ExpectedTable::Add(const std::vector<std::string>& cells) {
  std::string& line = made_.emplace_back();
  AppendTableRow(cells, line);
  line.resize(line.size() - 2);  // the CR LF
  lines_.push_back(line);
}

void ExpectedTable::Add(std::string line) { lines_.push_back(made_.emplace_back(std::move(line))); }

void ProveTable(std::span<const std::string_view> database, const ExpectedTable& expected,
                char locale_separator, const std::string& table_file, const TableText& typed,
                const ShownOtherwise& shown_otherwise) {
  const char separator = TableSeparator(locale_separator);
  const std::vector<std::string_view>& wanted = expected.lines();
  // The rebuilt table is compared line by line as the writer writes it
  // (nothing of it is kept); the first difference is refused once the
  // conversion has ended, since a failing conversion is said first.
  std::string first_difference;
  std::int64_t difference_offset = kNoOffset;
  std::size_t r = 0;  // the line, 0 the header
  const auto line_offset = [&](std::size_t row) {
    return row < typed.rows.size() ? typed.rows[row].offset : kNoOffset;
  };
  const auto compare = [&](std::string_view got_line) {
    const std::size_t row = r - 1;
    if (r++ == 0 || !first_difference.empty()) return;
    if (row >= wanted.size()) {
      first_difference = "row " + std::to_string(row + 1) +
                         ": the rebuilt database would not show this row; nothing was written";
      difference_offset = line_offset(row);
      return;
    }
    if (wanted[row] == got_line) return;
    const std::string_view want_line = shown_otherwise ? shown_otherwise(row) : wanted[row];
    if (want_line == got_line) return;
    const auto want = CellsOf(want_line);
    const auto got = CellsOf(got_line);
    for (std::size_t c = 0; c < want.size() || c < got.size(); ++c) {
      const std::string_view a = c < want.size() ? want[c] : "(no cell)";
      const std::string_view b = c < got.size() ? got[c] : "(no cell)";
      if (SameCell(a, b, separator)) continue;
      first_difference = CellLabel(row + 1, c) + ": the rebuilt database would show " + Quoted(b) +
                         " here, not " + Quoted(a) + "; nothing was written";
      difference_offset = row < typed.rows.size() && c < typed.rows[row].cells.size()
                              ? typed.rows[row].cells[c].offset
                              : line_offset(row);
      return;
    }
  };
  // Pieces come as the writer's blocks: a line may span two (or more).
  TableLines lines(compare);
  const TableSink sink = [&](std::string_view piece) { lines.Add(piece); };
  try {
    ConvertBytes(database, locale_separator, sink);
  } catch (const Failure& failure) {
    throw Refusal(table_file, kNoOffset,
                  "the rebuilt database would not convert: kovrant cannot convert it (" +
                      failure.Message() + "); nothing was written");
  }
  lines.Finish();
  if (first_difference.empty() && r - 1 < wanted.size()) {
    first_difference = "row " + std::to_string(r) +
                       ": the rebuilt database would not show this row; nothing was written";
    difference_offset = line_offset(r - 1);
  }
  if (!first_difference.empty()) throw Refusal(table_file, difference_offset, first_difference);
}

}  // namespace kovrant::tool
