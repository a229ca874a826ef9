#include "tool/conversion_trace.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string_view>
#include <utility>

#include "io/failure.h"
#include "io/table_file.h"
#include "table/field_schema.h"
#include "table/table_writer.h"

namespace kovrant::tool {
namespace {

// The platform of a conversion ldbtool runs: the database read through the
// real platform, or from bytes in memory (one file, whatever its name); the
// table appended to a string, or thrown away. The table writer still formats
// every cell, so its checks (and failures) are kovrant's.
class ConversionPlatform final : public Platform {
 public:
  // Reads through `base`.
  ConversionPlatform(Platform& base, std::string* table) : base_(&base), table_(table) {}
  // Reads `bytes`.
  ConversionPlatform(std::string_view bytes, std::string* table)
      : pieces_{bytes}, size_(bytes.size()), table_(table) {}
  // Reads the `pieces` one after the other, the table handed to `sink` as
  // it is written.
  ConversionPlatform(std::span<const std::string_view> pieces, const TableSink& sink)
      : pieces_(pieces.begin(), pieces.end()), table_(nullptr), sink_(&sink) {
    for (const std::string_view piece : pieces) size_ += piece.size();
  }

  int OpenInput(const std::string& path, FileHandle* file) override {
    if (base_ != nullptr) return base_->OpenInput(path, file);
    position_ = 0;
    *file = Bytes();
    return 0;
  }
  int Read(FileHandle file, void* buffer, std::size_t size, std::size_t* got) override {
    if (file != Bytes()) return base_->Read(file, buffer, size, got);
    const std::size_t at = std::min(position_, size_);
    *got = std::min(size, size_ - at);
    char* out = static_cast<char*>(buffer);
    std::size_t skip = at, left = *got;
    for (const std::string_view piece : pieces_) {
      if (skip >= piece.size()) {
        skip -= piece.size();
        continue;
      }
      const std::size_t n = std::min(left, piece.size() - skip);
      if (n == 0) break;
      std::memcpy(out, piece.data() + skip, n);
      out += n;
      left -= n;
      skip = 0;
    }
    position_ = at + *got;
    return 0;
  }
  int Seek(FileHandle file, std::int64_t position) override {
    if (file != Bytes()) return base_->Seek(file, position);
    if (position < 0) return kIoNegativeSeek;
    // Beyond the end reads nothing (and a 32-bit size_t must not wrap).
    position_ = static_cast<std::size_t>(std::min(position, static_cast<std::int64_t>(size_)));
    return 0;
  }
  int FileSize(FileHandle file, std::int64_t* size) override {
    if (file != Bytes()) return base_->FileSize(file, size);
    *size = static_cast<std::int64_t>(size_);
    return 0;
  }
  int CreateTemporary(const std::string&, std::string* temporary_path, FileHandle* file) override {
    temporary_path->clear();
    if (table_ != nullptr) {
      // A table is about as long as its database: room for that at once
      // spares the copies of a doubling string.
      table_->clear();
      table_->reserve(size_ + (std::size_t{1} << 16));
    }
    *file = Sink();
    return 0;
  }
  int Write(FileHandle, const void* data, std::size_t size) override {
    if (table_ != nullptr) table_->append(static_cast<const char*>(data), size);
    if (sink_ != nullptr) (*sink_)(std::string_view(static_cast<const char*>(data), size));
    return 0;
  }
  int Close(FileHandle file) override {
    return file == Sink() || file == Bytes() ? 0 : base_->Close(file);
  }
  int FlushToDisk(FileHandle) override { return 0; }
  int MoveOver(const std::string&, const std::string&) override { return 0; }
  int MoveOverKeepingBackup(const std::string&, const std::string&, const std::string&) override {
    return 0;
  }
  bool SameFile(const std::string&, const std::string&) override { return false; }
  void RemoveFile(const std::string&) override {}
  bool IsDirectory(const std::string&) override { return false; }
  bool MakeDirectory(const std::string&) override { return false; }
  char PathSeparator() const override { return '/'; }
  int WriteStandardOutput(const void*, std::size_t) override { return 0; }

 private:
  // Handles no platform hands out: addresses inside this object.
  FileHandle Sink() const { return reinterpret_cast<FileHandle>(&table_); }
  FileHandle Bytes() const { return reinterpret_cast<FileHandle>(&pieces_); }

