#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build and test kovrant.
# Packages already present are left alone; run as root (or with sudo).
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev libcli11-dev
  util-linux strace time python3 pkg-config
  libxlsxwriter-dev libminizip-dev libpugixml-dev zlib1g-dev
)
if [[ "${KOVRANT_WINDOWS:-1}" == 1 ]]; then
  packages+=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 libz-mingw-w64-dev)
fi
# The release packages and their checks (scripts/test-release.sh,
# scripts/test-32bit.sh): CPack's .deb with dpkg-shlibdeps, archive and
# format tools, LibreOffice Calc for the spreadsheet round trip, a 32-bit
# Linux compiler with qemu-i386 where 32-bit programs do not run natively,
# and the 32-bit half of Wine for the 32-bit kovrant.exe (from the i386
# architecture, added to dpkg when missing).
if [[ "${KOVRANT_RELEASE:-${KOVRANT_WINDOWS:-1}}" == 1 ]]; then
  packages+=(dpkg-dev file zip unzip libreoffice-calc-nogui python3-uno g++-multilib lib32z1-dev qemu-user)
  if [[ $(dpkg --print-architecture) == amd64 ]]; then packages+=(wine32:i386); fi
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [[ $(id -u) == 0 ]] || sudo_cmd=(sudo)
  echo "setup: installing ${missing[*]}"
  if [[ " ${missing[*]} " == *:i386\ * ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
  fi
  # A mirror in the middle of a sync serves an index that fails its check
  # ("File has unexpected size"); apt then keeps the indexes it could fetch.
  # Try again a few times, then go on with those: the install below fails
  # if a package is really missing.
  for attempt in 1 2 3; do
    "${sudo_cmd[@]}" apt-get update -qq && break
    echo "setup: apt-get update failed (attempt $attempt of 3)" >&2
    ((attempt < 3)) && sleep 20
  done
  # The i386 half is installed on its own: while the i386 indexes lag the
  # amd64 ones, its packages cannot be matched to the installed amd64
  # libraries. Without it, scripts/test-windows32.sh says it cannot run the
  # 32-bit kovrant.exe and skips; everything else must install.
  required=() foreign=()
  for package in "${missing[@]}"; do
    if [[ $package == *:i386 ]]; then foreign+=("$package"); else required+=("$package"); fi
  done
  install() {
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "$@" >/dev/null
  }
  if ((${#required[@]})); then install "${required[@]}"; fi
  if ((${#foreign[@]})) && ! install "${foreign[@]}"; then
    echo "setup: could not install ${foreign[*]}; the 32-bit Wine checks will be skipped" >&2
  fi
fi
