#include "tool/cell_trace.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>

#include "io/failure.h"
#include "io/input_file.h"
#include "io/table_file.h"
#include "table/field_schema.h"
#include "tool/conversion_trace.h"
#include "tool/refusal.h"

namespace kovrant::tool {
namespace {

// Thrown by the builder at the first record that overlaps.
struct OverlapMet {};

// A written text's place in the file and the table bytes it made.
struct WrittenText {
  std::int64_t offset, begin, end;
};

// Notes the written texts that make table bytes, in file order.
void NoteText(const RecordFrame& frame, const RecordPath& path, std::int64_t added_begin,
              std::int64_t added_end, std::vector<WrittenText>& texts) {
  if (path.written() && IsTextField(frame.tag) && added_end > added_begin) {
    texts.push_back({frame.offset, added_begin, added_end});
  }
}

// The first of `texts` whose bytes in `table` hold CR or LF, or -1.
std::int64_t FirstLineBreak(std::string_view table, const std::vector<WrittenText>& texts) {
  for (const WrittenText& text : texts) {
    const auto added = table.substr(static_cast<std::size_t>(text.begin),
                                    static_cast<std::size_t>(text.end - text.begin));
    if (std::any_of(added.begin(), added.end(), [](char c) { return c == '\r' || c == '\n'; })) {
      return text.offset;
    }
  }
  return -1;
}

// Refuses, naming `file`, a database kovrant fails on, or one whose records
// overlap so often that the trace stopped.
void RefuseUntraced(const TraceResult& result, const std::string& file) {
  if (result.failed) {
    throw Refusal(file, result.failure_record,
                  "kovrant cannot convert this database (" + result.failure_message +
                      " in the record here; 'ldbtool check' names the cause)");
  }
  if (result.stopped) {
    // Records that nest never spend the budget; the first overlap ends the
    // trace of apply before.
    throw Refusal(file, result.stopped_at,
                  "the records overlap so often that the trace stopped here ('ldbtool check' "
                  "lists them)");
  }
}

// Observes the traced conversion and keeps what each record made. The
// children of a record are gathered on a stack while it is open and moved
// into the flat array when it closes; spans are made once the arrays are
// final.
class TraceBuilder final : public TraceObserver {
 public:
  explicit TraceBuilder(Trace& trace) : trace_(trace) {}

  void Opened(const RecordFrame& frame, const RecordPath&, ValueReader& values) override {
    if (frame.end() > frame.parent_end) {
      trace_.first_overlap = frame.offset;
      throw OverlapMet{};
    }
    const int index = static_cast<int>(trace_.records.size());
    TracedRecord record;
    record.frame = TracedFrame{frame.offset,
                               frame.body,
                               static_cast<std::int32_t>(frame.length),
                               static_cast<std::uint8_t>(frame.level),
                               frame.tag,
                               frame.length_bytes};
    record.parent = open_.empty() ? -1 : open_.back().record;
    if (frame.level == 1) written_ = frame.tag == 1;
    record.written = written_;
    trace_.records.push_back(record);
    if (record.parent >= 0) pending_children_.push_back(index);
    open_.push_back({index, pending_children_.size()});
    if (frame.level == 3 && written_) {
      trace_.rows.push_back(TracedRow{index, {}});
      row_spans_.push_back({values.TableLength(), 0});
    }
  }
  void Decoded(const RecordFrame& frame, const RecordPath& path, const DecodedValue& value,
               std::int64_t added_begin, ValueReader& values) override {
    const int index = open_.back().record;
    TracedRecord& record = trace_.records[static_cast<std::size_t>(index)];
    record.added_begin = added_begin;
    record.added_end = values.TableLength();
    record.value = value.words[0];
    if (frame.tag == kPlaceBlockField) {
      record.value = static_cast<std::uint32_t>(trace_.place_blocks.size());
      trace_.place_blocks.push_back(
          {value.words[0], value.words[1], value.words[2], value.words[3]});
      last_block_ = index;
    }
    if (frame.tag == kPlaceCountField) record.block_source = last_block_;
    NoteText(frame, path, record.added_begin, record.added_end, texts_);
  }
  void Closed(const RecordFrame& frame, const RecordPath&, ValueReader& values) override {
    // The line end is written: the row's cells end before its CR LF.
    if (frame.level == 3 && written_) row_spans_.back().second = values.TableLength() - 2;
    Close();
  }

