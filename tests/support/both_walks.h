// One conversion in process with the table writer, through either of the two
// walks: the remembering walk the converter uses, or the plain walk, kept as
// the reference it must match.
#pragma once

#include <cstdint>
#include <string>

namespace kovrant::test {

struct WalkOutcome {
  std::string table;    // the table's bytes, when the conversion completed
  std::string failure;  // the failure report, empty when it completed
  // The remembering walk's figures: whether records beyond an ancestor's end
  // were met, steps taken and records remembered at the end.
  bool overlapped = false;
  std::uint64_t steps = 0;
  std::size_t remembered = 0;
  std::int64_t bytes_read = 0;  // from the file, through the platform

  bool operator==(const WalkOutcome& other) const {
    return table == other.table && failure == other.failure;
  }
};

enum class Walk { kRemembering, kPlain };

// `seed` is the remembering walk's (it never changes the outcome).
WalkOutcome ConvertWith(Walk walk, const std::string& database, std::uint64_t seed = 1);

}  // namespace kovrant::test
