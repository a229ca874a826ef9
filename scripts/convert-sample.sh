#!/usr/bin/env bash
# Sets up the machine, builds kovrant and converts the bundled sample
# database examples/levers.ldb into out/LeverPrototypes.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
KOVRANT_WINDOWS=0 scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target kovrant >/dev/null
build/release/src/kovrant examples/levers.ldb out
echo "Converted examples/levers.ldb into out/LeverPrototypes.txt; its first rows:"
head -n 4 out/LeverPrototypes.txt | cut -c1-150
