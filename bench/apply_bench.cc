// ldbtool apply in memory: the database traced, a table with one Switch Time
// changed in every hundredth row read back, the database rebuilt and proven
// by a second conversion. Figures per database size (prototypes), bytes of
// the database per second.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "io/memory_platform.h"
#include "ldb_builder.h"
#include "tool/cell_trace.h"
#include "tool/commands.h"

namespace kovrant::tool {
namespace {

std::string MakeDatabase(int prototypes) {
  std::vector<std::string> all;
  for (int i = 0; i < prototypes; ++i) {
    const float x = static_cast<float>(i % 1000) / 4.0f;
    all.push_back(ldb::Prototype(
        {ldb::Name("Lever number " + std::to_string(i) + '\0'), ldb::PlaceBlock(x, -x, x, 2 * x),
         ldb::PlaceCount(i % 3), ldb::Scale(i % 4 ? 1.0f : 1.5f), ldb::SwitchTime(i % 600),
         ldb::Material(std::string("oak_iron_banded") + '\0'),
         ldb::SwitchSound("sfx/lever/winch_heavy.wav"),
         ldb::Description("Lowers the drawbridge over the moat; two guards must pull it.")}));
  }
  return ldb::Database(all);
}

// Applies `table` to `database` in memory, once per iteration.
void TimeApply(benchmark::State& state, const std::string& database, const std::string& table) {
  for (auto _ : state) {
    MemoryPlatform platform;
    platform.files["levers.ldb"].data = database;
    platform.files["table.txt"].data = table;
    std::ostringstream out, err;
    const int code = Apply(platform, {"levers.ldb", "table.txt", "out.ldb", false, '.'}, out, err);
    if (code != 0) state.SkipWithError(err.str().c_str());
    benchmark::DoNotOptimize(platform.files["out.ldb"].data.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(database.size()));
}

void BM_Apply(benchmark::State& state) {
  const std::string database = MakeDatabase(static_cast<int>(state.range(0)));
  std::string table = ConvertDatabase(database, '.', "db");
  // Every hundredth row's Switch Time becomes 99.9 s.
  std::size_t line = 0;
  for (std::size_t at = table.find("\r\n"); at != std::string::npos; at = table.find("\r\n", at)) {
    at += 2;
    if (at >= table.size() || ++line % 100 != 0) continue;
    std::size_t cell = at;
    for (int tab = 0; tab < 4; ++tab) cell = table.find('\t', cell) + 1;
    table.replace(cell, table.find('\t', cell) - cell, "99.9");
  }
  TimeApply(state, database, table);
}
BENCHMARK(BM_Apply)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Structural edits: the rows in reverse order (every row but one moved, all
// but the first keep their bytes), every hundredth removed and a new row
// typed after every hundredth.
void BM_ApplyReversed(benchmark::State& state) {
  const std::string database = MakeDatabase(static_cast<int>(state.range(0)));
  const std::string converted = ConvertDatabase(database, '.', "db");
  const std::size_t header_end = converted.find("\r\n") + 2;
  std::vector<std::string> rows;
  for (std::size_t at = header_end; at < converted.size();) {
    const std::size_t end = converted.find("\r\n", at) + 2;
    rows.push_back(converted.substr(at, end - at));
    at = end;
  }
  std::string table = converted.substr(0, header_end);
  for (std::size_t i = rows.size(); i-- > 0;) {
    if (i % 100 == 1) continue;
    table += rows[i];
    if (i % 100 == 0) table += "New lever\t1.5,2.5\t\t2.0\t3.0\toak\tsfx/new.wav\tAdded.\r\n";
  }
  TimeApply(state, database, table);
}
BENCHMARK(BM_ApplyReversed)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kovrant::tool
