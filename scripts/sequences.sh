#!/usr/bin/env bash
# Plays COUNT random sessions of use (default 200) from SEED (default 1) and
# prints how many ran, their steps, the time and every failure; each failure
# is shrunk to the fewest steps and written as a scenario into
# $GXA_SEQUENCES_OUT (default build/sequences). BUILD names the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-200}
seed=${2:-1}
build=${BUILD:-build}
out=${GXA_SEQUENCES_OUT:-$build/sequences}
mkdir -p "$out"
cmake --build "$build" -j2 --target test_sequences colorchooser gxa-host >/dev/null
status=0
GXA_SEQUENCES="$count:$seed" GXA_SEQUENCES_OUT="$(cd "$out" && pwd)" \
  "$build/tests/test_sequences" --gtest_filter='RandomSequences.*' --gtest_brief=1 || status=$?
exit $status
