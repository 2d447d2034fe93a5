#!/usr/bin/env bash
# Installs what building, testing, packaging and running the catalog needs on Debian 12 (run as
# root); a bare `debootstrap --variant=minbase bookworm` root is enough to start from.
#   scripts/install-deps.sh               build, tests, screenshots, package, the program itself
#   scripts/install-deps.sh --sanitizers  also clang and its runtimes for the ASan/UBSan and fuzz runs
# Packages already present are left alone, so a second run costs only the check.
set -euo pipefail
packages=(
  # build
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libgl1-mesa-dev
  # Qt Charts' CMake package asks for Qt6OpenGL, which qt6-charts-dev does not pull in
  libqt6opengl6-dev
  libjpeg62-turbo-dev nlohmann-json3-dev
  # the report's paper is the default CUPS queue's
  libcups2-dev
  # the interface font and the metric-compatible families the grid and the report name
  fontconfig fonts-liberation2
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # screenshots and the launch under a virtual display
  xvfb xauth imagemagick
  # the print test: a private CUPS daemon with the cups-pdf printer, and pdfinfo/pdftotext to
  # read what it printed (the daemon's start scripts stay idle in a root without an init)
  cups cups-client printer-driver-cups-pdf poppler-utils
  # the Debian package (shlibdeps) and the checks of its desktop entry and AppStream file
  dpkg-dev file desktop-file-utils appstream
)
if [[ "${1:-}" == "--sanitizers" ]]; then
  packages+=(clang libclang-rt-14-dev)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
