#include "table/table_writer.h"

#include <array>
#include <bit>
#include <cstring>

#include "io/failure.h"
#include "table/one_decimal.h"

namespace kovrant {
namespace {

constexpr std::uint32_t kFloatOne = 0x3F800000;

bool IsNaN(std::uint32_t bits) { return (bits & 0x7F800000) == 0x7F800000 && (bits & 0x007FFFFF); }
// A NaN whose quiet bit (the top bit of the fraction) is clear.
bool IsSignallingNaN(std::uint32_t bits) { return IsNaN(bits) && !(bits & 0x00400000); }

std::int32_t AsInt32(std::uint32_t bits) {
  std::int32_t value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// The numbers of the table, short cut. For a float32 and for an int32 / 15
// below 10^18 the one-decimal format equals the exact value rounded to one
// decimal place, halves away from zero (its contract in one_decimal.h, and
// checked against it by tests/perf/number_cells_test.cc). The common values
// are rendered here from that rule with a few integer operations;
// infinities, NaNs and floats of 2^56 and more still go through
// FormatOneDecimal.

// |value| * 10 rounded half away from zero, for the float32 `bits`; false
// when the value is left to FormatOneDecimal.
bool Float32Tenths(std::uint32_t bits, std::uint64_t* tenths) {
  const int biased = static_cast<int>(bits >> 23 & 0xFF);
  if (biased == 0) {  // zeros and denormals, far below half a tenth
    *tenths = 0;
    return true;
  }
  // |value| = m / 2^shift with the 24-bit significand m.
  const std::uint64_t scaled = 10 * (std::uint64_t{bits & 0x7FFFFF} | 0x800000);  // 10 m < 2^28
  const int shift = 150 - biased;
  if (shift <= 0) {
    if (shift < -32) return false;  // 2^56 and more, infinities, NaNs
    *tenths = scaled << -shift;
    return true;
  }
  if (shift > 28) {  // 10 m / 2^shift < 1/2
    *tenths = 0;
    return true;
  }
  const std::uint64_t half = std::uint64_t{1} << (shift - 1);
  *tenths = (scaled >> shift) + ((scaled & (2 * half - 1)) >= half ? 1 : 0);
  return true;
}

// |t / 15| * 10 rounded half away from zero: 2|t| / 3 never ends in a half,
// so rounding to nearest is (2|t| + 1) div 3.
std::uint64_t SwitchTimeTenths(std::int32_t ticks) {
  const std::uint64_t magnitude =
      ticks < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(ticks))
                : static_cast<std::uint64_t>(ticks);
  return (2 * magnitude + 1) / 3;
}

// 10^0 .. 10^19.
constexpr auto kPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{};
  std::uint64_t power = 1;
  for (std::uint64_t& entry : powers) {
    entry = power;
    power *= 10;  // wraps harmlessly after the last entry
  }
  return powers;
}();

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The fixed form of `tenths` tenths: "-" unless the value rounded to zero,
// the integer part, the separator, the tenths digit.
char* WriteTenths(bool negative, std::uint64_t tenths, char separator, char* out) {
  if (negative && tenths != 0) *out++ = '-';
  std::uint64_t integer = tenths / 10;
  // Digits of the integer part: log10 estimated from the bit length
  // (1233 / 4096 ~ log10 2), then corrected by one comparison.
  // (integer | 1 has the same number of digits and at least one.)
  const std::uint64_t odd = integer | 1;
  const auto estimate = static_cast<std::size_t>(std::bit_width(odd) * 1233 >> 12);
  const int count = static_cast<int>(estimate) + (odd < kPowersOfTen[estimate] ? 0 : 1);
  char* p = out + count;
  out = p;
  while (integer >= 100) {
    p -= 2;
    std::memcpy(p, kDigitPairs + 2 * (integer % 100), 2);
    integer /= 100;
  }
  if (integer >= 10) {
    std::memcpy(p - 2, kDigitPairs + 2 * integer, 2);
  } else {
    p[-1] = static_cast<char>('0' + integer);
  }
  *out++ = separator;
  *out++ = static_cast<char>('0' + tenths % 10);
  return out;
}

}  // namespace

void TableWriter::TableStart() { table_.WriteLine(kHeaderRow, CheckSite::kWriteHeader); }

void TableWriter::Field(std::uint8_t field_type, std::int64_t length, std::uint8_t first_level_tag,
                        InputFile& input) {
  Decode(field_type, length, first_level_tag, input);
}

