// What an edited table does to the rows kovrant wrote, as apply --dry-run,
// apply's summary and diff list it:
//   added row 31 "Zugbrücke"
//   removed row 5 "Hebel"                  (the old table's row number)
//   moved row 3 -> 7 "Hebel"               (old row -> new row)
//   row 4, Scale: "1.0" -> "2.0"           (the new table's row number)
//   1 added row, 1 removed row, 1 moved row, 1 changed cell in 1 prototype
// Rows count from 1 after the header; a row is named by its Name cell.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tool/row_match.h"

namespace kovrant::tool {

struct TableEdits {
  struct Added {
    std::int64_t row;  // in the new table
    std::string name;
  };
  struct Removed {
    std::int64_t row;  // in the old table
    std::string name;
  };
  struct Moved {
    std::int64_t from, to;  // old row, new row
    std::string name;
  };
  struct Changed {
    std::int64_t row;  // in the new table
    std::size_t cell;  // from 0
    std::string old_text, new_text;
  };
  std::vector<Added> added;
  std::vector<Removed> removed;
  std::vector<Moved> moved;
  std::vector<Changed> changed;  // by row, then cell

  bool empty() const {
    return added.empty() && removed.empty() && moved.empty() && changed.empty();
  }
  // How many rows have changed cells.
  std::size_t changed_rows() const;
};

// A table's row as DescribeEdits reads it: the cells of row `i` (from 0).
using RowCells = std::function<std::vector<std::string_view>(std::size_t i)>;

// The edits that turn the old rows into the new ones, as `pairing` pairs
// them: paired rows are compared cell by cell (a cell one row has and the
// other lacks reads as "(no cell)"). Rows that stayed are not read.
TableEdits DescribeEdits(const RowPairing& pairing, const RowCells& old_rows,
                         const RowCells& new_rows);
TableEdits DescribeEdits(const RowPairing& pairing,
                         const std::vector<std::vector<std::string>>& old_rows,
                         const std::vector<std::vector<std::string>>& new_rows);

// One line each, in the order above: added, removed, moved, changed cells.
void PrintEdits(const TableEdits& edits, std::ostream& out);
// "1 added row, 0 removed rows, 2 moved rows, 3 changed cells in 2 prototypes"
std::string EditCounts(const TableEdits& edits);

// A cell as the lists quote it.
std::string QuotedCell(std::string_view text);

}  // namespace kovrant::tool
