#include "tool/edit_report.h"

#include <set>

#include "tool/cell_values.h"

namespace kovrant::tool {
namespace {

std::string Count(std::size_t n, const char* noun) {
  return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

}  // namespace

std::size_t TableEdits::changed_rows() const {
  std::set<std::int64_t> rows;
  for (const Changed& change : changed) rows.insert(change.row);
  return rows.size();
}

std::string QuotedCell(std::string_view text) {
  // Appended piece by piece: GCC 12 warns (-Wrestrict, wrongly) on
  // "\"" + a temporary string.
  std::string quoted(1, '"');
  quoted += text;
  quoted += '"';
  return quoted;
}

TableEdits DescribeEdits(const RowPairing& pairing, const RowCells& old_rows,
                         const RowCells& new_rows) {
  const auto name_of = [](const std::vector<std::string_view>& cells) {
    return cells.empty() ? std::string() : std::string(cells.front());
  };
  TableEdits edits;
  for (std::size_t n = 0; n < pairing.kind.size(); ++n) {
    const std::int64_t row = static_cast<std::int64_t>(n) + 1;
    switch (pairing.kind[n]) {
      case RowPairing::Kind::kAdded:
        edits.added.push_back({row, name_of(new_rows(n))});
        break;
      case RowPairing::Kind::kMoved:
        edits.moved.push_back({pairing.old_row[n] + 1, row, name_of(new_rows(n))});
        break;
      case RowPairing::Kind::kEdited: {
        const auto before = old_rows(static_cast<std::size_t>(pairing.old_row[n]));
        const auto after = new_rows(n);
        for (std::size_t c = 0; c < before.size() || c < after.size(); ++c) {
          const std::string_view a = c < before.size() ? before[c] : "(no cell)";
          const std::string_view b = c < after.size() ? after[c] : "(no cell)";
          if (a != b) edits.changed.push_back({row, c, std::string(a), std::string(b)});
        }
        break;
      }
      case RowPairing::Kind::kAnchor:
        break;
    }
  }
  for (std::size_t o = 0; o < pairing.new_row.size(); ++o) {
    if (pairing.new_row[o] == RowPairing::kNone) {
      edits.removed.push_back({static_cast<std::int64_t>(o) + 1, name_of(old_rows(o))});
    }
  }
  return edits;
}

TableEdits DescribeEdits(const RowPairing& pairing,
                         const std::vector<std::vector<std::string>>& old_rows,
                         const std::vector<std::vector<std::string>>& new_rows) {
  const auto cells_of = [](const std::vector<std::vector<std::string>>& rows) {
    return [&rows](std::size_t i) {
      return std::vector<std::string_view>(rows[i].begin(), rows[i].end());
    };
  };
  return DescribeEdits(pairing, cells_of(old_rows), cells_of(new_rows));
}

void PrintEdits(const TableEdits& edits, std::ostream& out) {
  for (const auto& added : edits.added) {
    out << "added row " << added.row << " " << QuotedCell(added.name) << "\n";
  }
  for (const auto& removed : edits.removed) {
    out << "removed row " << removed.row << " " << QuotedCell(removed.name) << "\n";
  }
  for (const auto& moved : edits.moved) {
    out << "moved row " << moved.from << " -> " << moved.to << " " << QuotedCell(moved.name)
        << "\n";
  }
  for (const auto& change : edits.changed) {
    out << CellLabel(static_cast<std::size_t>(change.row), change.cell) << ": "
        << QuotedCell(change.old_text) << " -> " << QuotedCell(change.new_text) << "\n";
  }
}

std::string EditCounts(const TableEdits& edits) {
  return Count(edits.added.size(), "added row") + ", " +
         Count(edits.removed.size(), "removed row") + ", " +
         Count(edits.moved.size(), "moved row") + ", " +
         Count(edits.changed.size(), "changed cell") + " in " +
         Count(edits.changed_rows(), "prototype");
}

}  // namespace kovrant::tool
