#!/usr/bin/env bash
# The window and another X program share the clipboard, on a virtual X
# display with xclip as the other program: Copy Color and Ctrl+C in the hex
# field put #RRGGBB where xclip reads it, a selection in the hex field becomes
# the primary selection, colour text that xclip offers pastes into the hex
# field with Ctrl+V and over a chooser without one, and a text that is no
# colour is refused in the status line with the colour kept.
#
# usage: clipboard_xvfb.sh PATH-TO-gxa-host     (needs Xvfb, xdotool, ImageMagick, xclip)
set -euo pipefail

HOST=${1:?usage: clipboard_xvfb.sh PATH-TO-gxa-host}
HOST=$(realpath "$HOST")
NAME=clipboard_xvfb TOOLS="xclip"
source "$(dirname "$0")/xvfb_session.sh"

COLOR_FIELD=65536002
HEX_FIELD=66322433
STATUS=1006

# The field shows what was typed, in the case it was typed in.
hex_is() { [ "$(text_of color $HEX_FIELD | tr '[:lower:]' '[:upper:]')" = "$1" ]; }
clipboard_is() { [ "$(timeout 5 xclip -o -selection "$1" 2>/dev/null)" = "$2" ]; }
primary_is() { [ "$(timeout 5 xclip -o -selection primary 2>/dev/null | tr '[:lower:]' '[:upper:]')" = "$1" ]; }
# xclip keeps serving what it was given in the background until another
# program takes the selection over.
offer() { printf '%s' "$1" | xclip -selection clipboard -i; }
status_says() { gadget_line window $STATUS | grep -qF "$1"; }

type_hex() {
  xdotool mousemove $(at color $HEX_FIELD 50 50) click 1
  xdotool key ctrl+a
  xdotool type --delay 40 "$1"
  xdotool key Return
}

start_display 110
start_view 1180x940 color $HEX_FIELD
xdotool windowfocus --sync "$WIN"
type_hex 3366cc
wait_for "typing 3366cc into the hex field gave $(text_of color $HEX_FIELD)" hex_is 3366CC

# --- copy: the context menu, then Ctrl+C in the hex field
offer "something else"
choose_menu_entry color $COLOR_FIELD "Copy Color"
wait_for "Copy Color left '$(timeout 5 xclip -o -selection clipboard)' on the clipboard, expected #3366CC" \
  clipboard_is clipboard "#3366CC"
step "Copy Color: xclip reads #3366CC"

offer "something else"
xdotool mousemove $(at color $HEX_FIELD 50 50) click --repeat 2 1
wait_for "a double click in the hex field made no primary selection of 3366CC" primary_is 3366CC
xdotool key ctrl+c
wait_for "Ctrl+C in the hex field left '$(timeout 5 xclip -o -selection clipboard)', expected #3366CC" \
  clipboard_is clipboard "#3366CC"
step "Ctrl+C in the hex field: xclip reads #3366CC; the selected digits are the primary selection"

# --- paste from xclip: into the hex field, and over the compact chooser
offer "rgb(255, 128, 0)"
xdotool mousemove $(at color $HEX_FIELD 50 50) click 1
xdotool key ctrl+v
wait_for "Ctrl+V of rgb(255, 128, 0) gave the hex field $(text_of color $HEX_FIELD)" hex_is FF8000
step "Ctrl+V of rgb(255, 128, 0) in the hex field: FF8000"

offer "banana"
xdotool key ctrl+v
wait_for "a text that is no colour was not refused in the status line" status_says "Not pasted"
hex_is FF8000 || fail "a refused paste changed the hex field to $(text_of color $HEX_FIELD)"
step "Ctrl+V of banana: refused in the status line, the colour stays"

offer "RebeccaPurple"
# A press on the page outside any field leaves no gadget with the focus.
read -r px py < <(at swatch $COLOR_FIELD 50 50)
xdotool mousemove $((WIN_X + 2)) "$py" click 1
xdotool mousemove "$px" "$py" key ctrl+v
swatch_shows() { import -window root "$SHOT" && near_pixel "$px" "$py" 663399; }
wait_for "Ctrl+V of RebeccaPurple over the compact chooser did not make it #663399 (screenshot: $SHOT)" swatch_shows
step "Ctrl+V of RebeccaPurple over the compact chooser: #663399"

xdotool key ctrl+q
stop_view "Ctrl+Q"
echo "clipboard_xvfb: 1 passed, 0 failed"
