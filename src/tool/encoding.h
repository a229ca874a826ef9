// The character sets of the texts: the database holds Windows-1252 bytes, a
// spreadsheet holds Unicode, and a table saved by a spreadsheet may hold
// UTF-8.
//
// Windows-1252 is Latin-1 (bytes 0xA0 to 0xFF are U+00A0 to U+00FF) with 27
// printable characters in 0x80 to 0x9F (the euro sign, curly quotes, ...).
// The five bytes it leaves undefined, 0x81, 0x8D, 0x8F, 0x90 and 0x9D, map
// one to one to the C1 controls U+0081, U+008D, U+008F, U+0090 and U+009D,
// so that every byte a database holds comes back from Unicode unchanged.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kovrant::tool {

// The character a Windows-1252 byte stands for.
char32_t Windows1252ToUnicode(std::uint8_t byte);
// The byte that stands for `c`, or nullopt when Windows-1252 has none.
std::optional<std::uint8_t> UnicodeToWindows1252(char32_t c);

// The bytes' characters as UTF-8.
std::string Windows1252ToUtf8(std::string_view bytes);

// Decodes UTF-8 `text` and stores each character as its Windows-1252 byte
// in `*out`. Returns "" on success; otherwise `*out` is unspecified and the
// result says what failed, for a message that has already named the cell:
// "invalid UTF-8 at byte 7 of the cell (0xC3 0x28)" or "'€' ... U+20AC
// cannot be stored: Windows-1252 has no such character".
std::string Utf8ToWindows1252(std::string_view text, std::string* out);

// Appends the UTF-8 form of `c` (a Unicode scalar value) to `out`.
void AppendUtf8(char32_t c, std::string& out);

}  // namespace kovrant::tool
