#include "table/text_copy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace kovrant {
namespace {

// Every length up to a few chunks, NUL bytes nowhere, at the end only, at
// the end and before it, sprinkled or everywhere: the text is the bytes
// without their NULs. Source and destination are exactly `size` bytes on the
// heap, so that the sanitizer build catches any access past either.
TEST(TextCopyTest, CopiesEveryValueWithoutItsNulsStayingWithinBothBuffers) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    for (std::size_t size = 0; size <= 70; ++size) {
      for (int kind = 0; kind < 5; ++kind) {
        std::vector<std::uint8_t> value(size);
        for (std::uint8_t& byte : value) byte = static_cast<std::uint8_t>(1 + random() % 255);
        if (size > 0 && (kind == 1 || kind == 2)) value[size - 1] = 0;
        if (size > 1 && kind == 2) value[random() % (size - 1)] = 0;
        if (kind == 3) {
          for (std::uint8_t& byte : value) byte = random() % 6 == 0 ? 0 : byte;
        }
        if (kind == 4) std::fill(value.begin(), value.end(), 0);
        std::string expected;
        for (std::uint8_t byte : value) {
          if (byte != 0) expected += static_cast<char>(byte);
        }
        std::vector<char> out(size);
        char* end = CopyWithoutNuls(value.data(), size, out.data());
        ASSERT_EQ(std::string(out.data(), end), expected) << "size " << size << ", kind " << kind;
      }
    }
  }
}

}  // namespace
}  // namespace kovrant
