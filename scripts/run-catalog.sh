#!/usr/bin/env bash
# Sets up, builds and launches the catalog on the bundled sample catalog (build/release).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
exec build/release/bin/corvane-catalog
