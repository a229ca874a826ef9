#include "tool/dump.h"

#include <algorithm>
#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <string_view>
#include <type_traits>

#include "io/failure.h"
#include "table/field_schema.h"
#include "table/one_decimal.h"
#include "tool/check.h"
#include "tool/commands.h"
#include "tool/conversion_trace.h"

namespace kovrant::tool {
namespace {

constexpr std::size_t kTextShown = 120;

// The dump's text, gathered in blocks: a line per record through the
// stream's inserters (each a call into the C library's locked output) cost
// many times the conversion.
class BlockOut {
 public:
  explicit BlockOut(std::ostream& out) : out_(out) {}
  ~BlockOut() { Flush(); }
  BlockOut& operator<<(std::string_view text) {
    block_ += text;
    if (block_.size() >= kBlock) Flush();
    return *this;
  }
  BlockOut& operator<<(char c) { return *this << std::string_view(&c, 1); }
  template <typename Integer>
  requires std::is_integral_v<Integer> BlockOut& operator<<(Integer value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return *this << std::string_view(digits, static_cast<std::size_t>(end - digits));
  }
  void Flush() {
    out_ << block_;
    block_.clear();
  }

 private:
  static constexpr std::size_t kBlock = 64 * 1024;
  std::ostream& out_;
  std::string block_;
};

class DumpObserver final : public TraceObserver {
 public:
  explicit DumpObserver(std::ostream& out) : out_(out) {}
  void Flush() { out_.Flush(); }

  void Opened(const RecordFrame& frame, const RecordPath&, ValueReader& values) override {
    // The offset right-aligned in 12 columns, two spaces a level, "Ln ".
    char head[64];
    char* end = std::to_chars(head, head + 24, frame.offset).ptr;
    const auto digits = static_cast<std::size_t>(end - head);
    const std::size_t pad = digits < 12 ? 12 - digits : 0;
    out_ << std::string_view("            ", pad) << std::string_view(head, digits)
         << std::string_view("         ", 1 + 2 * static_cast<std::size_t>(frame.level - 1)) << 'L'
         << frame.level << ' ';
    if (frame.level < 4) {
      out_ << "tag " << int{frame.tag};
    } else {
      out_ << "field " << int{frame.tag};
      if (frame.tag < kFieldTypes) out_ << " (" << FieldName(frame.tag) << ")";
    }
    out_ << "  len" << int{frame.length_bytes} << ':' << frame.length;
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
      out_ << "  = " << EscapeText(values.Read(frame.body, shown), kTextShown);
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
        out_ << FloatText(words[0]) << ',' << FloatText(words[1]) << ' ' << FloatText(words[2])
             << ',' << FloatText(words[3]);
        break;
      case kPlaceCountField:
        out_ << "count " << static_cast<std::int32_t>(words[0]);
        break;
      case kScaleField:
        out_ << FloatText(words[0]);
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
};

}  // namespace

std::string EscapeText(const std::string& bytes, std::size_t max_shown) {
  std::string text = "\"";
  const std::size_t shown = std::min(bytes.size(), max_shown);
  text.reserve(shown + 8);
  for (std::size_t i = 0; i < shown; ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
      // Printable bytes pass in runs.
      std::size_t run = i + 1;
      while (run < shown && bytes[run] >= 0x20 && bytes[run] < 0x7F && bytes[run] != '"' &&
             bytes[run] != '\\') {
        ++run;
      }
      text.append(bytes, i, run - i);
      i = run - 1;
      continue;
    }
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
      default:
        if (c >= 0x20 && c < 0x7F) {
          text += static_cast<char>(c);
        } else {
          char hex[5];
          std::snprintf(hex, sizeof hex, "\\x%02X", c);
          text += hex;
        }
    }
  }
  text += shown < bytes.size() ? "\"..." : "\"";
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
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
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
