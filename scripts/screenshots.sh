#!/bin/sh
# Draws the main screens of the real program under Xvfb into PNG files.
#   scripts/screenshots.sh [BUILD_DIR] [OUTPUT_DIR]
set -eu
build=${1:-build}
out=${2:-$build/screenshots}
cmake --build "$build" --target corvane-screenshots
mkdir -p "$out"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1600x1000x24" \
    "$build/bin/corvane-screenshots" "$out"
ls "$out"
