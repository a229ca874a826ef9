// The character set of an edited table, made explicit.
//
// The database's texts are Windows-1252 bytes and kovrant writes them into
// the table as they are. A spreadsheet that opens or saves the table as
// UTF-8 (LibreOffice Calc's default) re-encodes them: a byte it cannot read
// becomes U+FFFD (EF BF BD), a character it cannot write becomes "?", or
// the text comes back as UTF-8 bytes. Stored as they are, these would damage
// every text with a letter beyond ASCII, so:
//   - read as Windows-1252 (the default), a cell that shows such damage is
//     refused: one holding EF BF BD, or equal to one of the old texts with
//     its bytes 0x80 and above turned into "?", or to the UTF-8 form of one
//     (rows may have moved, so every old text counts, not only the row's);
//   - read as UTF-8, every cell is decoded and stored as Windows-1252, and
//     a cell that is not UTF-8 or holds a character Windows-1252 lacks is
//     refused, naming the character.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tool/table_text.h"

namespace kovrant::tool {

enum class TableEncoding { kWindows1252, kUtf8 };

// What a table's UTF-8 byte-order mark gets when the table is read with
// `encoding`.
inline Utf8Mark Utf8MarkFor(TableEncoding encoding) {
  return encoding == TableEncoding::kUtf8 ? Utf8Mark::kAllowed : Utf8Mark::kRefused;
}

// The name `--encoding` takes for it.
const char* EncodingName(TableEncoding encoding);

// Brings the cells of `table` (read from `file`) to the bytes the database
// holds. `old_texts` are the cells kovrant writes for the database being
// edited (none for a new one). Throws Refusal naming the first cell that
// cannot be taken, by row and column, and what to do.
void PrepareTableText(TableText& table, TableEncoding encoding,
                      const std::vector<std::string_view>& old_texts, const std::string& file);

// Whether PrepareTableText, reading as Windows-1252 for a new database (no
// old texts), takes the cells of `line` (a line's bytes) as they are.
bool TakenAsNewWindows1252(std::string_view line);

}  // namespace kovrant::tool
