#!/usr/bin/env bash
# Installs what is missing, builds Quillmark and starts it. Without a display it
# starts inside a virtual one (Xvfb) and says so.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
BUILD_DIR="${BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DQUILLMARK_TESTS=OFF -DQUILLMARK_BENCH=OFF >/dev/null
cmake --build "$BUILD_DIR"
if [ -z "${DISPLAY:-}" ]; then
    source scripts/desktop.sh
    quillmark_start_desktop
    echo "No display found: Quillmark runs inside the virtual display $DISPLAY (Xvfb)."
    echo "Look at it with: DISPLAY=$DISPLAY import -window root shot.png"
fi
"$BUILD_DIR/bin/Quillmark" "$@"
