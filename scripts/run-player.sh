#!/usr/bin/env bash
# Sets up the machine, builds, and starts the player on the demonstration
# subject "Sistema Cardiovascular" of the program folder build/bin.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: run this from a desktop session, or under Xvfb:" >&2
  echo "  xvfb-run -s '-screen 0 1024x768x24' bash scripts/run-player.sh" >&2
  exit 1
fi
exec build/bin/Zelmo2
