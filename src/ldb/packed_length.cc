#include "ldb/packed_length.h"

#include "io/failure.h"

namespace kovrant {

std::int64_t ReadPackedLength(InputFile& input) {
  std::uint8_t first = input.ReadByte(CheckSite::kReadLengthByte);
  if ((first & 1) == 0) return first >> 1;
  // The four-byte form starts at the byte already read.
  std::uint8_t rest[3];
  input.Read(rest, 3, CheckSite::kReadLengthWord);
  std::uint32_t value = first | static_cast<std::uint32_t>(rest[0]) << 8 |
                        static_cast<std::uint32_t>(rest[1]) << 16 |
                        static_cast<std::uint32_t>(rest[2]) << 24;
  if (value & 0x80000000u) throw IoError(kIoReadBeyondEnd, CheckSite::kReadLengthWord);
  return static_cast<std::int64_t>(value >> 1);
}

}  // namespace kovrant
