#!/usr/bin/env bash
# Fuzzes the whole conversion, ldbtool's commands, and the table reader of
# pack and apply (text tables and workbooks), with libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer (clang).
#
#   scripts/fuzz.sh --ci        build, replay the saved corpora, fuzz the
#                               conversion for 60 s and ldbtool for 30 s
#   scripts/fuzz.sh [SECONDS]   the same, fuzzing for SECONDS (default 1800)
#                               and ldbtool for half as long
#
# Environment: KOVRANT_FUZZ_BUILD, the build directory (default build/fuzz).
#
# Targets: convert_fuzzer (a database converted) and ldbtool_fuzzer (check
# and dump over a database, apply and pack over a generated database and an
# edited table; its inputs are its own corpus and the converter's).
# Inputs: the saved corpus fuzz/corpus/convert_fuzzer/ (seeds made by
# fuzz/make_seeds.cc and every input that ever broke the converter), the
# sample database examples/levers.ldb when present, and the working corpus in
# the build directory, which grows from run to run and is not committed.
# A finding leaves its input in <build>/artifacts/ and fails the script; once
# the fault is fixed, copy the input into fuzz/corpus/convert_fuzzer/ so that
# the replay test keeps it.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=1800
case "${1:-}" in
  --ci) seconds=60 ;;
  "") ;;
  *[!0-9]*)
    echo "usage: $0 [--ci | SECONDS]" >&2
    exit 2
    ;;
  *) seconds=$1 ;;
esac

build=${KOVRANT_FUZZ_BUILD:-build/fuzz}
saved=fuzz/corpus/convert_fuzzer

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DKOVRANT_FUZZ=ON -DKOVRANT_WERROR=ON \
  -DKOVRANT_BUILD_TESTS=OFF -DKOVRANT_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target convert_fuzzer convert_fuzzer_replay ldbtool_fuzzer \
  ldbtool_fuzzer_replay make_seeds table_fuzzer table_fuzzer_replay make_table_seeds

# The seeds as the generator makes them now, and the sample database.
rm -rf "$build/seeds"
"$build/fuzz/make_seeds" "$build/seeds"
if [[ -f examples/levers.ldb ]]; then cp examples/levers.ldb "$build/seeds/sample-levers.ldb"; fi

echo "replaying the saved corpus"
"$build/fuzz/convert_fuzzer_replay" "$saved" "$build/seeds"
"$build/fuzz/ldbtool_fuzzer_replay" fuzz/corpus/ldbtool_fuzzer "$saved" "$build/seeds"

mkdir -p "$build/artifacts"
# fuzz TARGET SECONDS CORPUS...: one libFuzzer run within `limits`; its
# working corpus in the build directory grows from run to run.
fuzz() {
  local target=$1 time=$2
  shift 2
  local log="$build/$target.log"
  mkdir -p "$build/corpus/$target"
  echo "fuzzing $target for ${time} s (log: $log)"
  local status=0
  "$build/fuzz/$target" -max_total_time="$time" "${limits[@]}" -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/" "$build/corpus/$target" "$@" >"$log" 2>&1 || status=$?
  grep -E '^(stat::|Done |#[0-9]+ +DONE)' "$log" || true
  if ((status != 0)); then
    tail -n 60 "$log"
    echo "fuzzing $target found a fault; its input is in $build/artifacts/" >&2
    exit "$status"
  fi
}
# A single input may take 10 s and allocate 64 MB at once; a conversion holds
# two 256 KiB buffers, so either limit is a finding.
limits=(-timeout=10 -malloc_limit_mb=64 -rss_limit_mb=1024 -max_len=16384)
fuzz convert_fuzzer "$seconds" "$build/seeds" "$saved"
fuzz ldbtool_fuzzer $((seconds / 2)) fuzz/corpus/ldbtool_fuzzer "$build/seeds" "$saved"

# The table reader: text tables and workbooks through pack and apply, from
# seeds made anew (the sample exported, workbooks built with minizip). A
# workbook may inflate to 64 MiB plus 64 times its size before it is
# refused, so the limits are the reader's budget, not the converter's.
rm -rf "$build/table_seeds"
"$build/fuzz/make_table_seeds" "$build/table_seeds"
"$build/fuzz/table_fuzzer_replay" "$build/table_seeds"
limits=(-timeout=20 -malloc_limit_mb=512 -rss_limit_mb=2048 -max_len=65536)
fuzz table_fuzzer "$seconds" "$build/table_seeds"
echo "fuzzing clean"
