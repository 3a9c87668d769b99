#!/usr/bin/env bash
# Installs, on Debian 12, whatever Palmora needs to be built, run and tested and is
# not installed yet. Runs apt-get through sudo when not root.
#   tools/install-deps.sh          build and run
#   tools/install-deps.sh --test   also everything the test suite needs
#   tools/install-deps.sh --headless  also a virtual X server and a VNC server
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-wayland libgl-dev
  fonts-dejavu-core
)
if [[ "${1:-}" == "--headless" ]]; then
  packages+=(xvfb xauth x11vnc)
fi
if [[ "${1:-}" == "--test" ]]; then
  packages+=(
    xvfb xauth xdotool x11-utils imagemagick weston
    dbus dbus-x11 at-spi2-core python3 python3-pyatspi python3-gi gir1.2-atspi-2.0
    cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
    faketime libfaketime
    desktop-file-utils appstream dpkg-dev file
    clang libclang-rt-14-dev clang-tidy clang-format
  )
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
