// ldbtool apply DB TABLE -o OUT [--dry-run]: the edits of a table kovrant
// wrote for DB, brought back into a copy of DB.
//
// TABLE's rows pair with the rows kovrant writes for DB as diff pairs lines
// (row_match.h, by row_key.h's keys): a row identical to an old one is that
// prototype wherever it now stands, and its bytes are copied unchanged; the
// rows left between two such rows that stayed in order pair in order as
// edits of those prototypes. In an edited row each changed cell is traced
// to the field that made it (cell_trace.h) and only that field's value is
// rewritten; cells typed beyond the prototype's last add the fields of
// their columns; a Name typed into a row without a Name field adds one
// first. A row left unpaired is added (a copy of the prototype it repeats,
// or a prototype built as pack builds one, row_prototype.h) where it stands;
// an old row left unpaired is removed with its prototype. Everything that
// is not a row is copied byte for byte (database_edit.h), and every place
// count of a row shows what it showed or what was typed for it. The new
// database is converted again in memory and must show TABLE, number cells
// as they will read, before anything is written.
#include <algorithm>
#include <cstring>
#include <map>
#include <ostream>
#include <unordered_map>

#include "table/field_schema.h"
#include "table/table_writer.h"
#include "tool/cell_trace.h"
#include "tool/cell_values.h"
#include "tool/commands.h"
#include "tool/database_edit.h"
#include "tool/edit_report.h"
#include "tool/refusal.h"
#include "tool/row_key.h"
#include "tool/row_match.h"
#include "tool/row_prototype.h"
#include "tool/sheet_read.h"
#include "tool/table_encoding.h"
#include "tool/table_text.h"
#include "tool/text_hash.h"
#include "tool/whole_file.h"

