#!/usr/bin/env bash
# Runs the unit tests under valgrind's memcheck: no invalid read or write, no
# use of an uninitialised value, no leak. Valgrind needs a build without the
# sanitizers (the default build folder is one).
#
# usage: scripts/valgrind.sh [BUILD-DIR] [TEST-REGEX]   (default: build, every test_* binary)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
filter=${2:-.}
command -v valgrind >/dev/null || scripts/setup.sh valgrind >/dev/null
[ -d "$dir/tests" ] || { echo "valgrind: no tests in $dir (build first: scripts/build.sh $dir)" >&2; exit 2; }
status=0
for exe in "$dir"/tests/test_*; do
  [ -x "$exe" ] || continue
  name=$(basename "$exe")
  [[ $name =~ $filter ]] || continue
  log="$dir/valgrind-$name.log"
  # The X and D-Bus client libraries and the font library keep caches until
  # exit; valgrind.supp names them so that only the project's own leaks count.
  if valgrind --tool=memcheck --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite \
      --show-leak-kinds=definite --track-origins=no --suppressions=scripts/valgrind.supp \
      "$exe" --gtest_brief=1 >"$log" 2>&1; then
    echo "valgrind: $name clean"
  else
    echo "valgrind: $name FAILED (see $log)" >&2
    grep -m10 -E '^==[0-9]+== (Invalid|Conditional|Use of|.*definitely lost|ERROR SUMMARY)|FAILED' "$log" >&2 || true
    status=1
  fi
done
exit "$status"
