#!/usr/bin/env bash
# Installs what is missing, builds Palmora and starts it.
set -euo pipefail
cd "$(dirname "$0")"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  tools/install-deps.sh
else
  tools/install-deps.sh --headless
fi
cmake -S . -B build -G Ninja -DPALMORA_BUILD_TESTS=OFF -DPALMORA_BUILD_TOOLS=OFF >/dev/null
cmake --build build --target palmora

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec ./build/palmora
fi

# No display: Palmora runs in a virtual X server whose screen a VNC server offers
# on this machine only (Qt's own VNC platform cannot be kept to localhost).
echo "No display found. Palmora is starting in a virtual screen shared over VNC:"
echo "connect a VNC viewer to localhost:5900 (e.g. 'vncviewer localhost:5900'). Ctrl+C ends it."
Xvfb :57 -screen 0 1024x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" "${vnc:-}" 2>/dev/null || true' EXIT
for _ in $(seq 1 50); do [[ -e /tmp/.X11-unix/X57 ]] && break; sleep 0.1; done
x11vnc -display :57 -localhost -rfbport 5900 -forever -nopw -quiet >/dev/null 2>&1 &
vnc=$!
DISPLAY=:57 QT_QPA_PLATFORM=xcb ./build/palmora