namespace kovrant::tool {
namespace {

std::string Count(std::size_t n, const char* noun) {
  return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

class Applier {
 public:
  Applier(const ApplyOptions& options, const std::string& database, const Trace& trace,
          const TableText& table)
      : options_(options),
        separator_(TableSeparator(options.decimal_separator)),
        trace_(trace),
        table_(table),
        edit_(database, trace) {}

  void Run() {
    for (std::size_t i = 0; i < trace_.records.size(); ++i) {
      const TracedRecord& record = trace_.records[i];
      if (record.frame.level == 4 && record.frame.tag == 2 && ShowsBlock(static_cast<int>(i))) {
        ++users_[record.block_source].showing;
      }
    }
    Pair();
    kept_.assign(table_.rows.size(), -1);
    for (std::size_t n = 0; n < table_.rows.size(); ++n) {
      if (pairing_.kind[n] != RowPairing::Kind::kAdded) {
        HintingAtImport(n, trace_.rows[OldRow(n)].cells.size(), [&] { Row(n, OldRow(n)); });
      }
    }
    for (const auto& [field, places] : place_edits_) {
      ++users_[trace_.records[field].block_source].edited;
    }
    for (const auto& [field, places] : place_edits_) Places(places);
    for (std::size_t n = 0; n < table_.rows.size(); ++n) {
      if (pairing_.kind[n] == RowPairing::Kind::kAdded) {
        HintingAtImport(n, HeaderCells().size(), [&] { placed_[n] = Added(n); });
      }
    }
    Place();
    WantBlocks();
  }

  std::string Build() { return edit_.Build(options_.database); }

  const std::vector<std::string>& notes() const { return notes_; }
  // The table the rebuilt database must show, cells as kovrant will show
  // them: a row that shows its old cells is a view of the old table.
  ExpectedTable ExpectedRows() const {
    ExpectedTable table;
    for (std::size_t n = 0; n < kept_.size(); ++n) {
      if (kept_[n] < 0) {
        table.Add(own_.at(n));
        continue;
      }
      const auto cells = trace_.rows[static_cast<std::size_t>(kept_[n])].cells;
      table.Keep(std::string_view(trace_.table)
                     .substr(static_cast<std::size_t>(cells.front().begin),
                             static_cast<std::size_t>(cells.back().end - cells.front().begin)));
    }
    return table;
  }
  TableEdits Edits() const {
    return DescribeEdits(
        pairing_, [&](std::size_t o) { return OldCells(o); },
        [&](std::size_t n) { return ShownCells(n); });
  }
  int block_copies() const { return edit_.block_copies(); }

 private:
  // The place cells of one count, changed in row `n` (old row `o`).
  struct PlaceEdit {
    int field;
    std::size_t n, o, first;
  };

  // Whether a line looks split by an import: it holds a quote, more cells
  // than the header, or a place x,y in two cells of plain numbers.
  static bool ImportSplit(const TableLine& line) {
    const auto plain_number = [](const std::string& text) {
      return !text.empty() && text.find_first_not_of("+-.0123456789eE") == std::string::npos;
    };
    for (const TableCell& cell : line.cells) {
      if (cell.text.find('"') != std::string::npos) return true;
    }
    return line.cells.size() > HeaderCells().size() ||
           (line.cells.size() > 2 && plain_number(line.cells[1].text) &&
            plain_number(line.cells[2].text));
  }
  // Runs `step` for row `n`; a refusal of a row that holds more cells than
  // kovrant writes for it (`cells`) says how a spreadsheet's import may
  // have split it.
  template <typename Step>
  void HintingAtImport(std::size_t n, std::size_t cells, Step&& step) {
    try {
      step();
    } catch (const Refusal& refusal) {
      TableLine line = table_.rows[n];
      DropPadding(line, cells);
      if (line.cells.size() <= cells || !ImportSplit(line)) throw;
      throw Refusal(refusal.file(), refusal.offset(),
                    std::string(refusal.what()) + " (" + ExtraCellsHint(line) + ")");
    }
  }
  // The cells old row `o` showed, and those new row `n` will show.
  std::vector<std::string_view> OldCells(std::size_t o) const {
    std::vector<std::string_view> cells;
    for (const TracedCell& cell : trace_.rows[o].cells) cells.push_back(cell.text);
    return cells;
  }
  std::vector<std::string_view> ShownCells(std::size_t n) const {
    if (kept_[n] >= 0) return OldCells(static_cast<std::size_t>(kept_[n]));
    const auto& cells = own_.at(n);
    return std::vector<std::string_view>(cells.begin(), cells.end());
  }
  // Row `n`'s cells of its own, to change: made from the old row it showed
  // on the first change.
  std::vector<std::string>& Shown(std::size_t n) {
    const auto [it, made] = own_.try_emplace(n);
    if (made && kept_[n] >= 0) {
      for (const TracedCell& cell : trace_.rows[static_cast<std::size_t>(kept_[n])].cells) {
        it->second.emplace_back(cell.text);
      }
    }
    kept_[n] = -1;
    return it->second;
  }
  std::size_t OldRow(std::size_t n) const { return static_cast<std::size_t>(pairing_.old_row[n]); }
  CellText Typed(std::size_t n, std::size_t c) const {
    const auto& cells = table_.rows[n].cells;
    return c < cells.size() ? cells[c].text : CellText();
  }
  CellPlace Place(std::size_t n, std::size_t c) const {
    const TableLine& line = table_.rows[n];
    const std::int64_t offset =
        c < line.cells.size()
            ? line.cells[c].offset
            : line.cells.back().offset + static_cast<std::int64_t>(line.cells.back().text.size());
    return CellPlace{options_.table, offset, n + 1, c};
  }
  std::string OldValue(int field) const { return edit_.Value(field); }
  std::uint8_t TypeOf(int field) const { return trace_.records[field].frame.tag; }

  // Rows pair by their keys: as diff pairs lines, up to padding and the
  // spelling of numbers.
  void Pair() {
    // Rows are hashed by their keys, none of which is kept: rows whose
    // hashes agree are compared by their cells, and by their keys where the
    // cells differ.
    std::vector<std::string_view> cells;
    std::string key;
    const auto old_cells = [&](std::size_t o, std::vector<std::string_view>& into) {
      into.clear();
      for (const TracedCell& cell : trace_.rows[o].cells) into.push_back(cell.text);
    };
    const auto new_cells = [&](std::size_t n, std::vector<std::string_view>& into) {
      into.clear();
      for (const TableCell& cell : table_.rows[n].cells) into.push_back(cell.text);
    };
    const auto hashes = [&](std::size_t count, auto cells_of) {
      std::vector<std::uint64_t> hashed;
      hashed.reserve(count);
      for (std::size_t r = 0; r < count; ++r) {
        cells_of(r, cells);
        key.clear();
        AppendRowKey(cells, separator_, key);
        hashed.push_back(TextHash(key));
      }
      return hashed;
    };
    std::vector<std::string_view> other;
    const auto same_key = [&](auto cells_a, std::size_t a, auto cells_b, std::size_t b) {
      cells_a(a, cells);
      cells_b(b, other);
      return SameRowKey(cells, other, separator_);
    };
    RowTexts texts;
    texts.old_hashes = hashes(trace_.rows.size(), old_cells);
    texts.new_hashes = hashes(table_.rows.size(), new_cells);
    texts.old_equal = [&](std::size_t a, std::size_t b) {
      return same_key(old_cells, a, old_cells, b);
    };
    texts.equal = [&](std::size_t o, std::size_t n) {
      return same_key(old_cells, o, new_cells, n);
    };
    pairing_ = PairRows(texts);
    // A row added as a copy of an old one may take that prototype's bytes:
    // the first old row of its key.
    if (std::find(pairing_.kind.begin(), pairing_.kind.end(), RowPairing::Kind::kAdded) ==
        pairing_.kind.end()) {
      return;
    }
    // By hash, the first old row of each key (one, unless hashes collide).
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> firsts;
    for (std::size_t o = 0; o < trace_.rows.size(); ++o) {
      std::vector<std::size_t>& rows = firsts[texts.old_hashes[o]];
      if (std::none_of(rows.begin(), rows.end(),
                       [&](std::size_t first) { return texts.old_equal(first, o); })) {
        rows.push_back(o);
      }
    }
    for (std::size_t n = 0; n < table_.rows.size(); ++n) {
      if (pairing_.kind[n] != RowPairing::Kind::kAdded) continue;
      const auto it = firsts.find(texts.new_hashes[n]);
      if (it == firsts.end()) continue;
      for (const std::size_t first : it->second) {
        if (texts.equal(first, n)) {
          copies_[n] = first;
          break;
        }
      }
    }
  }

  // A row paired with old row `o`: its cells compared one by one, each
  // changed cell traced to its field; cells beyond the old row's add fields.
  void Row(std::size_t n, std::size_t o) {
    const TracedRow& traced = trace_.rows[o];
    // A spreadsheet pads short rows with empty cells up to the header's
    // eight; a row with something typed beyond the old row's cells is taken
    // as typed up to the eighth.
    const auto& cells = table_.rows[n].cells;
    const std::size_t old_size = traced.cells.size();
    std::size_t size = cells.size();
    const auto drop_padding = [&](std::size_t keep) {
      while (size > keep && cells[size - 1].text.empty()) --size;
    };
    drop_padding(std::max(old_size, HeaderCells().size()));
    bool typed_beyond = false;
    for (std::size_t c = old_size; c < size; ++c)
      typed_beyond = typed_beyond || !cells[c].text.empty();
    if (!typed_beyond) drop_padding(old_size);
    kept_[n] = static_cast<std::int64_t>(o);
    std::vector<std::size_t> left_out;  // cells whose fields go
    for (std::size_t c = 0; c < traced.cells.size(); ++c) {
      const TracedCell& cell = traced.cells[c];
      const CellText typed = Typed(n, c);
      if (c >= size && LeftOut(n, traced, c, left_out)) continue;
      if (typed == cell.text) continue;
      if (cell.field < 0) {
        // A spreadsheet's own form of the same number ("3" for "3.0") is no
        // change, whoever made the cell.
        if (SameNumber(typed, cell.text, separator_)) continue;
        if (c == 0 && !cell.ambiguous) {
          // No Name field: one goes first, so that it makes the first cell.
          edit_.Prepend(traced.prototype, {NewField{0, CheckedText(n, c) + '\0'}});
          Shown(n)[c] = typed;
          continue;
        }
        const CellPlace place = Place(n, c);
        throw Refusal(
            std::string(place.file), place.offset,
            place.label() + (cell.ambiguous
                                 ? ": this cell is not made by one field alone (a repeated field, "
                                   "a name after another field, or part of a text holding TAB), "
                                   "so it cannot be changed"
                                 : ": no field of this prototype makes this cell, so it cannot be "
                                   "changed"));
      }
      switch (TypeOf(cell.field)) {
        case 2:
          place_edits_.emplace(
              cell.field, PlaceEdit{cell.field, n, o, c - static_cast<std::size_t>(cell.part)});
          break;
        case 3:
          Scale(n, c, cell, typed);
          break;
        case 4:
          SwitchTime(n, c, cell, typed);
          break;
        default:
          Text(n, c, cell);
          break;
      }
    }
    for (auto c = left_out.rbegin(); c != left_out.rend(); ++c) {
      Shown(n).erase(Shown(n).begin() + static_cast<std::ptrdiff_t>(*c));
    }
    if (size > old_size) Extend(n, o, size);
  }

  // A cell the typed row lacks at its end: its field is removed when it
  // makes nothing but such cells (an empty cell made by no one field
  // stays, and so does every empty one of a row of eight or more, which
  // may be padding dropped). A Place2 whose Place1 is typed reads as empty
  // instead. Returns whether the cell needs nothing more.
  bool LeftOut(std::size_t n, const TracedRow& traced, std::size_t c,
               std::vector<std::size_t>& left_out) {
    const TracedCell& cell = traced.cells[c];
    const std::size_t typed_cells = std::max<std::size_t>(table_.rows[n].cells.size(), 1);
    std::size_t first = c, last = c;
    if (cell.field >= 0 && TypeOf(cell.field) == 2) {
      first = c - static_cast<std::size_t>(cell.part);
      last = first + 1;
      if (first < typed_cells) return false;
    }
    if (!left_out.empty() && left_out.back() >= first) return true;  // its field is gone
    // In a row of eight cells or more the missing cells may be a
    // spreadsheet's padding dropped; shorter rows are as typed.
    bool empty = typed_cells >= HeaderCells().size();
    for (std::size_t k = first; k <= last; ++k) empty = empty && traced.cells[k].text.empty();
    if (empty) return true;
    if (cell.field < 0 && traced.cells[c].text.empty()) return true;
    if (cell.field < 0) {
      const CellPlace place = Place(n, c);
      throw Refusal(std::string(place.file), place.offset,
                    place.label() +
                        ": the row ends before this cell, which is not made by one field alone, so "
                        "it cannot be removed (type the cell as it was)");
    }
    edit_.Remove(cell.field);
    for (std::size_t k = first; k <= last; ++k) left_out.push_back(k);
    return true;
  }

  // Cells typed beyond the old row's: new fields after the prototype's
  // last, one per column, so that each cell stands in its column.
  void Extend(std::size_t n, std::size_t o, std::size_t size) {
    const std::size_t from = trace_.rows[o].cells.size();
    if (from == 2) {
      const CellPlace at = Place(n, 2);
      throw Refusal(std::string(at.file), at.offset,
                    at.label() +
                        ": this cell cannot be added alone (one place field makes Place1 and "
                        "Place2, and another field makes Place1 here)");
    }
    TableLine line = table_.rows[n];
    line.cells.resize(size);
    RowFields built =
        BuildRowFields(std::move(line), from, RowSource{options_.table, n + 1, separator_}, notes_);
    edit_.Append(trace_.rows[o].prototype, std::move(built.fields));
    auto& shown = Shown(n);
    shown.insert(shown.end(), built.shown.begin(), built.shown.end());
  }

  // A row left unpaired: a copy of the old prototype whose row it repeats
  // (when it shows the same), or a new prototype built as pack builds one.
  DatabaseEdit::Placed Added(std::size_t n) {
    if (const auto it = copies_.find(n); it != copies_.end()) {
      const std::size_t o = it->second;
      const auto m = static_cast<std::size_t>(pairing_.new_row[o]);
      const std::vector<std::string_view> original = ShownCells(m);
      TableLine line = table_.rows[n];
      if (line.cells.size() >= HeaderCells().size()) DropPadding(line, original.size());
      bool same = line.cells.size() == original.size();
      for (std::size_t c = 0; c < original.size() && same; ++c) {
        const CellText typed = line.cells[c].text;
        same = typed == original[c] || SameNumber(typed, original[c], separator_) ||
               SamePlace(typed, original[c]);
      }
      if (same) {
        if (kept_[m] >= 0) {
          kept_[n] = kept_[m];
        } else {
          own_[n] = own_.at(m);
        }
        return {trace_.rows[o].prototype, {}};
      }
    }
    TableLine line = table_.rows[n];
    DropPadding(line, 8);
    RowFields built =
        BuildRowFields(std::move(line), 0, RowSource{options_.table, n + 1, separator_}, notes_);
    own_[n] = std::move(built.shown);
    return {-1, std::move(built.fields)};
  }

  bool SamePlace(std::string_view a, std::string_view b) const {
    const std::size_t x = a.find(','), y = b.find(',');
    return x != std::string::npos && y != std::string::npos &&
           SameNumber(a.substr(0, x), b.substr(0, y), separator_) &&
           SameNumber(a.substr(x + 1), b.substr(y + 1), separator_);
  }

  // Rows paired as edits and anchors stay where their prototypes stand;
  // moved and added rows go right after the row before them (in its
  // second-level record), those before the first such row right before it.
  void Place() {
    std::vector<bool> stays(trace_.rows.size(), false);
    int last = -1;
    std::vector<DatabaseEdit::Placed> leading;
    for (std::size_t n = 0; n < table_.rows.size(); ++n) {
      const auto kind = pairing_.kind[n];
      if (kind == RowPairing::Kind::kAnchor || kind == RowPairing::Kind::kEdited) {
        const TracedRow& row = trace_.rows[OldRow(n)];
        stays[OldRow(n)] = true;
        if (last < 0) {
          for (auto& placed : leading) edit_.PlaceBefore(row.prototype, std::move(placed));
          leading.clear();
        }
        last = row.prototype;
        continue;
      }
      DatabaseEdit::Placed placed = kind == RowPairing::Kind::kMoved
                                        ? DatabaseEdit::Placed{trace_.rows[OldRow(n)].prototype, {}}
                                        : std::move(placed_[n]);
      if (last >= 0) {
        edit_.PlaceAfter(last, std::move(placed));
      } else {
        leading.push_back(std::move(placed));
      }
    }
    for (auto& placed : leading) {
      if (trace_.rows.empty()) {
        edit_.PlaceAtStart(std::move(placed));
      } else {
        edit_.PlaceBefore(trace_.rows.front().prototype, std::move(placed));
      }
    }
    for (std::size_t o = 0; o < trace_.rows.size(); ++o) {
      if (!stays[o]) edit_.Remove(trace_.rows[o].prototype);
    }
  }

  // Every place count of a row that stays shows what it showed, or the
  // places typed for it.
  void WantBlocks() {
    for (std::size_t o = 0; o < trace_.rows.size(); ++o) {
      if (pairing_.new_row[o] == RowPairing::kNone) continue;
      for (const int field : trace_.records[trace_.rows[o].prototype].children) {
        if (TypeOf(field) != 2) continue;
        if (const auto it = typed_blocks_.find(field); it != typed_blocks_.end()) {
          edit_.WantBlock(field, it->second, false);
        } else {
          edit_.WantBlock(field, edit_.OldBlock(field), true);
        }
      }
    }
  }

  void Change(std::size_t n, std::size_t c, const std::string& shown) { Shown(n)[c] = shown; }

  std::string CheckedText(std::size_t n, std::size_t c) const {
    if (Typed(n, c).find('\r') != std::string::npos) {
      const CellPlace place = Place(n, c);
      throw Refusal(std::string(place.file), place.offset,
                    place.label() + ": a text may not hold CR (it would split the row)");
    }
    return Typed(n, c);
  }

  void Text(std::size_t n, std::size_t c, const TracedCell& cell) {
    const std::string typed = CheckedText(n, c);
    // The old value's terminating NUL bytes stay.
    const std::string old = OldValue(cell.field);
    const std::size_t kept = old.find_last_not_of('\0');
    const std::string nuls = kept == std::string::npos ? old : old.substr(kept + 1);
    edit_.ReplaceValue(cell.field, typed + nuls);
    Change(n, c, typed);
  }

  // The value with its first four bytes replaced (longer values keep the
  // bytes after them).
  std::string WithLeading(int field, const std::string& leading) const {
    const std::string old = OldValue(field);
    return old.size() > leading.size() ? leading + old.substr(leading.size()) : leading;
  }

  void Scale(std::size_t n, std::size_t c, const TracedCell& cell, const std::string& typed) {
    const CellPlace place = Place(n, c);
    // kovrant shows exactly 1.0 as an empty cell, and an empty cell stores
    // exactly 1.0: clearing a scale that reads "1.0" but is not exactly 1.0
    // is a change, and "1.0" typed for an empty cell is none (though the
    // cell will read empty again).
    if (cell.text.empty() && SameNumber(typed, "1", separator_)) return;
    if (!typed.empty() && SameNumber(typed, cell.text, separator_)) return;
    const std::uint32_t bits = TypedScale(typed, separator_, place);
    edit_.ReplaceValue(cell.field, WithLeading(cell.field, Bytes32(bits)));
    const std::string shown = bits == kFloatOneBits ? "" : RenderFloat32(bits, separator_);
    if (!typed.empty()) {
      Note(PrecisionNote(place, typed, shown.empty() ? "1" : shown, "the nearest 32-bit float",
                         separator_));
    }
    Change(n, c, shown);
  }

  void SwitchTime(std::size_t n, std::size_t c, const TracedCell& cell, const std::string& typed) {
    const CellPlace place = Place(n, c);
    if (SameNumber(typed, cell.text, separator_)) return;
    const std::int32_t ticks = TypedTicks(typed, separator_, place);
    edit_.ReplaceValue(cell.field,
                       WithLeading(cell.field, Bytes32(static_cast<std::uint32_t>(ticks))));
    const std::string shown = RenderSwitchTime(ticks, separator_);
    Note(TicksNote(place, typed, shown, ticks, separator_));
    Change(n, c, shown);
  }

  // The place cells of one place count, changed together: the count
  // follows the cells (both empty: 0, Place1 only: 1, both: 2), and the
  // count must show the typed floats. A block of the prototype's own that no
  // other count shows is rewritten; otherwise the count gets a place field
  // of its own when the database is built, and so does every later count
  // that would no longer see the block it showed.
  void Places(const PlaceEdit& edit) {
    const auto [field, n, o, first] = edit;
    const TracedRow& traced = trace_.rows[o];
    const CellText typed1 = Typed(n, first);
    const CellText typed2 = Typed(n, first + 1);
    const TypedPlace place1 = TypedPlaceCell(typed1, separator_, Place(n, first));
    const TypedPlace place2 = TypedPlaceCell(typed2, separator_, Place(n, first + 1));
    if (!place1.present && place2.present) {
      const CellPlace at = Place(n, first + 1);
      throw Refusal(std::string(at.file), at.offset,
                    at.label() + ": a second place needs a first one (Place1 is empty)");
    }
    const std::int32_t old_count = trace_.PlaceCount(field);
    const std::int32_t new_count = place2.present ? 2 : place1.present ? 1 : 0;
    const PlaceBlockBits old_block = edit_.OldBlock(field);
    PlaceBlockBits block = old_block;
    const CellNumber* typed[4] = {&place1.x, &place1.y, &place2.x, &place2.y};
    for (std::size_t i = 0; i < static_cast<std::size_t>(2 * new_count); ++i) {
      const CellPlace at = Place(n, first + i / 2);
      const bool shown_before = static_cast<std::int32_t>(i) < 2 * old_count;
      const auto old_number = ParseCellNumber(RenderFloat32(old_block[i], separator_), separator_);
      if (shown_before && old_number && *old_number == *typed[i]) continue;
      block[i] = TypedFloat(*typed[i], at);
    }
    const bool block_changed = block != old_block;
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
    for (std::size_t i = 0; i < static_cast<std::size_t>(2 * new_count); ++i) {
      const std::size_t c = first + i / 2;
      const CellText text = Typed(n, c);
      const std::string_view typed_text =
          i % 2 == 0 ? text.substr(0, text.find(',')) : text.substr(text.find(',') + 1);
      Note(PrecisionNote(Place(n, c), typed_text, RenderFloat32(block[i], separator_),
                         "the nearest 32-bit float", separator_));
    }
    if (typed1 != traced.cells[first].text) Change(n, first, shown1);
    if (typed2 != traced.cells[first + 1].text) Change(n, first + 1, shown2);
  }

  // Whether the count shows a place (1 or 2) in the old database.
  bool ShowsBlock(int index) const {
    const std::int32_t count = trace_.PlaceCount(index);
    return count == 1 || count == 2;
  }

  void NewBlock(int field, const PlaceBlockBits& block) {
    typed_blocks_[field] = block;
    const int source = trace_.records[field].block_source;
    // Other counts that show the block or have their places changed.
    const Users& users = users_[source];
    const bool other_users = users.showing - (ShowsBlock(field) ? 1 : 0) + users.edited - 1 > 0;
    const bool own = source >= 0 && source < field &&
                     trace_.records[source].parent == trace_.records[field].parent;
    if (own && !other_users) {
      std::string value;
      for (std::uint32_t bits : block) value += Bytes32(bits);
      edit_.ReplaceValue(source, WithLeading(source, value));
    }
  }

  void Note(const std::string& note) {
    if (!note.empty()) notes_.push_back(note);
  }

  const ApplyOptions& options_;
  const char separator_;
  const Trace& trace_;
  const TableText& table_;
  DatabaseEdit edit_;
  RowPairing pairing_;
  std::map<std::size_t, std::size_t> copies_;           // added row -> the old row it repeats
  std::map<std::size_t, DatabaseEdit::Placed> placed_;  // added rows
  // What each new row shows: the cells of the old row kept_[n] unchanged,
  // or (kept_[n] -1) cells of its own.
  std::vector<std::int64_t> kept_;
  std::unordered_map<std::size_t, std::vector<std::string>> own_;
  std::map<int, PlaceEdit> place_edits_;        // by place count
  std::map<int, PlaceBlockBits> typed_blocks_;  // by place count
  std::vector<std::string> notes_;
  // By the place field whose block they saw (-1: none): how many counts
  // show it, and how many have their places changed.
  struct Users {
    int showing = 0, edited = 0;
  };
  std::map<int, Users> users_;
};

// Every cell kovrant writes for the old database, for telling a re-encoded
// text from a new one.
std::vector<std::string_view> OldTexts(const Trace& trace) {
  std::vector<std::string_view> texts;
  texts.reserve(trace.cell_storage.size());
  for (const TracedCell& cell : trace.cell_storage) texts.push_back(cell.text);
  return texts;
}

// Lists the edits and notes, then writes `rebuilt` to OUT (or not, for a
// dry run), with the summary.
int Report(Platform& platform, const ApplyOptions& options, std::ostream& out,
           const std::string& rebuilt, const TableEdits& edits,
           const std::vector<std::string>& notes, int block_copies) {
  std::string summary = EditCounts(edits);
  if (block_copies > 0) {
    summary += "; " + Count(static_cast<std::size_t>(block_copies), "later prototype") +
               " given a copy of the place block " + (block_copies == 1 ? "it" : "they") +
               " showed";
  }
  PrintEdits(edits, out);
  for (const std::string& note : notes) out << note << "\n";
  if (options.dry_run) {
    out << summary << "; nothing written (dry run)\n";
    return 0;
  }
  // The database itself, or any other file at OUT, is kept as OUT.bak[.N].
  const bool replaces_database = platform.SameFile(options.database, options.output);
  const WriteOutcome outcome =
      WriteFileKeepingBackup(platform, options.output, rebuilt, !options.no_backup);
  out << "applied to " << options.output << ": " << summary
      << OutcomeSummary(outcome, options.output,
                        replaces_database ? "old database" : "file it replaced")
      << "\n";
  return 0;
}

int ApplyOrRefuse(Platform& platform, const ApplyOptions& options, std::ostream& out) {
  RefuseTableAsOutput(platform, options.table, options.output);
  if (!options.dry_run) CheckReplaceable(platform, options.output);
  const std::string database = ReadWholeFile(platform, options.database);
  std::string table_bytes = ReadWholeFile(platform, options.table);
  // A workbook's texts are Unicode, stored as Windows-1252 by its reader; a
  // text table's bytes are what the chosen character set says.
  const bool workbook = IsWorkbookFile(table_bytes);
  // The table exactly as kovrant writes it (or with LF line ends) asks for
  // nothing: the database is the result, found without tracing a record
  // (the common case of a table applied again, or exported and applied
  // unchanged).
  if (!workbook && options.encoding == TableEncoding::kWindows1252 &&
      ShowsExactly(database, table_bytes, options.decimal_separator)) {
    return Report(platform, options, out, database, TableEdits{}, {}, 0);
  }
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
  TableText table = workbook ? ReadAnyTable(std::move(table_bytes), options.table, database.size())
                             : ReadTableText(std::move(table_bytes), options.table,
                                             Utf8MarkFor(options.encoding));
  // Empty lines a spreadsheet or an editor leaves at the end are no rows:
  // those beyond the empty rows kovrant itself ends the table with.
  const auto empty_at_end = [](const auto& rows, auto is_empty) {
    std::size_t count = 0;
    while (count < rows.size() && is_empty(rows[rows.size() - 1 - count])) ++count;
    return count;
  };
  const std::size_t old_empty = empty_at_end(trace.rows, [](const TracedRow& row) {
    return row.cells.size() <= 1 && (row.cells.empty() || row.cells[0].text.empty());
  });
  const std::size_t new_empty = empty_at_end(table.rows, [](const TableLine& line) {
    return line.cells.size() <= 1 && (line.cells.empty() || line.cells[0].text.empty());
  });
  // Beyond the rows kovrant wrote only: a row cleared in place stays a row.
  if (new_empty > old_empty) {
    DropTrailingEmptyLines(
        table, std::max(trace.rows.size(), table.rows.size() - (new_empty - old_empty)));
  }
  if (!workbook) PrepareTableText(table, options.encoding, OldTexts(trace), options.table);
  Applier applier(options, database, trace, table);
  applier.Run();
  const std::string rebuilt = applier.Build();
  ProveTable(rebuilt, applier.ExpectedRows(), options.decimal_separator, options.table, table);
  return Report(platform, options, out, rebuilt, applier.Edits(), applier.notes(),
                applier.block_copies());
}

}  // namespace

int Apply(Platform& platform, const ApplyOptions& options, std::ostream& out, std::ostream& err) {
  return ReportingRefusals(err, [&] { return ApplyOrRefuse(platform, options, out); });
}

}  // namespace kovrant::tool
