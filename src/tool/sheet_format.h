// What the export and the spreadsheet reader agree on: the worksheet, the
// limits of a sheet, and the escape form of the texts in an .xlsx.
//
// An .xlsx text holds a character XML cannot carry (the controls below
// U+0020 but TAB and LF) as "_xHHHH_", four hex digits of its code; a
// reader decodes every such run, so a text that holds "_xHHHH_" itself is
// written with its underscore escaped: "_x005F_xHHHH_".
#pragma once

#include <cstddef>
#include <string_view>

namespace kovrant::tool {

inline constexpr const char kSheetName[] = "LeverPrototypes";
// The built-in number format "@" (Text).
inline constexpr int kTextNumberFormat = 49;
// Rows of a worksheet, the header's included, and characters of a cell.
inline constexpr std::size_t kMaxSheetRows = 1048576;
inline constexpr std::size_t kMaxCellCharacters = 32767;

// Whether `text` holds "_xHHHH_" at `at`; its character is then *code.
inline bool IsEscapeAt(std::string_view text, std::size_t at, char32_t* code = nullptr) {
  if (at + 7 > text.size() || text.compare(at, 2, "_x") != 0 || text[at + 6] != '_') return false;
  char32_t value = 0;
  for (std::size_t i = at + 2; i < at + 6; ++i) {
    const char c = text[i];
    const int digit = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : -1;
    if (digit < 0) return false;
    value = value * 16 + static_cast<char32_t>(digit);
  }
  if (code != nullptr) *code = value;
  return true;
}

}  // namespace kovrant::tool