  Platform* base_ = nullptr;
  std::vector<std::string_view> pieces_;  // of the database in memory
  std::size_t size_ = 0;                  // all of them
  std::size_t position_ = 0;
  std::string* table_;
  const TableSink* sink_ = nullptr;
};

std::atomic<std::int64_t> conversion_work{0};

// Thrown by the handler when the work budget is spent.
struct BudgetSpent {};

class TracingHandler final : public ValueReader {
 public:
  TracingHandler(TableWriter& writer, TableFile& table, InputFile& input, TraceObserver& observer,
                 std::int64_t file_size, std::int64_t budget)
      : writer_(writer),
        table_(table),
        input_(input),
        observer_(observer),
        file_size_(file_size),
        budget_(budget) {}

  // The record walk's handler.
  void TableStart() { writer_.TableStart(); }
  void Field(std::uint8_t field_type, std::int64_t length, std::uint8_t first_level_tag,
             InputFile& input) {
    const std::int64_t added_begin = table_.Length();
    in_value_ = true;
    writer_.Field(field_type, length, first_level_tag, input);
    in_value_ = false;
    DecodedValue value;
    value.read = true;
    writer_.Decoded(field_type, value.words);
    observer_.Decoded(field_, path_, value, added_begin, *this);
  }
  void PrototypeEnd(std::uint8_t first_level_tag) { writer_.PrototypeEnd(first_level_tag); }
  void RecordAt(int level, std::int64_t offset) {
    header_level_ = level;
    header_offset_ = offset;
  }
  void RecordOpened(const RecordFrame& frame) {
    header_level_ = 0;
    // A written text is copied byte for byte, as far as the file holds it.
    const bool text = frame.level == 4 && path_.written() && IsTextField(frame.tag);
    Spend(kWorkPerRecord +
          (text ? std::min(frame.length, std::max<std::int64_t>(0, file_size_ - frame.body)) : 0));
    switch (frame.level) {
      case 1:
        ++path_.section;
        path_.section_tag = frame.tag;
        path_.group = 0;
        break;
      case 2:
        ++path_.group;
        break;
      case 3:
        ++path_.prototype;
        path_.row = path_.written() ? ++rows_ : 0;
        break;
      default:
        field_ = frame;
        break;
    }
    observer_.Opened(frame, path_, *this);
  }
  void RecordClosed(const RecordFrame& frame) { observer_.Closed(frame, path_, *this); }

  // ValueReader.
  std::string Read(std::int64_t position, std::int64_t count) override {
    const std::int64_t available = file_size_ - position;
    if (count > available) count = available;
    if (count <= 0) return {};
    // Mostly bytes just read, taken from the buffer; else read beside the
    // walk's reading, which stays as it is (a seek back would drop the
    // blocks read ahead).
    if (const std::string_view held = input_.Buffered(position, count); !held.empty()) {
      return std::string(held);
    }
    std::string bytes(static_cast<std::size_t>(count), '\0');
    if (input_.ReadAt(position, bytes.data(), count, CheckSite::kReadName) < count) {
      throw IoError(kIoReadBeyondEnd, CheckSite::kReadName);
    }
    return bytes;
  }
  std::string_view View(std::int64_t position, std::int64_t count, std::string* scratch) override {
    const std::string_view held = input_.Buffered(position, std::min(count, file_size_ - position));
    if (!held.empty()) return held;
    *scratch = Read(position, count);
    return *scratch;
  }
  std::int64_t FileSize() const override { return file_size_; }
  std::int64_t TableLength() const override { return table_.Length(); }

