// In-process conversion benchmark: the record walk, the table writer and the
// buffered file layer over a database held in memory, so that the figures are
// the converter's own CPU cost without the kernel's (bench/convert_bench.sh
// measures the real program on a real file).
//
// The database imitates the one of tools/make_large_db.cc on a smaller scale:
// prototypes with all eight fields, realistic string lengths, place counts 0
// to 2, mostly unit scales.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "io/input_file.h"
#include "io/platform.h"
#include "io/table_file.h"
#include "ldb/record_walk.h"
#include "ldb_builder.h"
#include "support/counting_platform.h"
#include "table/table_writer.h"

namespace kovrant {
namespace {

// A fixed database of `prototypes` prototypes in one written section.
std::string MakeDatabase(int prototypes) {
  std::uint64_t state = 12345;
  auto next = [&state](std::uint32_t n) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return static_cast<std::uint32_t>((state >> 33) % n);
  };
  auto text = [&next](std::uint32_t min, std::uint32_t max) {
    std::string s(min + next(max - min + 1), ' ');
    for (char& c : s) c = static_cast<char>(next(4) == 0 ? ' ' : 'a' + next(26));
    return s;
  };
  auto coordinate = [&next] {
    return static_cast<float>(static_cast<std::int32_t>(next(80000)) - 40000) / 4.0f;
  };
  std::vector<std::string> groups;
  std::vector<std::string> group;
  for (int i = 0; i < prototypes; ++i) {
    std::vector<std::string> fields;
    fields.push_back(ldb::Name(text(12, 30) + '\0'));
    const float x1 = coordinate(), y1 = coordinate(), x2 = coordinate(), y2 = coordinate();
    fields.push_back(ldb::PlaceBlock(x1, y1, x2, y2));
    const std::uint32_t roll = next(100);
    fields.push_back(ldb::PlaceCount(roll < 10 ? 0 : roll < 60 ? 1 : 2));
    fields.push_back(ldb::Scale(next(4) == 0 ? static_cast<float>(25 + next(276)) / 100.0f : 1.0f));
    fields.push_back(ldb::SwitchTime(static_cast<std::int32_t>(next(600))));
    fields.push_back(ldb::Material(text(4, 10) + '\0'));
    fields.push_back(ldb::SwitchSound("sound\\fx\\lever\\" + text(10, 24) + ".wav"));
    fields.push_back(ldb::Description(text(40, 300)));
    group.push_back(ldb::Prototype(fields));
    if (group.size() == 256 || i + 1 == prototypes) {
      groups.push_back(ldb::Group(group));
      group.clear();
    }
  }
  return ldb::Section(1, groups);
}

const std::string& Database() {
  static const std::string database = MakeDatabase(20000);
  return database;
}

void Report(benchmark::State& state, std::size_t bytes, int prototypes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes));
  state.counters["prototypes"] =
      benchmark::Counter(static_cast<double>(prototypes) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// One whole conversion over the in-memory platform.
void ConvertOnce(test::CountingPlatform& platform) {
  std::unique_ptr<InputFile> input;
  InputFile::Open(platform, "levers.ldb", &input);
  TableFile table(platform, "LeverPrototypes.txt", CheckSite::kCreateTable);
  TableWriter writer(table, '.');
  writer.WalkRemembering(*input, /*seed=*/1);
  input->Close(CheckSite::kCloseInput);
  table.Commit(CheckSite::kCloseTable);
}

// The whole conversion: walk, field decoding, numbers, text, table buffer.
void BM_Convert(benchmark::State& state) {
  const std::string& database = Database();
  test::CountingPlatform platform(database);
  for (auto _ : state) ConvertOnce(platform);
  benchmark::DoNotOptimize(platform.written);
  Report(state, database.size(), 20000);
}
BENCHMARK(BM_Convert)->Unit(benchmark::kMillisecond);

// The walk alone, every field skipped, through the abstract handler.
class SkippingHandler final : public RecordHandler {
 public:
  void TableStart() override {}
  void Field(std::uint8_t, std::int64_t, std::uint8_t, InputFile&) override {}
  void PrototypeEnd(std::uint8_t) override {}
};

void BM_WalkOnly(benchmark::State& state) {
  const std::string& database = Database();
  test::CountingPlatform platform(database);
  for (auto _ : state) {
    std::unique_ptr<InputFile> input;
    InputFile::Open(platform, "levers.ldb", &input);
    SkippingHandler handler;
    WalkRecordsPlain(*input, static_cast<RecordHandler&>(handler));
    input->Close(CheckSite::kCloseInput);
  }
  Report(state, database.size(), 20000);
}
BENCHMARK(BM_WalkOnly)->Unit(benchmark::kMillisecond);

// A crafted database of overlapping groups (tools/ldb_builder.h), whose
// plain walk visits about count^2 / 2 fields: the time per group should grow
// only with log(count). Unwritten, so that only the walk is measured.
void BM_ConvertOverlapping(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string database = ldb::OverlappingGroups(count, 2);
  test::CountingPlatform platform(database);
  for (auto _ : state) ConvertOnce(platform);
  state.SetComplexityN(count);
  state.counters["groups"] =
      benchmark::Counter(static_cast<double>(count) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ConvertOverlapping)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 18)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

// The floor: moving the same bytes through a block buffer of the input's
// size, as a copy in user space would.
void BM_CopyBlocks(benchmark::State& state) {
  const std::string& database = Database();
  std::vector<char> block(InputFile::kBufferSize);
  for (auto _ : state) {
    for (std::size_t at = 0; at < database.size(); at += block.size()) {
      const std::size_t n = std::min(block.size(), database.size() - at);
      std::memcpy(block.data(), database.data() + at, n);
      benchmark::DoNotOptimize(block.data());
    }
  }
  Report(state, database.size(), 20000);
}
BENCHMARK(BM_CopyBlocks)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kovrant
