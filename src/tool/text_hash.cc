#include "tool/text_hash.h"

#include <algorithm>

#include "ldb/remembering_walk.h"

namespace kovrant::tool {
namespace {

constexpr std::uint64_t kPrime = (std::uint64_t{1} << 61) - 1;

// x mod 2^61 - 1 for x < 2^64.
std::uint64_t Reduce(std::uint64_t x) {
  const std::uint64_t r = (x & kPrime) + (x >> 61);
  return r >= kPrime ? r - kPrime : r;
}

// a * b mod 2^61 - 1 for a, b below it, in 64-bit arithmetic (32-bit builds
// have no 128-bit integers): 2^61 is 1 and 2^64 is 8 there.
std::uint64_t MultiplyMod(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t a1 = a >> 32, a0 = a & 0xFFFFFFFF, b1 = b >> 32, b0 = b & 0xFFFFFFFF;
  const std::uint64_t middle = a1 * b0 + a0 * b1;  // below 2^62
  const std::uint64_t sum =
      ((a1 * b1) << 3) + (middle >> 29) + ((middle & 0x1FFFFFFF) << 32) + Reduce(a0 * b0);
  return Reduce(sum);
}

}  // namespace

std::uint64_t TextHash(std::string_view text) {
  static const std::uint64_t point = 2 + RunSeed() % (kPrime - 3);
  std::uint64_t hash = Reduce(text.size());
  for (std::size_t at = 0; at < text.size(); at += 7) {
    std::uint64_t piece = 0;
    const std::size_t size = std::min<std::size_t>(7, text.size() - at);
    for (std::size_t i = 0; i < size; ++i) {
      piece |= std::uint64_t{static_cast<unsigned char>(text[at + i])} << (8 * i);
    }
    hash = Reduce(MultiplyMod(hash, point) + piece);
  }
  return hash;
}

}  // namespace kovrant::tool
