#!/usr/bin/env bash
# The desktop install: `cmake --install` puts the program, its launcher entry,
# icons, AppStream metadata, manual page and the package's documents in place
# and they validate; CPack builds a Debian package holding the same. In CI (as
# root) the package is also installed, run once (its goal notes then go to the
# per-user data folder) and removed again.
#   test_install.sh SOURCE_DIR BUILD_DIR
# With --print, the package that tools/make-package.sh builds is unpacked into a
# root laid out like /usr, and its program, run by an ordinary user in a private
# desktop, takes a test and prints it (tests/e2e/test_installed.py). That needs
# CUPS_SERVER (check.sh sets it); without it the run is skipped (77).
#   test_install.sh SOURCE_DIR BUILD_DIR --print
set -euo pipefail
source_dir=$1
build_dir=$2
mode=${3:-}
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

if [[ "$mode" == --print ]]; then
  if [[ -z "${CUPS_SERVER:-}" ]]; then
    echo "skipped: no CUPS_SERVER to print through (check.sh starts one)"
    exit 77
  fi
  echo "-- tools/make-package.sh"
  deb=$("$source_dir/tools/make-package.sh" "$build_dir/package" 2>"$work/make-package.log") \
    || { cat "$work/make-package.log"; fail "tools/make-package.sh"; }
  [[ -f "$deb" ]] || fail "tools/make-package.sh named no package: '$deb'"
  echo "package: $deb"
  root=$work/root
  dpkg-deb -x "$deb" "$root"
  [[ -x "$root/usr/bin/palmora" ]] || fail "the package has no usr/bin/palmora"

  # The test driver and its desktop run as the user who runs the program: the
  # buses let in only their own user. As root that is nobody, who may read the
  # unpacked root and the driver (copied, owned by root) and write only its home.
  e2e=$work/e2e
  mkdir -p "$e2e"
  cp "$source_dir"/tests/e2e/{desktop.py,test_selftest.py,test_installed.py} "$source_dir"/tools/virtual-x.sh "$e2e/"
  home=$work/home
  mkdir -p "$home/tmp"
  run_as=()
  if [[ $(id -u) -eq 0 ]]; then
    chmod 711 "$work"
    chmod -R a+rX "$root" "$e2e"
    chown -R 65534:65534 "$home"
    run_as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  fi
  chmod 700 "$home"
  # The suite's print system lets in only the user who started it, so that
  # user starts one of its own.
  if [[ $(id -u) -eq 0 ]]; then
    cp "$source_dir/tools/test-printer.sh" "$e2e/"
    chmod a+rx "$e2e/test-printer.sh"
    trap '"$source_dir/tools/test-printer.sh" stop "$home/printer"; chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
    CUPS_SERVER=$(cd "$e2e" && "${run_as[@]}" env -i PATH=/usr/bin:/bin HOME="$home" TMPDIR="$home/tmp" \
                  ./test-printer.sh start "$home/printer")/cups.sock
  fi
  # An installed copy's folders are not its user's to write, as under /usr.
  chmod -R a-w "$root"
  echo "-- the installed copy takes a test and prints it, as user $("${run_as[@]}" id -un)"
  (cd "$e2e" && "${run_as[@]}" env -i PATH=/usr/bin:/bin HOME="$home" \
      TMPDIR="$home/tmp" LANG=C.UTF-8 CUPS_SERVER="$CUPS_SERVER" LPDEST="${LPDEST:-}" \
      PALMORA_BINARY="$root/usr/bin/palmora" PALMORA_VIRTUAL_X="$e2e/virtual-x.sh" PYTHONDONTWRITEBYTECODE=1 \
      /usr/bin/python3 -m unittest -v test_installed)
  echo "installed copy: printed"
  exit 0
fi

echo "-- cmake --install"
cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
for file in bin/palmora share/applications/palmora.desktop \
            share/metainfo/example.vespersoftwares.palmora.metainfo.xml \
            share/icons/hicolor/scalable/apps/palmora.svg \
            share/icons/hicolor/16x16/apps/palmora.png share/icons/hicolor/256x256/apps/palmora.png \
            share/man/man1/palmora.1.gz share/doc/palmora/changelog.gz share/doc/palmora/copyright; do
  [[ -f "$work/prefix/$file" ]] || fail "missing $file"
