// The conversion as ldbtool watches it: kovrant's table writer runs over the
// plain record walk, its table thrown away, while an observer sees every
// record's frame and where it lies in the tree. Whether the conversion
// fails, and with which message, is decided by the table writer itself, so
// ldbtool never disagrees with kovrant; the frame hooks of the walk tell
// which read failed: a record's tag or packed length, or a field's value.
//
// The plain walk reads overlapping records again each time the walk comes
// back over them, so a crafted file can make it take time quadratic in its
// size. The trace therefore stops after a budget of work proportional to the
// file's size (never reached by a file whose records nest); the conversion's
// outcome is then taken from kovrant's own fast walk, without the place of a
// failure.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "io/input_file.h"
#include "io/platform.h"
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

// Reads bytes of the database for an observer without disturbing the walk.
class ValueReader {
 public:
  virtual ~ValueReader() = default;
  // Up to `count` bytes from `position` on, fewer where the file ends.
  virtual std::string Read(std::int64_t position, std::int64_t count) = 0;
  virtual std::int64_t FileSize() const = 0;
};

class TraceObserver {
 public:
  virtual ~TraceObserver() = default;
  // A record's tag and length are read; for a field, before its value is.
  virtual void Opened(const RecordFrame& frame, const RecordPath& path, ValueReader& values) = 0;
  // The walk has moved to the record's declared end.
  virtual void Closed(const RecordFrame& frame, const RecordPath& path) = 0;
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
  int failure_level = 0;           // the record being read or decoded
  bool failure_in_header = false;  // its tag or packed length
  RecordFrame failure_frame;       // a field's frame (failure in a value)
  RecordPath failure_path;
  std::uint32_t failure_value = 0;  // a failing field's first four bytes (scale, place count)
  enum class Cause { kReadBeyondEnd, kNegativeLength, kNaNScale, kSignallingPlace, kOther };
  Cause cause = Cause::kOther;
  // The budget ran out: the records after `stopped_at` were not traced.
  bool stopped = false;
  std::int64_t stopped_at = 0;
};

// Opens `database` and runs the traced conversion. Returns the I/O code of a
// failed open (nothing is traced then), else 0. The work budget is
// `budget_per_byte` times the file's size plus 2^24, or `work_budget` when
// that is not negative (for tests). A record costs 16, a written text's byte
// 1, so a file whose records nest needs at most 9 per byte.
int TraceConversion(Platform& platform, const std::string& database, TraceObserver& observer,
                    TraceResult* result, std::int64_t work_budget = -1, int budget_per_byte = 64);

}  // namespace kovrant::tool