  // Ends the records still open (the trace stopped inside them) and makes
  // the spans.
  void Finish() {
    while (!open_.empty()) Close();
    auto children = children_.begin();
    for (TracedRecord& record : trace_.records) {
      record.children = {trace_.child_storage.data() + children->first, children->second};
      ++children;
    }
  }

  // The texts that added table bytes, in file order, and each written
  // row's bytes without its line end.
  const std::vector<WrittenText>& texts() const { return texts_; }
  const std::vector<std::pair<std::int64_t, std::int64_t>>& row_spans() const { return row_spans_; }

 private:
  struct Open {
    int record;
    std::size_t first_child;  // in pending_children_
  };
  void Close() {
    const Open open = open_.back();
    open_.pop_back();
    children_.resize(trace_.records.size());
    children_[static_cast<std::size_t>(open.record)] = {
        static_cast<std::uint32_t>(trace_.child_storage.size()),
        static_cast<std::uint32_t>(pending_children_.size() - open.first_child)};
    trace_.child_storage.insert(
        trace_.child_storage.end(),
        pending_children_.begin() + static_cast<std::ptrdiff_t>(open.first_child),
        pending_children_.end());
    pending_children_.resize(open.first_child);
  }

  Trace& trace_;
  std::vector<Open> open_;
  std::vector<int> pending_children_;
  // Per record: its children's first index in child_storage and count.
  std::vector<std::pair<std::uint32_t, std::uint32_t>> children_;
  std::vector<std::pair<std::int64_t, std::int64_t>> row_spans_;
  std::vector<WrittenText> texts_;
  bool written_ = false;
  int last_block_ = -1;
};

// Splits a row into cells and finds each cell's maker.
class CellTracer {
 public:
  explicit CellTracer(Trace& trace) : trace_(trace) {}