  // Fills in the place of a failure that has just ended the walk; a failure
  // in a value is shown to the observer with what the writer decoded.
  void NoteFailure(const Failure& failure, TraceResult* result) {
    result->failed = true;
    result->failure_message = failure.Message();
    result->failure_path = path_;
    result->failure_record = header_offset_;
    const auto* io = dynamic_cast<const IoError*>(&failure);
    if (io != nullptr && io->code() == kIoReadBeyondEnd) {
      // A four-byte length whose bytes are all there failed for its sign.
      result->cause = failure.site() == CheckSite::kReadLengthWord && header_level_ != 0 &&
                              header_offset_ + 5 <= file_size_
                          ? TraceResult::Cause::kNegativeLength
                          : TraceResult::Cause::kReadBeyondEnd;
    } else if (failure.site() == CheckSite::kCompareScale) {
      result->cause = TraceResult::Cause::kNaNScale;
    } else if (failure.site() == CheckSite::kRenderPlace) {
      result->cause = TraceResult::Cause::kSignallingPlace;
    }
    if (header_level_ != 0) {
      result->failure_in_header = true;
      result->failure_level = header_level_;
      result->failure_offset = header_offset_;
    } else if (in_value_) {
      result->failure_level = 4;
      result->failure_frame = field_;
      result->failure_offset = field_.body;
      DecodedValue value;
      value.read = result->cause == TraceResult::Cause::kNaNScale ||
                   result->cause == TraceResult::Cause::kSignallingPlace;
      if (value.read) writer_.Decoded(field_.tag, value.words);
      result->failure_value = value.words[0];
      observer_.Decoded(field_, path_, value, table_.Length(), *this);
    } else {
      result->failure_offset = input_.Position();
    }
  }
  std::int64_t position_reached() const {
    return header_level_ != 0 ? header_offset_ : input_.Position();
  }
  const RecordPath& path() const { return path_; }
  std::int64_t rows() const { return rows_; }
  std::int64_t spent() const { return spent_; }

 private:
  static constexpr std::int64_t kWorkPerRecord = 16;
  void Spend(std::int64_t work) {
    spent_ += work;
    if (spent_ > budget_) throw BudgetSpent{};
  }

