// What the fields of a lever prototype are, written once: their types, which
// of them are texts, how many bytes the table writer reads for each, the
// columns of the table they fill, and how numbers show in the table.
//
// Everything here is constexpr and inline: the table writer's inner loop
// uses it, and the tools that show, check and rebuild databases read the
// same facts instead of copies of them.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace kovrant {

// The field types (the tag of a level-4 record). Any other type makes no
// cell and reads nothing.
enum FieldType : std::uint8_t {
  kNameField = 0,         // text, the row's first cell
  kPlaceBlockField = 1,   // four floats x1 y1 x2 y2, kept for later counts
  kPlaceCountField = 2,   // a 32-bit count: the cells Place1, Place2
  kScaleField = 3,        // a float, empty cell when exactly 1.0
  kSwitchTimeField = 4,   // 32-bit ticks, shown as ticks / 15
  kMaterialField = 5,     // text
  kSwitchSoundField = 6,  // text
  kDescriptionField = 7,  // text
};
inline constexpr int kFieldTypes = 8;

// Whether the field's value is copied into its cell as bytes.
constexpr bool IsTextField(std::uint8_t type) {
  return type == kNameField || (type >= kMaterialField && type <= kDescriptionField);
}

// The bytes the table writer reads for a numeric field, whatever the value's
// declared length says; 0 for texts (they read their length) and unknown
// types (they read nothing).
constexpr std::int64_t FieldReads(std::uint8_t type) {
  if (type == kPlaceBlockField) return 16;
  if (type >= kPlaceCountField && type <= kSwitchTimeField) return 4;
  return 0;
}

// What a field type fills, for messages ("Name", "Place1/Place2", ...); ""
// for an unknown type.
constexpr const char* FieldName(std::uint8_t type) {
  constexpr const char* kNames[kFieldTypes] = {"Name",         "place block",      "Place1/Place2",
                                               "Scale",        "Switch Time",      "Material",
                                               "Switch Sound", "Lever Description"};
  return type < kFieldTypes ? kNames[type] : "";
}

// The table's columns, in the order of the header row; the field types that
// fill them, in the same order (a place count fills two).
inline constexpr std::array<std::string_view, 8> kColumnNames = {
    "Name",        "Place1",   "Place2",       "Scale",
    "Switch Time", "Material", "Switch Sound", "Lever Description"};
inline constexpr std::array<std::uint8_t, 7> kCellFieldOrder = {
    kNameField,     kPlaceCountField,  kScaleField,      kSwitchTimeField,
    kMaterialField, kSwitchSoundField, kDescriptionField};

// The header row: the column names separated by TAB (without its CR LF).
inline constexpr char kHeaderRow[] =
    "Name\tPlace1\tPlace2\tScale\tSwitch Time\tMaterial\tSwitch Sound\tLever Description";

namespace field_schema_detail {
constexpr bool HeaderMatchesColumns() {
  std::string_view header = kHeaderRow;
  for (std::size_t i = 0; i < kColumnNames.size(); ++i) {
    if (header.substr(0, kColumnNames[i].size()) != kColumnNames[i]) return false;
    header.remove_prefix(kColumnNames[i].size());
    if (i + 1 < kColumnNames.size()) {
      if (header.empty() || header.front() != '\t') return false;
      header.remove_prefix(1);
    }
  }
  return header.empty();
}
static_assert(HeaderMatchesColumns(), "the header row is the column names joined by TAB");
}  // namespace field_schema_detail

// The bits of the float 1.0: a scale of exactly 1.0 shows as an empty cell.
inline constexpr std::uint32_t kFloatOneBits = 0x3F800000;

// The decimal separator numbers show in the table for the locale's
// separator: a "," is shown as "." (it would read as the comma between a
// place's two numbers).
constexpr char ShownSeparator(char locale_separator) {
  return locale_separator == ',' ? '.' : locale_separator;
}

// Calls `cell(begin, end)` for every TAB-separated cell of `line` (offsets
// into it; an empty line is one empty cell).
template <typename Cell>
constexpr void ForEachCell(std::string_view line, Cell&& cell) {
  for (std::size_t begin = 0;;) {
    const std::size_t tab = std::min(line.find('\t', begin), line.size());
    cell(begin, tab);
    if (tab == line.size()) return;
    begin = tab + 1;
  }
}

// The first byte of `text` from `from` on that would split what kovrant
// writes: a TAB (it ends the cell) or a CR or LF (it ends the row); npos
// when there is none. Eight bytes at a time while none is among them (the
// zero-byte test of graphics.stanford.edu/~seander/bithacks, exact for the
// eight as a whole).
constexpr std::size_t FindCellBreak(std::string_view text, std::size_t from = 0) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL, kHigh = 0x8080808080808080ULL;
  const auto has_zero = [](std::uint64_t v) { return ((v - kOnes) & ~v & kHigh) != 0; };
  std::size_t i = from;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t v = 0;
    if (std::is_constant_evaluated()) {
      for (std::size_t k = 0; k < 8; ++k) {
        v |= static_cast<std::uint64_t>(static_cast<unsigned char>(text[i + k])) << (8 * k);
      }
    } else {
      std::memcpy(&v, text.data() + i, sizeof v);  // any byte order will do
    }
    if (has_zero(v ^ (kOnes * '\t')) || has_zero(v ^ (kOnes * '\r')) ||
        has_zero(v ^ (kOnes * '\n'))) {
      break;
    }
  }
  for (; i < text.size(); ++i) {
    if (text[i] == '\t' || text[i] == '\r' || text[i] == '\n') return i;
  }
  return std::string_view::npos;
}

}  // namespace kovrant
