#!/usr/bin/env bash
# Simulates scripts/install-deps.sh on a fresh machine: apt plans the install (-s, nothing is
# changed) against a dpkg status file that lists only the packages a new machine image has,
# then every program and file `make test`, `make bench` and `make fuzz` call must come from
# a package that is either on the image or in the plan.
#   check-fresh-deps.sh IMAGE_PACKAGE_LIST LIB_DIR CLANG_RESOURCE_DIR
# IMAGE_PACKAGE_LIST has one package a line as "<source>\t<name>[:arch]\t<version>" after a
# first line of comments. LIB_DIR is the machine's multiarch library folder and
# CLANG_RESOURCE_DIR clang 14's resource folder (`clang++-14 -print-resource-dir`), e.g.
#   check-fresh-deps.sh image-packages.txt /usr/lib/x86_64-linux-gnu \
#     /usr/lib/llvm-14/lib/clang/14.0.6
set -euo pipefail
if [ $# -ne 3 ]; then
  sed -n 's/^#   //p' "$0" | head -n 1 | sed 's/^/usage: /'
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
image=$1
libdir=$2
clangres=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A status file holding only the image's packages, installed. The list names no
# architecture for most packages: this machine's dpkg knows it for those it has.
dpkg-query -W -f='${Package}\t${Architecture}\n' > "$work/arch" 2>/dev/null || true
awk -F'\t' 'FILENAME == ARGV[1] { known[$1] = $2; next }
FNR > 1 && $1 == "apt" && $2 != "" {
  name = $2; arch = (name in known) ? known[name] : "amd64"
  if (split($2, part, ":") == 2) { name = part[1]; arch = part[2] }
  printf "Package: %s\nStatus: install ok installed\nPriority: optional\n", name
  printf "Architecture: %s\nVersion: %s\nMaintainer: image\nDescription: image\n\n", arch, $3
}' "$work/arch" "$image" > "$work/status"
echo "image: $(grep -c '^Package:' "$work/status") packages from $image"

mapfile -t wanted < <(bash "$root/scripts/install-deps.sh" --list)
apt-get -s -o Dir::State::status="$work/status" install "${wanted[@]}" > "$work/plan" 2>&1 || {
  cat "$work/plan"
  echo "check-fresh-deps: apt cannot plan the install"
  exit 1
}
sed -n 's/^Inst \([^ ]*\) .*/\1/p' "$work/plan" | sort > "$work/new"
upgrades=$(grep -c '^Inst [^ ]* \[' "$work/plan" || true)
echo "install-deps would install $(wc -l < "$work/new") packages" \
  "($upgrades of them newer versions of image packages):"
fmt -w 96 "$work/new" | sed 's/^/  /'

# What the make targets call, and the package that ships each on this machine.
needed=(
  /usr/bin/cmake /usr/bin/ninja /usr/bin/g++ /usr/bin/make /usr/bin/ccache
  /usr/bin/clang++ /usr/bin/clang++-14 /usr/bin/Xvfb /usr/bin/xvfb-run /usr/bin/time
  /usr/bin/localedef /usr/bin/import /usr/sbin/locale-gen /usr/bin/python3
  /usr/include/gtest/gtest.h /usr/include/benchmark/benchmark.h
  $libdir/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake
  $libdir/cmake/Qt6Svg/Qt6SvgConfig.cmake
  $libdir/cmake/Qt6Test/Qt6TestConfig.cmake
  $libdir/qt6/plugins/platforms/libqoffscreen.so
  $libdir/qt6/plugins/platforms/libqxcb.so
  $clangres/lib/linux/libclang_rt.fuzzer-$(uname -m).a
  $clangres/lib/linux/libclang_rt.asan-$(uname -m).a
  $clangres/include/fuzzer/FuzzedDataProvider.h
)
awk -F'\t' 'NR > 1 { split($2, part, ":"); print part[1] }' "$image" | sort -u > "$work/have"
missing=0
for file in "${needed[@]}"; do
  real=$(readlink -f "$file" 2>/dev/null || echo "$file")
  pkg=$( (dpkg -S "$file" 2>/dev/null || dpkg -S "$real" 2>/dev/null) | head -n 1 | cut -d: -f1)
  if [ -z "$pkg" ]; then
    echo "  $file: no package ships it on this machine"
    missing=1
  elif grep -qx "$pkg" "$work/have"; then
    echo "  $file: $pkg (on the image)"
  elif grep -qx "$pkg" "$work/new"; then
    echo "  $file: $pkg (installed by install-deps)"
  else
    echo "  $file: $pkg is NEITHER on the image NOR installed by install-deps"
    missing=1
  fi
done
[ $missing -eq 0 ] && echo "check-fresh-deps: everything needed is installed" || exit 1
