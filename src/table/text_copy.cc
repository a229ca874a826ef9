#include "table/text_copy.h"

namespace kovrant {

char* CopyWithoutNulsByRuns(const std::uint8_t* from, std::size_t size, char* out) {
  // The bytes between NULs are copied as they are, found by memchr in the
  // source; a run of NULs is crossed at once, not one search per byte.
  const std::uint8_t* const end = from + size;
  while (from < end) {
    const auto* nul = static_cast<const std::uint8_t*>(
        std::memchr(from, 0, static_cast<std::size_t>(end - from)));
    const std::uint8_t* const stop = nul != nullptr ? nul : end;
    const auto kept = static_cast<std::size_t>(stop - from);
    std::memcpy(out, from, kept);
    out += kept;
    if (nul == nullptr) break;
    for (from = nul + 1; from < end && *from == 0;) ++from;
  }
  return out;
}

}  // namespace kovrant
