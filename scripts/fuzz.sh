#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz (clang, ASan + UBSan, on top of
# the regular build in build/) and runs one or all of them.
#
# usage: scripts/fuzz.sh [TARGET|all] [SECONDS]
#        scripts/fuzz.sh --smoke [TARGET|all]
#   TARGET: the name of a tests/fuzz/TARGET_fuzz.cpp (containercodec, storedfiles,
#   documentjson, scenario, cliargs, colortext, presetitem, presetindex, gplpalette,
#   asepalette, picturefile, portalresponse, filechooserresponse, swatchbytes, swatchpreset,
#   hostcall, clipboardcolor, recentfolders)
#
# A long run fuzzes each target for SECONDS (default 600) with a random seed,
# starting from its seeds, the inputs kept in tests/fuzz/corpus/TARGET/ and the
# corpus it grew before in build-fuzz/corpus/TARGET.
#
# The smoke (CI) is deterministic, so one commit always gives one answer: each
# target replays its seeds and kept inputs from a fresh corpus, then makes a
# fixed number of mutations from the fixed seed 1.
#
# A crash, a leak, a timeout (an input running longer than FUZZ_TIMEOUT
# seconds, default 60) or a broken promise stops the target and leaves the
# input in build-fuzz/findings/TARGET/; the script then exits 1. Keep such an
# input in tests/fuzz/corpus/TARGET/ with its fix in the same commit.
set -euo pipefail
cd "$(dirname "$0")/.."
smoke=0
if [ "${1:-}" = --smoke ]; then smoke=1; shift; fi
target=${1:-all}
seconds=${2:-600}
dir=${FUZZ_BUILD:-build-fuzz}
mapfile -t all < <(ls tests/fuzz/*_fuzz.cpp | sed 's#.*/\(.*\)_fuzz\.cpp#\1#')
if [ "$target" = all ]; then targets=("${all[@]}"); else targets=("$target"); fi
for t in "${targets[@]}"; do
  [ -f "tests/fuzz/${t}_fuzz.cpp" ] || { echo "fuzz: no target '$t' (${all[*]})" >&2; exit 2; }
done

# Smoke mutations a target, about 20 s each on one core of this project's machines
# (pictures decode slowly under the sanitizers: about 700 a second).
declare -A SMOKE_RUNS=(
  [asepalette]=1000000 [cliargs]=250000 [colortext]=2000000 [containercodec]=800000
  [documentjson]=600000 [gplpalette]=700000 [hostcall]=200000 [picturefile]=60000
  [portalresponse]=1000000 [presetindex]=2000000 [recentfolders]=1000000 [presetitem]=1000000 [scenario]=100000
  [storedfiles]=1200 [swatchbytes]=1000000 [swatchpreset]=1200000
)
# The fuzzer files comparisons by code address, so a fixed seed repeats only
# without address-space randomisation.
fixed=()
if setarch "$(uname -m)" -R true 2>/dev/null; then fixed=(setarch "$(uname -m)" -R); fi

scripts/setup.sh tests fuzz >/dev/null
# The host's libraries come from the regular build; the targets and the
# parsers they feed are compiled with clang and libFuzzer on top.
scripts/build.sh build >/dev/null
CC=clang CXX=clang++ cmake -S tests/fuzz -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGXA_BUILD="$PWD/build" >/dev/null
cmake --build "$dir" -j"$(nproc)" --target "${targets[@]/%/_fuzz}" >/dev/null

status=0
for t in "${targets[@]}"; do
  corpus="$dir/corpus/$t" findings="$dir/findings/$t"
  if [ "$smoke" = 1 ]; then
    corpus="$dir/smoke/$t"
    rm -rf "$corpus"
    limits=(-seed=1 -reload=0 -runs="${SMOKE_RUNS[$t]:-100000}")
    what="$t: seed 1, ${SMOKE_RUNS[$t]:-100000} runs"
  else
    limits=(-max_total_time="$seconds")
    what="$t for ${seconds}s"
  fi
  mkdir -p "$corpus" "$findings"
  if [ -d "tests/fuzz/corpus/$t" ]; then cp -f "tests/fuzz/corpus/$t"/* "$corpus"/ 2>/dev/null || true; fi
  log="$dir/fuzz-$t.log"
  echo "fuzz: $what"
  run=("$dir/${t}_fuzz")
  if [ "$smoke" = 1 ]; then run=("${fixed[@]}" "${run[@]}"); fi
  if ! GXA_FUZZ_SEEDS="$corpus" ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      "${run[@]}" "${limits[@]}" -timeout=${FUZZ_TIMEOUT:-60} -rss_limit_mb=2048 -max_len=65536 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1; then
    echo "fuzz: $t FOUND a problem; see $log and $findings/" >&2
    grep -m5 -E 'ERROR|SUMMARY|broken promise|runtime error' "$log" >&2 || true
    status=1
    continue
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  cov=$(grep -oE 'cov: [0-9]+' "$log" | tail -n1)
  echo "fuzz: $t clean: $runs runs, $rate per second, $cov, corpus $(ls "$corpus" | wc -l) inputs"
done
exit "$status"
