#!/usr/bin/env bash
# Checks that every gadget, state entry, panel, settings key and preference
# ID the prose of the docs names is one the program knows, as the examples
# are checked by running them. The program's own lists are the truth: the
# gadgets and state of choosers in every mode (a scenario's `gadgets` and
# `state` steps) and `gxa-host info` (settings keys, preferences, panels).
# Fenced blocks are left out: scripts/doc_examples.sh makes them from real
# runs.
#
# usage: scripts/doc_ids.sh [--docs DIR] [PATH-TO-gxa-host]   (default: the repository, build/gxa-host)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
if [ "${1:-}" = --docs ]; then root=$(realpath "$2"); shift 2; fi
host=$(realpath "${1:-build/gxa-host}")
[ -x "$host" ] || { echo "doc_ids: no gxa-host at $host (build first)" >&2; exit 1; }
docs=("$root/README.md" "$root"/docs/*.md)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Choosers that between them show every panel: the picture with its mosaic,
# the wheel with the sliders, Kelvin, mixer and swatches, the spectrum, the
# compact form, and alpha with brightness.
cat >"$work/every-mode.json" <<'EOF'
{"steps": [
  {"do": "prefs", "set": {"1119": 3}},
  {"do": "open", "id": "picture", "value": [0.5, 0.2, 0.1]},
  {"do": "click", "id": "picture", "gadget": "0x3EC0009"},
  {"do": "prefs", "set": {"1119": 1, "1110": true, "1114": true, "1115": true, "1116": true}},
  {"do": "open", "id": "wheel", "value": [0.5, 0.2, 0.1]},
  {"do": "prefs", "set": {"1119": 2, "1110": false, "1114": false, "1115": false, "1116": false}},
  {"do": "open", "id": "spectrum", "value": [0.5, 0.2, 0.1]},
  {"do": "prefs", "set": {"1119": 0, "1124": true}},
  {"do": "open", "id": "compact", "value": [0.5, 0.2, 0.1]},
  {"do": "prefs", "set": {"1124": false}},
  {"do": "open", "id": "light", "settings": {"retT": 2}, "value": [0.5, 0.2, 0.1]},
  {"do": "open", "id": "alpha", "settings": {"acol": 1}, "value": [0.5, 0.2, 0.1, 0.5]},
  {"do": "gadgets", "id": "picture"}, {"do": "state", "id": "picture"},
  {"do": "gadgets", "id": "wheel"}, {"do": "state", "id": "wheel"},
  {"do": "gadgets", "id": "spectrum"}, {"do": "gadgets", "id": "compact"},
  {"do": "gadgets", "id": "light"}, {"do": "gadgets", "id": "alpha"}, {"do": "state", "id": "alpha"}
]}
EOF
"$host" run "$work/every-mode.json" >"$work/transcript.json"
grep -oE '0x3[0-9A-F]{6}' "$work/transcript.json" | sort -u >"$work/ids"
"$host" info >"$work/info"
sed -n '/^world preferences/,/^$/s/^  \([0-9][0-9]*\) .*/\1/p' "$work/info" | sort -u >"$work/prefs"
sed -n '/^settings keys/,/^$/s/^  \([A-Za-z0-9]\{4\}\) .*/\1/p' "$work/info" | sort -u >"$work/keys"
sed -n '/^gadget IDs/,$p' "$work/info" | grep -oE '0x3[0-9A-F]{2}\.\.\.\.' | sort -u >"$work/panels"
[ -s "$work/ids" ] && [ -s "$work/prefs" ] && [ -s "$work/keys" ] && [ -s "$work/panels" ] ||
  { echo "doc_ids: the program listed no IDs" >&2; exit 1; }

# Prose only: fenced blocks dropped; each line keeps its file and number.
for doc in "${docs[@]}"; do
  awk -v name="${doc#"$root"/}" '/^```/ { fenced = !fenced; next } !fenced { print name ":" FNR ": " $0 }' "$doc"
done >"$work/prose"

# Checks each match of PATTERN in the prose: the part of it that ID-PATTERN
# matches must be in the list.
status=0
check() {  # WHAT LIST-FILE PATTERN ID-PATTERN
  local where match token
  while IFS=$'\t' read -r where match; do
    token=$(grep -oE "$4" <<<"$match" | tail -n1)
    grep -qxF -e "$token" "$2" && continue
    echo "doc_ids: $where names $1 $token, which the program does not know" >&2
    status=1
  done < <(grep -oE -e "^[^ ]+ |$3" "$work/prose" | awk '/^[^ ]+ $/ { where = substr($0, 1, length($0) - 2); next } { print where "\t" $0 }')
}
check "gadget or state ID" "$work/ids" '0x3[0-9A-F]{6}\b' '0x3[0-9A-F]{6}'
check "panel" "$work/panels" '0x3[0-9A-F]{2}\.\.\.\.' '0x3[0-9A-F]{2}\.\.\.\.'
check "preference" "$work/prefs" '(preferences? |--prefs |\{"|, ")1[0-9]{3}\b' '1[0-9]{3}$'
check "settings key" "$work/keys" '(--settings |settings key `)[a-zA-Z]{4}[=`]' '[a-zA-Z]{4}'
[ "$status" -eq 0 ] && echo "doc_ids: every ID in ${#docs[@]} docs is one the program knows"
exit "$status"
