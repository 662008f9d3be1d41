#!/usr/bin/env bash
# Sets up the machine, builds, and runs the main job: the interactive host when
# a display is available, otherwise pictures of the chooser and the demo page.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# Only what runs: the host, the module and its resources (scripts/test.sh builds the rest).
BUILD_TARGET=gxa-host scripts/build.sh build
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  status=0
  build/gxa-host view "$@" || status=$?
  # 2: the display could not be opened after all.
  [ "$status" -eq 2 ] || exit "$status"
fi
echo "no display: rendering the chooser and the demo page into out/ instead"
mkdir -p out
build/gxa-host render --settings laym=2 --prefs 1110=true --out out/chooser.png
build/gxa-host render --page demo --out out/demo-page.png
echo "wrote out/chooser.png and out/demo-page.png"
