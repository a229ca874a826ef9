// What a database or a table shows, row by row, for `ldbtool diff`.
//
// A file is told to be a table by its content, not its name: a table's first
// line starts with kovrant's header (after a byte-order mark, which the table
// reader then refuses with its own message); anything else is a database,
// converted as kovrant converts it. Either way the result is what a person
// sees in the table: the rows after the header, each its cells, numbers as
// the texts kovrant shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "io/platform.h"
#include "tool/edit_report.h"

namespace kovrant::tool {

using ShownRow = std::vector<std::string>;

// Whether `bytes` are a table rather than a database.
bool LooksLikeTable(std::string_view bytes);

// The rows `file` shows: a table's rows as they are written (empty cells
// past the header's eighth, a spreadsheet's padding, dropped), a database's
// as kovrant writes them with `separator` as the decimal separator. Other
// table forms plug in here. Throws Refusal naming `file` when it cannot be
// read, is not a table kovrant wrote, or is a database kovrant fails on.
std::vector<ShownRow> ReadRowsOf(Platform& platform, const std::string& file, char separator);

// The edits that turn `old_rows` into `new_rows`, the rows paired by their
// whole texts (PairRows) and edited ones compared cell by cell.
TableEdits CompareRows(const std::vector<ShownRow>& old_rows,
                       const std::vector<ShownRow>& new_rows);

// The rows as a text with one line per row (header first, cells separated by
// TAB, lines ended by LF, the texts' Windows-1252 bytes as UTF-8): what git's
// text conversion diffs, the same for the same rows on every platform.
std::string RowsText(const std::vector<ShownRow>& rows);

}  // namespace kovrant::tool
