#include "tool/check.h"

#include <algorithm>
#include <array>
#include <cinttypes>
#include <cstdio>
#include <initializer_list>
#include <ostream>
#include <string_view>
#include <vector>

#include "io/failure.h"
#include "table/field_schema.h"
#include "tool/commands.h"

namespace kovrant::tool {
namespace {

enum Kind {
  kOverlap,
  kStray,
  kShortValue,
  kUnknownType,
  kPlaceCount,
  kTextSplits,
  kCellsMisaligned,
  kKinds
};

const char* const kKindNames[kKinds] = {
    "records reaching past their parent's end",
    "bytes read as stray records",
    "values shorter than their type reads",
    "unknown field types",
    "place counts outside 0 to 2",
    "texts holding TAB, CR or LF",
    "prototypes whose cells do not line up with the header",
};

std::string Hex32(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08" PRIX32, value);
  return text;
}

const char* LevelName(int level) {
  static const char* const kNames[5] = {"", "first-level record", "second-level record",
                                        "prototype", "field"};
  return kNames[level];
}

void Append(std::string& text, std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) text += piece;
}

void AddToList(std::string& list, const char* item) {
  if (!list.empty()) list += ", ";
  list += item;
}

std::string Count(std::int64_t count, const char* noun) {
  std::string text = std::to_string(count) + " " + noun;
  if (count != 1) text += 's';
  return text;
}

std::string Bytes(std::int64_t count) { return Count(count, "byte"); }

// The record a warning names, described only when the warning is listed.
struct Where {
  const RecordPath& path;
  int level;
  std::uint8_t type = 0;
  std::string Text() const { return path.Describe(level, type); }
};

class CheckObserver final : public TraceObserver {
 public:
  explicit CheckObserver(std::string database) : database_(std::move(database)) {}

  void Opened(const RecordFrame& frame, const RecordPath& path, ValueReader& values) override {
    if (frame.level == 1) {
      if (frame.end() > values.FileSize()) {
        Warn(kOverlap, frame.offset, {path, 1},
             "reaches past the end of the file: declares " + Bytes(frame.length) + ", " +
                 Bytes(std::max<std::int64_t>(0, values.FileSize() - frame.body)) + " remain");
      }
    } else if (frame.body > frame.parent_end) {
      Warn(kStray, frame.offset, {path, frame.level, frame.tag},
           "the " + Bytes(frame.parent_end - frame.offset) +
               " left before its parent's end are read as a further " + LevelName(frame.level) +
               ", whose tag and length run past that end");
    } else if (frame.end() > frame.parent_end) {
      Warn(kOverlap, frame.offset, {path, frame.level, frame.tag},
           "reaches past its parent's end: ends at offset " + std::to_string(frame.end()) +
               ", its parent at " + std::to_string(frame.parent_end) +
               " (the records after that are read again)");
    }
    if (frame.level == 3) cells_.clear();
    if (frame.level == 4) Field(frame, path);
  }

  void Decoded(const RecordFrame& frame, const RecordPath& path, const DecodedValue& value,
               std::int64_t, ValueReader& values) override {
    const std::uint8_t type = frame.tag;
    if (type >= kFieldTypes) return;
    const Where where{path, 4, type};
    if (type == kPlaceCountField) {
      if (!value.read) return;  // the conversion fails here
      const auto count = static_cast<std::int32_t>(value.words[0]);
      if (count < 0 || count > 2) {
        Warn(kPlaceCount, frame.offset, where,
             "place count " + std::to_string(count) + " is outside 0 to 2: no place cells");
        return;
      }
    }
    if (path.written() && type != kPlaceBlockField) cells_.push_back(type);
    if (path.written() && IsTextField(type)) TextSplits(frame, where, values);
  }

