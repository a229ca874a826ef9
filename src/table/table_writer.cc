#include "table/table_writer.h"

#include <algorithm>
#include <cstring>

#include "io/failure.h"
#include "table/one_decimal.h"
#include "table/text_copy.h"

namespace kovrant {
namespace {

bool IsNaN(std::uint32_t bits) { return (bits & 0x7F800000) == 0x7F800000 && (bits & 0x007FFFFF); }
// A NaN whose quiet bit (the top bit of the fraction) is clear.
bool IsSignallingNaN(std::uint32_t bits) { return IsNaN(bits) && !(bits & 0x00400000); }

std::int32_t AsInt32(std::uint32_t bits) {
  std::int32_t value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace

TableWriter::~TableWriter() = default;

bool TableWriter::RendersSignallingNaN(const std::uint32_t place[4], int count) {
  for (int i = 0; i < count; ++i) {
    if (IsSignallingNaN(place[i])) return true;
  }
  return false;
}

void TableWriter::TableStart() { table_.WriteLine(kHeaderRow, CheckSite::kWriteHeader); }

void TableWriter::Field(std::uint8_t field_type, std::int64_t length, std::uint8_t first_level_tag,
                        InputFile& input) {
  Decode(field_type, length, first_level_tag, input);
}

[[gnu::always_inline]] inline int TableWriter::Decode(std::uint8_t field_type, std::int64_t length,
                                                      std::uint8_t first_level_tag,
                                                      InputFile& input) {
  // Only prototypes under a first-level record with tag 1 are written; the
  // others are still read (and can still fail), but not rendered.
  const bool written = first_level_tag == 1;
  switch (field_type) {
    case kNameField:
      Text(length, written, CheckSite::kReadName, input);
      break;
    case kPlaceBlockField:
      for (std::uint32_t& value : place_) value = input.ReadUint32(CheckSite::kReadPlaceBlock);
      break;
    case kPlaceCountField: {
      word_ = input.ReadUint32(CheckSite::kReadPlaceCount);
      const std::int32_t count = AsInt32(word_);
      Places(count, written);
      return count == 1 || count == 2 ? 2 * count : 0;
    }
    case kScaleField: {
      scale_ = input.ReadUint32(CheckSite::kReadScale);
      // Comparing a NaN with 1.0 is an invalid operation.
      if (IsNaN(scale_)) throw InvalidOpError(CheckSite::kCompareScale);
      if (!written) break;
      char* out = table_.Space(1 + kOneDecimalMaxLength, CheckSite::kWriteRow);
      *out++ = '\t';
      if (scale_ != kFloatOneBits) out = Number(scale_, out);
      table_.Used(out);
      break;
    }
    case kSwitchTimeField: {
      word_ = input.ReadUint32(CheckSite::kReadSwitchTime);
      const std::int32_t ticks = AsInt32(word_);
      if (!written) break;
      char* out = table_.Space(1 + kOneDecimalMaxLength, CheckSite::kWriteRow);
      *out++ = '\t';
      out = numbers_.SwitchTime(ticks, out);
      table_.Used(out);
      break;
    }
    case kMaterialField:
      if (written) Put('\t');
      Text(length, written, CheckSite::kReadMaterial, input);
      break;
    case kSwitchSoundField:
      if (written) Put('\t');
      Text(length, written, CheckSite::kReadSwitchSound, input);
      break;
    case kDescriptionField:
      if (written) Put('\t');
      Text(length, written, CheckSite::kReadDescription, input);
      break;
    default:
      break;
  }
  return 0;
}

void TableWriter::PrototypeEnd(std::uint8_t first_level_tag) {
  // The row's cells went out as they were decoded; a failure before this
  // point discards the whole table, so only the line end is left to write.
  if (first_level_tag == 1) table_.EndLine(CheckSite::kWriteRow);
}

void TableWriter::Text(std::int64_t length, bool written, CheckSite site, InputFile& input) {
  if (!written) {
    input.Skip(length, site);
    return;
  }
  if (input.Position() + length > read_again_from_) [[unlikely]] {
    TextReadAgain(length, site, input);
    return;
  }
  // Copied straight from the input's buffer to the table's, NUL bytes left
  // out, in one pass; a value of any length passes without being held whole.
  input.ReadInto(length, site, [this](const std::uint8_t* data, std::size_t size) {
    if (size <= TableFile::kBufferSize) [[likely]] {
      table_.Used(CopyWithoutNuls(data, size, table_.Space(size, CheckSite::kWriteRow)));
      return;
    }
    CopyPieces(data, size, [](const std::uint8_t* from, std::size_t piece, char* out) {
      return CopyWithoutNuls(from, piece, out);
    });
  });
}

template <typename Copy>
void TableWriter::CopyPieces(const std::uint8_t* data, std::size_t size, Copy&& copy) {
  // The table's buffer takes at most kBufferSize bytes at once.
  while (size > 0) {
    const std::size_t piece = size < TableFile::kBufferSize ? size : TableFile::kBufferSize;
    table_.Used(copy(data, piece, table_.Space(piece, CheckSite::kWriteRow)));
    data += piece;
    size -= piece;
  }
}

void TableWriter::TextReadAgain(std::int64_t length, CheckSite site, InputFile& input) {
  std::int64_t position = input.Position();
  const std::int64_t end = position + length;
  while (position < end) {
    if (const std::int64_t after_run = nul_runs_.EndOfRunAt(position); after_run > position) {
      position = std::min(after_run, end);
      continue;
    }
    // Up to the next known run, copied byte by byte, noting the runs met.
    const std::int64_t stop = nul_runs_.NextRunStart(position, end);
    input.Seek(position, site);
    std::int64_t at = position;
    std::int64_t run_start = -1;
    input.ReadInto(stop - position, site, [&](const std::uint8_t* data, std::size_t size) {
      CopyPieces(data, size, [&](const std::uint8_t* from, std::size_t piece, char* out) {
        for (std::size_t i = 0; i < piece; ++i, ++at) {
          if (from[i] == 0) {
            if (run_start < 0) run_start = at;
            continue;
          }
          if (run_start >= 0) nul_runs_.Add(run_start, at);
          run_start = -1;
          *out++ = static_cast<char>(from[i]);
        }
        return out;
      });
    });
    if (run_start >= 0) nul_runs_.Add(run_start, stop);
    position = stop;
  }
}

void TableWriter::Places(std::int32_t count, bool written) {
  if (count < 0 || count > 2) return;
  // Rendering a signalling NaN is an invalid operation; only the places the
  // row shows are rendered.
  if (RendersSignallingNaN(place_, count * 2)) throw InvalidOpError(CheckSite::kRenderPlace);
  if (!written) return;
  // TAB x1 "," y1 TAB x2 "," y2
  char* out = table_.Space(4 + 4 * kOneDecimalMaxLength, CheckSite::kWriteRow);
  *out++ = '\t';
  if (count >= 1) {
    out = Number(place_[0], out);
    *out++ = ',';
    out = Number(place_[1], out);
  }
  *out++ = '\t';
  if (count == 2) {
    out = Number(place_[2], out);
    *out++ = ',';
    out = Number(place_[3], out);
  }
  table_.Used(out);
}

char* TableWriter::Number(std::uint32_t float_bits, char* out) const {
  return numbers_.Float32(float_bits, out);
}

// The writer as the handler of WalkRecordsRemembering: Field is the inlined
// Decode, and the effect of a record on the writer is its effect on the
// place block.
class TableWriter::Walker {
 public:
  using Effect = PlaceEffect;
  explicit Walker(TableWriter& writer) : writer_(writer) {}

  void TableStart() { writer_.TableStart(); }
  // Inlined into the walk's loops whatever the compiler's budget says: the
  // call would cost as much as most fields.
  [[gnu::always_inline]] void Field(std::uint8_t field_type, std::int64_t length,
                                    std::uint8_t first_level_tag, InputFile& input) {
    writer_.Decode(field_type, length, first_level_tag, input);
  }
  void PrototypeEnd(std::uint8_t first_level_tag) { writer_.PrototypeEnd(first_level_tag); }

  Effect Then(const Effect& first, const Effect& second) const {
    return TableWriter::Then(first, second, blocks_);
  }
  void Apply(const Effect& effect) {
    if (effect.fails || RendersSignallingNaN(writer_.place_, effect.checks)) {
      throw InvalidOpError(CheckSite::kRenderPlace);
    }
    if (effect.stores != kNoBlock) {
      std::memcpy(writer_.place_, blocks_[effect.stores].value, sizeof writer_.place_);
    }
  }
  Effect RememberField(std::uint8_t field_type, std::int64_t length, std::uint8_t first_level_tag,
                       InputFile& input, bool* adds) {
    // A Name of NUL bytes alone writes nothing, and then a prototype read
    // again and again costs nothing either.
    const std::int64_t table_length = writer_.table_.Length();
    Effect effect;
    effect.checks =
        static_cast<std::uint8_t>(writer_.Decode(field_type, length, first_level_tag, input));
    *adds = writer_.table_.Length() != table_length;
    if (field_type == 1) {
      effect.stores = static_cast<std::uint32_t>(blocks_.size());
      PlaceBlock block;
      std::memcpy(block.value, writer_.place_, sizeof block.value);
      blocks_.push_back(block);
    }
    return effect;
  }
  bool PrototypeAdds(std::uint8_t first_level_tag) const { return first_level_tag == 1; }
  // Only whether the rows are written matters.
  std::uint8_t KindOfTag(std::uint8_t first_level_tag) const {
    return first_level_tag == 1 ? 1 : 0;
  }
  void MayReadAgainFrom(std::int64_t position) { writer_.read_again_from_ = position; }
  void ForgetBefore(std::int64_t position) { writer_.nul_runs_.Forget(position); }
  void ForgetEffects() { blocks_ = {}; }

 private:
  TableWriter& writer_;
  std::vector<PlaceBlock> blocks_;  // the blocks the remembered effects store
};

RememberingWalkStats TableWriter::WalkRemembering(InputFile& input, std::uint64_t seed) {
  Walker walker(*this);
  return WalkRecordsRemembering(input, walker, seed);
}

}  // namespace kovrant