  TableWriter& writer_;
  TableFile& table_;
  InputFile& input_;
  TraceObserver& observer_;
  std::int64_t file_size_;
  std::int64_t budget_;
  std::int64_t spent_ = 0;
  RecordPath path_;
  std::int64_t rows_ = 0;
  RecordFrame field_;
  int header_level_ = 0;  // a record whose tag and length are being read
  std::int64_t header_offset_ = 0;
  bool in_value_ = false;  // the table writer is decoding field_'s value
};

TraceResult::Cause CauseOf(const Failure& failure) {
  if (failure.site() == CheckSite::kCompareScale) return TraceResult::Cause::kNaNScale;
  if (failure.site() == CheckSite::kRenderPlace) return TraceResult::Cause::kSignallingPlace;
  const auto* io = dynamic_cast<const IoError*>(&failure);
  if (io != nullptr && io->code() == kIoReadBeyondEnd) {
    return failure.site() == CheckSite::kReadLengthWord ? TraceResult::Cause::kNegativeLength
                                                        : TraceResult::Cause::kReadBeyondEnd;
  }
  return TraceResult::Cause::kOther;
}

int OpenWithSize(Platform& platform, const std::string& path, std::unique_ptr<InputFile>* input,
                 std::int64_t* size) {
  FileHandle handle;
  if (int code = platform.OpenInput(path, &handle); code != 0) return code;
  const int code = platform.FileSize(handle, size);
  platform.Close(handle);
  if (code != 0) return code;
  return InputFile::Open(platform, path, input);
}

}  // namespace

std::string RecordPath::Describe(int level, std::uint8_t field_type) const {
  std::string text = "first-level record " + std::to_string(section) + " (tag " +
                     std::to_string(section_tag) + ")";
  if (level == 2) text += ", second-level record " + std::to_string(group);
  if (level >= 3) {
    text += ", prototype " + std::to_string(prototype);
    text += row != 0 ? " (table row " + std::to_string(row) + ")" : " (not written)";
  }
  if (level == 4) {
    text += ", field type " + std::to_string(field_type);
    if (field_type < kFieldTypes) text += std::string(" (") + FieldName(field_type) + ")";
  }
  return text;
}

std::int64_t WorkBudget(std::int64_t file_size, int per_byte) {
  return per_byte * file_size + (std::int64_t{1} << 24);
}

void RunTrace(InputFile& input, std::int64_t file_size, TableFile& table, char separator,
              TraceObserver& observer, std::int64_t budget, TraceResult* result) {
  *result = TraceResult{};
  result->file_size = file_size;
  TableWriter writer(table, separator);
  TracingHandler handler(writer, table, input, observer, file_size, budget);
  // Counted however the trace ends (an observer may end it by throwing).
  struct CountWork {
    const TracingHandler& handler;
    ~CountWork() { conversion_work += handler.spent(); }
  } count_work{handler};
  try {
    WalkRecordsPlain(input, handler);
  } catch (const Failure& failure) {
    handler.NoteFailure(failure, result);
  } catch (const BudgetSpent&) {
    result->stopped = true;
    result->stopped_at = handler.position_reached();
  }
  result->prototypes = handler.path().prototype;
  result->rows = handler.rows();
}

std::int64_t ConversionWork() { return conversion_work; }

void ConvertWithKovrant(Platform& platform, const std::string& database,
                        const std::string& table_path, char separator) {
  std::unique_ptr<InputFile> input;
  if (int code = InputFile::Open(platform, database, &input); code != 0) throw IoError(code, {});
  TableFile table(platform, table_path, CheckSite::kCreateTable);
  TableWriter writer(table, separator);
  const RememberingWalkStats stats = writer.WalkRemembering(*input, RunSeed());
  conversion_work += static_cast<std::int64_t>(stats.steps);
  input->Close(CheckSite::kCloseInput);
  table.Commit(CheckSite::kCloseTable);
}

void ConvertBytes(std::string_view database, char separator, std::string* table) {
  ConversionPlatform memory(database, table);
  ConvertWithKovrant(memory, std::string(), std::string(), separator);
}

void ConvertBytes(std::span<const std::string_view> database, char separator,
                  const TableSink& sink) {
  ConversionPlatform memory(database, sink);
  ConvertWithKovrant(memory, std::string(), std::string(), separator);
}

void TableLines::Add(std::string_view piece) {
  std::size_t begin = 0;
  if (!pending_.empty() && pending_.back() == '\r' && !piece.empty() && piece.front() == '\n') {
    // The line end itself was split.
    pending_.pop_back();
    line_(pending_);
    pending_.clear();
    begin = 1;
  } else if (!pending_.empty()) {
    const std::size_t end = piece.find("\r\n");
    if (end == std::string_view::npos) {
      pending_ += piece;
      return;
    }
    pending_ += piece.substr(0, end);
    line_(pending_);
    pending_.clear();
    begin = end + 2;
  }
  for (std::size_t end; (end = piece.find("\r\n", begin)) != std::string_view::npos;
       begin = end + 2) {
    line_(piece.substr(begin, end - begin));
  }
  pending_.assign(piece.substr(begin));
}

void TableLines::Finish() {
  if (!pending_.empty()) line_(pending_);
  pending_.clear();
}

namespace {

// The traced conversion over a database in `memory`.
void TraceInMemory(Platform& memory, std::string_view database, char separator,
                   TraceObserver& observer, TraceResult* result) {
  std::unique_ptr<InputFile> input;
  if (int code = InputFile::Open(memory, std::string(), &input); code != 0) throw IoError(code, {});
  const auto size = static_cast<std::int64_t>(database.size());
  TableFile file(memory, std::string(), CheckSite::kCreateTable);
  RunTrace(*input, size, file, separator, observer, WorkBudget(size), result);
  if (result->failed || result->stopped) return;
  input->Close(CheckSite::kCloseInput);
  file.Commit(CheckSite::kCloseTable);
}

}  // namespace

void TraceBytes(std::string_view database, char separator, TraceObserver& observer,
                TraceResult* result, std::string* table) {
  ConversionPlatform memory(database, table);
  TraceInMemory(memory, database, separator, observer, result);
}

void TraceBytes(std::string_view database, char separator, TraceObserver& observer,
                TraceResult* result, const TableSink& sink) {
  ConversionPlatform memory(std::span(&database, 1), sink);
  TraceInMemory(memory, database, separator, observer, result);
}

int TraceConversion(Platform& platform, const std::string& database, TraceObserver& observer,
                    TraceResult* result, std::int64_t work_budget, int budget_per_byte) {
  *result = TraceResult{};
  std::unique_ptr<InputFile> input;
  std::int64_t size = 0;
  if (int code = OpenWithSize(platform, database, &input, &size); code != 0) return code;
  ConversionPlatform discard(platform, nullptr);
  {
    TableFile table(discard, std::string(), CheckSite::kCreateTable);
    RunTrace(*input, size, table, '.', observer,
             work_budget >= 0 ? work_budget : WorkBudget(size, budget_per_byte), result);
  }
  if (!result->stopped) return 0;
  // The outcome of the records not traced: kovrant's own walk decides.
  input.reset();
  try {
    ConvertWithKovrant(discard, database, std::string(), '.');
  } catch (const Failure& failure) {
    result->failed = true;
    result->failure_message = failure.Message();
    result->cause = CauseOf(failure);
  }
  return 0;
}

}  // namespace kovrant::tool
