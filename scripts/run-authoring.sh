#!/usr/bin/env bash
# Sets up the machine, builds, installs (or updates) the program folder
# (~/ZelmoII, or the folder given) and starts the authoring program Pravo II
# there.
#
#   bash scripts/run-authoring.sh [folder]
set -euo pipefail
pasta="$(realpath -m -- "${1:-$HOME/ZelmoII}")"
bash "$(dirname "$0")/install.sh" "$pasta"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: run this from a desktop session, or under Xvfb:" >&2
  echo "  xvfb-run -s '-screen 0 1024x768x24' bash scripts/run-authoring.sh" >&2
  exit 1
fi
cd "$pasta"
exec ./Pravo2
