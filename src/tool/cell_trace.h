// Which record of a database made which bytes of its table.
//
// The database is converted in memory by kovrant's own table writer (the one
// decoder of field values), wrapped so that every field call notes the table
// bytes it added. From these, each cell of each row is traced to the one
// field that made it, if there is one:
//   - a Name field makes its row's first cell when it is the prototype's
//     first contribution; Scale, Switch Time and the texts Material, Switch
//     Sound, Lever Description make the TAB and the cell after it; a place
//     count makes two cells (Place1, Place2);
//   - a cell with bytes of two fields (a Name after another field), a cell
//     cut out of a text holding TAB, and the cells of a field type that a
//     prototype has twice have no single maker: they are ambiguous;
//   - a cell no field made (a row without a Name field starts with an empty
//     one) has no maker.
// The trace also keeps the record tree, so that a changed prototype can be
// rewritten with everything else copied byte for byte, and for every place
// count the place field whose block it showed (blocks carry over from
// prototype to prototype, even from other first-level records).
//
// The trace is the one traced conversion of conversion_trace.h with the
// table kept, and compact: records and cells in flat arrays, children and a
// row's cells as spans over them, a cell's text a view of the table. A Trace
// is moved, never copied (the spans point into its own arrays).
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ldb/record_walk.h"
#include "tool/table_text.h"

namespace kovrant::tool {

// A record's frame as the trace keeps it: where it lies and what it
// declares (RecordFrame without the ends of its ancestors, which a trace of
// records that nest does not need).
struct TracedFrame {
  std::int64_t offset = 0;  // the tag byte
  std::int64_t body = 0;    // the body's first byte
  std::int32_t length = 0;  // at most the longest packed length, 2^30 - 1
  std::uint8_t level = 0;   // 1 to 4
  std::uint8_t tag = 0;     // at level 4 the field type
  std::uint8_t length_bytes = 0;
  std::int64_t end() const { return body + length; }
  // As the walk's frame (its ancestors' ends left 0).
  operator RecordFrame() const {
    RecordFrame frame;
    frame.offset = offset;
    frame.body = body;
    frame.length = length;
    frame.level = level;
    frame.tag = tag;
    frame.length_bytes = length_bytes;
    return frame;
  }
};

struct TracedRecord {
  TracedFrame frame;
  int parent = -1;  // index into Trace::records; -1 at level 1
  // Place counts only: the place field whose block the count saw, -1 when
  // none came before (the block is then four zeros).
  int block_source = -1;
  std::span<const int> children;  // in file order
  // Fields only: the table bytes the field call added (absolute offsets).
  std::int64_t added_begin = 0;
  std::int64_t added_end = 0;
  // What the table writer decoded: a place count, scale or switch time
  // itself; for a place block its index in Trace::place_blocks.
  std::uint32_t value = 0;
  bool written = false;  // under a first-level record with tag 1
};

struct TracedCell {
  CellText text;           // a view of Trace::table
  std::int64_t begin = 0;  // in the table
  std::int64_t end = 0;
  int field = -1;          // the record that made it, when it is the only one
  bool ambiguous = false;  // more than one field made it (field is then -1)
  std::int8_t part = 0;    // for place counts: 0 Place1, 1 Place2
};

struct TracedRow {
  int prototype = -1;  // the record
  std::span<const TracedCell> cells;
};

struct Trace {
  Trace() = default;
  Trace(Trace&&) = default;
  Trace& operator=(Trace&&) = default;
  Trace(const Trace&) = delete;
  Trace& operator=(const Trace&) = delete;

  std::string table;  // exactly what kovrant writes
  // Depth-first, file order; in blocks, so that a million records grow
  // without copies or a doubled peak.
  std::deque<TracedRecord> records;
  std::vector<TracedRow> rows;
  // The first record that reaches past its parent's end (overlap), or -1.
  // The trace ends there: it holds the records before it.
  std::int64_t first_overlap = -1;
  // The first written text field whose bytes hold CR or LF, or -1.
  std::int64_t first_line_break_text = -1;
  // The place blocks as the table writer read them (TracedRecord::value).
  std::vector<std::array<std::uint32_t, 4>> place_blocks;

  // The place count the writer read for a place count record.
  std::int32_t PlaceCount(int record) const {
    return static_cast<std::int32_t>(records[static_cast<std::size_t>(record)].value);
  }
  // The block of a place field (a block_source), four zeros for -1.
  std::array<std::uint32_t, 4> PlaceBlock(int source) const {
    if (source < 0) return {0, 0, 0, 0};
    return place_blocks[records[static_cast<std::size_t>(source)].value];
  }

  // The flat arrays the spans point into.
  std::vector<int> child_storage;
  std::vector<TracedCell> cell_storage;
};

// Converts `database` as kovrant would, with `separator` as the locale's
// decimal separator, through the one traced conversion (with its work
// budget). Throws Refusal naming `file` at the failing record when kovrant
// would fail. Stops at the first record that overlaps (first_overlap).
Trace TraceDatabase(const std::string& database, char separator, const std::string& file);

// The table kovrant writes for `database`, made by kovrant's own walk and
// table writer in memory. Throws Refusal naming `file` with kovrant's
// failure message when kovrant would fail.
std::string ConvertDatabase(const std::string& database, char separator, const std::string& file);

// The table kovrant writes for `database` (whose records may overlap) and
// the first written text whose bytes hold CR or LF (-1: none). Refuses as
// TraceDatabase does when kovrant would fail or the records overlap so
// often that the trace stops.
struct ConvertedTable {
  std::string table;
  std::int64_t first_line_break_text = -1;
};
ConvertedTable ConvertNotingLineBreaks(const std::string& database, char separator,
                                       const std::string& file);

// Whether `table` is byte for byte what kovrant writes for `database`, or
// the same with LF line ends (a table with no CR at all, as an editor may
// save it), for a database whose records nest and whose written texts hold
// no line break: a table that asks apply for nothing. One quick
// conversion, nothing traced; false whenever TraceDatabase would refuse the
// database (it then tells why).
bool ShowsExactly(const std::string& database, std::string_view table, char separator);

// The little-endian 32-bit value at `offset` of `database` (zeros past its
// end).
std::uint32_t ValueAt(const std::string& database, std::int64_t offset);

}  // namespace kovrant::tool
