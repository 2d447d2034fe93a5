#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite through CTest (build/dev, warnings are errors).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev
ctest --preset dev -j "$(nproc)"
