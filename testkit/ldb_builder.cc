#include "ldb_builder.h"

#include <cstring>
#include <stdexcept>

#include "ldb/packed_length.h"

namespace kovrant::ldb {

std::string RawFourByteLength(std::uint32_t value) { return U32(value); }

std::string PackedLength(std::int64_t length, LengthForm form) {
  if (length < 0 || length > kovrant::kMaxPackedLength) {
    throw std::invalid_argument("length out of the format's range");
  }
  if (form == LengthForm::kOneByte && length > 127) {
    throw std::invalid_argument("one-byte length above 127");
  }
  std::string packed;
  kovrant::AppendPackedLength(packed, length, form != LengthForm::kFourByte);
  return packed;
}

std::string Record(std::uint8_t tag, std::string_view body, LengthForm form) {
  std::string frame(1, static_cast<char>(tag));
  frame += PackedLength(static_cast<std::int64_t>(body.size()), form);
  frame += body;
  return frame;
}

std::string Cat(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (std::string_view part : parts) out += part;
  return out;
}

std::string Cat(const std::vector<std::string>& parts) {
  std::string out;
  for (const std::string& part : parts) out += part;
  return out;
}

std::string U32(std::uint32_t value) {
  std::string out(4, '\0');
  for (int i = 0; i < 4; ++i) out[i] = static_cast<char>(value >> (8 * i) & 0xFF);
  return out;
}

std::string I32(std::int32_t value) { return U32(static_cast<std::uint32_t>(value)); }

std::string F32(float value) {
  std::uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return U32(bits);
}

std::string Name(std::string_view text) { return Record(0, text); }
std::string PlaceBlock(float x1, float y1, float x2, float y2) {
  return Record(1, Cat({F32(x1), F32(y1), F32(x2), F32(y2)}));
}
std::string PlaceBlockBits(std::uint32_t x1, std::uint32_t y1, std::uint32_t x2, std::uint32_t y2) {
  return Record(1, Cat({U32(x1), U32(y1), U32(x2), U32(y2)}));
}
std::string PlaceCount(std::int32_t count) { return Record(2, I32(count)); }
std::string Scale(float scale) { return Record(3, F32(scale)); }
std::string ScaleBits(std::uint32_t bits) { return Record(3, U32(bits)); }
std::string SwitchTime(std::int32_t ticks) { return Record(4, I32(ticks)); }
std::string Material(std::string_view text) { return Record(5, text); }
std::string SwitchSound(std::string_view text) { return Record(6, text); }
std::string Description(std::string_view text) { return Record(7, text); }

std::string Prototype(const std::vector<std::string>& fields, std::uint8_t tag, LengthForm form) {
  return Record(tag, Cat(fields), form);
}
std::string Group(const std::vector<std::string>& prototypes, std::uint8_t tag, LengthForm form) {
  return Record(tag, Cat(prototypes), form);
}
std::string Section(std::uint8_t tag, const std::vector<std::string>& groups, LengthForm form) {
  return Record(tag, Cat(groups), form);
}

std::string Database(const std::vector<std::string>& prototypes) {
  return Section(1, {Group(prototypes)});
}

std::string OverlappingGroups(int count, std::uint8_t tag, bool shrinking) {
  constexpr int kGroupSize = 7;  // tag, length 5: prototype tag, four-byte length
  std::string groups;
  for (int i = 0; i < count; ++i) {
    // Group i + 1 starts where the prototype's body does.
    int reach = count;  // the group whose start the prototype reaches
    if (shrinking) reach = count - i - 1 > i + 1 ? count - i - 1 : i + 1;
    const std::int64_t length = std::int64_t{kGroupSize} * (reach - (i + 1));
    groups += Record(9, Cat({std::string(1, '\0'), PackedLength(length, LengthForm::kFourByte)}));
  }
  return Record(tag, groups, LengthForm::kFourByte);
}

std::string OverlappingNulTexts(int count, std::int64_t nul_bytes) {
  constexpr std::int64_t kHeaders = 10;  // section and group, four-byte lengths
  constexpr std::int64_t kPrototypeSize = 7;
  const std::int64_t file_end = kHeaders + kPrototypeSize * count + nul_bytes;
  std::string prototypes;
  for (int i = 0; i < count; ++i) {
    const std::int64_t value_start = kHeaders + kPrototypeSize * (i + 1);
    prototypes += Record(0, Cat({std::string(1, '\5'),
                                 PackedLength(file_end - value_start, LengthForm::kFourByte)}));
  }
  return Record(1, Record(0, prototypes, LengthForm::kFourByte), LengthForm::kFourByte) +
         std::string(static_cast<std::size_t>(nul_bytes), '\0');
}

}  // namespace kovrant::ldb
