#!/usr/bin/env bash
# Sets up the machine, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh tests
scripts/build.sh build
ctest --test-dir build --output-on-failure -j"$(nproc)"
