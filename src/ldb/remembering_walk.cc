#include "ldb/remembering_walk.h"

#include <chrono>

namespace kovrant {

std::uint64_t RunSeed() {
  std::uint64_t state =
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  return walk_detail::SplitMix64(&state);
}

}  // namespace kovrant