done
[[ -x "$work/prefix/bin/palmora" ]] || fail "palmora is not executable"
# The program is whole by itself: nothing of Palmora's lies in a library folder.
if find "$work/prefix" -path '*/lib*' | grep -q .; then fail "files installed in a library folder"; fi
desktop-file-validate "$work/prefix/share/applications/palmora.desktop" || fail "desktop entry"
grep -q '^Categories=Education;' "$work/prefix/share/applications/palmora.desktop" || fail "category"
# Pedantic too: only the information that the example domain's TLD is unknown may remain.
metainfo=$work/prefix/share/metainfo/example.vespersoftwares.palmora.metainfo.xml
appstreamcli validate --pedantic --no-net "$metainfo" >"$work/appstream" 2>&1 || { cat "$work/appstream"; fail "AppStream metadata"; }
if grep -E '^[EWP]: ' "$work/appstream"; then fail "AppStream metadata has warnings"; fi
version=$(sed -n 's/^project(palmora VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$metainfo" || fail "AppStream metadata has no release $version"
if find "$work/prefix" -path '*tst_*' -o -name 'lockholder' | grep -q .; then fail "tests were installed"; fi
# The manual page reads without a complaint from man.
man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$work/prefix/share/man/man1/palmora.1.gz" 2>&1 >/dev/null)
[[ -z "$man_warnings" ]] || fail "man warns about palmora(1): $man_warnings"

echo "-- cpack"
# The package holds the program where this build was configured to install it.
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build_dir/CMakeCache.txt")
(cd "$work" && cpack -G DEB -B "$work/package" --config "$build_dir/CPackConfig.cmake" >/dev/null)
deb=$(ls "$work"/package/*.deb)
dpkg-deb -c "$deb" >"$work/contents"
if grep -q "/lib/" "$work/contents"; then fail "the package has files in a library folder"; fi
for file in bin/palmora share/applications/palmora.desktop share/icons/hicolor/48x48/apps/palmora.png \
            share/man/man1/palmora.1.gz share/doc/palmora/changelog.gz share/doc/palmora/copyright; do
  grep -q " \.$prefix/$file\$" "$work/contents" || fail "package lacks $prefix/$file"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "package does not depend on Qt"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6printsupport6' || fail "package does not depend on Qt's printing library"
dpkg-deb -f "$deb" Depends | grep -qw 'qt6-wayland' || fail "package lacks the Wayland platform plugin"
# No maintainer scripts: the package installs no library, so there is nothing for ldconfig.
dpkg-deb -e "$deb" "$work/control"
for script in preinst postinst prerm postrm; do
  [[ ! -e "$work/control/$script" ]] || fail "package has a $script script"
done
# The change log's latest entry is this version.
zcat "$work/prefix/share/doc/palmora/changelog.gz" >"$work/changelog"
[[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" == "$(dpkg-deb -f "$deb" Version)" ]] \
  || fail "the change log's latest entry is not version $(dpkg-deb -f "$deb" Version)"
echo "package: $(basename "$deb")"

if [[ "${CI:-}" == "true" && $(id -u) -eq 0 ]] && command -v xvfb-run >/dev/null; then
  echo "-- install the package and run it"
  if dpkg-query -W -f='${Status}' palmora 2>/dev/null | grep -q "install ok installed"; then
    fail "a palmora package is installed already; not touching it"
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
  trap 'apt-get remove -y -qq palmora >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
  # Installed under the prefix this build was configured with.
  program=$(dpkg -L palmora | grep '/bin/palmora$')
  home="$work/home"; mkdir -p "$home/runtime"; chmod 700 "$home/runtime"
  HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
    XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen timeout 5 "$program" || [[ $? -eq 124 ]]
  [[ "$(cat "$home/.local/share/palmora/Goal1.txt")" == $'This is Goal 1.\r' ]] || fail "goal notes not in the data folder"
  [[ ! -e "$(dirname "$program")/Goal1.txt" ]] || fail "goal notes written next to the installed program"
  apt-get remove -y -qq palmora >/dev/null
fi
echo "install: all checks passed"
