#include "tool/row_prototype.h"

#include <algorithm>

#include "ldb/packed_length.h"

#include "tool/cell_values.h"
#include "tool/database_edit.h"
#include "tool/refusal.h"

namespace kovrant::tool {
namespace {

constexpr std::uint32_t kFloatOne = 0x3F800000;
constexpr std::size_t kColumns = 8;

class Builder {
 public:
  Builder(TableLine line, const RowSource& source, std::vector<std::string>& notes)
      : line_(std::move(line)), source_(source), notes_(notes) {}

  RowFields Build(std::size_t from) {
    if (line_.cells.size() > kColumns) {
      const CellPlace at = Place(kColumns);
      throw Refusal(
          std::string(at.file), at.offset,
          at.label() + ": no field makes a cell beyond the eighth column, so it cannot be added");
    }
    // The place count makes Place1 and Place2 together.
    if (line_.cells.size() == 2 && from <= 1) {
      line_.cells.push_back({"", line_.cells[1].offset + std::ssize(line_.cells[1].text)});
    }
    if (from <= 4 && line_.cells.size() > 4 && line_.cells[4].text.empty()) {
      const bool padding = std::all_of(line_.cells.begin() + 4, line_.cells.end(),
                                       [](const TableCell& cell) { return cell.text.empty(); });
      if (!padding) {
        const CellPlace at = Place(4);
        throw Refusal(std::string(at.file), at.offset,
                      at.label() +
                          ": an empty cell cannot be made here (a switch time always shows a "
                          "number; type 0 for none)");
      }
      line_.cells.resize(4);
    }
    result_.fields.reserve(line_.cells.size() + 1);
    result_.shown.reserve(line_.cells.size() + 1);
    for (std::size_t c = from; c < line_.cells.size(); ++c) {
      switch (c) {
        case 1:
          Places();
          ++c;
          break;
        case 3:
          Scale();
          break;
        case 4:
          SwitchTime();
          break;
        default:
          Text(c);
          break;
      }
    }
    return std::move(result_);
  }

 private:
  CellPlace Place(std::size_t c) const {
    return CellPlace{source_.file, line_.cells[c].offset, source_.row, c};
  }
  CellText Typed(std::size_t c) const { return line_.cells[c].text; }
  void Note(const std::string& note) {
    if (!note.empty()) notes_.push_back(note);
  }
  void Add(std::uint8_t type, std::string value) {
    result_.fields.push_back({type, std::move(value)});
  }

  void Text(std::size_t c) {
    if (Typed(c).find('\r') != std::string::npos) {
      const CellPlace at = Place(c);
      throw Refusal(std::string(at.file), at.offset,
                    at.label() + ": a text may not hold CR (it would split the row)");
    }
    std::string value;
    value.reserve(Typed(c).size() + 1);
    value += Typed(c);
    value += '\0';
    Add(static_cast<std::uint8_t>(c == 0 ? 0 : c), std::move(value));
    result_.shown.push_back(Typed(c));
  }

  void Places() {
    const char separator = source_.separator;
    const TypedPlace place1 = TypedPlaceCell(Typed(1), separator, Place(1));
    const TypedPlace place2 = TypedPlaceCell(Typed(2), separator, Place(2));
    if (!place1.present && place2.present) {
      const CellPlace at = Place(2);
      throw Refusal(std::string(at.file), at.offset,
                    at.label() + ": a second place needs a first one (Place1 is empty)");
    }
    std::string cells[2];
    const std::int32_t count = place2.present ? 2 : place1.present ? 1 : 0;
    if (count > 0) {
      const CellNumber* typed[4] = {&place1.x, &place1.y, &place2.x, &place2.y};
      std::string block;
      for (int i = 0; i < 4; ++i) {
        std::uint32_t bits = 0;
        if (i < 2 * count) {
          const std::size_t c = 1 + static_cast<std::size_t>(i / 2);
          const CellPlace at = Place(c);
          bits = TypedFloat(*typed[i], at);
          const CellText text = Typed(c);
          const std::string_view part =
              i % 2 == 0 ? text.substr(0, text.find(',')) : text.substr(text.find(',') + 1);
          const std::string rendered = RenderFloat32(bits, separator);
          Note(PrecisionNote(at, part, rendered, "the nearest 32-bit float", separator));
          if (i % 2 != 0) cells[i / 2] += ',';
          cells[i / 2] += rendered;
        }
        block += Bytes32(bits);
      }
      Add(1, block);
    }
    Add(2, Bytes32(static_cast<std::uint32_t>(count)));
    result_.shown.push_back(cells[0]);
    result_.shown.push_back(cells[1]);
  }

  void Scale() {
    const CellPlace at = Place(3);
    const std::uint32_t scale = TypedScale(Typed(3), source_.separator, at);
    const std::string shown = scale == kFloatOne ? "" : RenderFloat32(scale, source_.separator);
    if (scale == kFloatOne && !Typed(3).empty()) {
      Note(at.label() + ": " + std::string(Typed(3)) +
           " stored as 1.0, which reads as an empty cell");
    } else {
      Note(PrecisionNote(at, Typed(3), shown, "the nearest 32-bit float", source_.separator));
    }
    Add(3, Bytes32(scale));
    result_.shown.push_back(shown);
  }

  void SwitchTime() {
    const CellPlace at = Place(4);
    const std::int32_t ticks = TypedTicks(Typed(4), source_.separator, at);
    const std::string shown = RenderSwitchTime(ticks, source_.separator);
    Note(TicksNote(at, Typed(4), shown, ticks, source_.separator));
    Add(4, Bytes32(static_cast<std::uint32_t>(ticks)));
    result_.shown.push_back(shown);
  }

  TableLine line_;
  const RowSource& source_;
  std::vector<std::string>& notes_;
  RowFields result_;
};

}  // namespace

RowFields BuildRowFields(TableLine line, std::size_t from, const RowSource& source,
                         std::vector<std::string>& notes) {
  return Builder(std::move(line), source, notes).Build(from);
}

void AppendPrototype(const std::vector<NewField>& fields, std::string& out) {
  std::int64_t body = 0;
  for (const NewField& field : fields) {
    const auto size = static_cast<std::int64_t>(field.value.size());
    body += 1 + PackedLengthSize(size, true) + size;
  }
  out += '\0';
  AppendPackedLength(out, body, true);
  for (const NewField& field : fields) AppendRecord(field.type, field.value, true, out);
}

}  // namespace kovrant::tool
