#include "tool/row_prototype.h"

#include <algorithm>
#include <cstring>

#include "ldb/packed_length.h"
#include "table/field_schema.h"

#include "tool/cell_values.h"
#include "tool/database_edit.h"
#include "tool/refusal.h"

namespace kovrant::tool {
namespace {

constexpr std::size_t kColumns = 8;

// Makes the fields of a row. Predicting, it also works out the cells kovrant
// will show for them and the notes on numbers stored at lower precision;
// else it only appends the records, for pack's rows that are expected to
// show as typed (the proof finds those that do not).
class Builder {
 public:
  Builder(const TableLine& line, const RowSource& source, std::vector<std::string>* notes)
      : line_(line), source_(source), notes_(notes) {}

  RowFields Build(std::size_t from) {
    result_.fields.reserve(line_.cells.size() + 1);
    result_.shown.reserve(line_.cells.size() + 1);
    Run(from);
    return std::move(result_);
  }
  void AppendRecords(std::string& records) {
    records_ = &records;
    Run(0);
  }

 private:
  void Run(std::size_t from) {
    count_ = line_.cells.size();
    if (count_ > kColumns) {
      const CellPlace at = Place(kColumns);
      throw Refusal(
          std::string(at.file), at.offset,
          at.label() + ": no field makes a cell beyond the eighth column, so it cannot be added");
    }
    // The place count makes Place1 and Place2 together: a row that ends
    // after Place1 reads Place2 as empty.
    if (count_ == 2 && from <= 1) count_ = 3;
    if (from <= 4 && count_ > 4 && Typed(4).empty()) {
      const bool padding = std::all_of(line_.cells.begin() + 4, line_.cells.end(),
                                       [](const TableCell& cell) { return cell.text.empty(); });
      if (!padding) {
        const CellPlace at = Place(4);
        throw Refusal(std::string(at.file), at.offset,
                      at.label() +
                          ": an empty cell cannot be made here (a switch time always shows a "
                          "number; type 0 for none)");
      }
      count_ = 4;
    }
    for (std::size_t c = from; c < count_; ++c) {
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
  }

  bool predicting() const { return records_ == nullptr; }
  // A cell of the row; the Place2 a row of two cells lacks is empty, just
  // after Place1.
  CellPlace Place(std::size_t c) const {
    if (c < line_.cells.size())
      return CellPlace{source_.file, line_.cells[c].offset, source_.row, c};
    const TableCell& last = line_.cells.back();
    return CellPlace{source_.file, last.offset + std::ssize(last.text), source_.row, c};
  }
  CellText Typed(std::size_t c) const {
    return c < line_.cells.size() ? line_.cells[c].text : CellText();
  }
  void Note(const std::string& note) {
    if (!note.empty()) notes_->push_back(note);
  }
  // A field of `type` whose value is `value`, and `terminated` by a NUL.
  void Add(std::uint8_t type, std::string_view value, bool terminated = false) {
    if (predicting()) {
      std::string& stored = result_.fields.emplace_back(NewField{type, {}}).value;
      stored.reserve(value.size() + 1);
      stored += value;
      if (terminated) stored += '\0';
      return;
    }
    // Written in place: the tag, the packed length, the value (and its NUL,
    // which the growing leaves there).
    const auto size = static_cast<std::int64_t>(value.size() + (terminated ? 1 : 0));
    const std::size_t at = records_->size();
    records_->resize(at + 1 + static_cast<std::size_t>(PackedLengthSize(size, true) + size));
    char* out = records_->data() + at;
    *out++ = static_cast<char>(type);
    out = PutPackedLength(out, size, true);
    if (!value.empty()) std::memcpy(out, value.data(), value.size());
  }

  void Text(std::size_t c) {
    if (Typed(c).find('\r') != std::string::npos) {
      const CellPlace at = Place(c);
      throw Refusal(std::string(at.file), at.offset,
                    at.label() + ": a text may not hold CR (it would split the row)");
    }
    Add(static_cast<std::uint8_t>(c), Typed(c), true);
    if (predicting()) result_.shown.push_back(Typed(c));
  }

  void Places() {
    const char separator = source_.separator;
    PlainPlace place1, place2;
    if (const auto plain1 = ReadPlainPlace(Typed(1), separator)) {
      if (const auto plain2 = ReadPlainPlace(Typed(2), separator)) {
        place1 = *plain1;
        place2 = *plain2;
        RefuseSecondPlaceAlone(place1.present, place2.present);
      } else {
        TypedPlaces(place1, place2);
      }
    } else {
      TypedPlaces(place1, place2);
    }
    std::string cells[2];
    const std::int32_t count = place2.present ? 2 : place1.present ? 1 : 0;
    if (count > 0) {
      const std::uint32_t floats[4] = {place1.x, place1.y, place2.x, place2.y};
      char block[16] = {};
      for (int i = 0; i < 2 * count; ++i) {
        const std::uint32_t bits = floats[i];
        std::memcpy(block + 4 * i, Bytes32(bits).data(), 4);
        if (!predicting()) continue;
        const std::size_t c = 1 + static_cast<std::size_t>(i / 2);
        const CellText text = Typed(c);
        const std::string_view part =
            i % 2 == 0 ? text.substr(0, text.find(',')) : text.substr(text.find(',') + 1);
        const std::string rendered = RenderFloat32(bits, separator);
        Note(PrecisionNote(Place(c), part, rendered, "the nearest 32-bit float", separator));
        if (i % 2 != 0) cells[i / 2] += ',';
        cells[i / 2] += rendered;
      }
      Add(1, std::string_view(block, sizeof block));
    }
    Add(2, Bytes32(static_cast<std::uint32_t>(count)));
    if (!predicting()) return;
    result_.shown.push_back(cells[0]);
    result_.shown.push_back(cells[1]);
  }

  void RefuseSecondPlaceAlone(bool first, bool second) const {
    if (first || !second) return;
    const CellPlace at = Place(2);
    throw Refusal(std::string(at.file), at.offset,
                  at.label() + ": a second place needs a first one (Place1 is empty)");
  }

  // The place cells read in full, with their refusals in the order they
  // are met: a cell that is no place, Place2 without Place1, a number
  // beyond the float range.
  void TypedPlaces(PlainPlace& place1, PlainPlace& place2) const {
    const char separator = source_.separator;
    const TypedPlace typed1 = TypedPlaceCell(Typed(1), separator, Place(1));
    const TypedPlace typed2 = TypedPlaceCell(Typed(2), separator, Place(2));
    RefuseSecondPlaceAlone(typed1.present, typed2.present);
    if (typed1.present)
      place1 = {true, TypedFloat(typed1.x, Place(1)), TypedFloat(typed1.y, Place(1))};
    if (typed2.present)
      place2 = {true, TypedFloat(typed2.x, Place(2)), TypedFloat(typed2.y, Place(2))};
  }

  void Scale() {
    const CellPlace at = Place(3);
    const std::uint32_t scale = TypedScale(Typed(3), source_.separator, at);
    Add(3, Bytes32(scale));
    if (!predicting()) return;
    const std::string shown = scale == kFloatOneBits ? "" : RenderFloat32(scale, source_.separator);
    if (scale == kFloatOneBits && !Typed(3).empty()) {
      Note(at.label() + ": " + std::string(Typed(3)) +
           " stored as 1.0, which reads as an empty cell");
    } else {
      Note(PrecisionNote(at, Typed(3), shown, "the nearest 32-bit float", source_.separator));
    }
    result_.shown.push_back(shown);
  }

  void SwitchTime() {
    const CellPlace at = Place(4);
    const std::int32_t ticks = TypedTicks(Typed(4), source_.separator, at);
    Add(4, Bytes32(static_cast<std::uint32_t>(ticks)));
    if (!predicting()) return;
    const std::string shown = RenderSwitchTime(ticks, source_.separator);
    Note(TicksNote(at, Typed(4), shown, ticks, source_.separator));
    result_.shown.push_back(shown);
  }

  const TableLine& line_;
  const RowSource& source_;
  std::vector<std::string>* notes_;
  std::size_t count_ = 0;           // the cells made, the Place2 a short row lacks counted
  std::string* records_ = nullptr;  // not predicting: where the records go
  RowFields result_;
};

}  // namespace

RowFields BuildRowFields(const TableLine& line, std::size_t from, const RowSource& source,
                         std::vector<std::string>& notes) {
  return Builder(line, source, &notes).Build(from);
}

void AppendRowRecords(const TableLine& line, const RowSource& source, std::string& records) {
  Builder(line, source, nullptr).AppendRecords(records);
}

void AppendPrototype(std::string_view records, std::string& out) {
  out += '\0';
  AppendPackedLength(out, static_cast<std::int64_t>(records.size()), true);
  out += records;
}

void AppendPrototype(const std::vector<NewField>& fields, std::string& out) {
  std::string records;
  for (const NewField& field : fields) AppendRecord(field.type, field.value, true, records);
  AppendPrototype(records, out);
}

}  // namespace kovrant::tool
