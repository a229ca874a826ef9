#include "table/nul_runs.h"

#include <algorithm>

namespace kovrant {

std::int64_t NulRuns::EndOfRunAt(std::int64_t position) const {
  auto after = runs_.upper_bound(position);
  if (after == runs_.begin()) return position;
  const auto& [start, end] = *std::prev(after);
  return end > position ? end : position;
}

std::int64_t NulRuns::NextRunStart(std::int64_t position, std::int64_t limit) const {
  auto after = runs_.upper_bound(position);
  return after == runs_.end() ? limit : std::min(after->first, limit);
}

void NulRuns::Add(std::int64_t start, std::int64_t end) {
  if (end - start < kShortest) return;
  // Merge with every run it overlaps or touches.
  auto first = runs_.upper_bound(start);
  if (first != runs_.begin() && std::prev(first)->second >= start) --first;
  auto last = first;
  while (last != runs_.end() && last->first <= end) {
    start = std::min(start, last->first);
    end = std::max(end, last->second);
    ++last;
  }
  runs_.erase(first, last);
  runs_.emplace(start, end);
}

void NulRuns::Forget(std::int64_t position) {
  runs_.erase(runs_.begin(), runs_.lower_bound(position));
}

}  // namespace kovrant