  // The cells of row `r`, appended to the trace's cell storage.
  void Row(std::size_t r, std::int64_t begin, std::int64_t end) {
    const TracedRow& row = trace_.rows[r];
    const std::size_t first_cell = trace_.cell_storage.size();
    const std::string_view table = trace_.table;
    ForEachCell(
        table.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)),
        [&](std::size_t from, std::size_t to) {
          TracedCell cell;
          cell.text = table.substr(static_cast<std::size_t>(begin) + from, to - from);
          cell.begin = begin + static_cast<std::int64_t>(from);
          cell.end = begin + static_cast<std::int64_t>(to);
          trace_.cell_storage.push_back(cell);
        });
    const std::span<TracedCell> cells(trace_.cell_storage.data() + first_cell,
                                      trace_.cell_storage.size() - first_cell);
    // The prototype's fields that added something (an empty Name counts at
    // its place), and how often each type did.
    for (int index : fields_) type_count_[trace_.records[index].frame.tag] = 0;
    fields_.clear();
    for (int child : ChildrenOf(row.prototype)) {
      const TracedRecord& field = trace_.records[static_cast<std::size_t>(child)];
      if (field.added_end > field.added_begin || field.frame.tag == kNameField) {
        fields_.push_back(child);
        ++type_count_[field.frame.tag];
      }
    }
    // Per cell: its one maker, or -1 for none, or kMany. The fields added
    // their bytes in table order, so one sweep finds every field's cells:
    // the cells before `k0` end before the field's bytes begin.
    makers_.assign(cells.size(), -1);
    std::size_t k0 = 0;
    for (int index : fields_) {
      const TracedRecord& field = trace_.records[static_cast<std::size_t>(index)];
      const bool adds = field.added_end > field.added_begin;
      while (k0 < cells.size() && cells[k0].end < field.added_begin) ++k0;
      for (std::size_t k = k0; k < cells.size(); ++k) {
        // A cell with the TAB before it.
        const std::int64_t from = cells[k].begin - (k > 0 ? 1 : 0);
        if (adds ? from >= field.added_end : cells[k].begin > field.added_begin) break;
        const bool overlaps =
            adds ? field.added_begin < cells[k].end : field.added_begin <= cells[k].end;
        if (overlaps) makers_[k] = makers_[k] == -1 ? index : kMany;
      }
    }
    for (std::size_t first = 0, last; first < cells.size(); first = last + 1) {
      // A run of cells with the same single maker (or one cell).
      const int index = makers_[first];
      last = first;
      if (index >= 0) {
        while (last + 1 < cells.size() && makers_[last + 1] == index) ++last;
      }
      if (index < 0) {
        cells[first].ambiguous = index == kMany;
        continue;
      }
      const TracedRecord& field = trace_.records[static_cast<std::size_t>(index)];
      // The cells this field made must be exactly its own: one (two for a
      // place count), whole, and its type not repeated in the prototype.
      const std::size_t expected = field.frame.tag == kPlaceCountField ? 2 : 1;
      const bool whole = field.frame.tag == kNameField
                             ? first == 0 && last == 0 && field.added_begin == cells[0].begin &&
                                   field.added_end == cells[0].end
                             : first > 0 && last - first + 1 == expected &&
                                   field.added_begin == cells[first].begin - 1 &&
                                   field.added_end == cells[last].end;
      for (std::size_t k = first; k <= last; ++k) {
        if (!whole || type_count_[field.frame.tag] > 1) {
          cells[k].ambiguous = true;
        } else {
          cells[k].field = index;
          cells[k].part = static_cast<std::int8_t>(k - first);
        }
      }
    }
  }

  // The spans of the rows, once every row's cells are in the storage.
  void Finish(const std::vector<std::size_t>& first_cells) {
    for (std::size_t r = 0; r < trace_.rows.size(); ++r) {
      const std::size_t end =
          r + 1 < first_cells.size() ? first_cells[r + 1] : trace_.cell_storage.size();
      trace_.rows[r].cells = {trace_.cell_storage.data() + first_cells[r], end - first_cells[r]};
    }
  }

 private:
  static constexpr int kMany = -2;
  std::span<const int> ChildrenOf(int record) const {
    return trace_.records[static_cast<std::size_t>(record)].children;
  }

  Trace& trace_;
  std::vector<int> fields_;
  std::array<int, 256> type_count_{};
  std::vector<int> makers_;
};

// Notes the written texts, through records that overlap too.
class TextWatch final : public TraceObserver {
 public:
  void Opened(const RecordFrame&, const RecordPath&, ValueReader&) override {}
  void Decoded(const RecordFrame& frame, const RecordPath& path, const DecodedValue&,
               std::int64_t added_begin, ValueReader& values) override {
    NoteText(frame, path, added_begin, values.TableLength(), texts);
  }
  void Closed(const RecordFrame&, const RecordPath&, ValueReader&) override {}
  std::vector<WrittenText> texts;
};

// Ends the conversion at the first record that overlaps, keeping nothing.
class OverlapWatch final : public TraceObserver {
 public:
  void Opened(const RecordFrame& frame, const RecordPath&, ValueReader&) override {
    if (frame.end() > frame.parent_end) throw OverlapMet{};
  }
  void Decoded(const RecordFrame&, const RecordPath&, const DecodedValue&, std::int64_t,
               ValueReader&) override {}
  void Closed(const RecordFrame&, const RecordPath&, ValueReader&) override {}
};

}  // namespace

ConvertedTable ConvertNotingLineBreaks(const std::string& database, char separator,
                                       const std::string& file) {
  ConvertedTable converted;
  TextWatch watch;
  TraceResult result;
  TraceBytes(database, separator, watch, &result, &converted.table);
  RefuseUntraced(result, file);
  converted.first_line_break_text = FirstLineBreak(converted.table, watch.texts);
  return converted;
}

