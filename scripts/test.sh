#!/usr/bin/env bash
# Sets up the machine and runs the whole test suite: a warnings-as-errors
# build with all unit and end-to-end tests, the same under AddressSanitizer
# and UndefinedBehaviorSanitizer, and the formatting check.
# Then the 32-bit unit tests and the release packages with their checks.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

stage() { echo; echo "=== $* ==="; }

stage "release build, warnings as errors"
cmake --preset release -DKOVRANT_WERROR=ON >/dev/null
cmake --build --preset release
ctest --preset release

stage "AddressSanitizer + UndefinedBehaviorSanitizer"
cmake --preset asan -DKOVRANT_WERROR=ON >/dev/null
cmake --build --preset asan
ctest --preset asan

stage "formatting"
git ls-files '*.h' '*.cc' | xargs clang-format --dry-run -Werror
echo "formatting clean"

stage "Windows executables (MinGW-w64), end-to-end under Wine"
scripts/test-windows.sh

stage "32-bit Linux build of the unit tests, run natively or under qemu-i386"
scripts/test-32bit.sh

stage "release packages: built, contents checked, installed and run"
scripts/test-release.sh

stage "fuzzing, bounded"
scripts/fuzz.sh --ci
