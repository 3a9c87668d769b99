#!/usr/bin/env bash
# Installs, on Debian 12, whatever Palmora needs to be built, run and tested and is
# not installed yet. Runs apt-get through sudo when not root.
#   tools/install-deps.sh          build and run
#   tools/install-deps.sh --test   also everything the test suite needs
#   tools/install-deps.sh --headless  also a virtual X server and a VNC server
#   tools/install-deps.sh --package   also what building the Debian package takes
#   tools/install-deps.sh --bench     also what the benchmarks build with
# Options add up: tools/install-deps.sh --test --bench.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-wayland libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools python3
  fonts-dejavu-core qt6-translations-l10n
)
for option in "$@"; do
  case "$option" in
    --headless) packages+=(xvfb xauth x11vnc) ;;
    --package) packages+=(dpkg-dev file) ;;
    --test)
      packages+=(
        xvfb xauth xdotool x11-utils imagemagick weston kwin-x11
        dbus dbus-x11 at-spi2-core python3 python3-pyatspi python3-gi gir1.2-atspi-2.0
        cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
        faketime libfaketime
        desktop-file-utils appstream dpkg-dev file lintian man-db
        clang libclang-rt-14-dev clang-tidy clang-format clazy llvm
      )
      ;;
    --bench) packages+=(xvfb libx11-dev libxtst-dev libxdamage-dev) ;;
    *)
      echo "install-deps: unknown option $option (see the top of $0)" >&2
      exit 2
      ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing ${#missing[@]} Debian packages that are missing: ${missing[*]}"
echo "(with what they need in turn; on a fresh machine this takes a few minutes)"

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  # Say what to do instead of failing on sudo's own words.
  how="run '$0${*:+ $*}' as root once (e.g. 'su -c ...'), or have an administrator do it; then run this again"
  if ! command -v sudo >/dev/null; then
    echo "install-deps: these packages are missing and you are not root, and sudo is not installed: $how." >&2
    exit 1
  fi
  if ! sudo -v; then
    echo "install-deps: these packages are missing and sudo does not let you install them: $how." >&2
    exit 1
  fi
  sudo=(sudo)
fi
"${sudo[@]}" apt-get update -qq
# apt's own progress lines show what is being fetched and set up.
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
  -o Dpkg::Progress-Fancy=0 -o APT::Color=0 "${missing[@]}" \
  | grep --line-buffered -E '^(Get|Setting up)' | sed -u 's/^/  /' || true
# The pipe hides apt's exit code; what is installed now is the proof.
for package in "${missing[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    echo "install-deps: $package could not be installed; see apt-get's message above." >&2
    exit 1
  fi
done
