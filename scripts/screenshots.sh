#!/usr/bin/env bash
# Takes the README's pictures of the player and the authoring program: the
# build is installed into a temporary program folder (~/ZelmoII and the menu
# are not touched), both programs are started on a virtual screen (Xvfb,
# 1024 x 768 at 96 dpi, with openbox) and photographed into docs/.
#
#   bash scripts/screenshots.sh [display number, 99 by default]
set -euo pipefail
tela=":${1:-99}"
cd "$(dirname "$0")/.."
raiz="$PWD"
pasta="$(mktemp -d)/ZelmoII"
ZELMO_MENU_DIR="" bash scripts/install.sh "$pasta" >/dev/null

pids=()
encerra() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$(dirname "$pasta")"
}
trap encerra EXIT

Xvfb "$tela" -screen 0 1024x768x24 -dpi 96 -nolisten tcp &
pids+=($!)
export DISPLAY="$tela"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# Waits up to 30 s for a visible window of that name; its id.
espera_janela() {
  for _ in $(seq 150); do
    if id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1) && [ -n "$id" ]; then
      echo "$id"; return 0
    fi
    sleep 0.2
  done
  echo "no window \"$1\"" >&2; return 1
}

foto() {
  import -window root -colors 256 "PNG8:$raiz/docs/$1"
  echo "docs/$1"
}

# The screen is 1024 x 768: the places clicked below are those of the
# programs' windows on it.
klica() { xdotool mousemove "$1" "$2" click 1; }

# The player: log in, and the demonstration's first page.
(cd "$pasta" && exec ./Zelmo2) &
pids+=($!)
espera_janela "^Zelmo II$" >/dev/null
sleep 4
klica 510 331
xdotool type --delay 40 "Ana Souza"
xdotool key Tab
xdotool type --delay 40 "7B"
xdotool key Return
sleep 5
foto zelmo2.png
kill "${pids[-1]}"; wait "${pids[-1]}" 2>/dev/null || true

# The authoring program: the demonstration subject opened, the main window.
(cd "$pasta" && exec ./Pravo2) &
pids+=($!)
espera_janela "^Escolher Assunto$" >/dev/null
sleep 2
klica 320 211
klica 351 502
sleep 3
foto pravo2.png
