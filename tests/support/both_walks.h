// One conversion in process with the table writer, through either of the two
// walks: the writer's own (which remembers overlapping records) or the plain
// walk of the record loops, kept as the reference it must match.
#pragma once

#include <cstdint>
#include <string>

namespace kovrant::test {

struct WalkOutcome {
  std::string table;    // the table's bytes, when the conversion completed
  std::string failure;  // the failure report, empty when it completed
  // The writer's overlap walk, when it ran: steps taken and records
  // remembered at the end.
  bool overlapped = false;
  std::uint64_t steps = 0;
  std::size_t remembered = 0;
  std::int64_t bytes_read = 0;  // from the file, through the platform

  bool operator==(const WalkOutcome& other) const {
    return table == other.table && failure == other.failure;
  }
};

enum class Walk { kWriters, kPlain };

WalkOutcome ConvertWith(Walk walk, const std::string& database);

}  // namespace kovrant::test
