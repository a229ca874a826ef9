#include "table/nul_runs.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace kovrant {
namespace {

// A position of the model, as an iterator (positions are 64-bit, as in the
// database; the model is small).
std::vector<bool>::iterator At(std::vector<bool>& model, std::int64_t position) {
  return model.begin() + static_cast<std::ptrdiff_t>(position);
}

// The model over a few hundred positions: the runs kept are the maximal
// stretches of positions covered by runs of kShortest bytes or more, and
// forgetting drops whole runs that start before the position.
std::vector<std::pair<std::int64_t, std::int64_t>> Runs(const std::vector<bool>& covered) {
  std::vector<std::pair<std::int64_t, std::int64_t>> runs;
  for (std::size_t at = 0; at < covered.size(); ++at) {
    const std::size_t start = at;
    while (at < covered.size() && covered[at]) ++at;
    if (at > start) runs.emplace_back(start, at);
  }
  return runs;
}

TEST(NulRunsTest, AnswersAsTheMergedRunsOfAtLeastTheShortestLength) {
  constexpr int kSize = 600;
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    std::mt19937 random(seed);
    auto below = [&](int n) { return static_cast<std::int64_t>(random() % n); };
    NulRuns runs;
    std::vector<bool> covered(kSize, false);
    for (int op = 0; op < 12; ++op) {
      if (below(5) == 0) {
        const std::int64_t position = below(kSize);
        runs.Forget(position);
        for (const auto& [start, end] : Runs(covered)) {
          if (start < position) std::fill(At(covered, start), At(covered, end), false);
        }
      } else {
        const std::int64_t start = below(kSize - 200);
        const std::int64_t end = start + NulRuns::kShortest - 8 + below(100);
        runs.Add(start, end);
        if (end - start >= NulRuns::kShortest) {
          std::fill(At(covered, start), At(covered, end), true);
        }
      }
      const auto expected = Runs(covered);
      for (std::int64_t p = 0; p < kSize; ++p) {
        std::int64_t end_of_run = p;
        std::int64_t next_start = kSize;
        for (const auto& [start, end] : expected) {
          if (start <= p && p < end) end_of_run = end;
          if (start > p) next_start = std::min(next_start, start);
        }
        ASSERT_EQ(runs.EndOfRunAt(p), end_of_run) << "seed " << seed << " at " << p;
        ASSERT_EQ(runs.NextRunStart(p, kSize), next_start) << "seed " << seed << " at " << p;
        ASSERT_EQ(runs.NextRunStart(p, p + 1), std::min(next_start, p + 1));
      }
    }
  }
}

}  // namespace
}  // namespace kovrant
