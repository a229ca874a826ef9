// Cost of the one-decimal format per number, on the kinds of values the lever
// table holds (small decimals, whole numbers, switch times = int32 / 15) and
// on large ones that take the scientific form.
#include <benchmark/benchmark.h>

#include <bit>
#include <cstdint>
#include <random>
#include <vector>

#include "extended_reference.h"
#include "table/extended.h"
#include "table/one_decimal.h"

namespace {

using kovrant::Extended;

constexpr std::size_t kValues = 4096;

template <typename Make>
std::vector<Extended> Values(Make make) {
  std::mt19937_64 random(42);
  std::vector<Extended> values;
  for (std::size_t i = 0; i < kValues; ++i) values.push_back(make(random));
  return values;
}

Extended Single(float value) { return kovrant::WidenFloat32(std::bit_cast<uint32_t>(value)); }

void Format(benchmark::State& state, const std::vector<Extended>& values) {
  char buffer[kovrant::kOneDecimalMaxLength];
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kovrant::FormatOneDecimal(values[i], '.', buffer));
    benchmark::DoNotOptimize(buffer);
    i = (i + 1) % values.size();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

// Scales, offsets, placement points: floats with a few decimals, either sign.
void BM_SmallDecimals(benchmark::State& state) {
  static const auto values = Values([](std::mt19937_64& r) {
    const auto hundredths = static_cast<int>(r() % 200000) - 100000;
    return Single(static_cast<float>(hundredths) / 100.0f);
  });
  Format(state, values);
}
BENCHMARK(BM_SmallDecimals);

void BM_Integers(benchmark::State& state) {
  static const auto values =
      Values([](std::mt19937_64& r) { return Single(static_cast<float>(r() % 100000)); });
  Format(state, values);
}
BENCHMARK(BM_Integers);

// Switch times: small int32 counts divided by 15 (the division done beforehand).
void BM_SwitchTimes(benchmark::State& state) {
  static const auto values = Values([](std::mt19937_64& r) {
    return kovrant::DivideInt32By15(static_cast<int32_t>(r() % 20000));
  });
  Format(state, values);
}
BENCHMARK(BM_SwitchTimes);

// The same with the division by 15 included.
void BM_SwitchTimesWithDivision(benchmark::State& state) {
  std::vector<int32_t> counts;
  std::mt19937_64 random(42);
  for (std::size_t i = 0; i < kValues; ++i)
    counts.push_back(static_cast<int32_t>(random() % 20000));
  char buffer[kovrant::kOneDecimalMaxLength];
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        kovrant::FormatOneDecimal(kovrant::DivideInt32By15(counts[i]), '.', buffer));
    benchmark::DoNotOptimize(buffer);
    i = (i + 1) % counts.size();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_SwitchTimesWithDivision);

// Floats from 1e18 up to the largest single: scientific form.
void BM_LargeSingles(benchmark::State& state) {
  static const auto values = Values([](std::mt19937_64& r) {
    const auto exponent = static_cast<uint32_t>(187 + r() % 67);  // 2^60 .. 2^126
    return kovrant::WidenFloat32((exponent << 23) | static_cast<uint32_t>(r() & 0x807FFFFFu));
  });
  Format(state, values);
}
BENCHMARK(BM_LargeSingles);

// Any float32 bit pattern, all classes and magnitudes mixed.
void BM_AnySingle(benchmark::State& state) {
  static const auto values =
      Values([](std::mt19937_64& r) { return kovrant::WidenFloat32(static_cast<uint32_t>(r())); });
  Format(state, values);
}
BENCHMARK(BM_AnySingle);

// The full extended range: up to three scaling steps, most of them divisions.
void BM_ExtremeExtended(benchmark::State& state) {
  static const auto values = Values([](std::mt19937_64& r) {
    return Extended{(r() & 1) != 0, static_cast<uint16_t>(1 + r() % 0x7FFE),
                    r() | (uint64_t{1} << 63)};
  });
  Format(state, values);
}
BENCHMARK(BM_ExtremeExtended);

}  // namespace
