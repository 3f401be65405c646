#!/usr/bin/env bash
# Sets up the machine, builds, installs (or updates) the program folder
# (~/ZelmoII, or the folder given) and starts the player there, on the
# subject that Zelmo2.cfg names (at first the demonstration subject
# "Sistema Cardiovascular").
#
#   bash scripts/run-player.sh [folder]
set -euo pipefail
pasta="$(realpath -m -- "${1:-$HOME/ZelmoII}")"
bash "$(dirname "$0")/install.sh" "$pasta"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: run this from a desktop session, or under Xvfb:" >&2
  echo "  xvfb-run -s '-screen 0 1024x768x24' bash scripts/run-player.sh" >&2
  exit 1
fi
cd "$pasta"
exec ./Zelmo2
