#include "tool/cell_trace.h"

#include <algorithm>
#include <map>
#include <memory>
#include <string_view>

#include "io/failure.h"
#include "io/input_file.h"
#include "io/memory_platform.h"
#include "io/table_file.h"
#include "table/table_writer.h"
#include "tool/refusal.h"

namespace kovrant::tool {
namespace {

constexpr char kDatabasePath[] = "levers.ldb";
constexpr char kTablePath[] = "LeverPrototypes.txt";

// The table writer with a note of what each record made.
class Tracer {
 public:
  Tracer(TableFile& table, TableWriter& writer, Trace& trace)
      : table_(table), writer_(writer), trace_(trace) {}

  std::int64_t last_offset() const { return last_offset_; }

  void TableStart() { writer_.TableStart(); }
  void RecordAt(int, std::int64_t offset) { last_offset_ = offset; }
  void RecordOpened(const RecordFrame& frame) {
    const int index = static_cast<int>(trace_.records.size());
    TracedRecord record;
    record.frame = frame;
    record.parent = open_.empty() ? -1 : open_.back();
    if (frame.level == 1) written_ = frame.tag == 1;
    record.written = written_;
    if (record.parent >= 0) trace_.records[record.parent].children.push_back(index);
    if (frame.end() > frame.parent_end && trace_.first_overlap < 0) {
      trace_.first_overlap = frame.offset;
    }
    trace_.records.push_back(record);
    open_.push_back(index);
    if (frame.level == 3 && written_) {
      trace_.rows.push_back(TracedRow{index, {}});
      row_begin_.push_back(table_.Length());
    }
  }
  void Field(std::uint8_t type, std::int64_t length, std::uint8_t first_level_tag,
             InputFile& input) {
    const int index = open_.back();
    const std::int64_t begin = table_.Length();
    writer_.Field(type, length, first_level_tag, input);
    TracedRecord& record = trace_.records[index];
    record.added_begin = begin;
    record.added_end = table_.Length();
    if (type == 1) last_block_ = index;
    if (type == 2) record.block_source = last_block_;
    if (written_ && IsTextField(type) && trace_.first_line_break_text < 0) {
      line_break_check_.push_back(index);
    }
  }
  void PrototypeEnd(std::uint8_t first_level_tag) {
    if (first_level_tag == 1) row_end_.push_back(table_.Length());
    writer_.PrototypeEnd(first_level_tag);
  }
  void RecordClosed(const RecordFrame&) { open_.pop_back(); }

  std::vector<std::int64_t> row_begin_;
  std::vector<std::int64_t> row_end_;
  std::vector<int> line_break_check_;

