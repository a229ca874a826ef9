// The tables apply and pack read: kovrant's text table, or a workbook a
// spreadsheet saved (.xlsx or .ods), told apart by their content, not their
// names.
//
// A workbook's first worksheet is read as the table it shows: text cells
// as they read (shared strings, inline strings and rich-text runs in an
// .xlsx; paragraphs, spans and the spaces, tabs and line breaks of an .ods),
// number cells as their values ("3" for 3), repeated rows and cells
// expanded, empty cells and rows at the ends dropped. Texts are stored in
// Windows-1252; a character it has no byte for is refused. So are a formula,
// an error value, a boolean or a date (the cell should hold what kovrant
// shows) and a text holding TAB, CR, LF or NUL, each naming the cell ("C7")
// and its row. The result is the same TableText a text table gives, with
// no byte offsets (kNoOffset): messages name rows and cells instead.
//
// A hostile workbook is bounded: the bytes inflated from the archive and
// the cells built from it each stay within SheetBudget, or the file is
// refused.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tool/table_text.h"

namespace kovrant::tool {

// The bytes ldbtool inflates from a workbook of `file_size` bytes (and
// builds into cells) for a database of `database_size` bytes: 64 MiB plus
// 64 times both.
std::uint64_t SheetBudget(std::uint64_t file_size, std::uint64_t database_size);

// Whether `bytes` are a ZIP archive, which apply and pack read as a workbook.
bool IsWorkbookFile(std::string_view bytes);

// The table in `bytes` (a file named `file`), text or workbook.
TableText ReadAnyTable(std::string bytes, const std::string& file, std::uint64_t database_size = 0);

}  // namespace kovrant::tool
