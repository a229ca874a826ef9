#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build and test kovrant.
# Packages already present are left alone; run as root (or with sudo).
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev libcli11-dev
  util-linux strace time python3
)
if [[ "${KOVRANT_WINDOWS:-1}" == 1 ]]; then
  packages+=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64)
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
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi
