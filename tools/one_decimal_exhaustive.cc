// Exhaustive check of the one-decimal format: every one of the 2^32 float32
// bit patterns (widened exactly) and every int32 divided by 15. For each, the
// value's bits are compared with the FPU's, its text with the x87 reference's
// (testkit/x87_reference.h) and, below 10^18, with the exact binary
// value rounded with integers. The table's direct renderings
// (FormatFloat32OneDecimal, FormatSwitchTimeOneDecimal) are compared with
// the general path for each value too. Takes minutes, so it is a tool and
// not part of the test run.
//
//   one_decimal_exhaustive [--threads N] [--every K] [--direct-only 1]
//
// --every K checks only every K-th value of each set (a quick smoke run);
// --direct-only 1 compares only the direct renderings with the general path
// (no FPU reference, a few minutes).
// Exit code 0 when nothing differs, 1 on any mismatch, 2 when this compiler's
// long double is not the x87 format.
#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "exact_one_decimal.h"
#include "extended_reference.h"
#include "table/extended.h"
#include "table/one_decimal.h"
#include "x87_reference.h"

#if KOVRANT_HAVE_X87_REFERENCE

namespace {

using kovrant::Extended;

constexpr uint64_t kSetSize = uint64_t{1} << 32;  // per set: floats, then integers
constexpr uint64_t kChunk = uint64_t{1} << 20;
constexpr int kMaxExamples = 10;

struct Totals {
  uint64_t checked = 0;
  uint64_t exact_checked = 0;
  uint64_t direct_checked = 0;
  uint64_t mismatches = 0;
};

class Run {
 public:
  Run(uint64_t every, bool direct_only) : every_(every), direct_only_(direct_only) {}

  void Work() {
    Totals local;
    for (;;) {
      const uint64_t begin = next_.fetch_add(kChunk);
      if (begin >= 2 * kSetSize) break;
      for (uint64_t index = begin; index < begin + kChunk; index += every_) Check(index, local);
      const uint64_t done = done_.fetch_add(kChunk) + kChunk;
      if (done % (kSetSize / 4) == 0) {
        std::fprintf(stderr, "  %3d%%\n", static_cast<int>(done * 100 / (2 * kSetSize)));
      }
    }
    std::lock_guard<std::mutex> lock(mutex_);
    totals_.checked += local.checked;
    totals_.exact_checked += local.exact_checked;
    totals_.direct_checked += local.direct_checked;
    totals_.mismatches += local.mismatches;
  }

  const Totals& totals() const { return totals_; }
  const std::vector<std::string>& examples() const { return examples_; }

 private:
  void Check(uint64_t index, Totals& local) {
    const bool is_float = index < kSetSize;
    const auto bits = static_cast<uint32_t>(index);  // low 32 bits in both sets
    const Extended value = is_float ? kovrant::WidenFloat32(bits)
                                    : kovrant::DivideInt32By15(static_cast<int32_t>(bits));
    // Alternate the separator so that its handling is covered too.
    const char separator = (bits & 1) != 0 ? ',' : '.';
    char buffer[kovrant::kOneDecimalMaxLength];
    const std::string_view actual(buffer, kovrant::FormatOneDecimal(value, separator, buffer));
    char direct_buffer[kovrant::kOneDecimalMaxLength];
    const std::string_view direct(
        direct_buffer, is_float ? kovrant::FormatFloat32OneDecimal(bits, separator, direct_buffer)
                                : kovrant::FormatSwitchTimeOneDecimal(static_cast<int32_t>(bits),
                                                                      separator, direct_buffer));
    ++local.direct_checked;
    if (direct != actual) {
      Report(local, is_float, bits, direct, actual, "the general path");
      return;
    }
    if (direct_only_) return;
    // The value itself: widening is exact, the quotient correctly rounded, as
    // on the FPU (which quiets signalling NaNs on loading: those are skipped).
    if (!is_float || !std::isnan(std::bit_cast<float>(bits))) {
      const long double fpu = is_float
                                  ? static_cast<long double>(std::bit_cast<float>(bits))
                                  : static_cast<long double>(static_cast<int32_t>(bits)) / 15.0L;
      if (!(kovrant::x87::FromLongDouble(fpu) == value)) {
        Report(local, is_float, bits, "value", "other bits", "x87");
        return;
      }
    }
    const kovrant::x87::Text reference = kovrant::x87::Format(value, separator);
    ++local.checked;
    if (actual != reference.View()) {
      Report(local, is_float, bits, actual, reference.View(), "x87");
      return;
    }
    std::optional<std::string> exact;
    if (is_float) {
      exact = kovrant::exact::OneDecimalOfFloat32(bits);
    } else {
      exact = kovrant::exact::OneDecimalOfInt32Over15(static_cast<int32_t>(bits));
    }
    if (!exact) return;
    ++local.exact_checked;
    if (actual != *exact) Report(local, is_float, bits, actual, *exact, "exact");
  }

