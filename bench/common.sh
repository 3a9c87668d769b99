# What the bench scripts share; sourced by them from the project root, never run.

# Installs what the benchmarks build and run with, then configures and builds the
# targets named in build-bench (Release).
build_bench() { # TARGET...
  tools/install-deps.sh --test --bench
  build=build-bench
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPALMORA_BUILD_BENCH=ON \
    -DPALMORA_BUILD_TESTS=OFF -DPALMORA_BUILD_TOOLS=OFF >/dev/null
  cmake --build "$build" --target "$@" >/dev/null
}

# Starts an X server of the run's own on a free display, for real windows.
start_xvfb() { # sets xvfb_pid
  local display=""
  coproc tools/virtual-x.sh 1280x800x24
  xvfb_pid=$COPROC_PID
  read -r display <&"${COPROC[0]}" || true
  [[ -n "$display" ]] || { echo "bench: no X server, so nothing can be measured." >&2; exit 1; }
  export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
}

# A fresh, private home holding a reminder record written today (so no reminder
# is asked), as on an ordinary day's start.
fresh_home() { # needs $work
  rm -rf "$work/home"
  mkdir -p "$work/home/runtime"
  chmod 700 "$work/home/runtime"
  export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
         XDG_RUNTIME_DIR="$work/home/runtime" XDG_CACHE_HOME="$work/home/cache"
  python3 tests/e2e/reminderrecord.py write "$XDG_CONFIG_HOME" "$(date +%F)"
}
