#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test,
# skipping whatever is already there. Uses sudo when not run as root.
set -euo pipefail

PACKAGES=(
  g++ cmake make pkg-config
  clang libclang-rt-14-dev
  liballegro4-dev libloadpng4-dev
  libgtest-dev libbenchmark-dev
  xvfb xdotool imagemagick x11-utils libx11-dev libxext-dev libxtst-dev x11-xserver-utils python3
  weston xwayland openbox wmctrl
  dpkg-dev lintian appstream desktop-file-utils man-db bsdextrautils
  emscripten chromium firefox-esr
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
# The browser tests' packages come from npm (any node install brings it).
command -v npm > /dev/null || missing+=(npm)
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! $SUDO apt-get install -y --no-install-recommends "${missing[@]}"; then
  # A fresh machine may have no package lists yet.
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
