#include "tool/table_encoding.h"

#include <cstdint>
#include <cstring>
#include <deque>
#include <string_view>
#include <unordered_set>

#include "tool/cell_values.h"
#include "tool/encoding.h"
#include "tool/refusal.h"
#include "tool/text_hash.h"

namespace kovrant::tool {
namespace {

constexpr char kSavedAsUtf8[] =
    "the table was saved as UTF-8: save it as Western Europe (Windows-1252), or pass "
    "--encoding utf-8";

bool HasHighBytes(std::string_view text) {
  std::size_t i = 0;
  // Eight bytes at a time: any with its top bit set.
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    if ((word & 0x8080808080808080ULL) != 0) return true;
  }
  for (; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) >= 0x80) return true;
  }
  return false;
}

std::string HighBytesAsQuestionMarks(std::string_view text) {
  std::string marked(text);
  for (char& c : marked) {
    if (static_cast<unsigned char>(c) >= 0x80) c = '?';
  }
  return marked;
}

// What a spreadsheet's re-encoding made of the old texts that it changes
// (texts of ASCII alone come through unharmed); the old texts themselves
// are never taken for damage. Only a cell with a byte beyond ASCII or a
// "?" can be damage, so only old texts with one are kept.
class Damage {
 public:
  explicit Damage(const std::vector<std::string_view>& old_texts) {
    for (const std::string_view text : old_texts) {
      const bool high = HasHighBytes(text);
      if (high || text.find('?') != std::string_view::npos) old_.insert(text);
      if (!high) continue;
      question_marks_.insert(made_.emplace_back(HighBytesAsQuestionMarks(text)));
      utf8_.insert(made_.emplace_back(Windows1252ToUtf8(text)));
    }
  }

  // Whether `text` (a cell, or a whole line of them) holds nothing that
  // could be damage: no byte beyond ASCII, and no "?" where one may be an
  // old text's lost letter.
  bool Clean(std::string_view text) const {
    return !HasHighBytes(text) &&
           (question_marks_.empty() || text.find('?') == std::string_view::npos);
  }

  // Why `cell` looks re-encoded, or nullptr.
  const char* Why(std::string_view cell) const {
    if (Clean(cell)) return nullptr;
    if (cell.find("\xEF\xBF\xBD") != std::string_view::npos) {
      return "holds EF BF BD, the UTF-8 mark of a lost character";
    }
    if (old_.count(cell)) return nullptr;
    if (question_marks_.count(cell)) {
      return "is an old text with its letters beyond ASCII as \"?\"";
    }
    if (utf8_.count(cell)) return "is an old text in UTF-8 bytes";
    return nullptr;
  }

 private:
  std::deque<std::string> made_;  // the texts the sets below view
  std::unordered_set<std::string_view, TextHasher> old_, question_marks_, utf8_;
};

}  // namespace

const char* EncodingName(TableEncoding encoding) {
  return encoding == TableEncoding::kUtf8 ? "utf-8" : "windows-1252";
}

bool TakenAsNewWindows1252(std::string_view line) {
  // No cell's damage can span a TAB, so a line shows it where a cell does.
  static const Damage kNoOldTexts({});
  return kNoOldTexts.Why(line) == nullptr;
}

void PrepareTableText(TableText& table, TableEncoding encoding,
                      const std::vector<std::string_view>& old_texts, const std::string& file) {
  if (encoding == TableEncoding::kUtf8) {
    std::string stored;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
      for (std::size_t c = 0; c < table.rows[r].cells.size(); ++c) {
        TableCell& cell = table.rows[r].cells[c];
        const std::string failure = Utf8ToWindows1252(cell.text, &stored);
        if (!failure.empty()) {
          throw Refusal(file, cell.offset,
                        CellLabel(r + 1, c) + ": " + failure +
                            " (the table is read as UTF-8, as --encoding utf-8 asks)");
        }
        cell.text = table.Store(stored);
      }
    }
    return;
  }
  const Damage damage(old_texts);
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    // Most lines are clean as a whole.
    if (const auto line = table.LineBytes(table.rows[r]); line && damage.Clean(*line)) continue;
    for (std::size_t c = 0; c < table.rows[r].cells.size(); ++c) {
      const TableCell& cell = table.rows[r].cells[c];
      if (const char* why = damage.Why(cell.text)) {
        throw Refusal(file, cell.offset,
                      CellLabel(r + 1, c) + ": this cell " + why + "; " + kSavedAsUtf8);
      }
    }
  }
}

}  // namespace kovrant::tool
