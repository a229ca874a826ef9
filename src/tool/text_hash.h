// A hash of a text that no file can be made to collide on, for the hash
// tables that hold a table's rows and cells: a polynomial over the text's
// length and its 7-byte pieces, modulo 2^61 - 1, at a point drawn afresh for
// each run. Two different texts of n bytes collide with probability at most
// (n / 7 + 1) / 2^60, whatever they hold, so a crafted table cannot make a
// table's lookups slow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kovrant::tool {

std::uint64_t TextHash(std::string_view text);

// TextHash for unordered containers of texts.
struct TextHasher {
  std::size_t operator()(std::string_view text) const {
    return static_cast<std::size_t>(TextHash(text));
  }
};

}  // namespace kovrant::tool
