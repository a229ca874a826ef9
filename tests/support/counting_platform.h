// A platform with one input file in memory whose table output is counted and
// dropped. Unlike FakePlatform it allocates nothing while a conversion runs,
// so tests can count the conversion's own allocations and benchmarks measure
// the converter rather than the fake.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "support/inert_platform.h"

namespace kovrant::test {

class CountingPlatform final : public InertPlatform {
 public:
  explicit CountingPlatform(std::string input) : input_(std::move(input)) {}

  // Calls of the file layer (each one a system call on a real platform).
  int reads = 0;
  int seeks = 0;
  int writes = 0;
  std::size_t written = 0;

  std::size_t size() const { return input_.size(); }

  int OpenInput(const std::string&, FileHandle* file) override {
    position_ = 0;
    *file = 1;
    return 0;
  }
  int Read(FileHandle, void* buffer, std::size_t size, std::size_t* got) override {
    ++reads;
    const std::size_t available = position_ < input_.size() ? input_.size() - position_ : 0;
    const std::size_t n = size < available ? size : available;
    std::memcpy(buffer, input_.data() + position_, n);
    position_ += n;
    *got = n;
    return 0;
  }
  int Seek(FileHandle, std::int64_t position) override {
    ++seeks;
    position_ = static_cast<std::size_t>(position);
    return 0;
  }
  int FileSize(FileHandle, std::int64_t* size) override {
    *size = static_cast<std::int64_t>(input_.size());
    return 0;
  }
  int CreateTemporary(const std::string&, std::string* temporary_path, FileHandle* file) override {
    *temporary_path = std::string(1, 't');  // short enough to allocate nothing
    *file = 2;
    return 0;
  }
  int Write(FileHandle, const void*, std::size_t size) override {
    ++writes;
    written += size;
    return 0;
  }

 private:
  std::string input_;
  std::size_t position_ = 0;
};

}  // namespace kovrant::test
