// Replaces the global operator new and delete of the test program: every
// block carries its size in a header in front of it, so that the live total
// and its peak can be kept; allocations are counted as well.
#include "support/heap_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace kovrant::test {
namespace {

std::atomic<std::size_t> live{0};
std::atomic<std::size_t> peak{0};
std::atomic<std::size_t> allocations{0};

// The header keeps the block aligned for any fundamental type.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) {
  void* block = std::malloc(size + kHeader);
  if (block == nullptr) throw std::bad_alloc();
  allocations.fetch_add(1);
  *static_cast<std::size_t*>(block) = size;
  const std::size_t now = live.fetch_add(size) + size;
  std::size_t seen = peak.load();
  while (now > seen && !peak.compare_exchange_weak(seen, now)) {
  }
  return static_cast<char*>(block) + kHeader;
}

void Release(void* pointer) noexcept {
  if (pointer == nullptr) return;
  void* block = static_cast<char*>(pointer) - kHeader;
  live.fetch_sub(*static_cast<std::size_t*>(block));
  std::free(block);
}

}  // namespace

std::size_t LiveHeapBytes() { return live.load(); }
std::size_t HeapAllocations() { return allocations.load(); }

PeakHeap::PeakHeap() : start_(live.load()) { peak.store(start_); }
PeakHeap::~PeakHeap() = default;
std::size_t PeakHeap::Growth() const { return peak.load() - start_; }

}  // namespace kovrant::test

// Over-aligned allocations keep the library's own operators.
void* operator new(std::size_t size) { return kovrant::test::Allocate(size); }
void* operator new[](std::size_t size) { return kovrant::test::Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return kovrant::test::Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return kovrant::test::Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void operator delete(void* pointer) noexcept { kovrant::test::Release(pointer); }
void operator delete[](void* pointer) noexcept { kovrant::test::Release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { kovrant::test::Release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { kovrant::test::Release(pointer); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept {
  kovrant::test::Release(pointer);
}
void operator delete[](void* pointer, const std::nothrow_t&) noexcept {
  kovrant::test::Release(pointer);
}
