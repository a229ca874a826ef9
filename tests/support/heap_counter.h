// Counts what the test program takes from the heap, through the global
// operator new and delete, which heap_counter.cc replaces. Only test programs
// that link kovrant_heap_counter get the replacement (one per program).
#pragma once

#include <cstddef>

namespace kovrant::test {

// Live bytes allocated with operator new right now.
std::size_t LiveHeapBytes();

// Allocations made with operator new since the program started.
std::size_t HeapAllocations();

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

}  // namespace kovrant::test
