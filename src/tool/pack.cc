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
    std::string shown;
    for (std::size_t r = 0; r < table_.rows.size(); ++r) {
      TableLine line = table_.rows[r];
      DropPadding(line, kCells);
      const std::string_view typed = table_.LineBytes(line);
      const RowFields built =
          BuildRowFields(std::move(line), 0, RowSource{options_.table, r + 1, separator_}, notes_);
      AppendPrototype(built.fields, database);
      // A row that will show as typed is a view of the table read.
      shown.clear();
      AppendTableRow(built.shown, shown);
      shown.resize(shown.size() - 2);
      if (typed == shown) {
        expected_.Keep(typed);
      } else {
        expected_.Add(built.shown);
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

  const std::vector<std::string>& notes() const { return notes_; }
  // The table the database must show (cells as kovrant will show them).
  const ExpectedTable& expected() const { return expected_; }

 private:
  static constexpr std::size_t kCells = 8;
  static constexpr std::size_t kHeaderRoom = 10;  // two tags, two four-byte lengths

  const PackOptions& options_;
  const char separator_;
  const TableText& table_;
  std::vector<std::string> notes_;
  ExpectedTable expected_;
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
  ProveTable(database, packer.expected(), options.decimal_separator, options.table, table);
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
