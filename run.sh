#!/usr/bin/env bash
# Installs what is missing, builds Palmora and starts it.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh
cmake -S . -B build -G Ninja -DPALMORA_BUILD_TESTS=OFF -DPALMORA_BUILD_TOOLS=OFF >/dev/null
cmake --build build --target palmora

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found. Palmora is starting on Qt's VNC platform:"
  echo "connect a VNC viewer to localhost:5900 (e.g. 'vncviewer localhost:5900')."
  export QT_QPA_PLATFORM="vnc:size=1024x600:addr=127.0.0.1:port=5900"
fi
exec ./build/palmora
