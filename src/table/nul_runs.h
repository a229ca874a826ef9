// Stretches of NUL bytes in the database that text values have crossed.
//
// A text value's NUL bytes are dropped from the table, so copying a value
// costs its length, not its cells. Where records overlap, values can be
// read again and again, and a crafted file could make them long runs of
// NULs that add nothing; remembering the long runs once seen lets a value
// read again jump over them, so that its cost follows what it adds. Only
// runs of kShortest bytes or more are kept: every shorter one is followed
// by a byte that is copied (or by the value's end), so their cost stays
// within kShortest times the table's size.
#pragma once

#include <cstdint>
#include <map>

namespace kovrant {

class NulRuns {
 public:
  static constexpr std::int64_t kShortest = 64;

  // The end of the known run holding `position`, or `position` when none
  // does.
  std::int64_t EndOfRunAt(std::int64_t position) const;
  // The start of the first known run after `position`, or `limit` when
  // there is none before it.
  std::int64_t NextRunStart(std::int64_t position, std::int64_t limit) const;
  // [start, end) holds only NUL bytes; kept when kShortest bytes or longer.
  void Add(std::int64_t start, std::int64_t end);
  // No value will be read before `position` again.
  void Forget(std::int64_t position);

 private:
  std::map<std::int64_t, std::int64_t> runs_;  // start -> end, disjoint, not touching
};

}  // namespace kovrant
