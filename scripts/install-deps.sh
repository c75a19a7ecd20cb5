#!/usr/bin/env bash
# Installs the Debian packages EMBERLIN needs to build, test and look at its windows.
# Does nothing when they are all present.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  libgtest-dev libbenchmark-dev
  libcsv-dev  # RFC 4180 CSV reading for the batch commands
  nlohmann-json3-dev  # JSON for the scenario files (a header-only library)
  poppler-utils  # pdftotext and pdftoppm: the printed report's test reads the PDF back
  qt6-base-dev qt6-svg-dev qt6-charts-dev qt6-qpa-plugins libgl-dev
  libclang-rt-14-dev clang-14
  xvfb xauth imagemagick
  locales fonts-dejavu-core time
  # Install and package: rsvg-convert renders the theme icons at build time;
  # desktop-file-validate, appstreamcli, update-mime-database and man check the installed
  # files; dpkg-shlibdeps (dpkg-dev) finds the Debian package's Depends.
  librsvg2-bin desktop-file-utils appstream shared-mime-info man-db dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
