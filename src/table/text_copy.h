// Copying a text value's bytes into the table without its NUL bytes.
//
// Most values hold no NUL (sound paths, descriptions) or end in exactly one
// (names and materials are stored with their terminator), and most are
// short: a call of memchr and one of memcpy per value cost more than the
// copy itself. So a value of either kind is checked and copied in whole
// chunks (16 bytes with SSE2, 8 without), its last chunk overlapping the
// one before instead of running past its end; any other value takes the
// byte-exact path (the runs between NULs found by memchr).
//
// CopyWithoutNuls reads only the `size` bytes at `from` (which may end at
// the last byte of the input's buffer) and writes only within the `size`
// bytes at `out`: bytes after the returned end may have been written too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kovrant {

namespace text_copy_detail {

// Whether any byte of the word is 0: subtracting 1 from every byte borrows
// out of a 0 byte only (a byte whose top bit was set before is masked out),
// so some top bit is left set exactly when a byte was 0.
inline bool HasNul(std::uint64_t word) {
  return ((word - 0x0101010101010101u) & ~word & 0x8080808080808080u) != 0;
}
inline bool HasNul(std::uint32_t word) { return ((word - 0x01010101u) & ~word & 0x80808080u) != 0; }

// Copies `size` bytes when none of them is NUL; false (and some bytes
// perhaps written) otherwise. The two loads of a short value overlap when
// it is shorter than two words.
template <typename Word>
[[gnu::always_inline]] inline bool CopyTwoWordsIfNulFree(const std::uint8_t* from, std::size_t size,
                                                         char* out) {
  Word first;
  Word last;
  std::memcpy(&first, from, sizeof first);
  std::memcpy(&last, from + size - sizeof last, sizeof last);
  if (HasNul(first) || HasNul(last)) return false;
  std::memcpy(out, &first, sizeof first);
  std::memcpy(out + size - sizeof last, &last, sizeof last);
  return true;
}

#if defined(__SSE2__)
inline constexpr std::size_t kChunk = 16;
[[gnu::always_inline]] inline bool CopyChunkIfNulFree(const std::uint8_t* from, char* out) {
  const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
  if (_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, _mm_setzero_si128())) != 0) return false;
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), chunk);
  return true;
}
#else
inline constexpr std::size_t kChunk = 8;
[[gnu::always_inline]] inline bool CopyChunkIfNulFree(const std::uint8_t* from, char* out) {
  std::uint64_t chunk;
  std::memcpy(&chunk, from, sizeof chunk);
  if (HasNul(chunk)) return false;
  std::memcpy(out, &chunk, sizeof chunk);
  return true;
}
#endif

// Copies `size` bytes when none of them is NUL; false (and some bytes
// perhaps written) otherwise.
[[gnu::always_inline]] inline bool CopyIfNulFree(const std::uint8_t* from, std::size_t size,
                                                 char* out) {
  if (size >= kChunk) {
    // Whole chunks while more than one is left, then the last kChunk bytes,
    // overlapping bytes already checked and copied.
    for (std::size_t at = 0; at + kChunk < size; at += kChunk) {
      if (!CopyChunkIfNulFree(from + at, out + at)) return false;
    }
    return CopyChunkIfNulFree(from + size - kChunk, out + size - kChunk);
  }
  if (kChunk > 8 && size >= 8) return CopyTwoWordsIfNulFree<std::uint64_t>(from, size, out);
  if (size >= 4) return CopyTwoWordsIfNulFree<std::uint32_t>(from, size, out);
  for (std::size_t i = 0; i < size; ++i) {
    if (from[i] == 0) return false;
    out[i] = static_cast<char>(from[i]);
  }
  return true;
}

}  // namespace text_copy_detail

// Any value: the runs between its NULs, one memchr and one memcpy each.
char* CopyWithoutNulsByRuns(const std::uint8_t* from, std::size_t size, char* out);

// Copies the `size` bytes at `from` to `out` leaving out every NUL byte;
// returns the end of the bytes copied.
inline char* CopyWithoutNuls(const std::uint8_t* from, std::size_t size, char* out) {
  // A value that ends in its terminator: the bytes before it.
  const std::size_t kept = size > 0 && from[size - 1] == 0 ? size - 1 : size;
  if (text_copy_detail::CopyIfNulFree(from, kept, out)) [[likely]] {
    return out + kept;
  }
  return CopyWithoutNulsByRuns(from, size, out);
}

}  // namespace kovrant
