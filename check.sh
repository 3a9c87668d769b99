#!/usr/bin/env bash
# Installs what is missing, builds Palmora with its tests and runs them all:
#   1. the whole suite (unit, widget and end-to-end tests);
#   2. the whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. the fuzz targets, each for a bounded time;
#   4. clang-format and clang-tidy, and lintian on the Debian package.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh --test

# The printing tests print through a CUPS scheduler of the suite's own, stopped
# at the end: the machine's printers, default printer and files stay as they are.
mkdir -p build
printer=$PWD/build/test-printer
trap 'tools/test-printer.sh stop "$printer"' EXIT
export CUPS_SERVER
CUPS_SERVER=$(tools/test-printer.sh start "$printer")/cups.sock
# A default of the user's own (~/.cups/lpoptions) would otherwise win.
export LPDEST=PDF

echo "== 1. build and test"
cmake -S . -B build -G Ninja -DPALMORA_BUILD_TESTS=ON -DPALMORA_BUILD_TOOLS=ON >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j2

echo "== 2. build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPALMORA_SANITIZE=ON -DPALMORA_BUILD_TOOLS=OFF >/dev/null
cmake --build build-asan
# libfaketime is preloaded by one end-to-end test, ahead of the ASan runtime.
# intercept_tls_get_addr=0: this compiler's leak checker misreads the dynamic TLS
# blocks of this C library at exit (its tracer dies with "Tracer caught signal
# 11" after listing a bogus DTLS range), which fails a run that leaked nothing;
# static TLS, stacks and the heap are still searched for roots.
ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0:strict_init_order=1:intercept_tls_get_addr=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j2 -LE install

echo "== 3. fuzz"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DPALMORA_BUILD_FUZZERS=ON -DPALMORA_BUILD_TOOLS=OFF >/dev/null
cmake --build build-fuzz --target fuzz_goalfile fuzz_referral fuzz_reminder
ctest --test-dir build-fuzz --output-on-failure

echo "== 4. lint"
tools/lint.sh build
# The package the install test built (rebuilt only if something changed since).
package=$(tools/make-package.sh build/package 2>/dev/null) || {
  echo "check: tools/make-package.sh failed; run it alone to see why" >&2
  exit 1
}
echo "lintian: $package"
lintian --pedantic --fail-on error,warning "$package"
