// ldbtool pack TABLE -o OUT: a new database made from a table alone.
//
// One first-level record with tag 1 holds one second-level record, which
// holds one prototype per row, with the fields that make its cells in type
// order (row_prototype.h): a row with fewer than eight cells, as kovrant
// writes for a prototype whose last fields are missing, gets only the
// fields of its cells, so that kovrant shows the table that was packed.
// Lengths take the one-byte form where they fit. The result is converted
// again in memory and must show the table (numbers as they will read)
// before it is written.
#include <ostream>

#include "ldb/packed_length.h"

#include "tool/cell_values.h"
#include "tool/commands.h"
#include "tool/database_edit.h"
#include "tool/refusal.h"
#include "tool/row_prototype.h"
#include "tool/sheet_read.h"
#include "tool/table_encoding.h"
#include "tool/table_text.h"
#include "tool/whole_file.h"

namespace kovrant::tool {
namespace {

// One first-level record with tag 1 holding one second-level record, which
// holds one prototype per row (row_prototype.h).
class Packer {
 public:
  Packer(const PackOptions& options, const TableText& table)
      : options_(options), separator_(TableSeparator(options.decimal_separator)), table_(table) {}

  std::string Run() {
    // The prototypes are written after room for the two records' headers,
    // which are filled in once the length is known: the database is built
    // in its one string.
    std::string database(kHeaderRoom, '\0');
    // Beyond what it will hold: pages never written are never taken.
    database.reserve(2 * static_cast<std::size_t>(table_.size) + 4096);
    // Every row is expected to show as typed, which the rows of a table
    // kovrant wrote do; what a row will show instead is worked out only
    // for the rows the proof finds showing otherwise (ShownOtherwise), and
    // only those can have notes, which are all about a number that shows
    // otherwise than typed.
    std::string records;
    for (std::size_t r = 0; r < table_.rows.size(); ++r) {
      const TableLine& line = table_.rows[r];
      if (line.cells.size() > kCells) {
        TableLine dropped = line;
        DropPadding(dropped, kCells);
        Append(dropped, r, records, database);
      } else {
        Append(line, r, records, database);
      }
    }
    const auto body = static_cast<std::int64_t>(database.size() - kHeaderRoom);
    std::string headers(1, '\1');
    AppendPackedLength(headers, 1 + PackedLengthSize(body, true) + body, true);
    headers += '\0';
    AppendPackedLength(headers, body, true);
    database.replace(0, kHeaderRoom, headers);
    return database;
  }

  // The line row `r` (from 0) shows: as typed, or as its fields show it,
  // with the notes on its numbers.
  std::string_view ShownOtherwise(std::size_t r) {
    TableLine line = table_.rows[r];
    DropPadding(line, kCells);
    const RowFields built =
        BuildRowFields(line, 0, RowSource{options_.table, r + 1, separator_}, notes_);
    shown_.clear();
    AppendTableRow(built.shown, shown_);
    shown_.resize(shown_.size() - 2);
    return shown_;
  }

  const std::vector<std::string>& notes() const { return notes_; }
  // The table the database must show (cells as kovrant will show them).
  const ExpectedTable& expected() const { return expected_; }

 private:
  void Append(const TableLine& line, std::size_t r, std::string& records, std::string& database) {
    records.clear();
    AppendRowRecords(line, RowSource{options_.table, r + 1, separator_}, records);
    AppendPrototype(records, database);
    if (const auto typed = table_.LineBytes(line)) {
      expected_.Keep(*typed);
      return;
    }
    std::string typed;
    for (const TableCell& cell : line.cells) {
      if (&cell != &line.cells.front()) typed += '\t';
      typed += cell.text;
    }
    expected_.Add(std::move(typed));
  }

  static constexpr std::size_t kCells = 8;
  static constexpr std::size_t kHeaderRoom = 10;  // two tags, two four-byte lengths

  const PackOptions& options_;
  const char separator_;
  const TableText& table_;
  std::vector<std::string> notes_;
  ExpectedTable expected_;
  std::string shown_;
};

int PackOrRefuse(Platform& platform, const PackOptions& options, std::ostream& out) {
  RefuseTableAsOutput(platform, options.table, options.output);
  CheckReplaceable(platform, options.output);
  std::string table_bytes = ReadWholeFile(platform, options.table);
  const bool workbook = IsWorkbookFile(table_bytes);
  TableText table = workbook ? ReadAnyTable(std::move(table_bytes), options.table)
                             : ReadTableText(std::move(table_bytes), options.table,
                                             options.encoding == TableEncoding::kUtf8);
  DropTrailingEmptyLines(table, 0);
  if (!workbook) PrepareTableText(table, options.encoding, {}, options.table);
  Packer packer(options, table);
  const std::string database = packer.Run();
  ProveTable(database, packer.expected(), options.decimal_separator, options.table, table,
             [&](std::size_t row) { return packer.ShownOtherwise(row); });
  // An existing file at OUT (perhaps the game's own database) is kept.
  const WriteOutcome outcome =
      WriteFileKeepingBackup(platform, options.output, database, !options.no_backup);
  for (const std::string& note : packer.notes()) out << note << "\n";
  out << "packed " << table.rows.size() << " prototype" << (table.rows.size() == 1 ? "" : "s")
      << " into " << options.output << OutcomeSummary(outcome, options.output, "file it replaced")
      << "\n";
  return 0;
}

}  // namespace

int Pack(Platform& platform, const PackOptions& options, std::ostream& out, std::ostream& err) {
  return ReportingRefusals(err, [&] { return PackOrRefuse(platform, options, out); });
}

}  // namespace kovrant::tool