bool ShowsExactly(const std::string& database, std::string_view table, char separator) {
  // Compared piece by piece as the writer writes it, nothing kept; against
  // a table without CR, with the converted table's CRs left out (all of
  // them end lines, as the count of line breaks below makes sure).
  const bool lf = table.find('\r') == std::string_view::npos;
  std::size_t at = 0;
  bool same = true;
  std::int64_t breaks = 0;
  const auto compare = [&](std::string_view bytes) {
    same = same && table.substr(std::min(at, table.size()), bytes.size()) == bytes;
    at += bytes.size();
  };
  const TableSink sink = [&](std::string_view piece) {
    if (!lf) {
      compare(piece);
    } else {
      for (std::size_t begin = 0; begin < piece.size();) {
        const std::size_t cr = std::min(piece.find('\r', begin), piece.size());
        compare(piece.substr(begin, cr - begin));
        begin = cr + 1;
      }
    }
    breaks +=
        std::count(piece.begin(), piece.end(), '\r') + std::count(piece.begin(), piece.end(), '\n');
  };
  OverlapWatch watch;
  TraceResult result;
  try {
    TraceBytes(database, separator, watch, &result, sink);
  } catch (const OverlapMet&) {
    return false;
  }
  // Numbers never hold CR or LF, so a written text holds one exactly when
  // the table has more of them than the CR LF ending each of its lines.
  return !result.failed && !result.stopped && same && at == table.size() &&
         breaks == 2 * (result.rows + 1);
}

std::uint32_t ValueAt(const std::string& database, std::int64_t offset) {
  std::uint8_t bytes[4] = {0, 0, 0, 0};
  for (int i = 0; i < 4; ++i) {
    const std::int64_t at = offset + i;
    if (at >= 0 && at < static_cast<std::int64_t>(database.size())) {
      bytes[i] = static_cast<std::uint8_t>(database[static_cast<std::size_t>(at)]);
    }
  }
  return InputFile::LittleEndian32(bytes);
}

std::string ConvertDatabase(const std::string& database, char separator, const std::string& file) {
  std::string table;
  try {
    ConvertBytes(database, separator, &table);
  } catch (const Failure& failure) {
    throw Refusal(file, kNoOffset, "kovrant cannot convert it (" + failure.Message() + ")");
  }
  return table;
}

Trace TraceDatabase(const std::string& database, char separator, const std::string& file) {
  Trace trace;
  TraceBuilder builder(trace);
  TraceResult result;
  try {
    TraceBytes(database, separator, builder, &result, &trace.table);
  } catch (const OverlapMet&) {
    // Refused by the caller at trace.first_overlap.
  }
  RefuseUntraced(result, file);
  builder.Finish();
  // A trace ended by an overlap has only part of its table.
  if (trace.first_overlap >= 0) return trace;
  trace.first_line_break_text = FirstLineBreak(trace.table, builder.texts());
  // A row has one cell more than TABs: the storage is taken at once.
  std::size_t cell_count = trace.rows.size();
  for (const auto& [begin, end] : builder.row_spans()) {
    cell_count += static_cast<std::size_t>(
        std::count(trace.table.begin() + static_cast<std::ptrdiff_t>(begin),
                   trace.table.begin() + static_cast<std::ptrdiff_t>(end), '\t'));
  }
  trace.cell_storage.reserve(cell_count);
  CellTracer cells(trace);
  std::vector<std::size_t> first_cells;
  first_cells.reserve(trace.rows.size());
  for (std::size_t r = 0; r < trace.rows.size(); ++r) {
    first_cells.push_back(trace.cell_storage.size());
    cells.Row(r, builder.row_spans()[r].first, builder.row_spans()[r].second);
  }
  cells.Finish(first_cells);
  return trace;
}

}  // namespace kovrant::tool
