#!/usr/bin/env bash
# Runs the 32-bit kovrant.exe, the release target that Windows users get,
# in a 32-bit Wine prefix (build-win-wine32/prefix): the end-to-end suite
# and the parity tests against the Linux converter, as scripts/test-windows.sh
# does for the 64-bit one, with the 32-bit ldbtool.exe beside it (which
# must also print the project's version).
#
#   scripts/test-windows32.sh [E2E_SUITE]
#
# E2E_SUITE is the Linux build's kovrant_e2e_tests (default: the release
# preset's, else the one scripts/test-windows.sh builds). Whether 32-bit
# Windows programs run here is found out by running a tiny one; where they
# cannot (no 32-bit Wine: Debian's wine32:i386), this says so once and ends
# successfully.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
  echo "test-windows32: $*" >&2
  exit 1
}
export LC_ALL=C

exe=build/mingw32/src/kovrant.exe
tool=build/mingw32/src/ldbtool/ldbtool.exe
for built in "$exe" "$tool"; do
  [[ -f $built ]] || fail "$built was not built (cmake --preset mingw32 && cmake --build --preset mingw32)"
done
e2e=${1:-}
if [[ -z $e2e ]]; then
  for candidate in build/release/tests/e2e/kovrant_e2e_tests build-win-linux/tests/e2e/kovrant_e2e_tests; do
    [[ -x $candidate ]] && { e2e=$candidate; break; }
  done
fi
[[ -n $e2e && -x $e2e ]] || fail "no Linux end-to-end suite (build kovrant_e2e_tests of the release preset)"

skip() {
  echo "32-bit Windows programs cannot run on this machine ($*): the 32-bit kovrant.exe is not executed"
  exit 0
}
# Debian keeps the 32-bit loader in /usr/lib/wine; elsewhere `wine` on PATH.
wine32=
for candidate in /usr/lib/wine/wine /usr/lib32/wine/wine /opt/wine-stable/bin/wine; do
  [[ -x $candidate ]] && { wine32=$candidate; break; }
done
[[ -n $wine32 ]] || skip "no 32-bit Wine loader; Debian: dpkg --add-architecture i386, apt-get install wine32:i386"
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

export WINEPREFIX=$PWD/build-win-wine32/prefix WINEARCH=win32 WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  "$wine32" wineboot -i </dev/null >/dev/null 2>&1 || skip "wineboot cannot set up a 32-bit prefix"
  "$wineserver" -w
fi
"$wineserver" -p </dev/null >/dev/null 2>&1 || true
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT

probe=build-win-wine32/probe.exe
printf 'int main(void) { return sizeof(void*) == 4 ? 7 : 1; }\n' >build-win-wine32/probe.c
i686-w64-mingw32-gcc -s -o "$probe" build-win-wine32/probe.c
status=0
"$wine32" "$probe" </dev/null >/dev/null 2>&1 || status=$?
[[ $status == 7 ]] || skip "a tiny 32-bit program ended with $status under $wine32"
echo "32-bit Windows programs run here ($wine32, prefix $WINEPREFIX)"

export KOVRANT_EXE=$PWD/$exe LDBTOOL_EXE=$PWD/$tool KOVRANT_LAUNCHER=$wine32
echo "--- end-to-end tests of the 32-bit kovrant.exe and ldbtool.exe under Wine"
"$e2e" --gtest_filter='-Databases/WindowsParityTest.*' --gtest_brief=1
echo "--- same databases, Linux converter against the 32-bit kovrant.exe"
"$e2e" --gtest_filter='Databases/WindowsParityTest.*' --gtest_brief=1

version=$(sed -n 's/^#define KOVRANT_VERSION_STRING "\(.*\)"$/\1/p' build/mingw32/generated/kovrant/version.h)
printed=$("$wine32" "$tool" --version </dev/null 2>&1 | tr -d '\r')
grep -qF "$version" <<<"$printed" || fail "$tool --version printed '$printed', not $version"
echo "$tool --version: $printed"
