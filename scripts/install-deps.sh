#!/usr/bin/env bash
# Installs the Debian packages EMBERLIN needs to build, test, benchmark, fuzz and look at
# its windows. Does nothing when they are all present. Without root it uses `sudo -n`, so a
# password prompt never blocks CI; where that cannot work it stops with one line saying what
# to install.
set -euo pipefail

packages=(
  # The build: CMake with Ninja, GCC for the main and benchmark trees, make for the README's
  # commands, pkg-config for the system libraries Qt 6's CMake package files look up.
  cmake ninja-build g++ make pkg-config
  # Compiler cache shared by every tree and every clone of the repository.
  ccache
  # The formatting check of `make test` (scripts/check-format.sh).
  clang-format-14
  # GoogleTest for the tests, Google Benchmark for `make bench`.
  libgtest-dev libbenchmark-dev
  # Qt 6 Widgets and SVG (libqt6gui6, pulled in by qt6-base-dev, brings the offscreen and
  # xcb platform plugins the tests and the program use) and the OpenGL headers Qt 6 Gui's
  # CMake files look for.
  qt6-base-dev qt6-svg-dev libgl-dev
  # Qt Charts for the weather, growth, intensity and by-hour charts; Qt Print Support
  # (in qt6-base-dev) writes the reports.
  qt6-charts-dev
  # RFC 4180 CSV reading for the batch commands.
  libcsv-dev
  # JSON for the scenario files (header-only).
  nlohmann-json3-dev
  # Geodesy for the fire perimeters saved for maps (GeoJSON, KML).
  libgeographiclib-dev
  # The sanitizer and fuzz tree: clang++ (package clang) and the sanitizer and libFuzzer
  # runtimes.
  clang clang-14 libclang-rt-14-dev
  # Windows without a screen: Xvfb and xauth for xvfb-run and the start-up benchmark,
  # ImageMagick for screenshots when looking at windows.
  xvfb xauth imagemagick
  # The comma-decimal locale the number-text tests and fuzzer run under (localedef).
  locales
  # A font for the windows under Xvfb; GNU time for the benchmark's peak memory.
  fonts-dejavu-core time
  # Install and package: rsvg-convert renders the theme icons at build time;
  # desktop-file-validate, appstreamcli, update-mime-database and man check the installed
  # files; dpkg-shlibdeps (dpkg-dev) finds the Debian package's Depends.
  librsvg2-bin desktop-file-utils appstream shared-mime-info man-db dpkg-dev
  # pdftotext checks the printed reports.
  poppler-utils
  # The pictures in resources/images are drawn by scripts/draw_illustrations.py (standard
  # library only); `make test` draws them again and compares.
  python3
  # The Python module (python/): pybind11 and the headers of Debian's python3 to build it,
  # numpy for its arrays; pytest, xarray and Dask (with dask.distributed for the local
  # cluster of worker processes) for its tests and the xarray wrappers.
  pybind11-dev python3-dev python3-numpy python3-pytest python3-xarray python3-dask
  python3-distributed
)

# --list prints the packages, one a line (scripts/check-fresh-deps.sh reads them).
if [ "${1:-}" = "--list" ]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1 || ! sudo -n true 2>/dev/null; then
    echo "install-deps: missing packages; as root run: apt-get install ${missing[*]}" >&2
    exit 1
  fi
  sudo_cmd=(sudo -n)
fi
echo "install-deps: installing ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
