#!/usr/bin/env bash
# Builds the four release packages into dist/, with their SHA-256 sums in
# dist/SHA256SUMS:
#   kovrant-<version>-win32.zip          32-bit kovrant.exe (the release target)
#   kovrant-<version>-win64.zip          64-bit kovrant.exe
#   kovrant-<version>-Linux-x86_64.tar.gz
#   kovrant_<version>-1_amd64.deb
# (ldbtool beside kovrant wherever the build makes it.) The packages come
# from the release, mingw32 and mingw64 presets; builds that are already
# up to date (as CI leaves them) are reused, not made again.
set -euo pipefail
cd "$(dirname "$0")/.."

rm -rf dist
mkdir -p dist
for preset in release mingw32 mingw64; do
  echo "--- packaging $preset"
  cmake --preset "$preset" -DKOVRANT_WERROR=ON >/dev/null
  if ! log=$(cmake --build --preset "$preset" 2>&1); then
    echo "$log"
    echo "package: building the $preset preset failed" >&2
    exit 1
  fi
  rm -rf "build/$preset/packages"
  cpack --preset "$preset" >/dev/null
  find "build/$preset/packages" -maxdepth 1 -type f \
    \( -name '*.zip' -o -name '*.tar.gz' -o -name '*.deb' \) -exec cp {} dist/ \;
done
(cd dist && sha256sum -- * >SHA256SUMS)
echo "packages in dist/:"
(cd dist && ls -l --time-style=+ -- * | awk '{print "  " $NF " (" $5 " bytes)"}')
