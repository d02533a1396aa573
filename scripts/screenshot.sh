#!/usr/bin/env bash
# Pictures the main window for the README: docs/window.png.
# Needs no display: the window is drawn by Qt's offscreen platform.
# Usage: scripts/screenshot.sh [BUILD_FOLDER]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release > /dev/null
fi
cmake --build "$build" --target torvel_window_shot -j 2
QT_QPA_PLATFORM=offscreen "$build/app/torvel_window_shot" docs/window.png
echo "Wrote docs/window.png"
