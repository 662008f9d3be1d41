#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz (clang, ASan + UBSan, on top of
# the regular build in build/) and runs
# one or all of them, each for SECONDS (default 600), starting from its seeds
# and the corpus kept in build-fuzz/corpus/TARGET. A crash, a leak, a timeout
# (an input running longer than FUZZ_TIMEOUT seconds, default 60)
# or a broken promise stops the target and leaves the input in
# build-fuzz/findings/TARGET/; the script then exits 1.
#
# usage: scripts/fuzz.sh [TARGET|all] [SECONDS]
#   TARGET: the name of a tests/fuzz/TARGET_fuzz.cpp (containercodec, storedfiles,
#   documentjson, scenario, cliargs, colortext, presetitem, presetindex, gplpalette,
#   asepalette, picturefile, portalresponse, swatchbytes, swatchpreset, hostcall)
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:-all}
seconds=${2:-600}
dir=${FUZZ_BUILD:-build-fuzz}
mapfile -t all < <(ls tests/fuzz/*_fuzz.cpp | sed 's#.*/\(.*\)_fuzz\.cpp#\1#')
if [ "$target" = all ]; then targets=("${all[@]}"); else targets=("$target"); fi
for t in "${targets[@]}"; do
  [ -f "tests/fuzz/${t}_fuzz.cpp" ] || { echo "fuzz: no target '$t' (${all[*]})" >&2; exit 2; }
done

# The host's libraries come from the regular build; the targets and the
# parsers they feed are compiled with clang and libFuzzer on top.
scripts/build.sh build >/dev/null
CC=clang CXX=clang++ cmake -S tests/fuzz -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGXA_BUILD="$PWD/build" >/dev/null
cmake --build "$dir" -j"$(nproc)" --target "${targets[@]/%/_fuzz}" >/dev/null

status=0
for t in "${targets[@]}"; do
  corpus="$dir/corpus/$t" findings="$dir/findings/$t"
  mkdir -p "$corpus" "$findings"
  log="$dir/fuzz-$t.log"
  echo "fuzz: $t for ${seconds}s"
  if ! GXA_FUZZ_SEEDS="$corpus" ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      "$dir/${t}_fuzz" -max_total_time="$seconds" -timeout=${FUZZ_TIMEOUT:-60} -rss_limit_mb=2048 -max_len=65536 \
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