  void Closed(const RecordFrame& frame, const RecordPath& path, ValueReader&) override {
    if (frame.level != 3 || !path.written()) return;
    if (std::equal(cells_.begin(), cells_.end(), kCellFieldOrder.begin(), kCellFieldOrder.end())) {
      return;
    }
    std::string what = "cells do not line up with the header: its fields fill ";
    std::array<int, kFieldTypes> seen{};
    bool in_order = true;
    for (std::size_t i = 0; i < cells_.size(); ++i) {
      if (i > 0) what += ", ";
      what += FieldName(cells_[i]);
      ++seen[cells_[i]];
      if (i > 0 && cells_[i] <= cells_[i - 1]) in_order = false;
    }
    if (cells_.empty()) what += "no cell";
    std::string missing, repeated;
    for (std::uint8_t type : kCellFieldOrder) {
      if (seen[type] == 0) AddToList(missing, FieldName(type));
      if (seen[type] > 1) AddToList(repeated, FieldName(type));
    }
    if (!missing.empty()) what += "; missing " + missing;
    if (!repeated.empty()) what += "; repeated " + repeated;
    if (!in_order && repeated.empty()) what += "; out of order";
    Warn(kCellsMisaligned, frame.offset, {path, 3}, what);
  }

  // Lists the warnings, then a note for each kind with more than were listed.
  void Print(std::ostream& err) const {
    for (const std::string& line : lines_) err << line << '\n';
    for (int kind = 0; kind < kKinds; ++kind) {
      if (counts_[kind] > kMaxListedPerKind) {
        err << "ldbtool: " << database_ << ": note: " << counts_[kind] - kMaxListedPerKind
            << " more " << kKindNames[kind] << " not listed\n";
      }
    }
  }
  std::int64_t warnings() const {
    std::int64_t total = 0;
    for (std::int64_t count : counts_) total += count;
    return total;
  }

 private:
  // What the frame of a field shows before its value is read.
  void Field(const RecordFrame& frame, const RecordPath& path) {
    const std::uint8_t type = frame.tag;
    const Where where{path, 4, type};
    if (type >= kFieldTypes) {
      Warn(kUnknownType, frame.offset, where, "unknown field type: it makes no cell");
      return;
    }
    if (const std::int64_t reads = FieldReads(type); frame.length < reads) {
      Warn(kShortValue, frame.offset, where,
           "its value holds " + Bytes(frame.length) + ", its type reads " + std::to_string(reads) +
               ": the bytes after it are read as part of it");
    }
  }

  // A TAB inside a text moves the cells after it; a CR or LF ends the row.
  void TextSplits(const RecordFrame& frame, const Where& where, ValueReader& values) {
    constexpr std::int64_t kPiece = 64 * 1024;
    std::int64_t tabs = 0, breaks = 0, first = -1;
    for (std::int64_t at = frame.body; at < frame.end(); at += kPiece) {
      const std::string_view piece = values.View(at, std::min(kPiece, frame.end() - at), &read_);
      for (std::size_t i = FindCellBreak(piece); i != std::string_view::npos;
           i = FindCellBreak(piece, i + 1)) {
        if (first < 0) first = at + static_cast<std::int64_t>(i);
        (piece[i] == '\t' ? tabs : breaks) += 1;
      }
      if (static_cast<std::int64_t>(piece.size()) < std::min(kPiece, frame.end() - at)) break;
    }
    if (first < 0) return;
    // Appended piece by piece: GCC 12 warns wrongly (-Wrestrict) about
    // chains of std::string operator+ at -O3.
    std::string what = "the text holds";
    if (tabs > 0) Append(what, {" ", std::to_string(tabs), " TAB (it splits the cell)"});
    if (tabs > 0 && breaks > 0) what += " and";
    if (breaks > 0) {
      Append(what, {" ", std::to_string(breaks),
                    " CR or LF (it splits the row: rows and prototypes no longer pair up)"});
    }
    what += ", the first at this offset";
    Warn(kTextSplits, first, where, what);
  }

  void Warn(Kind kind, std::int64_t offset, const Where& where, const std::string& what) {
    if (++counts_[kind] > kMaxListedPerKind) return;
    lines_.push_back(FindingPrefix(database_, offset) + "warning: " + where.Text() + ": " + what);
  }

  std::string database_;
  std::vector<std::string> lines_;
  std::array<std::int64_t, kKinds> counts_{};
  std::vector<std::uint8_t> cells_;  // the cell-making field types of the prototype
  std::string read_;                 // a text's bytes, where not viewed in place
};

}  // namespace

