#!/usr/bin/env bash
# Sets up the machine and runs the whole test suite: the formatting check
# (first, as it fails fastest), a warnings-as-errors build with all unit and
# end-to-end tests, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, the file layer's threads under ThreadSanitizer,
# the Windows executables under Wine (against the
# release build of the first stage) and a bounded fuzzing run;
# then the 32-bit unit tests and the release packages with their checks. At the end,
# also after a failure, a table gives each stage that ran and its time.
set -euo pipefail
cd "$(dirname "$0")/.."

names=()
times=()
current=""
started=0

# Ends the running stage, if any, and records its time.
end_stage() {
  if [[ -n $current ]]; then
    names+=("$current")
    times+=($(($(date +%s) - started)))
    current=""
  fi
}

stage() {
  end_stage
  current=$*
  started=$(date +%s)
  echo
  echo "=== $* ==="
}

summary() {
  local status=$? total=0 i mark
  end_stage
  echo
  echo "=== stage times ==="
  for i in "${!names[@]}"; do
    mark=""
    # Only the last stage that ran can have failed.
    ((status != 0 && i == ${#names[@]} - 1)) && mark="  FAILED"
    printf '%4d:%02d  %s%s\n' $((times[i] / 60)) $((times[i] % 60)) "${names[i]}" "$mark"
    total=$((total + times[i]))
  done
  printf '%4d:%02d  total\n' $((total / 60)) $((total % 60))
  exit "$status"
}
trap summary EXIT

stage "setup"
scripts/setup.sh

stage "formatting"
git ls-files '*.h' '*.cc' | xargs clang-format --dry-run -Werror
echo "formatting clean"

stage "release build, warnings as errors"
cmake --preset release -DKOVRANT_WERROR=ON >/dev/null
cmake --build --preset release
ctest --preset release

stage "AddressSanitizer + UndefinedBehaviorSanitizer"
cmake --preset asan -DKOVRANT_WERROR=ON >/dev/null
cmake --build --preset asan
ctest --preset asan

stage "ThreadSanitizer: the I/O workers' threads, and full conversions"
# Only the targets it runs: the io tests, the table file's safety tests on
# the real file system (an earlier table replaced, a write failing on the
# writer thread), and kovrant itself on a generated database of some
# megabytes, converted twice (the second time over the first one's table)
# and compared with the release build's table; and ldbtool packing that
# table (its halves built on two threads) as the release build does.
cmake --preset tsan -DKOVRANT_WERROR=ON >/dev/null
cmake --build --preset tsan
ctest --preset tsan
tsan_dir=build/tsan/convert
rm -rf "$tsan_dir" && mkdir -p "$tsan_dir"
build/tsan/tools/kovrant_make_large_db --short "$tsan_dir/levers.ldb" 60000 >/dev/null
build/release/src/kovrant "$tsan_dir/levers.ldb" "$tsan_dir/release" >/dev/null
for round in 1 2; do
  TSAN_OPTIONS="halt_on_error=1" build/tsan/src/kovrant "$tsan_dir/levers.ldb" "$tsan_dir/tsan" >/dev/null
  cmp "$tsan_dir/release/LeverPrototypes.txt" "$tsan_dir/tsan/LeverPrototypes.txt"
done
build/release/src/ldbtool/ldbtool pack "$tsan_dir/release/LeverPrototypes.txt" -o "$tsan_dir/release.ldb" >/dev/null
TSAN_OPTIONS="halt_on_error=1" build/tsan/src/ldbtool/ldbtool pack "$tsan_dir/release/LeverPrototypes.txt" -o "$tsan_dir/tsan.ldb" >/dev/null
cmp "$tsan_dir/release.ldb" "$tsan_dir/tsan.ldb"
echo "ThreadSanitizer: clean; kovrant converted $(stat -c %s "$tsan_dir/levers.ldb") bytes twice, and ldbtool packed its table, as the release build"

stage "Windows executables (MinGW-w64), end-to-end under Wine"
scripts/test-windows.sh

stage "32-bit Linux build of the unit tests, run natively or under qemu-i386"
scripts/test-32bit.sh

stage "release packages: built, contents checked, installed and run"
scripts/test-release.sh

stage "fuzzing, bounded"
scripts/fuzz.sh --ci
