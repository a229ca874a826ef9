#include "ldb/packed_length.h"

#include "io/failure.h"

namespace kovrant {

std::int64_t ReadFourByteLength(InputFile& input) {
  // The four-byte form starts at the byte already read: back to it, and the
  // four bytes read as one value. Only a file that ends within them fails,
  // after the bytes that were there.
  input.Seek(input.Position() - 1, CheckSite::kReadLengthWord);
  const std::uint32_t value = input.ReadUint32(CheckSite::kReadLengthWord);
  if (value & 0x80000000u) throw IoError(kIoReadBeyondEnd, CheckSite::kReadLengthWord);
  return static_cast<std::int64_t>(value >> 1);
}

}  // namespace kovrant
