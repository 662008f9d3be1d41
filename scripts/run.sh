#!/usr/bin/env bash
# Sets up the machine, builds, and runs the main job: the interactive host when
# a display is available, otherwise what the module registers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
if build/gxa-host help 2>/dev/null | grep -q '^  view'; then
  if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/gxa-host view "$@"
  fi
  echo "no display: writing rendered pages to out/ instead"
  mkdir -p out
  exec build/gxa-host render --out out/chooser.png
fi
exec build/gxa-host info
