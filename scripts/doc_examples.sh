#!/usr/bin/env bash
# Makes the example transcripts and command output in the docs from real
# runs, so that they never drift from what the program prints. A fenced
# block right after a marker line is replaced by the command and its output
# (standard output and standard error, and the exit status when not 0):
#
#   <!-- example: gxa-host call colortools KelvinToColor 6500 0 -->
#   ```console
#   ...regenerated...
#   ```
#
# Several commands separated by " ;; " run one after the other in one
# folder. The command runs under bash in an empty folder that holds `tests` and
# `docs` of the repository, with a fresh HOME and no display, and `gxa-host`
# is the built one. `<!-- every-verb-help -->` ... `<!-- end every-verb-help -->`
# is filled with `gxa-host VERB --help` for every verb the program lists.
#
# usage: scripts/doc_examples.sh [--check] [PATH-TO-gxa-host]   (default: build/gxa-host)
#   --check: change nothing; fail and show the difference when a doc is out of date.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
CHECK=0
if [ "${1:-}" = "--check" ]; then CHECK=1; shift; fi
HOST=$(realpath "${1:-build/gxa-host}")
[ -x "$HOST" ] || { echo "doc_examples: no gxa-host at $HOST (build first)" >&2; exit 1; }
BUILD=$(dirname "$HOST")
DOCS=(README.md docs/host.md docs/scenarios.md)

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/bin"
ln -s "$HOST" "$WORK/bin/gxa-host"

# Runs one example's commands (separated by " ;; ") one after the other in
# the same folder; prints the block's content.
run_example() {
  local commands=$1 command dir status output
  dir=$(mktemp -d "$WORK/run.XXXX")
  mkdir -p "$dir/home"
  ln -s "$ROOT/tests" "$dir/tests"
  ln -s "$ROOT/docs" "$dir/docs"
  # A sanitizer build's options (its leak suppressions) reach the examples too.
  sanitizer_env=()
  for var in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [ -n "${!var:-}" ] && sanitizer_env+=("$var=${!var}")
  done
  while [ -n "$commands" ]; do
    command=${commands%% ;; *}
    if [ "$command" = "$commands" ]; then commands=""; else commands=${commands#* ;; }; fi
    status=0
    output=$(cd "$dir" && env -i PATH="$WORK/bin:/usr/bin:/bin" HOME="$dir/home" LANG=C.UTF-8 TZ=UTC \
               "${sanitizer_env[@]}" bash -c "$command" 2>&1) || status=$?
    # Paths of this machine, as a reader's would read.
    output=${output//"$BUILD"/build}
    output=${output//"$dir"/\/tmp\/example}
    printf '$ %s\n' "$command"
    [ -n "$output" ] && printf '%s\n' "$output"
    [ "$status" -eq 0 ] || printf '(exit status %d)\n' "$status"
  done
}

every_verb_help() {
  local verb
  for verb in $("$HOST" --help | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p'); do
    printf '### `gxa-host %s --help`\n\n```console\n' "$verb"
    run_example "gxa-host $verb --help"
    printf '```\n\n'
  done
}

# Regenerates one file onto standard output.
regenerate() {
  local file=$1 line command state=text
  while IFS= read -r line || [ -n "$line" ]; do
    case $state in
      text)
        printf '%s\n' "$line"
        if [[ $line =~ ^\<!--\ example:\ (.*)\ --\>$ ]]; then
          command=${BASH_REMATCH[1]}
          state=before
        elif [[ $line == '<!-- every-verb-help -->' ]]; then
          printf '\n'
          every_verb_help
          state=verbs
        fi
        ;;
      before)  # the opening fence of the block that follows the marker
        if [[ $line == '```'* ]]; then
          printf '%s\n' "$line"
          run_example "$command"
          state=block
        else
          echo "doc_examples: $file: a fenced block must follow '<!-- example: $command -->'" >&2
          return 1
        fi
        ;;
      block)
        if [[ $line == '```' ]]; then printf '%s\n' "$line"; state=text; fi
        ;;
      verbs)
        if [[ $line == '<!-- end every-verb-help -->' ]]; then printf '%s\n' "$line"; state=text; fi
        ;;
    esac
  done <"$file"
  [ "$state" = text ] || { echo "doc_examples: $file: a block or section is not closed" >&2; return 1; }
}

stale=0
for doc in "${DOCS[@]}"; do
  new="$WORK/$(basename "$doc").new"
  regenerate "$doc" >"$new"
  if cmp -s "$doc" "$new"; then continue; fi
  if [ "$CHECK" = 1 ]; then
    echo "doc_examples: $doc does not show what the program prints now:" >&2
    diff -u "$doc" "$new" | sed 's/^/  /' >&2 || true
    stale=1
  else
    cp "$new" "$doc"
    echo "doc_examples: updated $doc"
  fi
done
if [ "$stale" = 1 ]; then
  echo "doc_examples: run 'scripts/doc_examples.sh' (it rewrites the examples from real runs) and commit the docs" >&2
  exit 1
fi
