#!/usr/bin/env bash
# Installs what is missing, builds Palmora with its tests and runs them all.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh --test
tools/start-cups.sh
cmake -S . -B build -G Ninja -DPALMORA_BUILD_TESTS=ON >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j2
