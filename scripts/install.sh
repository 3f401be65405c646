#!/usr/bin/env bash
# Sets up the machine, builds, and installs (or updates) the program folder:
# ~/ZelmoII, or the folder given.  An update replaces the programs, the
# shared media and the help; Zelmo2.cfg, the subjects and the reports stay as
# they are.  The desktop menu gets the entries "Zelmo II" and "Pravo II".
#
#   bash scripts/install.sh [folder]
set -euo pipefail
pasta="$(realpath -m -- "${1:-$HOME/ZelmoII}")"
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target Zelmo2 Pravo2 platform_navegador programa
export ZELMO_MENU_DIR="${ZELMO_MENU_DIR-${XDG_DATA_HOME:-$HOME/.local/share}/applications}"
cmake --install build --prefix "$pasta"
echo "Program folder: $pasta"
