// Counts the heap memory a piece of code holds at its peak, through the
// global operator new and delete of this test program.
#pragma once

#include <cstddef>

namespace kovrant::robustness {

// Live bytes allocated with operator new right now.
std::size_t LiveHeapBytes();

// While one exists, the highest number of live bytes is recorded.
class PeakHeap {
 public:
  PeakHeap();
  ~PeakHeap();
  PeakHeap(const PeakHeap&) = delete;
  PeakHeap& operator=(const PeakHeap&) = delete;
  // The highest live byte count since construction, less what was live then.
  std::size_t Growth() const;

 private:
  std::size_t start_;
};

}  // namespace kovrant::robustness
