#!/usr/bin/env bash
# Runs a virtual X server of its own on a display number nobody uses, for the
# scripts and the end-to-end tests alike:
#   tools/virtual-x.sh [SCREEN]      (default 1280x800x24)
# Prints the display number on a line of its own once the server takes
# connections, then runs until it is stopped (TERM or INT), and takes the server
# with it. Without a server it says why on stderr and exits 1.
set -euo pipefail
screen=${1:-1280x800x24}
work=$(mktemp -d)
server=""
stop() {
  [[ -n "$server" ]] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$work"
}
trap 'stop; exit 0' TERM INT
trap stop EXIT

# Xvfb picks the number itself and writes it once it takes connections.
# -noreset: otherwise the server starts afresh whenever its last client leaves
# and refuses connections meanwhile, so a program started just after a probe
# (a window manager after xdpyinfo) may find no server.
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>"$work/log" &
server=$!
number=""
for _ in $(seq 1 100); do
  number=$(head -n 1 "$work/display" 2>/dev/null || true)
  [[ -n "$number" ]] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if [[ ! "$number" =~ ^[0-9]+$ ]]; then
  echo "virtual-x: no virtual X server could be started." >&2
  sed 's/^/  Xvfb: /' "$work/log" >&2 || true
  exit 1
fi
echo "$number"
wait "$server" || true