  void Report(Totals& local, bool is_float, uint32_t bits, std::string_view actual,
              std::string_view expected, const char* reference) {
    ++local.mismatches;
    std::lock_guard<std::mutex> lock(mutex_);
    if (examples_.size() >= kMaxExamples) return;
    char line[160];
    if (is_float) {
      std::snprintf(line, sizeof line, "float32 0x%08X: %.*s, %s says %.*s", bits,
                    static_cast<int>(actual.size()), actual.data(), reference,
                    static_cast<int>(expected.size()), expected.data());
    } else {
      std::snprintf(line, sizeof line, "%d / 15: %.*s, %s says %.*s", static_cast<int32_t>(bits),
                    static_cast<int>(actual.size()), actual.data(), reference,
                    static_cast<int>(expected.size()), expected.data());
    }
    examples_.emplace_back(line);
  }

  const uint64_t every_;
  const bool direct_only_;
  std::atomic<uint64_t> next_{0};
  std::atomic<uint64_t> done_{0};
  std::mutex mutex_;
  Totals totals_;
  std::vector<std::string> examples_;
};

}  // namespace

int main(int argc, char** argv) {
  unsigned threads = std::max(2u, std::thread::hardware_concurrency());
  uint64_t every = 1;
  bool direct_only = false;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--threads") == 0) {
      threads = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
    } else if (std::strcmp(argv[i], "--every") == 0) {
      every = std::strtoull(argv[i + 1], nullptr, 10);
    } else if (std::strcmp(argv[i], "--direct-only") == 0) {
      direct_only = std::strcmp(argv[i + 1], "0") != 0;
    }
  }
  if (threads == 0 || every == 0 || every > kChunk) {
    std::fprintf(stderr, "usage: %s [--threads N] [--every K (1..%llu)]\n", argv[0],
                 static_cast<unsigned long long>(kChunk));
    return 2;
  }
  if (!kovrant::x87::FpuIsInDefaultMode()) {
    std::fprintf(stderr, "the FPU is not at 64-bit precision, round to nearest\n");
    return 2;
  }
  std::printf("one-decimal format, all float32 patterns and all int32/15, %u threads%s\n", threads,
              every == 1 ? "" : (", every " + std::to_string(every) + "th value").c_str());
  const auto start = std::chrono::steady_clock::now();
  Run run(every, direct_only);
  std::vector<std::thread> workers;
  for (unsigned i = 0; i < threads; ++i) workers.emplace_back([&run] { run.Work(); });
  for (std::thread& worker : workers) worker.join();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  const Totals& totals = run.totals();
  std::printf("checked:        %llu values against the x87 reference\n",
              static_cast<unsigned long long>(totals.checked));
  std::printf("exact checked:  %llu of them (below 10^18) against the exact value\n",
              static_cast<unsigned long long>(totals.exact_checked));
  std::printf("direct checked: %llu direct renderings against the general path\n",
              static_cast<unsigned long long>(totals.direct_checked));
  std::printf("mismatches:     %llu\n", static_cast<unsigned long long>(totals.mismatches));
  for (const std::string& example : run.examples()) std::printf("  %s\n", example.c_str());
  std::printf("elapsed:        %.1f s\n", seconds);
  return totals.mismatches == 0 ? 0 : 1;
}

#else  // !KOVRANT_HAVE_X87_REFERENCE

int main() {
  std::fprintf(stderr, "needs a compiler whose long double is the x87 80-bit format\n");
  return 2;
}

#endif
