#!/usr/bin/env bash
# Makes a fresh Debian 12 machine ready to build, run and test the project.
# Idempotent: installs only what is missing, runs apt-get update at most once.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  libfreetype-dev fonts-dejavu-core liblcms2-dev libpng-dev libjpeg-dev zlib1g-dev
  libsdl2-dev libx11-dev libxrandr-dev libdbus-1-dev dbus-daemon nlohmann-json3-dev
  xvfb xdotool x11-apps x11-xserver-utils imagemagick ccache
  clang libclang-rt-14-dev clang-tidy valgrind clang-format
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all ${#PACKAGES[@]} packages present"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "setup: installing ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
