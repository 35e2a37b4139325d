#!/usr/bin/env bash
# Pictures of the desktop program under a virtual display: the main window with an example
# project and each menu open, its icons (main-window-icons*.png), the shaft-properties and
# design-charts editors in English and SI units, the soil layer editor with four layers
# (soil-layers-*.png, English ASD and SI LRFD), the soil property editor of sand, clay, strong
# rock and weak rock (soil-properties-*.png), the plot windows (plot-*.png: combined plot and
# t-z curves of a clay project, total capacity and load-settlement curves of a sand project with
# three diameters, a design chart, total capacity against elevation; plot-*-saved.png are the
# images those windows save), and the elevation view (elevation*) and 3D view (3d-view*) of a
# four-layer project with a water table and a belled shaft, before and after a run.
# Usage: scripts/screenshots.sh [output folder] (default /tmp/talmo-shots).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build-test}
OUT=${1:-/tmp/talmo-shots}
bash scripts/install-deps.sh
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DTALMO_SANITIZE=ON >/dev/null
cmake --build "$BUILD" -j 2 --target gui_screenshots
# The desktop libraries (D-Bus) keep allocations to the end; they are not ours.
ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s "-screen 0 1280x900x24" "$BUILD/tests/gui_screenshots" "$OUT"
