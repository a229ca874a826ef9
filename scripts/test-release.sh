#!/usr/bin/env bash
# Builds the release packages (scripts/package.sh) and checks them as a
# user would meet them:
#  - every package holds exactly the files it should (kovrant and ldbtool),
#    the executables in the right format, README.txt and
#    LICENSE.txt with CR LF line ends, the sample and its table unchanged;
#  - the .deb names a maintainer, a description and the dependencies
#    dpkg-shlibdeps found;
#  - the version resource of every Windows executable, read back, carries
#    the project version; kovrant's banner and ldbtool --version agree;
#  - the .deb is installed with dpkg -i, the installed kovrant converts the
#    sample byte for byte, dpkg -r removes it and nothing of it stays in
#    /usr (root or password-less sudo needed; a kovrant installed before is
#    left alone and this step skipped);
#  - the Linux archive's kovrant and the win64 zip's kovrant.exe (under
#    Wine) convert the sample byte for byte, and the win32 zip's one too
#    where a 32-bit Wine prefix is set up (scripts/test-windows32.sh);
#  - the table survives LibreOffice Calc with README's settings
#    (scripts/test-spreadsheet.sh).
# It reuses the release, mingw32 and mingw64 builds that scripts/test.sh and
# scripts/test-windows.sh leave.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
  echo "test-release: $*" >&2
  exit 1
}
step_start=$SECONDS
step() {
  echo "--- $* (at ${SECONDS}s)"
}
export LC_ALL=C

step "building the packages"
scripts/package.sh

version=$(sed -n 's/^#define KOVRANT_VERSION_STRING "\(.*\)"$/\1/p' build/release/generated/kovrant/version.h)
[[ $version =~ ^[0-9]+(\.[0-9]+)*$ ]] || fail "no project version in build/release/generated/kovrant/version.h"
fixed=$version
while [[ $(tr -cd . <<<"$fixed" | wc -c) -lt 3 ]]; do fixed+=.0; done

win32_zip=dist/kovrant-$version-win32.zip
win64_zip=dist/kovrant-$version-win64.zip
tarball=dist/kovrant-$version-Linux-x86_64.tar.gz
deb=$(find dist -name "kovrant_${version}-*_amd64.deb")
for package in "$win32_zip" "$win64_zip" "$tarball" "$deb"; do
  [[ -n $package && -f $package ]] || fail "package missing in dist/: ${package:-kovrant_${version}-*_amd64.deb}"
done
(cd dist && sha256sum --quiet -c SHA256SUMS) || fail "dist/SHA256SUMS does not match the packages"

