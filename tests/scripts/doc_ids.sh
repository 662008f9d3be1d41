#!/usr/bin/env bash
# Every ID the docs name is one the program knows; a made-up gadget, panel,
# preference or settings key in the prose fails the check and is named.
#
# usage: doc_ids.sh PATH-TO-gxa-host
set -euo pipefail
host=${1:?usage: doc_ids.sh PATH-TO-gxa-host}
repo=$(cd "$(dirname "$0")/../.." && pwd)
"$repo/scripts/doc_ids.sh" "$host"

docs=$(mktemp -d)
trap 'rm -rf "$docs"' EXIT
mkdir -p "$docs/docs"
cp "$repo/README.md" "$docs/"
cp "$repo"/docs/*.md "$docs/docs/"
{
  echo
  echo 'Click the gadget 0x3E8FFFF, open the panel 0x3E7...., set preference 1199 and `--settings zzzz=1`.'
  echo '```'
  echo 'a fenced block is the examples check'"'"'s: 0x3E8EEEE'
  echo '```'
} >>"$docs/docs/scenarios.md"
status=0
out=$("$repo/scripts/doc_ids.sh" --docs "$docs" "$host" 2>&1) || status=$?
fail() { echo "doc_ids test: $1"; echo "$out"; exit 1; }
[ "$status" -ne 0 ] || fail "made-up IDs passed the check"
for id in 0x3E8FFFF 0x3E7.... 1199 zzzz; do
  grep -q "docs/scenarios.md:[0-9]* names .* $id, which the program does not know" <<<"$out" || fail "$id not named"
done
grep -q 0x3E8EEEE <<<"$out" && fail "an ID inside a fenced block was checked"
[ "$(grep -c 'does not know' <<<"$out")" -eq 4 ] || fail "more than the made-up IDs were reported"
echo "doc_ids test: passed"
