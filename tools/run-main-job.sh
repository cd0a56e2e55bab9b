#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quillbox. Without a display the
# dialogs are rendered to PNG files instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
program=build/program
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$program/Quillbox Suite.exe"
fi
echo "No display: rendering every dialog to build/screenshots instead."
build/bench/screenshots/qbx-screenshots build/screenshots
