#!/usr/bin/env bash
# Checks that every source file is formatted by .clang-format, and that clang-tidy
# (.clang-tidy) and clazy (Qt's own pitfalls: level 1 and qstring-arg) find nothing. Needs a configured build folder for the compiler
# flags: tools/lint.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

mapfile -t sources < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find common app content memorize selftest goals web tests tools bench -name '*.cpp' -o -name '*.h')

echo "clang-format: ${#sources[@]} files"
clang-format --dry-run -Werror "${sources[@]}"

# clang-tidy reads the product's own translation units (generated moc/ui code
# and the test suite's QtTest macros are not its business).
mapfile -t units < <(printf '%s\n' "${sources[@]}" | grep -E '^(common|app|content|memorize|selftest|goals|web)/.*\.cpp$')
echo "clang-tidy: ${#units[@]} files"
printf '%s\n' "${units[@]}" | xargs -P 2 -n 4 clang-tidy -p "$build" --quiet 2>/dev/null

# clazy reports warnings without failing, so any warning it prints fails here.
echo "clazy: ${#units[@]} files"
findings=$(printf '%s\n' "${units[@]}" | xargs -P 2 -n 4 clazy-standalone -p "$build" \
  --checks=level1,qstring-arg --header-filter='/(app|common|content|memorize|selftest|goals|web)/[^/]+\.h$' \
  --ignore-dirs='_autogen' 2>&1 | grep -E 'warning:|error:' || true)
if [[ -n "$findings" ]]; then
  printf '%s\n' "$findings"
  exit 1
fi
echo "lint: clean"