std::string FindingPrefix(const std::string& database, std::int64_t offset) {
  char hex[24];
  std::snprintf(hex, sizeof hex, "%" PRIX64, static_cast<std::uint64_t>(offset));
  return "ldbtool: " + database + ": offset " + std::to_string(offset) + " (0x" + hex + "): ";
}

std::string DescribeFailure(const TraceResult& r) {
  std::string text = r.failure_message + ": ";
  using Cause = TraceResult::Cause;
  if (r.stopped) {
    return text + "the records overlap so often that the check stopped at offset " +
           std::to_string(r.stopped_at) + " before reaching the failing record";
  }
  if (r.failure_in_header) {
    // The record is not counted yet: its parent is named.
    const std::string within =
        r.failure_level == 1 ? "" : " in " + r.failure_path.Describe(r.failure_level - 1);
    if (r.cause == Cause::kNegativeLength) {
      return text + "the packed length of the " + LevelName(r.failure_level) +
             " starting here is negative (its four bytes have the top bit set)" + within;
    }
    return text + "the tag and packed length of the " + LevelName(r.failure_level) +
           " starting here run past the end of the file (" + Bytes(r.file_size - r.failure_offset) +
           " left)" + within;
  }
  if (r.failure_level != 4) return text + "at this offset";
  const RecordFrame& f = r.failure_frame;
  text += r.failure_path.Describe(4, f.tag) + ": ";
  switch (r.cause) {
    case Cause::kNaNScale:
      return text + "the scale is NaN (" + Hex32(r.failure_value) + ")";
    case Cause::kSignallingPlace:
      return text + "place count " + std::to_string(static_cast<std::int32_t>(r.failure_value)) +
             " shows a signalling NaN of the place block it uses";
    default: {
      const std::int64_t reads = FieldReads(f.tag) != 0 ? FieldReads(f.tag) : f.length;
      return text + "its value declares " + Bytes(f.length) +
             (reads != f.length ? ", its type reads " + std::to_string(reads) : std::string()) +
             ", " + Bytes(std::max<std::int64_t>(0, r.file_size - f.body)) + " remain in the file";
    }
  }
}

int CheckWithBudget(Platform& platform, const std::string& database, std::ostream& out,
                    std::ostream& err, std::int64_t work_budget) {
  CheckObserver observer(database);
  TraceResult result;
  if (const int code = TraceConversion(platform, database, observer, &result, work_budget);
      code != 0) {
    err << "ldbtool: " << database << ": error: "
        << (platform.IsDirectory(database)
                ? "this is a folder, not a file: name the database inside it (for example " +
                      database + "/levers.ldb)"
                : "cannot open the database: " + IoErrorMessage(code))
        << '\n';
    return 1;
  }
  // An empty file converts (into the header alone), which is seldom meant.
  const bool empty = result.file_size == 0;
  if (empty) {
    err << "ldbtool: " << database
        << ": warning: the file is empty (0 bytes): it holds no prototype, and kovrant writes a "
           "table of the header alone\n";
  }
  if (result.failed) {
    err << (result.stopped ? "ldbtool: " + database + ": "
                           : FindingPrefix(database, result.failure_offset))
        << "error: " << DescribeFailure(result) << '\n';
  }
  observer.Print(err);
  if (result.stopped) {
    err << FindingPrefix(database, result.stopped_at)
        << "note: the records overlap so often that the check stopped here; the records after "
           "this point were not checked\n";
  }
  out << database << ": ";
  if (result.failed) {
    out << "kovrant fails";
    if (!result.stopped) out << " at offset " << result.failure_offset;
  } else {
    out << "kovrant converts it";
  }
  out << " (" << Count(result.prototypes, "prototype") << ", " << Count(result.rows, "table row");
  if (result.stopped) out << " before the check stopped";
  out << "); " << Count(observer.warnings() + (empty ? 1 : 0), "warning") << '\n';
  return result.failed ? 1 : 0;
}

int Check(Platform& platform, const std::string& database, std::ostream& out, std::ostream& err) {
  return CheckWithBudget(platform, database, out, err, -1);
}

}  // namespace kovrant::tool