work=$(mktemp -d)
installed=
cleanup() {
  [[ -z $installed ]] || dpkg -r kovrant >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

# Compares a package's file list with the expected one.
expect_files() {
  local package=$1 listing=$2
  shift 2
  local expected
  expected=$(printf '%s\n' "$@" | sort)
  [[ $(sort <<<"$listing") == "$expected" ]] ||
    fail "$package holds$(printf '\n  %s' $listing)"$'\n'"expected$(printf '\n  %s' $expected)"
  echo "$package: $(wc -l <<<"$expected") files as expected"
}

# --- contents --------------------------------------------------------------
step "checking the contents"
examples=(examples/levers.ldb examples/LeverPrototypes.txt)
for bits in 32 64; do
  zip=dist/kovrant-$version-win$bits.zip
  top=kovrant-$version-win$bits
  files=(kovrant.exe README.txt LICENSE.txt "${examples[@]}")
  files+=(ldbtool.exe)
  expect_files "$zip" "$(unzip -Z1 "$zip" | grep -v '/$')" "${files[@]/#/$top/}"
  unzip -q "$zip" -d "$work/win$bits"
  folder=$work/win$bits/$top
  if [[ $bits == 32 ]]; then format='PE32 executable (console) Intel 80386'; else
    format='PE32+ executable (console) x86-64'; fi
  for exe in "$folder"/*.exe; do
    [[ $(file -b "$exe") == "$format"* ]] || fail "$zip: $(basename "$exe") is $(file -b "$exe")"
    # The version resource, as Explorer's Properties dialog shows it.
    resource=$(scripts/read-version-resource.py "$exe") || fail "$zip: $(basename "$exe") has no version resource"
    for pair in "Fixed=$fixed" "FileVersion=$version" "ProductVersion=$version" \
      "ProductName=kovrant" "OriginalFilename=$(basename "$exe")"; do
      grep -qxF "$pair" <<<"$resource" || fail "$zip: $(basename "$exe"): no $pair in"$'\n'"$resource"
    done
    for name in FileDescription LegalCopyright; do
      grep -q "^$name=." <<<"$resource" || fail "$zip: $(basename "$exe"): no $name"
    done
    echo "$zip: $(basename "$exe"): $format, version resource $(grep -E '^(Fixed|FileVersion)=' <<<"$resource" | tr '\n' ' ')"
  done
  cmp <(sed 's/\r$//; s/$/\r/' README.md) "$folder/README.txt" || fail "$zip: README.txt is not README.md with CR LF"
  cmp <(sed 's/\r$//; s/$/\r/' LICENSE) "$folder/LICENSE.txt" || fail "$zip: LICENSE.txt is not LICENSE with CR LF"
  for file in "${examples[@]}"; do cmp "$file" "$folder/$file"; done
done

top=kovrant-$version-Linux-x86_64
doc=share/doc/kovrant
files=(bin/kovrant "$doc/README.md" "$doc/LICENSE" "${examples[@]/#/$doc/}")
files+=(bin/ldbtool)
expect_files "$tarball" "$(tar -tzf "$tarball" | grep -v '/$')" "${files[@]/#/$top/}"
expect_files "$deb" "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}')" "${files[@]/#/./usr/}"
tar -xzf "$tarball" -C "$work"
for program in "$work/$top"/bin/*; do
  [[ $(file -b "$program") =~ ^ELF\ 64-bit\ LSB\ .*x86-64 ]] || fail "$tarball: $program is $(file -b "$program")"
done

for field in Maintainer Description Depends; do
  value=$(dpkg-deb -f "$deb" "$field")
  [[ -n $value ]] || fail "$deb has no $field"
done
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libc6* && $depends == *libstdc++6* ]] || fail "$deb: Depends is '$depends'"
echo "$deb: $(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version), Depends: $depends"

# --- running what was unpacked ----------------------------------------------
step "converting the sample with the unpacked programs"
check_banner() {
  local banner
  banner=$("$@" </dev/null | tr -d '\r')
  grep -qxF "VERSION: $version" <<<"$banner" || fail "$* shows no 'VERSION: $version' in its banner"
}
check_ldbtool_version() {
  local printed
  printed=$("$@" --version </dev/null 2>&1 | tr -d '\r')
  grep -qF "$version" <<<"$printed" || fail "$* --version printed '$printed', not $version"
}
"$work/$top/bin/kovrant" "$work/$top/$doc/examples/levers.ldb" "$work/linux-out"
cmp "$work/linux-out/LeverPrototypes.txt" examples/LeverPrototypes.txt
check_banner "$work/$top/bin/kovrant"
check_ldbtool_version "$work/$top/bin/ldbtool"
echo "$tarball: kovrant converts the sample byte for byte; banner shows VERSION: $version"

# Windows: run from the unpacked folder, as README tells a user to.
run_windows() {
  local wine=$1 prefix=$2 bits=$3
  local folder=$work/win$bits/kovrant-$version-win$bits
  if [[ ! -f $prefix/system.reg ]]; then
    mkdir -p "$prefix"
    WINEPREFIX=$prefix "$wine" wineboot -i </dev/null >/dev/null 2>&1 || fail "wineboot failed for $prefix"
  fi
  (cd "$folder" && WINEPREFIX=$prefix "$wine" kovrant.exe 'examples\levers.ldb' out </dev/null >/dev/null)
  cmp "$folder/out/LeverPrototypes.txt" examples/LeverPrototypes.txt
  (cd "$folder" && WINEPREFIX=$prefix check_banner "$wine" kovrant.exe)
  (cd "$folder" && WINEPREFIX=$prefix check_ldbtool_version "$wine" ldbtool.exe)
  WINEPREFIX=$prefix "$wineserver" -k >/dev/null 2>&1 || true
  echo "kovrant-$version-win$bits.zip: kovrant.exe converts the sample byte for byte under $wine"
}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
run_windows "$wine64" "$PWD/build-win-wine/prefix" 64
if [[ -x /usr/lib/wine/wine && -f build-win-wine32/prefix/system.reg ]]; then
  WINEARCH=win32 run_windows /usr/lib/wine/wine "$PWD/build-win-wine32/prefix" 32
else
  echo "no 32-bit Wine prefix here: the win32 zip's kovrant.exe is not run"
fi

# --- the .deb, installed and removed ------------------------------------------
step "installing and removing the .deb"
as_root=()
[[ $(id -u) == 0 ]] || as_root=(sudo -n)
if ! "${as_root[@]}" true 2>/dev/null; then
  echo "neither root nor password-less sudo: the .deb is not installed here"
elif dpkg-query -W -f='${Status}' kovrant 2>/dev/null | grep -q "install ok installed"; then
  echo "a kovrant package is installed on this machine already: left alone, the .deb is not installed"
else
  "${as_root[@]}" dpkg -i "$deb" >/dev/null
  installed=1
  listed=$(dpkg -L kovrant)
  /usr/bin/kovrant /usr/share/doc/kovrant/examples/levers.ldb "$work/deb-out"
  cmp "$work/deb-out/LeverPrototypes.txt" examples/LeverPrototypes.txt
  check_banner /usr/bin/kovrant
  check_ldbtool_version /usr/bin/ldbtool
  "${as_root[@]}" dpkg -r kovrant >/dev/null
  installed=
  left=()
  while read -r path; do
    [[ -f $path || -L $path || $path == /usr/share/doc/kovrant* && -e $path ]] && left+=("$path")
  done <<<"$listed"
  ((${#left[@]} == 0)) || fail "dpkg -r left ${left[*]}"
  status=$(dpkg-query -W -f='${Status}' kovrant 2>/dev/null || true)
  [[ -z $status || $status == *not-installed ]] || fail "dpkg still lists kovrant: $status"
  echo "$deb: installed, converts the sample byte for byte, removed without a trace in /usr"
fi

step "LibreOffice Calc round trip"
scripts/test-spreadsheet.sh
echo "release packages checked in $((SECONDS - step_start)) s"
