#!/usr/bin/env bash
# Builds the Windows executables with MinGW-w64 and proves them against the
# Linux build:
#  - build/mingw32/src/kovrant.exe, the 32-bit release target: built, its
#    format (PE32, i386, console) and imports checked, its size printed (this
#    machine cannot run 32-bit programs, so it is not executed);
#  - build/mingw64/src/kovrant.exe, the 64-bit one: built and checked the same
#    way, then run under Wine by the end-to-end suite and by the parity tests,
#    which convert the same databases (the bundled sample among them) with the
#    Linux converter and the Windows one and compare tables, reports and exit
#    codes;
#  - build/mingw32/src/ldbtool/ldbtool.exe and build/mingw64/src/ldbtool/ldbtool.exe,
#    checked the same way; the 64-bit one runs ldbtool's end-to-end tests
#    under Wine, beside the 64-bit kovrant.exe;
#  - the unit tests, built with MinGW-w64 against GoogleTest from
#    /usr/src/googletest and run under Wine.
# The Linux side is the release preset's build (build/release, which
# scripts/test.sh has built already; only the converter and the end-to-end
# tests are built here when they are missing or out of date). GoogleTest and
# the unit tests are built in build-win-gtest and build-win-unit, Wine keeps
# its private prefix in build-win-wine.
set -euo pipefail
cd "$(dirname "$0")/.."

stage() { echo "--- $*"; }
fail() {
  echo "test-windows: $*" >&2
  exit 1
}

# Both sides run with the same locale, so that both take the same decimal
# separator from it.
export LC_ALL=C

