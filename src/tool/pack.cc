// ldbtool pack TABLE -o OUT: a new database made from a table alone.
//
// One first-level record with tag 1 holds one second-level record, which
// holds one prototype per row. Each prototype has the fields that make its
// eight cells, in type order: Name (0); a place block (1) only when Place1
// is not empty, then the place count (2, the number of places shown);
// Scale (3, an empty cell is exactly 1.0); Switch Time (4, in ticks);
// Material (5), Switch Sound (6), Lever Description (7). Texts end in a NUL
// as the game's own data does; lengths take the one-byte form where they
// fit. The result is converted again in memory and must show the table
// (numbers as they will read) before it is written.
#include <ostream>

#include "tool/cell_trace.h"
#include "tool/cell_values.h"
#include "tool/commands.h"
#include "tool/database_edit.h"
#include "tool/refusal.h"
#include "tool/sheet_read.h"
#include "tool/table_text.h"
#include "tool/whole_file.h"

namespace kovrant::tool {
namespace {

constexpr std::uint32_t kFloatOne = 0x3F800000;
constexpr std::size_t kCells = 8;

std::string Bytes32(std::uint32_t value) {
  std::string out(4, '\0');
  for (int i = 0; i < 4; ++i) out[i] = static_cast<char>(value >> (8 * i) & 0xFF);
  return out;
}

std::string Field(std::uint8_t type, const std::string& value) {
  return EncodeRecord(type, value, true);
}

class Packer {
 public:
  Packer(const PackOptions& options, const TableText& table)
      : options_(options), separator_(TableSeparator(options.decimal_separator)), table_(table) {}

  std::string Run() {
    std::string prototypes;
    for (std::size_t r = 0; r < table_.rows.size(); ++r) prototypes += Row(r);
    return EncodeRecord(1, EncodeRecord(0, prototypes, true), true);
  }

  const std::vector<std::string>& notes() const { return notes_; }
  const std::vector<std::vector<std::string>>& expected() const { return expected_; }

 private:
  CellPlace Place(const TableLine& line, std::size_t r, std::size_t c) const {
    return CellPlace{options_.table, line.cells[c].offset, CellLabel(r + 1, c)};
  }

  std::string Text(const TableLine& line, std::size_t r, std::size_t c) {
    const std::string& text = line.cells[c].text;
    if (text.find('\r') != std::string::npos) {
      const CellPlace at = Place(line, r, c);
      throw Refusal(at.file, at.offset,
                    at.label + ": a text may not hold CR (it would split the row)");
    }
    return text + '\0';
  }

  void Note(const std::string& note) {
    if (!note.empty()) notes_.push_back(note);
  }

  std::string Row(std::size_t r) {
    TableLine line = table_.rows[r];
    DropPadding(line, kCells);
    if (line.cells.size() != kCells) {
      throw Refusal(options_.table, line.offset,
                    "row " + std::to_string(r + 1) + " has " + std::to_string(line.cells.size()) +
                        " cells; a packed prototype makes eight");
    }
    std::vector<std::string> shown;
    for (const TableCell& cell : line.cells) shown.push_back(cell.text);
    std::string fields = Field(0, Text(line, r, 0));
    const TypedPlace place1 = TypedPlaceCell(line.cells[1].text, separator_, Place(line, r, 1));
    const TypedPlace place2 = TypedPlaceCell(line.cells[2].text, separator_, Place(line, r, 2));
    if (!place1.present && place2.present) {
      const CellPlace at = Place(line, r, 2);
      throw Refusal(at.file, at.offset,
                    at.label + ": a second place needs a first one (Place1 is empty)");
    }
    std::int32_t count = 0;
    if (place1.present) {
      const CellNumber* typed[4] = {&place1.x, &place1.y, &place2.x, &place2.y};
      count = place2.present ? 2 : 1;
      std::string block;
      std::string cells[2];
      for (int i = 0; i < 4; ++i) {
        std::uint32_t bits = 0;
        if (i < 2 * count) {
          const std::size_t c = 1 + static_cast<std::size_t>(i / 2);
          const CellPlace at = Place(line, r, c);
          bits = TypedFloat(*typed[i], at);
          const std::string& text = line.cells[c].text;
          const std::string part =
              i % 2 == 0 ? text.substr(0, text.find(',')) : text.substr(text.find(',') + 1);
          const std::string rendered = RenderFloat32(bits, separator_);
          Note(PrecisionNote(at, part, rendered, "the nearest 32-bit float", separator_));
          cells[i / 2] += (i % 2 == 0 ? "" : ",") + rendered;
        }
        block += Bytes32(bits);
      }
      fields += Field(1, block);
      shown[1] = cells[0];
      shown[2] = cells[1];
    }
    fields += Field(2, Bytes32(static_cast<std::uint32_t>(count)));
    const CellPlace scale_at = Place(line, r, 3);
    const std::uint32_t scale = TypedScale(line.cells[3].text, separator_, scale_at);
    shown[3] = scale == kFloatOne ? "" : RenderFloat32(scale, separator_);
    if (scale == kFloatOne && !line.cells[3].text.empty()) {
      Note(scale_at.label + ": " + line.cells[3].text +
           " stored as 1.0, which reads as an empty cell");
    } else {
      Note(PrecisionNote(scale_at, line.cells[3].text, shown[3], "the nearest 32-bit float",
                         separator_));
    }
    fields += Field(3, Bytes32(scale));
    const CellPlace time_at = Place(line, r, 4);
    const std::int32_t ticks = TypedTicks(line.cells[4].text, separator_, time_at);
    shown[4] = RenderSwitchTime(ticks, separator_);
    Note(PrecisionNote(time_at, line.cells[4].text, shown[4], std::to_string(ticks) + " ticks",
                       separator_, " s"));
    fields += Field(4, Bytes32(static_cast<std::uint32_t>(ticks)));
    for (std::uint8_t type = 5; type <= 7; ++type) fields += Field(type, Text(line, r, type));
    expected_.push_back(shown);
    return EncodeRecord(0, fields, true);
  }

  const PackOptions& options_;
  const char separator_;
  const TableText& table_;
  std::vector<std::string> notes_;
  std::vector<std::vector<std::string>> expected_;
};

int PackOrRefuse(Platform& platform, const PackOptions& options, std::ostream& out) {
  if (platform.SameFile(options.table, options.output)) {
    throw Refusal(options.output, kNoOffset,
                  "the output names the table itself, which the new database would replace");
  }
  const TableText table = ReadAnyTable(ReadWholeFile(platform, options.table), options.table);
  Packer packer(options, table);
  const std::string database = packer.Run();
  ProveTable(database, TableBytes(packer.expected()), options.decimal_separator, options.table,
             table);
  // An existing file at OUT (perhaps the game's own database) is kept.
  const bool keep_backup = FileExists(platform, options.output);
  WriteFileSafely(platform, options.output, database, keep_backup);
  for (const std::string& note : packer.notes()) out << note << "\n";
  out << "packed " << table.rows.size() << " prototype" << (table.rows.size() == 1 ? "" : "s")
      << " into " << options.output;
  if (keep_backup) out << "; the file it replaced is kept as " << options.output << ".bak";
  out << "\n";
  return 0;
}

}  // namespace

int Pack(Platform& platform, const PackOptions& options, std::ostream& out, std::ostream& err) {
  return ReportingRefusals(err, [&] { return PackOrRefuse(platform, options, out); });
}

}  // namespace kovrant::tool
