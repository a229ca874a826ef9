// ldbtool's commands in memory, against kovrant's own conversion of the same
// database: check, dump, apply (a table with one Switch Time changed in every
// hundredth row, read back, the database rebuilt and proven by a second
// conversion; the rows in reverse order, every one moved; and --dry-run of
// the database's own table, which one conversion answers), pack of that
// table. Inputs: well-formed databases of 1,000 to 100,000 prototypes, and
// testkit's overlapping groups of 7, 14 and 28 KB, which make the plain walk
// quadratic. Figures: time, bytes of the database per second, and the
// conversions' work per byte of the database (ConversionWork), which no
// input may make grow with the file's size.
#include <benchmark/benchmark.h>

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "io/memory_platform.h"
#include "ldb_builder.h"
#include "tool/cell_trace.h"
#include "tool/commands.h"
#include "tool/conversion_trace.h"

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

// Arguments: negative, overlapping groups of that many KB; else prototypes.
std::string Input(std::int64_t argument) {
  if (argument < 0) return ldb::OverlappingGroups(static_cast<int>(-argument * 1000 / 7), 1);
  return MakeDatabase(static_cast<int>(argument));
}

// Every hundredth row's Switch Time becomes 99.9 s.
std::string Edited(std::string table) {
  std::size_t line = 0;
  for (std::size_t at = table.find("\r\n"); at != std::string::npos; at = table.find("\r\n", at)) {
    at += 2;
    if (at >= table.size() || ++line % 100 != 0) continue;
    std::size_t cell = at;
    for (int tab = 0; tab < 4; ++tab) cell = table.find('\t', cell) + 1;
    table.replace(cell, table.find('\t', cell) - cell, "99.9");
  }
  return table;
}

// The rows after the header in reverse order.
std::string Reversed(const std::string& table) {
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; at < table.size(); at = end + 2) {
    end = table.find("\r\n", at);
    lines.push_back(table.substr(at, end - at));
  }
  std::string reversed = lines.empty() ? "" : lines.front() + "\r\n";
  for (std::size_t i = lines.size(); i > 1; --i) reversed += lines[i - 1] + "\r\n";
  return reversed;
}

struct Discard : std::streambuf {
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

enum Command { kKovrant, kCheck, kDump, kApply, kApplyReversed, kApplyDryRun, kPack };

void BM_Command(benchmark::State& state, Command command) {
  const std::string database = Input(state.range(0));
  std::string table;
  try {
    table = ConvertDatabase(database, '.', "db");
  } catch (...) {
  }
  if (command == kApply) table = Edited(table);
  if (command == kApplyReversed) table = Reversed(table);
  Discard discard;
  std::ostream out(&discard);
  const std::int64_t work_before = ConversionWork();
  for (auto _ : state) {
    // The files are put in place, and thrown away, outside the time taken:
    // kovrant's figure holds no such copies either.
    state.PauseTiming();
    auto owned = std::make_unique<MemoryPlatform>();
    MemoryPlatform& platform = *owned;
    platform.files["levers.ldb"].data = database;
    platform.files["table.txt"].data = table;
    state.ResumeTiming();
    switch (command) {
      case kKovrant:
        benchmark::DoNotOptimize(ConvertDatabase(database, '.', "db").size());
        break;
      case kCheck:
        Check(platform, "levers.ldb", out, out);
        break;
      case kDump:
        Dump(platform, "levers.ldb", out, out);
        break;
      case kApply:
      case kApplyReversed:
      case kApplyDryRun:
        Apply(platform, {"levers.ldb", "table.txt", "out.ldb", command == kApplyDryRun, '.'}, out,
              out);
        break;
      case kPack:
        Pack(platform, {"table.txt", "out.ldb", '.'}, out, out);
        break;
    }
    state.PauseTiming();
    owned.reset();
    state.ResumeTiming();
  }
  const auto bytes = static_cast<double>(database.size());
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(database.size()));
  state.counters["work/byte"] = static_cast<double>(ConversionWork() - work_before) / bytes /
                                static_cast<double>(state.iterations());
}

void Inputs(benchmark::internal::Benchmark* b) {
  b->Arg(1000)->Arg(10000)->Arg(100000)->Arg(-7)->Arg(-14)->Arg(-28)->Unit(benchmark::kMillisecond);
}
BENCHMARK_CAPTURE(BM_Command, kovrant, kKovrant)->Apply(Inputs);
BENCHMARK_CAPTURE(BM_Command, check, kCheck)->Apply(Inputs);
BENCHMARK_CAPTURE(BM_Command, dump, kDump)->Apply(Inputs);
BENCHMARK_CAPTURE(BM_Command, apply, kApply)->Apply(Inputs);
BENCHMARK_CAPTURE(BM_Command, apply_reversed, kApplyReversed)->Apply(Inputs);
BENCHMARK_CAPTURE(BM_Command, apply_dry_run, kApplyDryRun)->Apply(Inputs);
BENCHMARK_CAPTURE(BM_Command, pack, kPack)->Apply(Inputs);

}  // namespace
}  // namespace kovrant::tool
