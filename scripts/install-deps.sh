#!/usr/bin/env bash
# Installs what building, testing and running the catalog needs on Debian 12 (run as root).
# Packages already present are left alone, so a second run costs only the check.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libgl1-mesa-dev
  libjpeg62-turbo-dev fonts-liberation2
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev ccache
  xvfb xauth imagemagick
)
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
