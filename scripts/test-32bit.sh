#!/usr/bin/env bash
# Builds the unit tests and kovrant as 32-bit Linux programs (g++ -m32, from
# Debian's g++-multilib) and runs them: natively where the machine runs
# 32-bit programs, under qemu-i386 (Debian's qemu-user) where it does not.
# This is where the code without __int128 and with 32-bit sizes runs in a
# real 32-bit program, as in the 32-bit kovrant.exe. kovrant then converts
# the sample, which must give examples/LeverPrototypes.txt byte for byte.
#
# GoogleTest is built for 32 bits once, from /usr/src/googletest, into
# build-32bit/gtest; kovrant and its tests into build-32bit/tree.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
  echo "test-32bit: $*" >&2
  exit 1
}
export LC_ALL=C
root=$PWD/build-32bit
mkdir -p "$root"

# A tiny 32-bit program tells how 32-bit programs run here.
printf 'int main(void) { return sizeof(void*) == 4 ? 0 : 1; }\n' >"$root/probe.c"
gcc -m32 -o "$root/probe" "$root/probe.c" 2>"$root/probe.log" ||
  { cat "$root/probe.log"; fail "gcc -m32 cannot build a 32-bit program (install g++-multilib)"; }
runner=()
if "$root/probe" 2>/dev/null; then
  echo "32-bit programs run natively here"
elif command -v qemu-i386 >/dev/null && qemu-i386 "$root/probe"; then
  runner=(qemu-i386)
  echo "32-bit programs do not run natively here: running them under qemu-i386"
else
  fail "this machine runs no 32-bit program, natively or under qemu-i386 (install qemu-user)"
fi

flags=(-DCMAKE_C_FLAGS=-m32 -DCMAKE_CXX_FLAGS=-m32 -DCMAKE_BUILD_TYPE=Release)
if [[ ! -f $root/gtest/install/lib/cmake/GTest/GTestConfig.cmake ]]; then
  cmake -S /usr/src/googletest -B "$root/gtest" -G Ninja "${flags[@]}" \
    -DCMAKE_INSTALL_PREFIX="$root/gtest/install" >/dev/null
  cmake --build "$root/gtest"
  cmake --install "$root/gtest" >/dev/null
fi

# Tests are listed when ctest runs, not at build time: building needs no
# 32-bit runner.
unit_targets=(kovrant_app_tests kovrant_io_tests kovrant_ldb_tests kovrant_table_tests kovrant_tool_tests)
# ldbtool's spreadsheet libraries have no 32-bit packages here: built from
# third_party/ as for Windows, with Debian's 32-bit zlib (lib32z1-dev).
cmake -S . -B "$root/tree" -G Ninja "${flags[@]}" -DKOVRANT_WERROR=ON -DKOVRANT_BUILD_BENCH=OFF \
  -DKOVRANT_VENDORED_SPREADSHEET_LIBRARIES=ON -DKOVRANT_ZLIB_STATIC=/usr/lib32/libz.a \
  -DGTest_DIR="$root/gtest/install/lib/cmake/GTest" \
  -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST >/dev/null
cmake --build "$root/tree" --target kovrant ldbtool "${unit_targets[@]}"

kovrant=$root/tree/src/kovrant
file -b "$kovrant" | grep -q '^ELF 32-bit' || fail "$kovrant is not a 32-bit program: $(file -b "$kovrant")"
for target in "${unit_targets[@]}"; do
  suite=$(find "$root/tree/tests" -name "$target" -type f)
  echo "$suite"
  "${runner[@]}" "$suite" --gtest_brief=1
done

out=$root/sample
rm -rf "$out"
"${runner[@]}" "$kovrant" examples/levers.ldb "$out"
cmp "$out/LeverPrototypes.txt" examples/LeverPrototypes.txt ||
  fail "the 32-bit kovrant converts the sample differently"
echo "32-bit kovrant: the sample converts byte for byte"
