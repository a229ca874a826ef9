// ldbtool apply DB TABLE -o OUT [--dry-run]: the edits of a table kovrant
// wrote for DB, brought back into a copy of DB.
//
// Row k of TABLE belongs to the k-th prototype kovrant writes for DB. A row
// that reads as kovrant writes it keeps its prototype's bytes. In a changed
// row, each changed cell is traced to the field that made it (cell_trace.h)
// and only that field's value is rewritten (database_edit.h); everything
// else is copied byte for byte. The new database is converted again in
// memory and must show TABLE, number cells as they will read, before
// anything is written.
#include <algorithm>
#include <cstring>
#include <map>
#include <ostream>
#include <set>

#include "table/table_writer.h"
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

std::string Bytes32(std::uint32_t value) {
  std::string out(4, '\0');
  for (int i = 0; i < 4; ++i) out[i] = static_cast<char>(value >> (8 * i) & 0xFF);
  return out;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Count(std::size_t n, const char* noun) {
  return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

struct CellChange {
  std::size_t row;  // from 1
  std::size_t cell;
  std::string old_text, new_text;
};

class Applier {
 public:
  Applier(const ApplyOptions& options, const std::string& database, const Trace& trace,
          const TableText& table)
      : options_(options),
        separator_(TableSeparator(options.decimal_separator)),
        database_(database),
        trace_(trace),
        table_(table),
        edit_(database, trace) {}

  void Run() {
    for (std::size_t i = 0; i < trace_.records.size(); ++i) {
      const TracedRecord& record = trace_.records[i];
      if (record.frame.level == 4 && record.frame.tag == 2) {
        counts_by_block_[record.block_source].push_back(static_cast<int>(i));
      }
    }
    if (table_.rows.size() != trace_.rows.size()) {
      const std::int64_t offset = table_.rows.size() > trace_.rows.size()
                                      ? table_.rows[trace_.rows.size()].offset
                                      : table_.size;
      throw Refusal(options_.table, offset,
                    "the table has " + Count(table_.rows.size(), "row") + " where kovrant writes " +
                        std::to_string(trace_.rows.size()) +
                        " for the database (adding or removing prototypes is not supported)");
    }
    for (std::size_t r = 0; r < trace_.rows.size(); ++r) Row(r);
    for (const auto& [field, cells] : place_cells_) Places(field, cells);
    KeepCarriedBlocks();
  }

  std::string Build() { return edit_.Build(options_.database); }

  const std::vector<CellChange>& changes() const { return changes_; }
  const std::vector<std::string>& notes() const { return notes_; }
  // The table the rebuilt database must show: kovrant's for the old one,
  // with the changed cells as they will read.
  std::string ExpectedTable() const {
    std::string bytes = kHeaderRow;
    bytes += "\r\n";
    for (std::size_t r = 0; r < trace_.rows.size(); ++r) {
      const auto& cells = trace_.rows[r].cells;
      for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) bytes += '\t';
        const auto it = shown_.find({r, c});
        bytes += it != shown_.end() ? it->second : cells[c].text;
      }
      bytes += "\r\n";
    }
    return bytes;
  }
  int block_copies() const { return block_copies_; }

 private:
  CellPlace Place(std::size_t r, std::size_t c) const {
    return CellPlace{options_.table, table_.rows[r].cells[c].offset, CellLabel(r + 1, c)};
  }
  std::string OldValue(int field) const { return edit_.Value(field); }
  std::uint8_t TypeOf(int field) const { return trace_.records[field].frame.tag; }

  void Row(std::size_t r) {
    TableLine line = table_.rows[r];
    const TracedRow& traced = trace_.rows[r];
    DropPadding(line, traced.cells.size());
    if (line.cells.size() != traced.cells.size()) {
      throw Refusal(options_.table, line.offset,
                    "row " + std::to_string(r + 1) + " has " + Count(line.cells.size(), "cell") +
                        " where kovrant writes " + std::to_string(traced.cells.size()) +
                        " for its prototype");
    }
    for (std::size_t c = 0; c < traced.cells.size(); ++c) {
      const TracedCell& cell = traced.cells[c];
      const std::string& typed = line.cells[c].text;
      if (typed == cell.text) continue;
      const CellPlace place = Place(r, c);
      if (cell.field < 0) {
        // A spreadsheet's own form of the same number ("3" for "3.0") is no
        // change, whoever made the cell.
        if (SameNumber(typed, cell.text, separator_)) continue;
        throw Refusal(
            place.file, place.offset,
            place.label + (cell.ambiguous
                               ? ": this cell is not made by one field alone (a repeated field, "
                                 "a name after another field, or part of a text holding TAB), "
                                 "so it cannot be changed"
                               : ": no field of this prototype makes this cell, so it cannot be "
                                 "changed"));
      }
      switch (TypeOf(cell.field)) {
        case 2:
          place_cells_[cell.field].push_back({r, c});
          break;
        case 3:
          Scale(r, c, cell, typed);
          break;
        case 4:
          SwitchTime(r, c, cell, typed);
          break;
        default:
          Text(r, c, cell, typed);
          break;
      }
    }
  }

  void Change(std::size_t r, std::size_t c, const std::string& shown) {
    changes_.push_back({r + 1, c, trace_.rows[r].cells[c].text, table_.rows[r].cells[c].text});
    shown_[{r, c}] = shown;
  }

  void Text(std::size_t r, std::size_t c, const TracedCell& cell, const std::string& typed) {
    if (typed.find('\r') != std::string::npos) {
      const CellPlace place = Place(r, c);
      throw Refusal(place.file, place.offset,
                    place.label + ": a text may not hold CR (it would split the row)");
    }
    // The old value's terminating NUL bytes stay.
    const std::string old = OldValue(cell.field);
    const std::size_t kept = old.find_last_not_of('\0');
    const std::string nuls = kept == std::string::npos ? old : old.substr(kept + 1);
    edit_.ReplaceValue(cell.field, typed + nuls);
    Change(r, c, typed);
  }

  // The value with its first four bytes replaced (longer values keep the
  // bytes after them).
  std::string WithLeading(int field, const std::string& leading) const {
    const std::string old = OldValue(field);
    return old.size() > leading.size() ? leading + old.substr(leading.size()) : leading;
  }

  void Scale(std::size_t r, std::size_t c, const TracedCell& cell, const std::string& typed) {
    const CellPlace place = Place(r, c);
    // kovrant shows 1.0 as an empty cell.
    const std::string old_text = cell.text.empty() ? "1" : cell.text;
    if (SameNumber(typed.empty() ? "1" : typed, old_text, separator_)) return;
    const std::uint32_t bits = TypedScale(typed, separator_, place);
    edit_.ReplaceValue(cell.field, WithLeading(cell.field, Bytes32(bits)));
    const std::string shown = bits == kFloatOne ? "" : RenderFloat32(bits, separator_);
    Note(PrecisionNote(place, typed, shown.empty() ? "1" : shown, "the nearest 32-bit float",
                       separator_));
    Change(r, c, shown);
  }

  void SwitchTime(std::size_t r, std::size_t c, const TracedCell& cell, const std::string& typed) {
    const CellPlace place = Place(r, c);
    if (SameNumber(typed, cell.text, separator_)) return;
    const std::int32_t ticks = TypedTicks(typed, separator_, place);
    edit_.ReplaceValue(cell.field,
                       WithLeading(cell.field, Bytes32(static_cast<std::uint32_t>(ticks))));
    const std::string shown = RenderSwitchTime(ticks, separator_);
    Note(PrecisionNote(place, typed, shown, std::to_string(ticks) + " ticks", separator_, " s"));
    Change(r, c, shown);
  }

  // The place cells of one place count, changed together: the count
  // follows the cells (both empty: 0, Place1 only: 1, both: 2), and the
  // block gets the typed floats. A block of the prototype's own that no
  // other count shows is rewritten; otherwise the prototype gets a place
  // field of its own before its count, and the next count that showed the
  // old block gets a copy of it, so that it keeps showing what it showed.
  void Places(int field, const std::vector<std::pair<std::size_t, std::size_t>>& cells) {
    const std::size_t r = cells.front().first;
    const TracedRow& traced = trace_.rows[r];
    std::size_t first = cells.front().second;
    if (traced.cells[first].part == 1) --first;
    const TableLine& line = table_.rows[r];
    const std::string& typed1 = line.cells[first].text;
    const std::string& typed2 = line.cells[first + 1].text;
    const TypedPlace place1 = TypedPlaceCell(typed1, separator_, Place(r, first));
    const TypedPlace place2 = TypedPlaceCell(typed2, separator_, Place(r, first + 1));
    if (!place1.present && place2.present) {
      const CellPlace at = Place(r, first + 1);
      throw Refusal(at.file, at.offset,
                    at.label + ": a second place needs a first one (Place1 is empty)");
    }
    const TracedRecord& count = trace_.records[field];
    const std::int32_t old_count = static_cast<std::int32_t>(ValueAt(database_, count.frame.body));
    const std::int32_t new_count = place2.present ? 2 : place1.present ? 1 : 0;
    std::uint32_t old_block[4] = {0, 0, 0, 0};
    if (count.block_source >= 0) {
      for (int i = 0; i < 4; ++i) {
        old_block[i] = ValueAt(database_, trace_.records[count.block_source].frame.body + 4 * i);
      }
    }
    std::uint32_t block[4];
    std::memcpy(block, old_block, sizeof block);
    const CellNumber* typed[4] = {&place1.x, &place1.y, &place2.x, &place2.y};
    for (int i = 0; i < 2 * new_count; ++i) {
      const CellPlace at = Place(r, first + static_cast<std::size_t>(i / 2));
      const bool shown_before = i < 2 * old_count;
      const auto old_number = ParseCellNumber(RenderFloat32(old_block[i], separator_), separator_);
      if (shown_before && old_number && *old_number == *typed[i]) continue;
      block[i] = TypedFloat(*typed[i], at);
    }
    const bool block_changed = std::memcmp(block, old_block, sizeof block) != 0;
    if (new_count == old_count && !block_changed) return;  // the same numbers, typed otherwise
    if (new_count != old_count) {
      edit_.ReplaceValue(field, WithLeading(field, Bytes32(static_cast<std::uint32_t>(new_count))));
    }
    if (block_changed) NewBlock(field, block);
    // The cells as kovrant will show them, and what the typed digits became.
    const std::string shown1 = new_count >= 1 ? RenderFloat32(block[0], separator_) + "," +
                                                    RenderFloat32(block[1], separator_)
                                              : "";
    const std::string shown2 = new_count == 2 ? RenderFloat32(block[2], separator_) + "," +
                                                    RenderFloat32(block[3], separator_)
                                              : "";
    for (int i = 0; i < 2 * new_count; ++i) {
      const std::size_t c = first + static_cast<std::size_t>(i / 2);
      const std::string typed_text =
          i % 2 == 0 ? line.cells[c].text.substr(0, line.cells[c].text.find(','))
                     : line.cells[c].text.substr(line.cells[c].text.find(',') + 1);
      Note(PrecisionNote(Place(r, c), typed_text, RenderFloat32(block[i], separator_),
                         "the nearest 32-bit float", separator_));
    }
    if (typed1 != traced.cells[first].text) Change(r, first, shown1);
    if (typed2 != traced.cells[first + 1].text) Change(r, first + 1, shown2);
  }

  // Whether the count shows a place (1 or 2), before the edit or after it.
  bool ShowsBlock(int index, bool after_edit) const {
    const TracedRecord& record = trace_.records[index];
    if (record.frame.level != 4 || record.frame.tag != 2) return false;
    std::int32_t count = static_cast<std::int32_t>(ValueAt(database_, record.frame.body));
    if (after_edit) {
      const std::string value = edit_.Value(index);
      if (value.size() >= 4) count = static_cast<std::int32_t>(ValueAt(value, 0));
    }
    return count == 1 || count == 2;
  }

  std::string OldBlock(int source) const {
    std::string old;
    for (int i = 0; i < 4; ++i) {
      old +=
          Bytes32(source >= 0 ? ValueAt(database_, trace_.records[source].frame.body + 4 * i) : 0u);
    }
    return old;
  }

  void NewBlock(int field, const std::uint32_t block[4]) {
    const int source = trace_.records[field].block_source;
    std::string value;
    for (int i = 0; i < 4; ++i) value += Bytes32(block[i]);
    bool other_users = false;
    for (int index : counts_by_block_[source]) {
      other_users = other_users ||
                    (index != field && (ShowsBlock(index, false) || place_cells_.count(index) > 0));
    }
    const bool own = source >= 0 && source < field &&
                     trace_.records[source].parent == trace_.records[field].parent;
    if (own && !other_users) {
      edit_.ReplaceValue(source, WithLeading(source, value));
      return;
    }
    edit_.InsertBefore(field, 1, value);
    disturbed_.insert(source);
  }

  // After a prototype got a block of its own, the next count that showed the
  // carried block gets a copy of it; each further count given a block of its
  // own disturbs the carried block again for the counts after it.
  void KeepCarriedBlocks() {
    for (const int source : disturbed_) {
      bool disturbed = false;
      for (const int index : counts_by_block_[source]) {
        if (edit_.HasInsert(index)) {
          disturbed = true;
        } else if (disturbed && ShowsBlock(index, true)) {
          edit_.InsertBefore(index, 1, OldBlock(source));
          ++block_copies_;
          disturbed = false;
        }
      }
    }
  }

  void Note(const std::string& note) {
    if (!note.empty()) notes_.push_back(note);
  }

  const ApplyOptions& options_;
  const char separator_;
  const std::string& database_;
  const Trace& trace_;
  const TableText& table_;
  DatabaseEdit edit_;
  std::map<int, std::vector<std::pair<std::size_t, std::size_t>>> place_cells_;
  std::vector<CellChange> changes_;
  std::vector<std::string> notes_;
  std::map<std::pair<std::size_t, std::size_t>, std::string> shown_;  // (row, cell)
  // The place counts in file order, by the place field whose block each saw.
  std::map<int, std::vector<int>> counts_by_block_;
  std::set<int> disturbed_;  // block sources some count no longer shows  // block source -> first
                             // count given its own block
  int block_copies_ = 0;
};

