#!/usr/bin/env bash
# The screen picker on a real X display: the root window painted a known
# colour, the picker started from the chooser's picker button, the colour
# field previewing what lies under the pointer, Escape bringing the colour
# back, a click taking the root's colour, and the saved document holding it.
#
# usage: picker_xvfb.sh PATH-TO-gxa-host    (needs Xvfb, xdotool, xsetroot, ImageMagick)
set -euo pipefail

HOST=${1:?usage: picker_xvfb.sh PATH-TO-gxa-host}
HOST=$(realpath "$HOST")
for tool in Xvfb xdotool xsetroot import convert; do
  command -v "$tool" >/dev/null || { echo "picker_xvfb: FAIL: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

WORK=$(mktemp -d)
HOME_DIR="$WORK/home"
LAYOUT="$WORK/layout.json"
SHOT="$WORK/screen.png"
DOC="$HOME_DIR/data/gxa-host/demo.gxd"
XVFB_PID=""
VIEW_PID=""

COLOR_FIELD=65536002
PICKER_BUTTON=65601545
ROOT_HEX=C86432   # (200, 100, 50)

cleanup() {
  [ -n "$VIEW_PID" ] && kill "$VIEW_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  if [ "${KEEP:-0}" = 1 ]; then echo "picker_xvfb: files kept in $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT

fail() {
  echo "picker_xvfb: FAIL: $*" >&2
  [ -f "$WORK/view.log" ] && sed 's/^/  view: /' "$WORK/view.log" >&2
  KEEP=1
  exit 1
}
step() { echo "picker_xvfb: $*"; }

# Polls a command for up to ~30 s (the machine may be busy with other tests).
wait_for() {
  local message=$1; shift
  for _ in $(seq 300); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  fail "$message"
}

gadget_line() { grep -F "{\"owner\":\"$1\",\"id\":$2," "$LAYOUT" | head -n1; }
has_gadget() { [ -n "$(gadget_line "$1" "$2")" ]; }
# Screen position of a point in a gadget: OWNER ID FX FY (percent of its frame).
at() {
  local line x y w h
  line=$(gadget_line "$1" "$2")
  [ -n "$line" ] || fail "no gadget $1/$2 on the screen"
  read -r x y w h < <(sed 's/.*"frame":\[\([-0-9]*\),\([-0-9]*\),\([-0-9]*\),\([-0-9]*\)\].*/\1 \2 \3 \4/' <<<"$line")
  echo $((WIN_X + x + w * $3 / 100)) $((WIN_Y + y + h * $4 / 100))
}

# The compact field's chooser shows the picker button beside its colour field.
OWNER=swatch

# The picker's windows exist (override-redirect, named "color picker").
picking() { [ -n "$(xdotool search --name '^color picker$' 2>/dev/null)" ]; }
not_picking() { ! picking; }

# The colour field's pixel on a fresh screenshot is within 3 of HEX.
field_shows() {
  import -window root "$SHOT" 2>/dev/null || return 1
  local fx fy got
  read -r fx fy < <(at $OWNER $COLOR_FIELD 25 50)
  got=$(convert "$SHOT" -crop "1x1+$fx+$fy" -depth 8 txt:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p')
  LAST_FIELD=$got
  [ ${#got} -eq 6 ] || return 1
  local i
  for i in 0 2 4; do
    local d=$(( 16#${got:$i:2} - 16#${1:$i:2} ))
    [ ${d#-} -le 3 ] || return 1
  done
}

# --- a display of our own, its root painted
DISPLAY_NUMBER=""
for n in $(seq 141 190); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then DISPLAY_NUMBER=$n; break; fi
done
[ -n "$DISPLAY_NUMBER" ] || fail "no free X display number"
# -noreset: the root keeps its colour when xsetroot disconnects.
Xvfb ":$DISPLAY_NUMBER" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
export DISPLAY=":$DISPLAY_NUMBER"
# A Wayland session would send the picker to the desktop portal instead.
unset WAYLAND_DISPLAY XDG_SESSION_TYPE
wait_for "Xvfb did not start on $DISPLAY" test -S "/tmp/.X11-unix/X$DISPLAY_NUMBER"
xsetroot -solid "#$ROOT_HEX" || fail "xsetroot could not paint the root window"
mkdir -p "$HOME_DIR"

ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
"$HOST" view --home "$HOME_DIR" --scale 1 --size 700x800 --dump-layout "$LAYOUT" >"$WORK/view.log" 2>&1 &
VIEW_PID=$!
wait_for "the window never showed its page (no layout written)" has_gadget $OWNER $PICKER_BUTTON
WIN=$(timeout 30 xdotool search --sync --onlyvisible --name 'gxa-host' | head -n1) || fail "no window named gxa-host"
eval "$(xdotool getwindowgeometry --shell "$WIN" | sed 's/^/WIN_/')"
step "window $WIN at $WIN_X,$WIN_Y size ${WIN_WIDTH}x$WIN_HEIGHT"
# A point of the root window beside the host's window.
ROOT_X=$(( WIN_X > 40 ? 20 : WIN_X + WIN_WIDTH + 20 ))
ROOT_Y=20
sleep 0.5
field_shows 000000 || true
initial=$LAST_FIELD
[ -n "$initial" ] && [ "$initial" != "$ROOT_HEX" ] || fail "the colour field shows '$initial' at the start"
step "the colour field shows #$initial"

# --- hover previews, Escape restores
xdotool mousemove $(at $OWNER $PICKER_BUTTON 50 50) click 1
wait_for "the picker button started no picker (no window named 'color picker')" picking
xdotool mousemove "$ROOT_X" "$ROOT_Y"
wait_for "hovering the root window did not preview #$ROOT_HEX in the colour field (shows ${LAST_FIELD:-nothing})" field_shows $ROOT_HEX
step "hovering the root previews #$ROOT_HEX"
xdotool key Escape
wait_for "Escape left the picker running" not_picking
wait_for "Escape did not bring back #$initial (the field shows ${LAST_FIELD:-nothing})" field_shows "$initial"
step "Escape restores #$initial"

# --- a click takes the colour
xdotool mousemove $(at $OWNER $PICKER_BUTTON 50 50) click 1
wait_for "the picker button started no picker the second time" picking
xdotool mousemove "$ROOT_X" "$ROOT_Y"
sleep 0.2
xdotool click 1
wait_for "the click left the picker running" not_picking
wait_for "the colour field does not show the picked #$ROOT_HEX (shows ${LAST_FIELD:-nothing})" field_shows $ROOT_HEX
step "a click picks #$ROOT_HEX"

xdotool windowfocus --sync "$WIN" 2>/dev/null || true
xdotool key ctrl+q
for _ in $(seq 300); do kill -0 "$VIEW_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$VIEW_PID" 2>/dev/null && fail "the window did not close on Ctrl+Q"
status=0
wait "$VIEW_PID" || status=$?
VIEW_PID=""
[ "$status" -eq 0 ] || fail "gxa-host view exited with $status"

# --- the document holds the root's colour, as the pixel's bytes over 255
read -r r g b < <("$HOST" doc "$DOC" | grep -F "\"name\":\"$OWNER.1\"" |
  sed -n 's/.*"value":\[\([-0-9.e]*\),\([-0-9.e]*\),\([-0-9.e]*\)\].*/\1 \2 \3/p') || true
[ -n "${r:-}" ] || fail "the saved document has no colour for $OWNER.1"
awk -v r="$r" -v g="$g" -v b="$b" \
  'BEGIN { exit !((r-200/255)^2 < 1e-12 && (g-100/255)^2 < 1e-12 && (b-50/255)^2 < 1e-12) }' ||
  fail "$OWNER.1 was saved as ($r, $g, $b), expected (200, 100, 50) / 255"
step "the saved document holds ($r, $g, $b)"
echo "picker_xvfb: 1 passed, 0 failed"
