#include "tool/row_key.h"

#include <algorithm>
#include <charconv>

#include "tool/cell_number.h"

namespace kovrant::tool {
namespace {

// A number's one spelling: kind, sign, significant digits and exponent,
// after a byte no cell holds; nothing when `text` is not a number.
bool AppendNumber(std::string_view text, char separator, std::string& key) {
  const auto number = ParseCellNumber(text, separator);
  if (!number) return false;
  key += '\x01';
  key += static_cast<char>('0' + static_cast<int>(number->kind));
  key += number->negative ? '-' : '+';
  key += number->digits;
  key += 'e';
  char exponent[24];
  key.append(exponent, std::to_chars(exponent, exponent + sizeof exponent, number->exponent).ptr);
  return true;
}

void AppendCell(std::string_view cell, std::size_t column, char separator, std::string& key) {
  const std::size_t before = key.size();
  if (column == 3 || column == 4) {
    if (AppendNumber(cell, separator, key)) return;
  } else if (column == 1 || column == 2) {
    const std::size_t comma = cell.find(',');
    if (comma != std::string_view::npos && AppendNumber(cell.substr(0, comma), separator, key)) {
      key += ',';
      if (AppendNumber(cell.substr(comma + 1), separator, key)) return;
    }
    key.resize(before);
  }
  key += cell;
}

// How many of the cells the key holds: empty ones at the end left out.
std::size_t KeyedCells(const std::vector<std::string_view>& cells) {
  std::size_t size = cells.size();
  while (size > 1 && cells[size - 1].empty()) --size;
  return size;
}

}  // namespace

void AppendRowKey(const std::vector<std::string_view>& cells, char separator, std::string& key) {
  const std::size_t size = KeyedCells(cells);
  for (std::size_t c = 0; c < size; ++c) {
    if (c > 0) key += '\t';
    AppendCell(cells[c], c, separator, key);
  }
}

bool SameRowKey(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b,
                char separator) {
  const std::size_t size = KeyedCells(a);
  if (size == KeyedCells(b) &&
      std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(size), b.begin())) {
    return true;
  }
  std::string key_a, key_b;
  AppendRowKey(a, separator, key_a);
  AppendRowKey(b, separator, key_b);
  return key_a == key_b;
}

}  // namespace kovrant::tool
