// The packed length that follows every tag byte of the lever database.
//
// A first byte B with bit 0 clear is the whole length field: the length is
// B >> 1 (0 to 127). With bit 0 set, B is the lowest byte of a little-endian
// 32-bit value V and the length is V >> 1 (V is odd). A writer stores n as
// the byte 2n (n <= 127) or as the 32-bit value 2n + 1, so the longest body is
// 2^30 - 1 bytes.
//
// A four-byte V with its top bit set would give a negative length, moving the
// walk backwards; the format never carries one, and it is refused as a read
// beyond the end of the file (code 100), so that the walk always moves
// forward.
#pragma once

#include <cstdint>
#include <string>

#include "io/input_file.h"

namespace kovrant {

inline constexpr std::int64_t kMaxPackedLength = (std::int64_t{1} << 30) - 1;

// The four-byte form, whose lowest byte has just been read.
std::int64_t ReadFourByteLength(InputFile& input);

// Reads a packed length at the input's position. Inline: most lengths of a
// database are the one-byte form.
inline std::int64_t ReadPackedLength(InputFile& input) {
  const std::uint8_t first = input.ReadByte(CheckSite::kReadLengthByte);
  if ((first & 1) == 0) [[likely]] {
    return first >> 1;
  }
  return ReadFourByteLength(input);
}

// How many bytes AppendPackedLength appends for `length`.
inline int PackedLengthSize(std::int64_t length, bool one_byte_allowed) {
  return one_byte_allowed && length <= 127 ? 1 : 4;
}

// Writes the packed length of `length` (0 to kMaxPackedLength) at `out`,
// PackedLengthSize bytes, and returns the end: the one-byte form when
// `one_byte_allowed` and it fits (up to 127), else the four-byte form. The
// writer's side of ReadPackedLength.
inline char* PutPackedLength(char* out, std::int64_t length, bool one_byte_allowed) {
  if (one_byte_allowed && length <= 127) {
    *out++ = static_cast<char>(length * 2);
    return out;
  }
  const auto packed = static_cast<std::uint32_t>(length * 2 + 1);
  for (int i = 0; i < 4; ++i) *out++ = static_cast<char>(packed >> (8 * i) & 0xFF);
  return out;
}

// The same, appended to `out`.
inline void AppendPackedLength(std::string& out, std::int64_t length, bool one_byte_allowed) {
  char bytes[4];
  out.append(bytes,
             static_cast<std::size_t>(PutPackedLength(bytes, length, one_byte_allowed) - bytes));
}

}  // namespace kovrant
