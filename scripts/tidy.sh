#!/usr/bin/env bash
# Static checks (.clang-tidy: bugprone, performance, some cert) over the
# host's and the module's sources; prints each finding and exits 1 when there
# is one. Each finding is fixed, or justified in one line where it stays
# (a NOLINT with its reason, or a check left out in .clang-tidy).
#
# usage: scripts/tidy.sh [FILE...]    (default: every source of host, apps, framework, source)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh tests tidy >/dev/null
dir=${TIDY_BUILD:-build-tidy}
if [ ! -f "$dir/compile_commands.json" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DGXA_BUILD_BENCH=OFF >/dev/null
fi
# The compiler launcher (ccache) is not a compiler clang-tidy knows.
sed -i 's#"[^" ]*ccache #"#' "$dir/compile_commands.json"
if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(find host apps framework source colorscience -name '*.cpp' | sort)
fi
log=$(mktemp)
trap 'rm -f "$log" "$log.found"' EXIT
printf '%s\n' "${files[@]}" |
  xargs -P "$(nproc)" -n 8 clang-tidy -p "$dir" --quiet 2>/dev/null >"$log" || true
# A header's finding is reported once for each file that includes it.
{ grep -E '^[^ ].*:[0-9]+:[0-9]+: (warning|error):' "$log" || true; } | sort -u >"$log.found"
cat "$log.found"
findings=$(wc -l <"$log.found")
echo "tidy: ${#files[@]} files, $findings findings"
[ "$findings" -eq 0 ]
