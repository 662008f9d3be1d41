#!/usr/bin/env bash
# Start-up of the window: the time from starting `gxa-host view` to its first
# frame on the screen (the layout file it writes after the frame is shown),
# and the resident memory then, with the demo page, on a private Xvfb. Prints
# the median and the spread of RUNS starts, and beside them `gxa-host --version`
# (the process start alone) as the floor. Run it on an idle machine.
#
# usage: bench/startup.sh [PATH-TO-gxa-host] [RUNS]   (default: build/gxa-host, 7)
set -euo pipefail
cd "$(dirname "$0")/.."
host=$(realpath "${1:-build/gxa-host}")
runs=${2:-7}
command -v Xvfb >/dev/null || { echo "startup: Xvfb is missing (scripts/setup.sh tests installs it)" >&2; exit 2; }

work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.05; done

now() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { printf "%s (min %s, max %s)", v[int((NR + 1) / 2)], v[1], v[NR] }'; }

floor=()
times=()
rss=()
for i in $(seq "$runs"); do
  t0=$(now)
  "$host" --version >/dev/null
  floor+=($((($(now) - t0) / 1000000)))

  home="$work/home$i" layout="$work/layout$i.json"
  mkdir -p "$home"
  t0=$(now)
  DISPLAY=$display "$host" view --home "$home" --dump-layout "$layout" >"$work/view$i.log" 2>&1 &
  pid=$!
  for _ in $(seq 2000); do [ -s "$layout" ] && break; sleep 0.002; done
  [ -s "$layout" ] || { echo "startup: no first frame in 4 s" >&2; cat "$work/view$i.log" >&2; exit 1; }
  times+=($((($(now) - t0) / 1000000)))
  rss+=($(awk '/^VmRSS/ { print int($2 / 1024) }' "/proc/$pid/status"))
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done

echo "startup: first frame of the demo page: $(printf '%s\n' "${times[@]}" | median) ms over $runs starts"
echo "startup: resident memory at the first frame: $(printf '%s\n' "${rss[@]}" | median) MB"
echo "startup: process start alone (--version): $(printf '%s\n' "${floor[@]}" | median) ms"
