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
    std::string prototypes;
    for (std::size_t r = 0; r < table_.rows.size(); ++r) {
      TableLine line = table_.rows[r];
      DropPadding(line, kCells);
      RowFields built =
          BuildRowFields(line, 0, RowSource{options_.table, r + 1, separator_}, notes_);
      prototypes += EncodePrototype(built.fields);
      expected_.push_back(std::move(built.shown));
    }
    return EncodeRecord(1, EncodeRecord(0, prototypes, true), true);
  }

  const std::vector<std::string>& notes() const { return notes_; }
  const std::vector<std::vector<std::string>>& expected() const { return expected_; }

 private:
  static constexpr std::size_t kCells = 8;

  const PackOptions& options_;
  const char separator_;
  const TableText& table_;
  std::vector<std::string> notes_;
  std::vector<std::vector<std::string>> expected_;
};

int PackOrRefuse(Platform& platform, const PackOptions& options, std::ostream& out) {
  RefuseTableAsOutput(platform, options.table, options.output);
  CheckReplaceable(platform, options.output);
  const std::string table_bytes = ReadWholeFile(platform, options.table);
  const bool workbook = IsWorkbookFile(table_bytes);
  TableText table = workbook ? ReadAnyTable(table_bytes, options.table)
                             : ReadTableText(table_bytes, options.table,
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
