#!/usr/bin/env bash
# Configures and builds into the given folder (default: build). Extra arguments go to cmake.
# BUILD_TARGET names one target to build (default: all of them).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}; shift || true
# ccache keeps its objects outside the clone, keyed by paths below the clone.
export CCACHE_DIR=${CCACHE_DIR:-/var/tmp/gxa-ccache}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
export CCACHE_NOHASHDIR=1
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-8G}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
