#!/usr/bin/env bash
# Makes a fresh Debian 12 machine ready to build and run the project, and with
# the names of further groups, ready for those checks too. Idempotent:
# installs only what is missing, runs apt-get update at most once.
#
# usage: scripts/setup.sh [GROUP...]
#   (none)   building and running: compiler, CMake, the host's libraries, fonts
#   tests    the test suite and benchmarks: GoogleTest, Google Benchmark, Xvfb,
#            xdotool, xclip, ImageMagick, D-Bus daemon
#   format   clang-format (the style check)
#   fuzz     the fuzz targets and the sanitizer runtime: clang, libclang-rt
#   tidy     clang and clang-tidy
#   valgrind valgrind
#   package  the Debian package: dpkg-dev, file
set -euo pipefail

declare -A GROUPS_OF=(
  [build]="build-essential cmake pkg-config git ccache
    libfreetype-dev fonts-dejavu-core liblcms2-dev libpng-dev libjpeg-dev zlib1g-dev
    libsdl2-dev libx11-dev libxrandr-dev libdbus-1-dev nlohmann-json3-dev"
  [tests]="libgtest-dev libgmock-dev libbenchmark-dev dbus-daemon
    xvfb xdotool xclip x11-apps x11-xserver-utils imagemagick"
  [format]="clang-format"
  [fuzz]="clang libclang-rt-14-dev"
  [tidy]="clang clang-tidy"
  [valgrind]="valgrind"
  [package]="dpkg-dev file"
)

packages=()
for group in build "$@"; do
  [ -n "${GROUPS_OF[$group]:-}" ] || { echo "setup: no group '$group' (${!GROUPS_OF[*]})" >&2; exit 2; }
  read -r -a more <<<"$(echo ${GROUPS_OF[$group]})"
  packages+=("${more[@]}")
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all ${#packages[@]} packages present"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "setup: installing ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
