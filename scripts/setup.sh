#!/usr/bin/env bash
# Installs, from Debian's packages, what the project needs to build, test and run.
# Only missing packages are installed; running it again changes nothing.
set -euo pipefail

PACKAGES=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-multimedia-dev libqt6svg6-dev
  qt6-qpa-plugins qml6-module-qtquick
  libjpeg62-turbo-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fluidsynth fluid-soundfont-gm libfluidsynth-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-libav
  xvfb xauth xdotool imagemagick openbox libxcb1-dev
  fonts-dejavu-core fonts-liberation
  qt6-translations-l10n
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