[[gnu::always_inline]] inline void TableWriter::Decode(std::uint8_t field_type, std::int64_t length,
                                                       std::uint8_t first_level_tag,
                                                       InputFile& input) {
  // Only prototypes under a first-level record with tag 1 are written; the
  // others are still read (and can still fail), but not rendered.
  const bool written = first_level_tag == 1;
  switch (field_type) {
    case 0:
      Text(length, written, CheckSite::kReadName, input);
      break;
    case 1:
      for (std::uint32_t& value : place_) value = input.ReadUint32(CheckSite::kReadPlaceBlock);
      break;
    case 2:
      integer_value_ = AsInt32(input.ReadUint32(CheckSite::kReadPlaceCount));
      Places(integer_value_, written);
      break;
    case 3: {
      scale_ = input.ReadUint32(CheckSite::kReadScale);
      // Comparing a NaN with 1.0 is an invalid operation.
      if (IsNaN(scale_)) throw InvalidOpError(CheckSite::kCompareScale);
      if (!written) break;
      char* out = table_.Space(1 + kOneDecimalMaxLength, CheckSite::kWriteRow);
      *out++ = '\t';
      if (scale_ != kFloatOne) out = Number(scale_, out);
      table_.Used(out);
      break;
    }
    case 4: {
      integer_value_ = AsInt32(input.ReadUint32(CheckSite::kReadSwitchTime));
      if (!written) break;
      char* out = table_.Space(1 + kOneDecimalMaxLength, CheckSite::kWriteRow);
      *out++ = '\t';
      out =
          WriteTenths(integer_value_ < 0, SwitchTimeTenths(integer_value_), shown_separator_, out);
      table_.Used(out);
      break;
    }
    case 5:
      if (written) Put('\t');
      Text(length, written, CheckSite::kReadMaterial, input);
      break;
    case 6:
      if (written) Put('\t');
      Text(length, written, CheckSite::kReadSwitchSound, input);
      break;
    case 7:
      if (written) Put('\t');
      Text(length, written, CheckSite::kReadDescription, input);
      break;
    default:
      break;
  }
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
  // Copied straight from the input's buffer to the table's, NUL bytes left
  // out; a value of any length passes without being held whole.
  input.ReadInto(length, site, [this](const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
      const std::size_t piece = size < TableFile::kBufferSize ? size : TableFile::kBufferSize;
      char* out = table_.Space(piece, CheckSite::kWriteRow);
      std::memcpy(out, data, piece);
      char* end = out + piece;
      // Names and materials end in a NUL; most other values hold none.
      if (char* nul = static_cast<char*>(std::memchr(out, 0, piece)); nul != nullptr) {
        char* kept = nul;
        for (const char* p = nul + 1; p < end; ++p) {
          if (*p != '\0') *kept++ = *p;
        }
        end = kept;
      }
      table_.Used(end);
      data += piece;
      size -= piece;
    }
  });
}

void TableWriter::Places(std::int32_t count, bool written) {
  if (count < 0 || count > 2) return;
  // Rendering a signalling NaN is an invalid operation; only the places the
  // row shows are rendered.
  const int shown = count * 2;
  for (int i = 0; i < shown; ++i) {
    if (IsSignallingNaN(place_[i])) throw InvalidOpError(CheckSite::kRenderPlace);
  }
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

void WalkRecords(InputFile& input, TableWriter& writer) {
  // The walk calls Field for every field; here it is the inlined Decode.
  struct Inlined {
    TableWriter& writer;
    void TableStart() { writer.TableStart(); }
    void Field(std::uint8_t field_type, std::int64_t length, std::uint8_t first_level_tag,
               InputFile& input) {
      writer.Decode(field_type, length, first_level_tag, input);
    }
    void PrototypeEnd(std::uint8_t first_level_tag) { writer.PrototypeEnd(first_level_tag); }
  };
  Inlined handler{writer};
  WalkRecordsWith(input, handler);
}

char* TableWriter::Number(std::uint32_t float_bits, char* out) const {
  std::uint64_t tenths;
  if (Float32Tenths(float_bits, &tenths)) {
    return WriteTenths((float_bits >> 31) != 0, tenths, shown_separator_, out);
  }
  return out + FormatOneDecimal(WidenFloat32(float_bits), decimal_separator_, out);
}

}  // namespace kovrant
