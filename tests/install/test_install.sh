#!/usr/bin/env bash
# The desktop install: `cmake --install` puts the program, its launcher entry,
# icons and AppStream metadata in place and they validate; CPack builds a Debian
# package holding the same. In CI (as root) the package is also installed, run
# once (its goal notes then go to the per-user data folder) and removed again.
#   test_install.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

echo "-- cmake --install"
cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
for file in bin/palmora share/applications/palmora.desktop \
            share/metainfo/example.vespersoftwares.palmora.metainfo.xml \
            share/icons/hicolor/scalable/apps/palmora.svg \
            share/icons/hicolor/16x16/apps/palmora.png share/icons/hicolor/256x256/apps/palmora.png; do
  [[ -f "$work/prefix/$file" ]] || fail "missing $file"
done
[[ -x "$work/prefix/bin/palmora" ]] || fail "palmora is not executable"
# The printing module is loaded from the library folder beside the program's.
[[ -n "$(find "$work/prefix" -path '*/lib*/palmora/libpalmora-printing.so')" ]] || fail "missing the printing module"
if ldd "$work/prefix/bin/palmora" | grep -q libQt6PrintSupport; then fail "palmora links the printing library"; fi
desktop-file-validate "$work/prefix/share/applications/palmora.desktop" || fail "desktop entry"
grep -q '^Categories=Education;' "$work/prefix/share/applications/palmora.desktop" || fail "category"
appstreamcli validate --no-net "$work/prefix/share/metainfo/example.vespersoftwares.palmora.metainfo.xml" \
  || fail "AppStream metadata"
if find "$work/prefix" -path '*tst_*' -o -name 'lockholder' | grep -q .; then fail "tests were installed"; fi

echo "-- cpack"
(cd "$work" && cpack -G DEB -B "$work/package" --config "$build_dir/CPackConfig.cmake" >/dev/null)
deb=$(ls "$work"/package/*.deb)
dpkg-deb -c "$deb" >"$work/contents"
grep -q "/palmora/libpalmora-printing.so\$" "$work/contents" || fail "package lacks the printing module"
for file in ./usr/bin/palmora ./usr/share/applications/palmora.desktop \
            ./usr/share/icons/hicolor/48x48/apps/palmora.png; do
  grep -q " $file\$" "$work/contents" || fail "package lacks $file"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "package does not depend on Qt"
dpkg-deb -f "$deb" Depends | grep -qw 'qt6-wayland' || fail "package lacks the Wayland platform plugin"
echo "package: $(basename "$deb")"

if [[ "${CI:-}" == "true" && $(id -u) -eq 0 ]] && command -v xvfb-run >/dev/null; then
  echo "-- install the package and run it"
  if dpkg-query -W -f='${Status}' palmora 2>/dev/null | grep -q "install ok installed"; then
    fail "a palmora package is installed already; not touching it"
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
  trap 'apt-get remove -y -qq palmora >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
  home="$work/home"; mkdir -p "$home/runtime"; chmod 700 "$home/runtime"
  HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
    XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/palmora || [[ $? -eq 124 ]]
  [[ "$(cat "$home/.local/share/palmora/Goal1.txt")" == $'This is Goal 1.\r' ]] || fail "goal notes not in the data folder"
  [[ ! -e /usr/bin/Goal1.txt ]] || fail "goal notes written next to the installed program"
  apt-get remove -y -qq palmora >/dev/null
fi
echo "install: all checks passed"
