#!/usr/bin/env bash
# Checks that every source file is formatted by .clang-format, and that clang-tidy
# (.clang-tidy) and clazy (Qt's own pitfalls: level 1 and qstring-arg) find nothing. Needs a configured build folder for the compiler
# flags: tools/lint.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

mapfile -t sources < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find common ui record app content memorize selftest goals web tests tools bench -name '*.cpp' -o -name '*.h')

echo "clang-format: ${#sources[@]} files"
clang-format --dry-run -Werror "${sources[@]}"

# Clang's tools count on stderr, file by file, the warnings they raised and then
# hid by their filters (thousands, from Qt's headers): that count alone is
# dropped; every other message of theirs, errors above all, reaches the user.
without_counts() { sed -E '/^[0-9]+ warnings? generated\.$/d'; }

# clang-tidy reads the product's own translation units (generated moc/ui code
# and the test suite's QtTest macros are not its business). It fails on any
# finding (WarningsAsErrors), and so does this script.
mapfile -t units < <(printf '%s\n' "${sources[@]}" | grep -E '^(common|ui|app|content|record|memorize|selftest|goals|web)/.*\.cpp$')
echo "clang-tidy: ${#units[@]} files"
{ printf '%s\n' "${units[@]}" | xargs -P 2 -n 4 clang-tidy -p "$build" --quiet 2>&1 >&3 3>&- | without_counts >&2 3>&-; } 3>&1 ||
  { echo "lint: clang-tidy failed" >&2; exit 1; }

# clazy reports warnings without failing, so any warning it prints fails here, as
# does clazy itself failing (a file it could not read, or clazy not there).
echo "clazy: ${#units[@]} files"
status=0
output=$(printf '%s\n' "${units[@]}" | xargs -P 2 -n 4 clazy-standalone -p "$build" \
  --checks=level1,qstring-arg --header-filter='/(app|common|ui|content|record|memorize|selftest|goals|web)/[^/]+\.h$' \
  --ignore-dirs='_autogen' 2>&1 | without_counts) || status=$?
if [[ -n "$output" ]]; then
  printf '%s\n' "$output"
fi
if ((status != 0)); then
  echo "lint: clazy failed (exit status $status)" >&2
  exit 1
fi
if grep -qE 'warning:|error:' <<<"$output"; then
  exit 1
fi
echo "lint: clean"
