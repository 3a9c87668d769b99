#!/usr/bin/env bash
# Installs what is missing, builds Palmora and starts it.
set -euo pipefail
cd "$(dirname "$0")"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  tools/install-deps.sh
else
  tools/install-deps.sh --headless
fi
# A build folder of its own: check.sh builds `build` with the tests.
cmake -S . -B build-run -G Ninja -DPALMORA_BUILD_TESTS=OFF -DPALMORA_BUILD_TOOLS=OFF >/dev/null
cmake --build build-run --target palmora

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec ./build-run/palmora
fi

# No display: Palmora runs in a virtual X server whose screen a VNC server offers
# on this machine only (Qt's own VNC platform cannot be kept to localhost).
# Xvfb picks a display number nobody uses and x11vnc a free port, so Palmora never
# lands on somebody else's X server or VNC session.
work=$(mktemp -d)
trap 'kill "${xvfb:-}" "${vnc:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

# The server's number is its first line; nothing at all when it could not start.
coproc tools/virtual-x.sh 1024x600x24
xvfb=$COPROC_PID
display=""
read -r display <&"${COPROC[0]}" || true
if [[ ! "$display" =~ ^[0-9]+$ ]]; then
  echo "run.sh: without a virtual X server Palmora cannot be shown." >&2
  exit 1
fi

# Every user of this machine can reach localhost, so the screen takes a password,
# made afresh for this run and shown only here. x11vnc reads it from a file only
# this user can read, and removes the file at once; it never appears in a
# command line that ps would show.
password=$(LC_ALL=C tr -dc 'A-Za-z0-9' </dev/urandom | head -c 8 || true)
(umask 077 && printf '%s\n' "$password" >"$work/password")
x11vnc -display ":$display" -localhost -autoport 5900 -forever -passwdfile "rm:$work/password" -quiet \
  >"$work/vnc.out" 2>"$work/vnc.log" &
vnc=$!
port=""
for _ in $(seq 1 100); do
  port=$(sed -n 's/^PORT=\([0-9]\+\)$/\1/p' "$work/vnc.out" 2>/dev/null | head -n 1)
  [[ -n "$port" ]] && break
  kill -0 "$vnc" 2>/dev/null || break
  sleep 0.1
done
if [[ -z "$port" ]]; then
  echo "run.sh: no VNC port could be opened on localhost, so Palmora's screen cannot be shared." >&2
  tail -n 5 "$work/vnc.log" | sed 's/^/  x11vnc: /' >&2 || true
  exit 1
fi

echo "No display found. Palmora is starting in a virtual screen (display :$display) shared over VNC:"
echo "connect a VNC viewer to localhost:$port (e.g. 'vncviewer localhost:$port') with the password $password."
echo "Ctrl+C ends it."
# A session of its own also gives Palmora a private runtime folder when the
# login provided none (as for root on a server).
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
  mkdir -m 700 "$work/runtime"
  export XDG_RUNTIME_DIR=$work/runtime
fi
DISPLAY=":$display" QT_QPA_PLATFORM=xcb ./build-run/palmora
