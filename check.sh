#!/usr/bin/env bash
# Installs what is missing, builds Palmora with its tests and runs them all:
#   1. the whole suite (unit, widget and end-to-end tests), as whoever runs this;
#   2. the whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer,
#      as a desktop user runs Palmora: an ordinary user with a group of their own and
#      umask 002 (run as root, a user made for the run and removed after it);
#   3. the fuzz targets, each for a bounded time;
#   4. clang-format, clang-tidy and clazy, and lintian on the Debian package.
# Every build here treats a compiler warning as an error.
set -euo pipefail
cd "$(dirname "$0")"

# Stage 2 alone, in this folder, as the user who runs it.
sanitized_suite() {
  mkdir -p build-asan
  asan_printer=$PWD/build-asan/test-printer
  trap 'tools/test-printer.sh stop "$asan_printer"' EXIT
  export CUPS_SERVER LPDEST=PDF
  CUPS_SERVER=$(tools/test-printer.sh start "$asan_printer")/cups.sock
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPALMORA_SANITIZE=ON -DPALMORA_BUILD_TOOLS=OFF \
    -DPALMORA_WARNINGS_AS_ERRORS=ON >/dev/null
  cmake --build build-asan
  # libfaketime is preloaded by one end-to-end test, ahead of the ASan runtime.
  # intercept_tls_get_addr=0: this compiler's leak checker misreads the dynamic TLS
  # blocks of this C library at exit (its tracer dies with "Tracer caught signal
  # 11" after listing a bogus DTLS range), which fails a run that leaked nothing;
  # static TLS, stacks and the heap are still searched for roots.
  ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0:strict_init_order=1:intercept_tls_get_addr=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j2 -LE install
}
if [[ ${1:-} == --sanitized-suite ]]; then
  sanitized_suite
  exit
fi

# Run as root, stage 2 makes a desktop user of its own and removes it afterwards.
# A user or group of that name that already exists is someone else's, or an
# earlier run's that could not be removed: it is neither reused nor removed, and
# the check stops here, before any work.
desktop_user=palmora-desktop
if [[ $(id -u) -eq 0 ]] && { getent passwd "$desktop_user" || getent group "$desktop_user"; } >/dev/null; then
  echo "check: a user or group named $desktop_user already exists; this check makes its own" \
    "desktop user and will neither reuse nor remove one it did not make. If it is left over" \
    "from an earlier run, remove it (userdel $desktop_user, or groupdel $desktop_user for a" \
    "group alone) and run again." >&2
  exit 1
fi

tools/install-deps.sh --test

end_processes_of() {
  local uid
  uid=$(id -u "$1") || return 0
  for signal in TERM KILL; do
    for p in /proc/[0-9]*; do
      [[ $(stat -c %u "$p" 2>/dev/null) == "$uid" ]] && kill -s "$signal" "${p#/proc/}" 2>/dev/null
    done
    sleep 1
  done
  return 0
}

cleanups=()
cleanup() {
  for ((i = ${#cleanups[@]} - 1; i >= 0; i--)); do eval "${cleanups[i]}" || true; done
}
trap cleanup EXIT

# The printing tests print through a CUPS scheduler of the suite's own, stopped
# at the end: the machine's printers, default printer and files stay as they are.
mkdir -p build
printer=$PWD/build/test-printer
cleanups+=('tools/test-printer.sh stop "$printer"')
export CUPS_SERVER
CUPS_SERVER=$(tools/test-printer.sh start "$printer")/cups.sock
# A default of the user's own (~/.cups/lpoptions) would otherwise win.
export LPDEST=PDF

echo "== 1. build and test"
cmake -S . -B build -G Ninja -DPALMORA_BUILD_TESTS=ON -DPALMORA_BUILD_TOOLS=ON -DPALMORA_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j2

echo "== 2. build and test with AddressSanitizer and UndefinedBehaviorSanitizer, as a desktop user (umask 002)"
if [[ $(id -u) -ne 0 ]]; then
  (umask 002 && exec ./check.sh --sanitized-suite)
else
  # Root writes through permissions and owns what the trust rules accept, so
  # the suite also runs as an ordinary user with a group of their own: made for
  # this run, working in a copy of the project it owns, removed afterwards.
  # Made here, not found: should one of that name have appeared since the start,
  # useradd fails and the check stops with nothing of it registered for removal.
  user=$desktop_user
  work=
  useradd --system --user-group --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
  # Its removal is registered the moment it exists, before anything else can fail.
  # What the user's run left running is ended first, or the user could not go.
  cleanups+=('end_processes_of "$user"; userdel "$user"; [[ -z ${work:-} ]] || rm -rf "$work"')
  work=$(mktemp -d /var/tmp/palmora-desktop.XXXXXX)
  mkdir -p "$work/project" "$work/home" "$work/runtime"
  tar -C . --exclude='./build*' --exclude=./.git -cf - . | tar -C "$work/project" -xf -
  chown -R "$user:$user" "$work"
  chmod 700 "$work" "$work/runtime"
  setpriv --reuid="$user" --regid="$user" --init-groups \
    env -i HOME="$work/home" USER="$user" LOGNAME="$user" XDG_RUNTIME_DIR="$work/runtime" \
    PATH=/usr/local/bin:/usr/bin:/bin CI="${CI:-}" LANG=C.UTF-8 \
    bash -c 'umask 002 && cd "$1" && exec ./check.sh --sanitized-suite' check "$work/project"
fi

echo "== 3. fuzz"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DPALMORA_BUILD_FUZZERS=ON -DPALMORA_BUILD_TOOLS=OFF \
  -DPALMORA_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-fuzz --target fuzz_goalfile fuzz_referral
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