 private:
  TableFile& table_;
  TableWriter& writer_;
  Trace& trace_;
  std::vector<int> open_;
  bool written_ = false;
  int last_block_ = -1;
  std::int64_t last_offset_ = 0;
};

// Splits a row into cells and finds each cell's maker.
void TraceCells(Trace& trace, std::size_t row_index, std::int64_t begin, std::int64_t end) {
  TracedRow& row = trace.rows[row_index];
  for (std::int64_t cell = begin, i = begin;; ++i) {
    if (i == end || trace.table[static_cast<std::size_t>(i)] == '\t') {
      row.cells.push_back(TracedCell{
          trace.table.substr(static_cast<std::size_t>(cell), static_cast<std::size_t>(i - cell)),
          cell, i});
      if (i == end) break;
      cell = i + 1;
    }
  }
  // The prototype's fields that added something (an empty Name counts at
  // its place), and how often each type did.
  std::vector<int> fields;
  std::map<std::uint8_t, int> type_count;
  for (int child : trace.records[row.prototype].children) {
    const TracedRecord& field = trace.records[child];
    if (field.added_end > field.added_begin || field.frame.tag == 0) {
      fields.push_back(child);
      ++type_count[field.frame.tag];
    }
  }
  std::vector<std::vector<int>> makers(row.cells.size());
  for (int index : fields) {
    const TracedRecord& field = trace.records[index];
    for (std::size_t k = 0; k < row.cells.size(); ++k) {
      // A cell with the TAB before it.
      const std::int64_t from = row.cells[k].begin - (k > 0 ? 1 : 0);
      const bool overlaps =
          field.added_end > field.added_begin
              ? field.added_begin < row.cells[k].end && from < field.added_end
              : row.cells[k].begin <= field.added_begin && field.added_begin <= row.cells[k].end;
      if (overlaps) makers[k].push_back(index);
    }
  }
  for (std::size_t k = 0; k < row.cells.size(); ++k) {
    TracedCell& cell = row.cells[k];
    if (makers[k].size() != 1) {
      cell.ambiguous = makers[k].size() > 1;
      continue;
    }
    const int index = makers[k][0];
    const TracedRecord& field = trace.records[index];
    // The cells this field made must be exactly its own: one (two for a
    // place count), whole, and its type not repeated in the prototype.
    std::size_t first = k;
    while (first > 0 && makers[first - 1].size() == 1 && makers[first - 1][0] == index) --first;
    std::size_t last = k;
    while (last + 1 < row.cells.size() && makers[last + 1].size() == 1 &&
           makers[last + 1][0] == index) {
      ++last;
    }
    const std::size_t expected = field.frame.tag == 2 ? 2 : 1;
    const bool whole = field.frame.tag == 0
                           ? first == 0 && last == 0 && field.added_begin == row.cells[0].begin &&
                                 field.added_end == row.cells[0].end
                           : first > 0 && last - first + 1 == expected &&
                                 field.added_begin == row.cells[first].begin - 1 &&
                                 field.added_end == row.cells[last].end;
    if (!whole || type_count[field.frame.tag] > 1) {
      cell.ambiguous = true;
      continue;
    }
    cell.field = index;
    cell.part = static_cast<int>(k - first);
  }
}

}  // namespace

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
  MemoryPlatform memory;
  memory.files[kDatabasePath].data = database;
  std::unique_ptr<InputFile> input;
  InputFile::Open(memory, kDatabasePath, &input);
  try {
    TableFile table(memory, kTablePath, CheckSite::kCreateTable);
    TableWriter writer(table, separator);
    writer.WalkRemembering(*input, RunSeed());
    input->Close(CheckSite::kCloseInput);
    table.Commit(CheckSite::kCloseTable);
  } catch (const Failure& failure) {
    throw Refusal(file, kNoOffset, "kovrant cannot convert it (" + failure.Message() + ")");
  }
  return std::move(memory.files[kTablePath].data);
}

Trace TraceDatabase(const std::string& database, char separator, const std::string& file) {
  MemoryPlatform memory;
  memory.files[kDatabasePath].data = database;
  Trace trace;
  std::unique_ptr<InputFile> input;
  InputFile::Open(memory, kDatabasePath, &input);
  std::int64_t failed_at = 0;
  std::vector<std::int64_t> row_begin;
  std::vector<std::int64_t> row_end;
  std::vector<int> texts;
  try {
    TableFile table(memory, kTablePath, CheckSite::kCreateTable);
    TableWriter writer(table, separator);
    Tracer tracer(table, writer, trace);
    try {
      WalkRecordsPlain(*input, tracer);
    } catch (const Failure&) {
      failed_at = tracer.last_offset();
      throw;
    }
    input->Close(CheckSite::kCloseInput);
    table.Commit(CheckSite::kCloseTable);
    row_begin = std::move(tracer.row_begin_);
    row_end = std::move(tracer.row_end_);
    texts = std::move(tracer.line_break_check_);
  } catch (const Failure& failure) {
    throw Refusal(file, failed_at,
                  "kovrant cannot convert this database (" + failure.Message() +
                      " in the record here; 'ldbtool check' names the cause)");
  }
  trace.table = std::move(memory.files[kTablePath].data);
  for (int index : texts) {
    const TracedRecord& text = trace.records[index];
    const std::string_view added(trace.table.data() + text.added_begin,
                                 static_cast<std::size_t>(text.added_end - text.added_begin));
    if (added.find_first_of("\r\n") != std::string_view::npos) {
      trace.first_line_break_text = text.frame.offset;
      break;
    }
  }
  for (std::size_t r = 0; r < trace.rows.size(); ++r)
    TraceCells(trace, r, row_begin[r], row_end[r]);
  return trace;
}

}  // namespace kovrant::tool
