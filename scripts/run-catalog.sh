#!/usr/bin/env bash
# Sets up, builds and launches the catalog on the bundled sample catalog.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_TESTS=OFF \
  -DCORVANE_BUILD_BENCH=OFF
cmake --build build/release
exec build/release/bin/corvane-catalog
