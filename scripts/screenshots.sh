#!/bin/sh
# Draws the main screens of the real program under Xvfb into PNG files: once on a 1280 x 1024
# screen, once more at QT_SCALE_FACTOR=2 as on a high-density screen (OUTPUT_DIR/scale2).
#   scripts/screenshots.sh [BUILD_DIR] [OUTPUT_DIR]
set -eu
build=${1:-build}
out=${2:-$build/screenshots}
cmake --build "$build" --target corvane-screenshots
mkdir -p "$out" "$out/scale2"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/bin/corvane-screenshots" "$out"
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x2048x24" \
    "$build/bin/corvane-screenshots" "$out/scale2"
ls "$out" "$out/scale2"
