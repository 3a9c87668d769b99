#!/usr/bin/env bash
# Builds the Debian package: a Release build with Debian's hardening flags
# (stack protector, _FORTIFY_SOURCE=2, format checks, PIE, RELRO and BIND_NOW)
# in a build folder of its own, packed by CPack. Installs what it needs first,
# as run.sh does. Prints the path of the .deb.
#   tools/make-package.sh [BUILD_DIR]   (default: build-package)
set -euo pipefail
# A package's folders and files have the usual modes whatever the builder's
# umask (a desktop user's 002 would make them group-writable), as
# dpkg-buildpackage makes sure too.
umask 022
cd "$(dirname "$0")/.."
source_dir=$PWD
build=${1:-build-package}

tools/install-deps.sh --package >&2
for program in cmake ninja cpack dpkg-buildflags dpkg-shlibdeps file gzip; do
  if ! command -v "$program" >/dev/null; then
    echo "make-package: $program is missing; tools/install-deps.sh --test installs it" >&2
    exit 1
  fi
done

# The flags a Debian package is built with; CMake takes CPPFLAGS from nowhere,
# so they join the compiler's flags. Given on the command line, they also
# replace what an earlier configure of this folder cached.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

echo "make-package: configuring a Release build in $build" >&2
cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DPALMORA_BUILD_TESTS=OFF -DPALMORA_BUILD_TOOLS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_LIBDIR=lib \
  -DCMAKE_CXX_FLAGS="$cxxflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" \
  -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" >&2
echo "make-package: building" >&2
cmake --build "$build" -j2 >&2
echo "make-package: packing" >&2
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >&2)
shopt -s nullglob
packages=("$build"/*.deb)
if ((${#packages[@]} != 1)); then
  echo "make-package: cpack did not leave exactly one .deb in $build" >&2
  exit 1
fi
realpath "${packages[0]}"