std::string RowList(const std::vector<CellChange>& changes) {
  std::set<std::size_t> rows;
  for (const CellChange& change : changes) rows.insert(change.row);
  std::string list;
  for (std::size_t row : rows) list += (list.empty() ? "" : ", ") + std::to_string(row);
  return list;
}

int ApplyOrRefuse(Platform& platform, const ApplyOptions& options, std::ostream& out) {
  if (platform.SameFile(options.table, options.output)) {
    throw Refusal(options.output, kNoOffset,
                  "the output names the table itself, which the new database would replace");
  }
  const std::string database = ReadWholeFile(platform, options.database);
  const std::string table_bytes = ReadWholeFile(platform, options.table);
  const Trace trace = TraceDatabase(database, options.decimal_separator, options.database);
  if (trace.first_overlap >= 0) {
    throw Refusal(options.database, trace.first_overlap,
                  "the record here reaches past the end of the record holding it; apply needs a "
                  "database whose records nest ('ldbtool check' lists them)");
  }
  if (trace.first_line_break_text >= 0) {
    throw Refusal(options.database, trace.first_line_break_text,
                  "the text here holds CR or LF, which splits its row in the table, so rows and "
                  "prototypes no longer pair up");
  }
  const TableText table = ReadAnyTable(table_bytes, options.table, database.size());
  Applier applier(options, database, trace, table);
  applier.Run();
  const std::string rebuilt = applier.Build();
  ProveTable(rebuilt, applier.ExpectedTable(), options.decimal_separator, options.table, table);

  const auto& changes = applier.changes();
  std::set<std::size_t> rows;
  for (const CellChange& change : changes) rows.insert(change.row);
  std::string summary =
      Count(changes.size(), "changed cell") + " in " + Count(rows.size(), "prototype");
  if (!rows.empty())
    summary += " (row" + std::string(rows.size() == 1 ? " " : "s ") + RowList(changes) + ")";
  if (applier.block_copies() > 0) {
    summary += "; " + Count(static_cast<std::size_t>(applier.block_copies()), "later prototype") +
               " given a copy of the place block " + (applier.block_copies() == 1 ? "it" : "they") +
               " showed";
  }
  if (options.dry_run) {
    for (const CellChange& change : changes) {
      out << CellLabel(change.row, change.cell) << ": " << Quoted(change.old_text) << " -> "
          << Quoted(change.new_text) << "\n";
    }
    for (const std::string& note : applier.notes()) out << note << "\n";
    out << summary << "; nothing written (dry run)\n";
    return 0;
  }
  // The database itself, or any other file at OUT, is kept as OUT.bak.
  const bool replaces_database = platform.SameFile(options.database, options.output);
  const bool keep_backup = replaces_database || FileExists(platform, options.output);
  WriteFileSafely(platform, options.output, rebuilt, keep_backup);
  for (const std::string& note : applier.notes()) out << note << "\n";
  out << "applied to " << options.output << ": " << summary;
  if (keep_backup) {
    out << "; the " << (replaces_database ? "old database" : "file it replaced") << " is kept as "
        << options.output << ".bak";
  }
  out << "\n";
  return 0;
}

}  // namespace

int Apply(Platform& platform, const ApplyOptions& options, std::ostream& out, std::ostream& err) {
  return ReportingRefusals(err, [&] { return ApplyOrRefuse(platform, options, out); });
}

}  // namespace kovrant::tool