# The 64-bit Wine loader: Debian ships it outside PATH when the 32-bit half
# of Wine is missing, other systems put wine64 on PATH.
find_program() {
  local candidate
  for candidate in "$@"; do
    if [[ $candidate == */* ]]; then
      [[ -x $candidate ]] && { echo "$candidate"; return 0; }
    elif command -v "$candidate" >/dev/null; then
      command -v "$candidate"
      return 0
    fi
  done
  return 1
}
wine64=$(find_program wine64 /usr/lib/wine/wine64 /usr/lib64/wine/wine64 \
  /opt/wine-stable/bin/wine64) || fail "no 64-bit Wine loader (install wine and wine64)"
wineserver=$(find_program wineserver /usr/lib/wine/wineserver /usr/lib64/wine/wineserver \
  /opt/wine-stable/bin/wineserver) || fail "no wineserver (install wine)"

# --- the executables ---------------------------------------------------------
for preset in mingw32 mingw64; do
  stage "building $preset"
  cmake --preset "$preset" -DKOVRANT_WERROR=ON >/dev/null
  cmake --build --preset "$preset"
done

# Checks one executable's format, subsystem and imports; prints its size.
check_exe() {
  local exe=$1 triplet=$2 format=$3 headers imports
  [[ -f $exe ]] || fail "$exe was not built"
  headers=$("$triplet-objdump" -f -p "$exe")
  grep -q "file format $format\$" <<<"$headers" || fail "$exe is not $format"
  grep -q "(Windows CUI)" <<<"$headers" || fail "$exe is not a console program"
  # Statically linked: only DLLs that every Windows has, no MinGW runtime.
  imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | sort -u | tr '\n' ' ')
  for dll in $imports; do
    [[ ${dll,,} =~ ^(kernel32|msvcrt|ucrtbase|api-ms-win-.*)\.dll$ ]] ||
      fail "$exe needs $dll, which a bare Windows lacks"
  done
  echo "$exe: $(stat -c %s "$exe") bytes, $format, imports $imports"
  if command -v file >/dev/null; then file -b "$exe"; fi
}
stage "checking the executables"
check_exe build/mingw32/src/kovrant.exe i686-w64-mingw32 pei-i386
check_exe build/mingw64/src/kovrant.exe x86_64-w64-mingw32 pei-x86-64
check_exe build/mingw32/src/ldbtool/ldbtool.exe i686-w64-mingw32 pei-i386
check_exe build/mingw64/src/ldbtool/ldbtool.exe x86_64-w64-mingw32 pei-x86-64

# --- Wine --------------------------------------------------------------------
stage "starting Wine ($wine64)"
export WINEPREFIX=$PWD/build-win-wine/prefix
export WINEDEBUG=-all
# No window may open: no display, and no offer to install .NET or a browser
# engine while the prefix is set up.
unset DISPLAY WAYLAND_DISPLAY
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  # Once per prefix; takes a while, so no test has to wait for it.
  "$wine64" wineboot -i </dev/null >/dev/null 2>&1 || fail "wineboot could not set up $WINEPREFIX"
  "$wineserver" -w
fi
# One server for the whole run (not one per test), ended on the way out. Its
# helper processes start now, with no descriptor of a test's pipes.
"$wineserver" -p </dev/null >/dev/null 2>&1 || true
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
"$wine64" wineboot </dev/null >/dev/null 2>&1 || true

# --- the unit tests on Windows ------------------------------------------------
# GoogleTest needs std::thread, which only the "-posix" variant of the MinGW
# compilers has; the unit tests link statically like the converter.
stage "building GoogleTest and the unit tests with MinGW-w64"
gtest_root=$PWD/build-win-gtest/install
unit_targets=(kovrant_app_tests kovrant_io_tests kovrant_ldb_tests kovrant_table_tests
  kovrant_tool_tests)
mingw_posix=(-DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchain-mingw64.cmake"
  -DCMAKE_C_COMPILER=x86_64-w64-mingw32-gcc-posix
  -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++-posix -DCMAKE_BUILD_TYPE=Release)
if [[ ! -f $gtest_root/lib/cmake/GTest/GTestConfig.cmake ]]; then
  cmake -S /usr/src/googletest -B build-win-gtest -G Ninja "${mingw_posix[@]}" \
    -DCMAKE_INSTALL_PREFIX="$gtest_root" >/dev/null
  cmake --build build-win-gtest
  cmake --install build-win-gtest >/dev/null
fi
# The tests are listed when ctest runs, not at build time, so that building
# needs no Wine.
cmake -S . -B build-win-unit -G Ninja "${mingw_posix[@]}" -DKOVRANT_BUILD_BENCH=OFF \
  -DCMAKE_EXE_LINKER_FLAGS=-static -DGTest_DIR="$gtest_root/lib/cmake/GTest" \
  -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$wine64" >/dev/null
cmake --build build-win-unit --target "${unit_targets[@]}"

stage "unit tests under Wine"
for target in "${unit_targets[@]}"; do
  suite=$(find build-win-unit/tests -name "$target.exe")
  echo "$suite"
  "$wine64" "$suite" --gtest_brief=1
done

# --- the Linux reference and the test programs -------------------------------
stage "the Linux converter and the end-to-end tests (release preset)"
if [[ ! -f build/release/CMakeCache.txt ]]; then
  cmake --preset release -DKOVRANT_WERROR=ON >/dev/null
fi
cmake --build --preset release --target kovrant ldbtool kovrant_e2e_tests
e2e=build/release/tests/e2e/kovrant_e2e_tests

export KOVRANT_EXE=$PWD/build/mingw64/src/kovrant.exe
export LDBTOOL_EXE=$PWD/build/mingw64/src/ldbtool/ldbtool.exe
export KOVRANT_LAUNCHER=$wine64

stage "end-to-end tests of the 64-bit kovrant.exe and ldbtool.exe under Wine"
"$e2e" --gtest_filter='-Databases/WindowsParityTest.*' --gtest_brief=1

stage "same databases, Linux converter against kovrant.exe"
databases=$("$e2e" --gtest_list_tests --gtest_filter='Databases/WindowsParityTest.*' |
  grep -c '^  ')
"$e2e" --gtest_filter='Databases/WindowsParityTest.*' --gtest_brief=1
echo "$databases databases converted by both: tables byte-identical, reports and exit codes equal"

stage "the 32-bit kovrant.exe in a 32-bit Wine prefix"; scripts/test-windows32.sh "$e2e"
