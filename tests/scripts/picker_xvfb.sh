#!/usr/bin/env bash
# The screen picker on a real X display: the root window painted a known
# colour, the picker started from the chooser's picker button, the colour
# field previewing what lies under the pointer, Escape bringing the colour
# back, a click taking the root's colour, the next click in the window going
# to the gadget under the pointer, and the saved document holding the colour.
#
# usage: picker_xvfb.sh PATH-TO-gxa-host    (needs Xvfb, xdotool, xsetroot, ImageMagick)
set -euo pipefail

HOST=${1:?usage: picker_xvfb.sh PATH-TO-gxa-host}
HOST=$(realpath "$HOST")
NAME=picker_xvfb TOOLS=xsetroot
source "$(dirname "$0")/xvfb_session.sh"

COLOR_FIELD=65536002
PICKER_BUTTON=65601545
ROOT_HEX=C86432   # (200, 100, 50)

# The compact field's chooser shows the picker button beside its colour field.
OWNER=swatch

# The picker's windows exist (override-redirect, named "color picker").
picking() { [ -n "$(xdotool search --name '^color picker$' 2>/dev/null)" ]; }
not_picking() { ! picking; }

# The colour field's pixel on a fresh screenshot is within 3 of HEX.
field_shows() {
  import -window root "$SHOT" 2>/dev/null || return 1
  local fx fy
  read -r fx fy < <(at $OWNER $COLOR_FIELD 25 50)
  LAST_FIELD=$(pixel "$fx" "$fy" | tr -d ' ')
  near_pixel "$fx" "$fy" "$1"
}

# --- a display of our own, its root painted
# -noreset: the root keeps its colour when xsetroot disconnects.
# A Wayland session would send the picker to the desktop portal instead.
unset WAYLAND_DISPLAY XDG_SESSION_TYPE
start_display 141 -noreset
xsetroot -solid "#$ROOT_HEX" || fail "xsetroot could not paint the root window"
start_view 700x800 $OWNER $PICKER_BUTTON
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

# --- the click after a pick lands where the pointer is, not on the picker
# button it last saw in the window
HUE_SLIDER=65929220
xdotool mousemove $(at tint $HUE_SLIDER 10 50) click 1
sleep 0.5
not_picking || fail "a click on another chooser's slider after the pick started the picker again"
field_shows $ROOT_HEX || fail "a click on another chooser's slider after the pick changed $OWNER's colour to ${LAST_FIELD:-nothing}"
step "the next click goes to the gadget under the pointer"

xdotool windowfocus --sync "$WIN" 2>/dev/null || true
xdotool key ctrl+q
stop_view "Ctrl+Q"

# --- the document holds the root's colour, as the pixel's bytes over 255
read -r r g b < <("$HOST" doc "$DOC" | grep -F "\"name\":\"$OWNER.1\"" |
  sed -n 's/.*"value":\[\([-0-9.e]*\),\([-0-9.e]*\),\([-0-9.e]*\)\].*/\1 \2 \3/p') || true
[ -n "${r:-}" ] || fail "the saved document has no colour for $OWNER.1"
awk -v r="$r" -v g="$g" -v b="$b" \
  'BEGIN { exit !((r-200/255)^2 < 1e-12 && (g-100/255)^2 < 1e-12 && (b-50/255)^2 < 1e-12) }' ||
  fail "$OWNER.1 was saved as ($r, $g, $b), expected (200, 100, 50) / 255"
step "the saved document holds ($r, $g, $b)"
echo "picker_xvfb: 1 passed, 0 failed"
