#!/usr/bin/env bash
# Formats the C and C++ sources by the .clang-format nearest to each file
# (the host's style at the top, the module's style in its folders).
#   scripts/format.sh          rewrite the files in place
#   scripts/format.sh --check  change nothing; list unformatted files, fail if any
set -euo pipefail
cd "$(dirname "$0")/.."
CLANG_FORMAT=${CLANG_FORMAT:-clang-format}
if ! command -v "$CLANG_FORMAT" >/dev/null; then scripts/setup.sh format >/dev/null; fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
case "${1:-}" in
  "")
    printf '%s\0' "${files[@]}" | xargs -0 -n 50 "$CLANG_FORMAT" -i
    ;;
  --check)
    # One clang-format per batch; a batch that fails is checked file by file
    # to name the culprits.
    unformatted=()
    for ((i = 0; i < ${#files[@]}; i += 100)); do
      batch=("${files[@]:i:100}")
      "$CLANG_FORMAT" --dry-run --Werror "${batch[@]}" >/dev/null 2>&1 && continue
      for f in "${batch[@]}"; do
        if ! "$CLANG_FORMAT" --dry-run --Werror "$f" >/dev/null 2>&1; then unformatted+=("$f"); fi
      done
    done
    if [ ${#unformatted[@]} -gt 0 ]; then
      printf 'format: not formatted: %s\n' "${unformatted[@]}" >&2
      echo "format: run scripts/format.sh" >&2
      exit 1
    fi
    echo "format: ${#files[@]} files formatted"
    ;;
  *)
    echo "usage: scripts/format.sh [--check]" >&2
    exit 2
    ;;
esac
