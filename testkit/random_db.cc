#include "random_db.h"

#include <cstring>

#include "ldb_builder.h"
#include "tool/cell_number.h"

namespace kovrant::ldb {
namespace {

std::size_t Below(std::mt19937& rng, std::size_t n) { return n == 0 ? 0 : rng() % n; }

// The field type whose cell each column is (Place1 and Place2 both the place
// count's).
constexpr int kColumnType[8] = {0, 2, 2, 3, 4, 5, 6, 7};

std::string Place(std::mt19937& rng) {
  return tool::RenderFloat32(RandomFloatBits(rng), '.') + "," +
         tool::RenderFloat32(RandomFloatBits(rng), '.');
}

}  // namespace

std::string RandomWord(std::mt19937& rng) {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz _-./";
  std::string word(rng() % 12, ' ');
  for (char& c : word) c = kLetters[rng() % (sizeof kLetters - 1)];
  return word;
}

std::uint32_t RandomFloatBits(std::mt19937& rng) {
  for (;;) {
    std::uint32_t bits;
    if (rng() % 4 != 0) {
      const float value = static_cast<float>(static_cast<int>(rng() % 4001) - 2000) / 8.0f;
      std::memcpy(&bits, &value, sizeof bits);
    } else {
      bits = static_cast<std::uint32_t>(rng());
    }
    if ((bits & 0x7F800000) != 0x7F800000 || (bits & 0x007FFFFF) == 0) return bits;
  }
}

std::int32_t RandomTicks(std::mt19937& rng) {
  return rng() % 3 ? static_cast<std::int32_t>(rng() % 200) : static_cast<std::int32_t>(rng());
}

std::string RandomDatabase(std::mt19937& rng) {
  auto form = [&] { return rng() % 5 == 0 ? LengthForm::kFourByte : LengthForm::kShortest; };
  auto text = [&](std::uint8_t type) {
    std::string word = RandomWord(rng);
    if (rng() % 16 == 0) word = std::string(100 + rng() % 100, 'w');  // over 127 bytes with more
    return Record(type, word + (rng() % 3 ? std::string(1, '\0') : ""), form());
  };
  auto number = [&](std::uint8_t type, std::uint32_t value) {
    return Record(type, U32(value) + (rng() % 6 == 0 ? "xy" : ""), form());
  };
  std::vector<std::string> sections;
  for (int s = 0, sections_count = 1 + static_cast<int>(rng() % 3); s < sections_count; ++s) {
    std::vector<std::string> groups;
    for (int g = 0, group_count = 1 + static_cast<int>(rng() % 2); g < group_count; ++g) {
      std::vector<std::string> prototypes;
      for (int p = 0, count = static_cast<int>(rng() % 6); p < count; ++p) {
        std::vector<std::string> fields = {text(0)};
        if (rng() % 2) {  // otherwise the block of an earlier prototype carries over
          fields.push_back(Record(1,
                                  U32(RandomFloatBits(rng)) + U32(RandomFloatBits(rng)) +
                                      U32(RandomFloatBits(rng)) + U32(RandomFloatBits(rng)),
                                  form()));
        }
        fields.push_back(number(2, static_cast<std::uint32_t>(rng() % 3)));
        std::uint32_t scale = RandomFloatBits(rng);
        if (rng() % 3 == 0) scale = 0x3F800000;
        fields.push_back(number(3, scale));
        fields.push_back(number(4, static_cast<std::uint32_t>(RandomTicks(rng))));
        for (std::uint8_t type = 5; type <= 7; ++type) fields.push_back(text(type));
        if (rng() % 4 == 0) fields.insert(fields.begin() + rng() % fields.size(), Record(9, "??"));
        if (rng() % 8 == 0) fields.resize(rng() % fields.size());  // a short prototype
        prototypes.push_back(Prototype(fields, 0, form()));
      }
      groups.push_back(Group(prototypes, 0, form()));
    }
    sections.push_back(Section(rng() % 4 == 0 ? 2 : 1, groups, form()));
  }
  return Cat(sections);
}

std::vector<std::string> RandomCellText(std::uint8_t type, std::mt19937& rng) {
  switch (type) {
    case 2: {
      const std::size_t places = Below(rng, 3);
      return {places >= 1 ? Place(rng) : "", places >= 2 ? Place(rng) : ""};
    }
    case 3:
      for (;;) {
        const std::string shown = tool::RenderFloat32(RandomFloatBits(rng), '.');
        if (shown != "1.0") return {shown};
      }
    case 4:
      return {tool::RenderSwitchTime(RandomTicks(rng), '.')};
    default:
      return {RandomWord(rng)};
  }
}

std::vector<std::string> RandomRow(std::mt19937& rng) {
  std::size_t size = 8;
  if (rng() % 4 == 0) size = 1 + Below(rng, 8);
  if (size == 2) size = 1;  // the place count makes Place1 and Place2 together
  std::vector<std::string> row;
  for (std::size_t c = 0; c < size; ++c) {
    const int type = kColumnType[c];
    if (type == 2 && c == 2) continue;
    std::vector<std::string> cells = RandomCellText(static_cast<std::uint8_t>(type), rng);
    if (type == 3 && rng() % 3 == 0) cells = {""};  // exactly 1.0
    row.insert(row.end(), cells.begin(), cells.end());
  }
  return row;
}

EditedTable RandomTableEdits(const std::vector<std::vector<std::string>>& rows,
                             const std::vector<std::vector<int>>& kinds, std::mt19937& rng) {
  EditedTable table;
  table.rows = rows;
  for (std::size_t r = 0; r < rows.size(); ++r)
    table.origin.push_back(static_cast<std::int64_t>(r));
  table.changed.assign(rows.size(), false);
  auto insert = [&](std::size_t at, std::vector<std::string> row, std::int64_t origin,
                    bool changed) {
    table.rows.insert(table.rows.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
    table.origin.insert(table.origin.begin() + static_cast<std::ptrdiff_t>(at), origin);
    table.changed.insert(table.changed.begin() + static_cast<std::ptrdiff_t>(at), changed);
  };
  auto erase = [&](std::size_t at) {
    table.rows.erase(table.rows.begin() + static_cast<std::ptrdiff_t>(at));
    table.origin.erase(table.origin.begin() + static_cast<std::ptrdiff_t>(at));
    table.changed.erase(table.changed.begin() + static_cast<std::ptrdiff_t>(at));
  };
  for (int n = 0, edits = static_cast<int>(Below(rng, 7)); n < edits; ++n) {
    const std::size_t size = table.rows.size();
    const std::size_t r = Below(rng, size);
    switch (rng() % 6) {
      case 0:
        insert(Below(rng, size + 1), RandomRow(rng), -1, false);
        break;
      case 1:
        if (size > 0) erase(r);
        break;
      case 2:
        if (size > 0) {
          auto row = table.rows[r];
          const std::int64_t origin = table.origin[r];
          const bool changed = table.changed[r];
          erase(r);
          insert(Below(rng, size), std::move(row), origin, changed);
        }
        break;
      case 3:
        if (size > 0)
          insert(Below(rng, size + 1), table.rows[r], table.origin[r], table.changed[r]);
        break;
      default: {  // cells changed, or a short row extended
        if (size == 0 || table.origin[r] < 0) break;
        const auto& kind = kinds[static_cast<std::size_t>(table.origin[r])];
        auto& row = table.rows[r];
        bool in_columns = row.size() < 8 && row.size() != 2 && row.size() == kind.size();
        for (std::size_t c = 0; c < row.size() && c < 8; ++c) {
          in_columns = in_columns && kind[c] == kColumnType[c];
        }
        if (in_columns && rng() % 3 == 0) {
          const std::size_t from = row.size();
          const std::size_t to = from + 1 + Below(rng, 8 - from);
          auto extended = row;
          while (extended.size() < to) {
            const auto cells =
                RandomCellText(static_cast<std::uint8_t>(kColumnType[extended.size()]), rng);
            extended.insert(extended.end(), cells.begin(), cells.end());
          }
          // Nothing but empty cells after a row is a spreadsheet's padding.
          bool typed = false;
          for (std::size_t c = from; c < extended.size(); ++c)
            typed = typed || !extended[c].empty();
          if (!typed) break;
          row = std::move(extended);
          table.changed[r] = true;
          break;
        }
        const std::size_t c = Below(rng, row.size());
        if (c >= kind.size() || kind[c] < 0) break;
        std::size_t first = c;
        if (kind[c] == 2) {
          std::size_t start = c;
          while (start > 0 && kind[start - 1] == 2) --start;
          first = start + (c - start) / 2 * 2;
        }
        const auto cells = RandomCellText(static_cast<std::uint8_t>(kind[c]), rng);
        for (std::size_t k = 0; k < cells.size() && first + k < row.size(); ++k) {
          table.changed[r] = table.changed[r] || row[first + k] != cells[k];
          row[first + k] = cells[k];
        }
        break;
      }
    }
  }
  return table;
}

}  // namespace kovrant::ldb
