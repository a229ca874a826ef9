// The text by which an edited table's rows pair with the rows kovrant
// wrote: the cells joined by TAB, empty cells at the end left out (a
// spreadsheet pads short rows), and the numbers of the columns Place1 to
// Switch Time in one spelling (a spreadsheet saves 3.0 as "3" and 1E20 as
// "1E+020"). Two rows with one key show the same once converted, up to the
// spelling of numbers; where a text cell of a shorter row stands in those
// columns, apply compares the cells again one by one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kovrant::tool {

// Appends the key of the row of `cells` to `key`.
void AppendRowKey(const std::vector<std::string_view>& cells, char separator, std::string& key);

// Whether two rows have one key: at once where their cells are the same up
// to padding, else by their keys.
bool SameRowKey(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b,
                char separator);

}  // namespace kovrant::tool
