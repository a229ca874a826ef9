// The conversion as ldbtool watches it: kovrant's table writer runs over the
// plain record walk, its table thrown away, while an observer sees every
// record's frame and where it lies in the tree. Whether the conversion
// fails, and with which message, is decided by the table writer itself, so
// ldbtool never disagrees with kovrant; the frame hooks of the walk tell
// which read failed: a record's tag or packed length, or a field's value.
//
// The same run serves every ldbtool command: check and dump observe it with
// the table thrown away; apply and pack keep the table and note which field
// made which cell (cell_trace.h).
//
// The plain walk reads overlapping records again each time the walk comes
// back over them, so a crafted file can make it take time quadratic in its
// size. The trace therefore stops after a budget of work proportional to the
// file's size (never reached by a file whose records nest); check and dump
// then take the conversion's outcome from kovrant's own walk, without the
// place of a failure, and apply and pack refuse the first overlapping
// record as it opens.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "io/input_file.h"
#include "io/platform.h"
#include "io/table_file.h"
#include "ldb/record_walk.h"

namespace kovrant::tool {

// Where a record lies, counted as a person reads the file. Counts start at 1;
// a record walked again (overlapping records) is counted again, as kovrant
// writes its row again.
struct RecordPath {
  std::int64_t section = 0;  // first-level record
  std::uint8_t section_tag = 0;
  std::int64_t group = 0;      // second-level record within its section
  std::int64_t prototype = 0;  // third-level record, over the whole file
  std::int64_t row = 0;        // its table row (header not counted); 0: not written
  bool written() const { return section_tag == 1; }
  // "first-level record 2 (tag 1), prototype 7 (table row 5), field type 3
  // (Scale)" down to `level`; `field_type` is used at level 4.
  std::string Describe(int level, std::uint8_t field_type = 0) const;
};

// What the table writer decoded from a numeric field's value.
struct DecodedValue {
  // The writer read every byte its type reads (false when that read failed;
  // true when a check of the value read failed: a NaN scale, a place count
  // showing a signalling NaN).
  bool read = false;
  std::uint32_t words[4] = {0, 0, 0, 0};  // place block x1 y1 x2 y2; else words[0]
};

// Reads bytes of the database for an observer without disturbing the walk,
// and tells how far the table has been written.
class ValueReader {
 public:
  virtual ~ValueReader() = default;
  // Up to `count` bytes from `position` on, fewer where the file ends.
  virtual std::string Read(std::int64_t position, std::int64_t count) = 0;
  // The same bytes as a view: of the bytes just read where they are still
  // at hand, else of `scratch`, which they are read into.
  virtual std::string_view View(std::int64_t position, std::int64_t count, std::string* scratch) {
    *scratch = Read(position, count);
    return *scratch;
  }
  virtual std::int64_t FileSize() const = 0;
  // The bytes of the table written so far (header and line ends included).
  virtual std::int64_t TableLength() const = 0;
};

class TraceObserver {
 public:
  virtual ~TraceObserver() = default;
  // A record's tag and length are read; for a field, before its value is.
  virtual void Opened(const RecordFrame& frame, const RecordPath& path, ValueReader& values) = 0;
  // A field's value has been through the table writer, which added the
  // table bytes from `added_begin` to values.TableLength(); or the writer
  // failed in it (then called just before the trace ends). `value` holds
  // what it decoded of a numeric field.
  virtual void Decoded(const RecordFrame& frame, const RecordPath& path, const DecodedValue& value,
                       std::int64_t added_begin, ValueReader& values) = 0;
  // The walk has moved to the record's declared end (a prototype's line end
  // is written then).
  virtual void Closed(const RecordFrame& frame, const RecordPath& path, ValueReader& values) = 0;
};

struct TraceResult {
  std::int64_t file_size = 0;
  std::int64_t prototypes = 0;  // prototypes walked (visits)
  std::int64_t rows = 0;        // table rows written
  bool failed = false;          // kovrant fails on this file
  std::string failure_message;  // kovrant's message, without a final period
  // The failure's place (when failed and not stopped): the failing read's
  // first byte, or the first byte of the value whose check failed.
  std::int64_t failure_offset = 0;
  int failure_level = 0;            // the record being read or decoded
  bool failure_in_header = false;   // its tag or packed length
  std::int64_t failure_record = 0;  // the tag byte of the record read or decoded
  RecordFrame failure_frame;        // a field's frame (failure in a value)
  RecordPath failure_path;
  std::uint32_t failure_value = 0;  // a failing field's first four bytes (scale, place count)
  enum class Cause { kReadBeyondEnd, kNegativeLength, kNaNScale, kSignallingPlace, kOther };
  Cause cause = Cause::kOther;
  // The budget ran out: the records after `stopped_at` were not traced.
  bool stopped = false;
  std::int64_t stopped_at = 0;
};

// The work budget of a trace of a file of `file_size` bytes: `per_byte`
// times its size plus 2^24. A record costs 16, a written text's byte 1, so a
// file whose records nest needs at most 9 per byte.
std::int64_t WorkBudget(std::int64_t file_size, int per_byte = 64);

// The one traced conversion: kovrant's table writer over the plain walk
// with the frame hooks, the table written to `table` (with `separator` as
// the locale's decimal separator), every record shown to `observer`, until
// the walk ends, the conversion fails (the failure's place in `result`) or
// `budget` is spent (`result->stopped`). An observer may end the trace by
// throwing; the exception passes through.
void RunTrace(InputFile& input, std::int64_t file_size, TableFile& table, char separator,
              TraceObserver& observer, std::int64_t budget, TraceResult* result);

// Opens `database` and runs the traced conversion, its table thrown away.
// Returns the I/O code of a failed open (nothing is traced then), else 0.
// The budget is WorkBudget(size, budget_per_byte), or `work_budget` when
// that is not negative (for tests). When the budget is spent, the outcome
// of the rest is kovrant's own conversion (ConvertWithKovrant).
int TraceConversion(Platform& platform, const std::string& database, TraceObserver& observer,
                    TraceResult* result, std::int64_t work_budget = -1, int budget_per_byte = 64);

// kovrant's own conversion (its remembering walk, n log n on every input)
// of `database` on `platform` into `table_path` there. Throws kovrant's
// Failure.
void ConvertWithKovrant(Platform& platform, const std::string& database,
                        const std::string& table_path, char separator);

// The work all conversions of this process have done so far: the traces'
// work (as the budget counts it) and the steps of kovrant's own walk. Tests
// and the benchmark show with it that no input makes a command's work grow
// faster than its size allows.
std::int64_t ConversionWork();

// The same two runs over a database held in memory, the table appended to
// `table` (thrown away when null). ConvertBytes throws kovrant's Failure;
// TraceBytes runs with WorkBudget(size) and leaves the table incomplete when
// the conversion fails or the budget is spent.
void ConvertBytes(std::string_view database, char separator, std::string* table);
void TraceBytes(std::string_view database, char separator, TraceObserver& observer,
                TraceResult* result, std::string* table);
// The same, the table handed to `sink` piece by piece as it is written (on
// the calling thread) instead of kept; the database may be held in pieces,
// read one after the other.
using TableSink = std::function<void(std::string_view piece)>;
void ConvertBytes(std::span<const std::string_view> database, char separator,
                  const TableSink& sink);

// Cuts a table handed over in pieces (as a TableSink gets it) into its
// lines: `line` gets each line ended by CR LF, without it, as the pieces
// hold it where they can (a line split between pieces is copied, to be
// handed over whole), and Finish() the bytes after the last CR LF, if any.
class TableLines {
 public:
  explicit TableLines(std::function<void(std::string_view line)> line) : line_(std::move(line)) {}
  void Add(std::string_view piece);
  void Finish();

 private:
  std::function<void(std::string_view)> line_;
  std::string pending_;  // the start of a line the pieces so far have not ended
};
void TraceBytes(std::string_view database, char separator, TraceObserver& observer,
                TraceResult* result, const TableSink& sink);

}  // namespace kovrant::tool
