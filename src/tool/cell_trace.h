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
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ldb/record_walk.h"

namespace kovrant::tool {

struct TracedRecord {
  RecordFrame frame;
  int parent = -1;            // index into Trace::records; -1 at level 1
  std::vector<int> children;  // in file order
  bool written = false;       // under a first-level record with tag 1
  // Fields only: the table bytes the field call added (absolute offsets).
  std::int64_t added_begin = 0;
  std::int64_t added_end = 0;
  // Place counts only: the place field whose block the count saw, -1 when
  // none came before (the block is then four zeros).
  int block_source = -1;
};

struct TracedCell {
  std::string text;
  std::int64_t begin = 0;  // in the table
  std::int64_t end = 0;
  int field = -1;          // the record that made it, when it is the only one
  bool ambiguous = false;  // more than one field made it (field is then -1)
  int part = 0;            // for place counts: 0 Place1, 1 Place2
};

struct TracedRow {
  int prototype = -1;  // the record
  std::vector<TracedCell> cells;
};

struct Trace {
  std::string table;                  // exactly what kovrant writes
  std::vector<TracedRecord> records;  // depth-first, file order
  std::vector<TracedRow> rows;
  // The first record that reaches past its parent's end (overlap), or -1.
  std::int64_t first_overlap = -1;
  // The first written text field whose bytes hold CR or LF, or -1.
  std::int64_t first_line_break_text = -1;
};

// Converts `database` as kovrant would, with `separator` as the locale's
// decimal separator. Throws Refusal naming `file` at the failing record when
// kovrant would fail.
Trace TraceDatabase(const std::string& database, char separator, const std::string& file);

// The table kovrant writes for `database`, made by kovrant's own walk and
// table writer in memory. Throws Refusal naming `file` with kovrant's
// failure message when kovrant would fail.
std::string ConvertDatabase(const std::string& database, char separator, const std::string& file);

// The little-endian 32-bit value at `offset` of `database` (zeros past its
// end).
std::uint32_t ValueAt(const std::string& database, std::int64_t offset);

}  // namespace kovrant::tool
