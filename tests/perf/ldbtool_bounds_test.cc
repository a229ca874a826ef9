// Every ldbtool command over files crafted against the plain walk: the
// conversions' work (as the trace's budget counts it, plus the steps of
// kovrant's own walk) and the heap grow with the file, never with its
// square. Counts, not times.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <streambuf>

#include "ldb_builder.h"
#include "support/both_walks.h"
#include "support/fake_platform.h"
#include "support/heap_counter.h"
#include "tool/commands.h"
#include "tool/conversion_trace.h"

namespace kovrant::tool {
namespace {

// Output counted and dropped: a dump of a crafted file is long.
struct Discard : std::streambuf {
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

TEST(LdbtoolBoundsTest, WorkAndHeapGrowWithTheFileOnHostileInputs) {
  using Command = std::function<int(Platform&, std::ostream&)>;
  const std::vector<std::pair<const char*, Command>> commands = {
      {"check", [](Platform& p, std::ostream& o) { return Check(p, "db", o, o); }},
      {"dump", [](Platform& p, std::ostream& o) { return Dump(p, "db", o, o); }},
      {"apply --dry-run",
       [](Platform& p, std::ostream& o) {
         return Apply(p, {"db", "t", "o", true}, o, o);
       }},
      {"apply",
       [](Platform& p, std::ostream& o) {
         return Apply(p, {"db", "t", "o"}, o, o);
       }},
      {"pack",
       [](Platform& p, std::ostream& o) {
         return Pack(p, {"t", "o"}, o, o);
       }},
  };
  // Each makes the plain walk take about (size / 7)^2 / 2 steps.
  for (const std::string& database :
       {ldb::OverlappingGroups(16000, 1), ldb::OverlappingGroups(16000, 2, true),
        ldb::OverlappingNulTexts(4000, 1 << 20)}) {
    const std::string table = test::ConvertWith(test::Walk::kRemembering, database).table;
    const auto n = static_cast<double>(database.size() + table.size());
    for (const auto& [name, command] : commands) {
      SCOPED_TRACE(testing::Message() << name << ", " << database.size() << " bytes");
      test::FakePlatform platform;
      platform.files["db"].data = database;
      platform.files["t"].data = table;
      Discard discard;
      std::ostream out(&discard);
      const std::int64_t work_before = ConversionWork();
      const test::PeakHeap heap;
      command(platform, out);
      // The trace's budget (64 per byte and 2^24) and kovrant's n log n.
      EXPECT_LE(static_cast<double>(ConversionWork() - work_before),
                64 * n + (1 << 24) + 8 * n * std::log2(n));
      EXPECT_LE(static_cast<double>(heap.Growth()), 40 * n + (4 << 20));
    }
  }
}

}  // namespace
}  // namespace kovrant::tool
