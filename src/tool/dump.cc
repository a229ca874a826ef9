#include "tool/dump.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <string_view>
#include <type_traits>
#include <vector>

#include "io/failure.h"
#include "table/decimal_digits.h"
#include "table/field_schema.h"
#include "table/one_decimal.h"
#include "tool/check.h"
#include "tool/commands.h"
#include "tool/conversion_trace.h"

namespace kovrant::tool {
namespace {

constexpr std::size_t kTextShown = 120;

// Writes the shortest text of a finite float that reads back as it (as
// std::to_chars writes it) to `out`, which holds at least 32 bytes, and
// returns its length.
//
// Most floats of a database were typed with a few decimals. For |v| below
// 2^23, 2^19, 2^16 or 2^13 and 0 to 3 decimals, the floats apart are nearer
// to each other than 10^-decimals, so at most one number of that many
// decimals reads back as v: the nearest one, n / 10^decimals with n below
// 2^24, which a double computes and rounds to float exactly (as in the
// table's number parsing). Trying the decimals from 0 up finds the fewest,
// which is also the fewest characters unless the exponent form is shorter
// (as 1e+05 is than 100000): then, and for any other float, to_chars.
std::size_t ShortestFloat(float value, char* out) {
  static constexpr double kLimits[] = {8388608.0, 524288.0, 65536.0, 8192.0};
  static constexpr double kPowers[] = {1.0, 10.0, 100.0, 1000.0};
  const double magnitude = std::fabs(static_cast<double>(value));
  for (int decimals = 0; decimals < 4 && magnitude > 0 && magnitude < kLimits[decimals];
       ++decimals) {
    const auto n = static_cast<std::int64_t>(magnitude * kPowers[decimals] + 0.5);
    const double nearest =
        decimals == 0 ? static_cast<double>(n) : static_cast<double>(n) / kPowers[decimals];
    if (n == 0 || static_cast<float>(nearest) != std::fabs(value)) continue;
    char digits[12];
    const auto count =
        static_cast<int>(std::to_chars(digits, digits + sizeof digits, n).ptr - digits);
    // The fixed form: the whole part (at least "0"), then the decimals.
    const int whole = std::max(count - decimals, 1);
    const int fixed = whole + (decimals > 0 ? 1 + decimals : 0);
    int significant = count;
    while (digits[significant - 1] == '0') --significant;
    if (significant + (significant > 1 ? 1 : 0) + 4 < fixed) break;  // "d.ddde+XX" is shorter
    char* at = out;
    if (std::signbit(value)) *at++ = '-';
    if (count <= decimals) {
      *at++ = '0';
      *at++ = '.';
      for (int k = count; k < decimals; ++k) *at++ = '0';
      std::memcpy(at, digits, static_cast<std::size_t>(count));
      at += count;
    } else {
      std::memcpy(at, digits, static_cast<std::size_t>(count - decimals));
      at += count - decimals;
      if (decimals > 0) {
        *at++ = '.';
        std::memcpy(at, digits + count - decimals, static_cast<std::size_t>(decimals));
        at += decimals;
      }
    }
    return static_cast<std::size_t>(at - out);
  }
  return static_cast<std::size_t>(std::to_chars(out, out + 32, value).ptr - out);
}

// Appends `bytes` as dump shows a text to `text` (a std::string or the
// dump's BlockOut).
template <typename Text>
void Escape(std::string_view bytes, std::size_t max_shown, Text& text) {
  // The bytes shown as they are: printable ASCII but the quote and the
  // backslash.
  static constexpr auto kPlain = [] {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x7F; ++c) plain[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
    return plain;
  }();
  text += '"';
  const std::size_t shown = std::min(bytes.size(), max_shown);
  for (std::size_t i = 0; i < shown; ++i) {
    // Printable bytes pass in runs.
    std::size_t run = i;
    // Eight bytes at a time while all are plain (the tests of
    // graphics.stanford.edu/~seander/bithacks: a byte below 0x20, above
    // 0x7E, or equal to '"' or '\\'; exact as a whole, if not per byte).
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL, kHigh = 0x8080808080808080ULL;
    const auto has_zero = [&](std::uint64_t v) { return (v - kOnes) & ~v & kHigh; };
    while (run + 8 <= shown) {
      std::uint64_t v;
      std::memcpy(&v, bytes.data() + run, 8);
      const std::uint64_t below = (v - kOnes * 0x20) & ~v & kHigh;
      const std::uint64_t above = ((v + kOnes) | v) & kHigh;
      if ((below | above | has_zero(v ^ (kOnes * '"')) | has_zero(v ^ (kOnes * '\\'))) != 0) break;
      run += 8;
    }
    while (run < shown && kPlain[static_cast<unsigned char>(bytes[run])]) ++run;
    text.append(bytes.data() + i, run - i);
    if (run == shown) break;
    i = run;
    const auto c = static_cast<unsigned char>(bytes[i]);
    switch (c) {
      case '\t':
        text += "\\t";
        break;
      case '\r':
        text += "\\r";
        break;
      case '\n':
        text += "\\n";
        break;
      case '\0':
        text += "\\0";
        break;
      case '"':
        text += "\\\"";
        break;
      case '\\':
        text += "\\\\";
        break;
      default: {
        static constexpr char kHex[] = "0123456789ABCDEF";
        const char hex[4] = {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
        text.append(hex, 4);
      }
    }
  }
  text += shown < bytes.size() ? "\"..." : "\"";
}

// The dump's text, gathered in blocks: a line per record through the
// stream's inserters (each a call into the C library's locked output) cost
// many times the conversion. Pieces are copied into one fixed buffer, numbers
// formatted in place.
class BlockOut {
 public:
  explicit BlockOut(std::ostream& out) : out_(out), block_(kBlock) {}
  ~BlockOut() { Flush(); }
  BlockOut& operator<<(std::string_view text) {
    if (text.size() > kBlock - used_) {
      Flush();
      if (text.size() > kBlock) {
        out_.write(text.data(), static_cast<std::streamsize>(text.size()));
        return *this;
      }
    }
    std::memcpy(block_.data() + used_, text.data(), text.size());
    used_ += text.size();
    return *this;
  }
  BlockOut& operator<<(char c) {
    if (used_ == kBlock) Flush();
    block_[used_++] = c;
    return *this;
  }
  // As a std::string appends, for Escape.
  void append(const char* data, std::size_t size) { *this << std::string_view(data, size); }
  BlockOut& operator+=(std::string_view text) { return *this << text; }
  BlockOut& operator+=(char c) { return *this << c; }
  template <typename Integer>
  requires std::is_integral_v<Integer> BlockOut& operator<<(Integer value) {
    if (kBlock - used_ < kNumber) Flush();
    used_ = static_cast<std::size_t>(
        std::to_chars(block_.data() + used_, block_.data() + used_ + kNumber, value).ptr -
        block_.data());
    return *this;
  }
  // A float as FloatText shows it, formatted in place.
  BlockOut& Float(std::uint32_t bits) {
    if ((bits & 0x7F800000) == 0x7F800000 && (bits & 0x007FFFFF) != 0) {
      return *this << FloatText(bits);
    }
    float value;
    std::memcpy(&value, &bits, sizeof value);
    if (kBlock - used_ < 32) Flush();
    used_ += ShortestFloat(value, block_.data() + used_);
    return *this;
  }
  // A record's line up to its length: `offset` right-aligned in 12 columns,
  // then `head` and `length`, written in one stretch of the block.
  void LineStart(std::int64_t offset, std::string_view head, std::int64_t length) {
    if (kBlock - used_ < 2 * kNumber + head.size() + 12) {
      Flush();
      if (head.size() > kBlock / 2) {
        Aligned(offset, 12);
        *this << head << length;
        return;
      }
    }
    char* at = block_.data() + used_;
    if (offset >= 0) {
      // Right-aligned in its twelve columns.
      const auto value = static_cast<std::uint64_t>(offset);
      const int digits = decimal_digits::DecimalLength(value);
      std::memset(at, ' ', 12);
      at = decimal_digits::WriteDigits(value, digits, at + std::max(12 - digits, 0));
    } else {
      char digits[kNumber];
      const auto size =
          static_cast<std::size_t>(std::to_chars(digits, digits + kNumber, offset).ptr - digits);
      if (size < 12) {
        std::memset(at, ' ', 12 - size);
        at += 12 - size;
      }
      std::memcpy(at, digits, size);
      at += size;
    }
    std::memcpy(at, head.data(), head.size());
    at += head.size();
    at = std::to_chars(at, at + kNumber, length).ptr;
    used_ = static_cast<std::size_t>(at - block_.data());
  }
  // `value` right-aligned in `width` columns.
  template <typename Integer>
  void Aligned(Integer value, std::size_t width) {
    char digits[kNumber];
    const auto end = std::to_chars(digits, digits + kNumber, value).ptr;
    const auto size = static_cast<std::size_t>(end - digits);
    if (size < width)
      *this << std::string_view(kSpaces, std::min(width - size, sizeof kSpaces - 1));
    *this << std::string_view(digits, size);
  }
  void Flush() {
    out_.write(block_.data(), static_cast<std::streamsize>(used_));
    used_ = 0;
  }

 private:
  static constexpr std::size_t kBlock = 256 * 1024;
  static constexpr std::size_t kNumber = 24;
  static constexpr char kSpaces[] = "                        ";
  std::ostream& out_;
  std::vector<char> block_;
  std::size_t used_ = 0;
};

// What a record's line says after its offset, up to its length's digits:
// "  L2 tag 0  len4:", "      L4 field 3 (Scale)  len1:", made once per
// level, tag and length form.
class LineHeads {
 public:
  LineHeads() {
    for (int level = 1; level <= 4; ++level) {
      for (int tag = 0; tag < 256; ++tag) {
        for (int form = 0; form < 2; ++form) {
          std::string head(1 + 2 * static_cast<std::size_t>(level - 1), ' ');
          // Piece by piece: GCC 12 warns (-Wrestrict, wrongly) on "L" + a
          // temporary string.
          head += 'L';
          head += std::to_string(level);
          head += level < 4 ? " tag " : " field ";
          head += std::to_string(tag);
          if (level == 4 && tag < kFieldTypes) {
            head += " (";
            head += FieldName(static_cast<std::uint8_t>(tag));
            head += ')';
          }
          head += form == 0 ? "  len1:" : "  len4:";
          heads_[Index(level, tag, form == 0 ? 1 : 4)] = std::move(head);
        }
      }
    }
  }
  // `length_bytes` 1 or 4; any other count is spelled out.
  std::string_view Of(int level, std::uint8_t tag, int length_bytes) {
    if (length_bytes == 1 || length_bytes == 4) return heads_[Index(level, tag, length_bytes)];
    other_ = heads_[Index(level, tag, 1)];
    other_.replace(other_.size() - 2, 1, std::to_string(length_bytes));
    return other_;
  }

 private:
  static std::size_t Index(int level, int tag, int length_bytes) {
    return (static_cast<std::size_t>(level - 1) * 256 + static_cast<std::size_t>(tag)) * 2 +
           (length_bytes == 1 ? 0 : 1);
  }
  std::array<std::string, 4 * 256 * 2> heads_;
  std::string other_;
};

class DumpObserver final : public TraceObserver {
 public:
  explicit DumpObserver(std::ostream& out) : out_(out) {}
  void Flush() { out_.Flush(); }

  void Opened(const RecordFrame& frame, const RecordPath&, ValueReader& values) override {
    // The offset right-aligned in 12 columns, two spaces a level, "Ln ".
    out_.LineStart(frame.offset, heads_.Of(frame.level, frame.tag, frame.length_bytes),
                   frame.length);
    // A field's line ends once the table writer has decoded its value.
    if (frame.level < 4) EndLine(frame, values);
  }
  void Decoded(const RecordFrame& frame, const RecordPath&, const DecodedValue& value, std::int64_t,
               ValueReader& values) override {
    Value(frame, value, values);
    EndLine(frame, values);
  }
  void Closed(const RecordFrame&, const RecordPath&, ValueReader&) override {}

 private:
  void EndLine(const RecordFrame& frame, ValueReader& values) {
    if (frame.level == 1 && frame.end() > values.FileSize()) {
      out_ << "  !! reaches past the end of the file (" << values.FileSize() << ")";
    } else if (frame.level > 1 && frame.body > frame.parent_end) {
      out_ << "  !! stray: bytes left before its parent's end (" << frame.parent_end
           << ") read as a record";
    } else if (frame.level > 1 && frame.end() > frame.parent_end) {
      out_ << "  !! reaches past its parent's end (" << frame.parent_end << "), to " << frame.end();
    }
    out_ << '\n';
  }

  // Texts and unknown types as their bytes; numbers as the writer read them.
  void Value(const RecordFrame& frame, const DecodedValue& value, ValueReader& values) {
    const std::uint8_t type = frame.tag;
    const std::int64_t reads = FieldReads(type);
    if (IsTextField(type)) {
      const auto shown = std::min<std::int64_t>(frame.length, kTextShown);
      out_ << "  = ";
      Escape(values.View(frame.body, shown, &read_), kTextShown, out_);
      if (frame.length > shown) out_ << " (" << frame.length << " bytes)";
      return;
    }
    if (reads == 0) {
      const std::string bytes = values.Read(frame.body, std::min<std::int64_t>(frame.length, 16));
      if (bytes.empty()) return;
      out_ << "  = bytes";
      for (unsigned char c : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", c);
        out_ << hex;
      }
      if (frame.length > 16) out_ << " ...";
      return;
    }
    if (!value.read) {
      out_ << "  !! its type reads " << reads << " bytes, the file ends after "
           << std::clamp<std::int64_t>(values.FileSize() - frame.body, 0, reads);
      return;
    }
    const std::uint32_t* words = value.words;
    out_ << "  = ";
    switch (type) {
      case kPlaceBlockField:
        out_.Float(words[0]) << ',';
        out_.Float(words[1]) << ' ';
        out_.Float(words[2]) << ',';
        out_.Float(words[3]);
        break;
      case kPlaceCountField:
        out_ << "count " << static_cast<std::int32_t>(words[0]);
        break;
      case kScaleField:
        out_.Float(words[0]);
        break;
      default: {
        const auto ticks = static_cast<std::int32_t>(words[0]);
        char seconds[kOneDecimalMaxLength];
        const std::size_t n = FormatSwitchTimeOneDecimal(ticks, '.', seconds);
        out_ << ticks << " ticks (" << std::string(seconds, n) << " s)";
        break;
      }
    }
    if (frame.length < reads) {
      out_ << "  !! short value: holds " << frame.length << " bytes, its type reads " << reads;
    }
  }

  BlockOut out_;
  LineHeads heads_;
  std::string read_;  // a text value's bytes, where not viewed in place
};

}  // namespace

std::string EscapeText(const std::string& bytes, std::size_t max_shown) {
  std::string text;
  Escape(bytes, max_shown, text);
  return text;
}

std::string FloatText(std::uint32_t bits) {
  if ((bits & 0x7F800000) == 0x7F800000 && (bits & 0x007FFFFF) != 0) {
    char text[24];
    std::snprintf(text, sizeof text, "NaN(0x%08" PRIX32 ")", bits);
    return text;
  }
  float value;
  std::memcpy(&value, &bits, sizeof value);
  char text[32];
  return std::string(text, ShortestFloat(value, text));
}

int DumpWithBudget(Platform& platform, const std::string& database, std::ostream& out,
                   std::ostream& err, std::int64_t work_budget) {
  DumpObserver observer(out);
  TraceResult result;
  // Every record visited is a line: a quarter of check's budget keeps the
  // output of a crafted file within a few lines per byte.
  const int code = TraceConversion(platform, database, observer, &result, work_budget, 16);
  observer.Flush();
  if (code != 0) {
    err << "ldbtool: " << database << ": error: cannot open the database: " << IoErrorMessage(code)
        << '\n';
    return 1;
  }
  if (result.stopped) {
    out << "  !! the records overlap so often that the dump stops at offset " << result.stopped_at
        << '\n';
  }
  if (result.failed) {
    if (!result.stopped) {
      char head[24];
      std::snprintf(head, sizeof head, "%12" PRId64, result.failure_offset);
      out << head << " !! kovrant fails here: " << DescribeFailure(result) << '\n';
    }
    err << (result.stopped ? "ldbtool: " + database + ": "
                           : FindingPrefix(database, result.failure_offset))
        << "error: " << DescribeFailure(result) << '\n';
    return 1;
  }
  return 0;
}

int Dump(Platform& platform, const std::string& database, std::ostream& out, std::ostream& err) {
  return DumpWithBudget(platform, database, out, err, -1);
}

}  // namespace kovrant::tool
