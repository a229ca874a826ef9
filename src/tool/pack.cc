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
//
// A table as kovrant writes it (the header alone on its first line, eight
// cells or fewer to a row, nothing to decode) is built line by line as its
// lines are met, its cells never all held; any other table, and any table
// with something to refuse, goes the general way, which reads the whole
// table first and says the refusal as it always has.
#include <array>
#include <exception>
#include <optional>
#include <ostream>

#include "ldb/packed_length.h"
#include "table/field_schema.h"

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
  explicit Packer(const PackOptions& options)
      : options_(options), separator_(TableSeparator(options.decimal_separator)) {}

  // The database of `table`'s rows, the general way.
  std::string Run(const TableText& table) {
    table_ = &table;
    std::string database = Begin(table.size);
    // Every row is expected to show as typed, which the rows of a table
    // kovrant wrote do; what a row will show instead is worked out only
    // for the rows the proof finds showing otherwise (ShownOtherwise), and
    // only those can have notes, which are all about a number that shows
    // otherwise than typed.
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
      const TableLine& line = table.rows[r];
      if (line.cells.size() > kCells) {
        TableLine dropped = line;
        DropPadding(dropped, kCells);
        Append(dropped, r, database);
        Expect(dropped);
      } else {
        Append(line, r, database);
        Expect(line);
      }
    }
    Finish(database, 0);
    return database;
  }

  // The database of the table `bytes` the quick way, in two pieces (the
  // file is the one followed by the other), or nothing for a table to go
  // the general way, then with no note or refusal said.
  std::optional<std::array<std::string, 2>> RunQuickly(std::string_view bytes, Platform& platform) {
    const std::string_view header = kHeaderRow;
    std::size_t begin = header.size();
    if (bytes.substr(0, begin) != header) return std::nullopt;
    if (bytes.substr(begin, 2) == "\r\n") {
      begin += 2;
    } else if (bytes.substr(begin, 1) == "\n") {
      begin += 1;
    } else {
      return std::nullopt;
    }
    quick_bytes_ = bytes;
    // Two halves are built at once (where the platform gives a thread),
    // each into a string of its own: copied into one, the second's bytes
    // would cost the time of touching their memory once more.
    const std::size_t middle =
        std::min(bytes.find('\n', begin + (bytes.size() - begin) / 2), bytes.size() - 1) + 1;
    Half first, second;
    first.database = Begin(static_cast<std::int64_t>(bytes.size()));
    second.database.reserve(2 * (bytes.size() - middle));
    platform.RunTogether([&] { BuildLines(begin, middle, first); },
                         [&] { BuildLines(middle, bytes.size(), second); });
    for (const Half* half : {&first, &second}) {
      if (half->failure) std::rethrow_exception(half->failure);
    }
    if (!first.taken || !second.taken) return std::nullopt;
    for (const Half* half : {&first, &second}) {
      for (const std::string_view line : half->lines) expected_.Keep(line);
    }
    Finish(first.database, second.database.size());
    return std::array<std::string, 2>{std::move(first.database), std::move(second.database)};
  }

  // The line row `r` (from 0) shows: as typed, or as its fields show it,
  // with the notes on its numbers.
  std::string_view ShownOtherwise(std::size_t r) {
    TableLine line;
    if (table_ != nullptr) {
      line = table_->rows[r];
      DropPadding(line, kCells);
    } else {
      // The quick way kept the line's bytes alone.
      const std::string_view text = expected_.lines()[r];
      const auto begin = static_cast<std::size_t>(text.data() - quick_bytes_.data());
      SplitCells(quick_bytes_, begin, begin + text.size(), line.cells);
      line.offset = static_cast<std::int64_t>(begin);
    }
    const RowFields built =
        BuildRowFields(line, 0, RowSource{options_.table, r + 1, separator_}, notes_);
    shown_.clear();
    AppendTableRow(built.shown, shown_);
    shown_.resize(shown_.size() - 2);
    return shown_;
  }

  std::vector<std::string>& notes() { return notes_; }
  // The table the database must show (cells as kovrant will show them).
  const ExpectedTable& expected() const { return expected_; }

 private:
  // The prototypes are written after room for the two records' headers,
  // which are filled in once the length is known (Finish): the records
  // are never moved to make room for them.
  static std::string Begin(std::int64_t table_size) {
    std::string database(kHeaderRoom, '\0');
    // Beyond what it will hold: pages never written are never taken.
    database.reserve(2 * static_cast<std::size_t>(table_size) + 4096);
    return database;
  }

  // Fills in the headers, for a body that goes on for `more` bytes after
  // `database`.
  static void Finish(std::string& database, std::size_t more) {
    const auto body = static_cast<std::int64_t>(database.size() - kHeaderRoom + more);
    std::string headers(1, '\1');
    AppendPackedLength(headers, 1 + PackedLengthSize(body, true) + body, true);
    headers += '\0';
    AppendPackedLength(headers, body, true);
    database.replace(0, kHeaderRoom, headers);
  }

  void Append(const TableLine& line, std::size_t r, std::string& database) {
    AppendRow(line, r, records_, database);
  }
  void AppendRow(const TableLine& line, std::size_t r, std::string& records,
                 std::string& database) const {
    records.clear();
    AppendRowRecords(line, RowSource{options_.table, r + 1, separator_}, records);
    AppendPrototype(records, database);
  }

  // A part of the table the quick way: the prototypes of its lines, and
  // the lines' bytes.
  struct Half {
    std::string database;
    std::vector<std::string_view> lines;
    bool taken = false;          // else the table is to go the general way
    std::exception_ptr failure;  // what else went wrong (no memory)
  };

  // Builds the lines of the table from byte `begin` up to `end` (where
  // lines begin) into `half`.
  void BuildLines(std::size_t begin, std::size_t end, Half& half) const noexcept {
    const std::string_view bytes = quick_bytes_;
    std::string records;
    TableLine line;
    try {
      // Rows are counted from the part's first: a row's number would only
      // name a refusal, which the quick way never says.
      for (std::size_t r = 0; begin < end; ++r) {
        const auto [line_end, next] = LineAt(bytes, begin);
        SplitCells(bytes, begin, line_end, line.cells);
        line.offset = static_cast<std::int64_t>(begin);
        const std::string_view text = bytes.substr(begin, line_end - begin);
        // The general way drops the empty lines at the end, a row's
        // padding beyond its eighth cell, and refuses cells re-encoded.
        if (text.empty() || line.cells.size() > kCells || !TakenAsNewWindows1252(text)) return;
        AppendRow(line, r, records, half.database);
        half.lines.push_back(text);
        begin = next;
      }
      half.taken = true;
    } catch (const Refusal&) {
      // To be said the general way.
    } catch (...) {
      half.failure = std::current_exception();
    }
  }

  void Expect(const TableLine& line) {
    if (const auto typed = table_->LineBytes(line)) {
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
  const TableText* table_ = nullptr;  // the general way's table
  std::string_view quick_bytes_;      // the quick way's
  std::string records_;               // a row's, kept from row to row
  std::vector<std::string> notes_;
  ExpectedTable expected_;
  std::string shown_;
};

std::array<std::string_view, 2> Pieces(const std::array<std::string, 2>& database) {
  return {database[0], database[1]};
}

// A database made and proven, with the notes on its rows.
struct Packed {
  std::array<std::string, 2> database;  // the file: one piece, then the other
  std::vector<std::string> notes;
  std::size_t rows = 0;
};

// The table as kovrant writes it, the quick way; nothing when it is to go
// the general way (which says any refusal as it always has).
std::optional<Packed> PackQuickly(Platform& platform, const PackOptions& options,
                                  std::string_view bytes) {
  Packer packer(options);
  std::optional<std::array<std::string, 2>> database = packer.RunQuickly(bytes, platform);
  if (!database) return std::nullopt;
  try {
    // The refusal, if any, is said by the general way, with its place.
    ProveTable(Pieces(*database), packer.expected(), options.decimal_separator, options.table,
               TableText(), [&](std::size_t row) { return packer.ShownOtherwise(row); });
  } catch (const Refusal&) {
    return std::nullopt;
  }
  const std::size_t rows = packer.expected().lines().size();
  return Packed{std::move(*database), std::move(packer.notes()), rows};
}

Packed PackTable(const PackOptions& options, std::string bytes, bool workbook) {
  TableText table =
      workbook ? ReadAnyTable(std::move(bytes), options.table)
               : ReadTableText(std::move(bytes), options.table, Utf8MarkFor(options.encoding));
  DropTrailingEmptyLines(table, 0);
  if (!workbook) PrepareTableText(table, options.encoding, {}, options.table);
  Packer packer(options);
  std::string database = packer.Run(table);
  ProveTable(database, packer.expected(), options.decimal_separator, options.table, table,
             [&](std::size_t row) { return packer.ShownOtherwise(row); });
  return Packed{{std::move(database), {}}, std::move(packer.notes()), table.rows.size()};
}

int PackOrRefuse(Platform& platform, const PackOptions& options, std::ostream& out) {
  RefuseTableAsOutput(platform, options.table, options.output);
  CheckReplaceable(platform, options.output);
  std::string table_bytes = ReadWholeFile(platform, options.table);
  const bool workbook = IsWorkbookFile(table_bytes);
  std::optional<Packed> packed;
  if (!workbook && options.encoding == TableEncoding::kWindows1252) {
    packed = PackQuickly(platform, options, table_bytes);
  }
  if (!packed) packed = PackTable(options, std::move(table_bytes), workbook);
  // An existing file at OUT (perhaps the game's own database) is kept.
  const WriteOutcome outcome = WriteFileKeepingBackup(platform, options.output,
                                                      Pieces(packed->database), !options.no_backup);
  for (const std::string& note : packed->notes) out << note << "\n";
  out << "packed " << packed->rows << " prototype" << (packed->rows == 1 ? "" : "s") << " into "
      << options.output << OutcomeSummary(outcome, options.output, "file it replaced") << "\n";
  return 0;
}

}  // namespace

int Pack(Platform& platform, const PackOptions& options, std::ostream& out, std::ostream& err) {
  return ReportingRefusals(err, [&] { return PackOrRefuse(platform, options, out); });
}

}  // namespace kovrant::tool
