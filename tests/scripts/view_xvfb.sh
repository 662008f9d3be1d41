#!/usr/bin/env bash
# The interactive window driven like a person would, on a virtual X display:
# drag the hue slider (once past the window's edge), type a hex colour, copy
# the colour through the colour field's context menu and paste it into the
# compact field, check the screen's pixels, close with Ctrl+Q and read the
# saved document back; then reopen it, open a picture from the toolbar and
# close through SIGTERM.
#
# usage: view_xvfb.sh PATH-TO-gxa-host     (needs Xvfb, xdotool, ImageMagick)
set -euo pipefail

HOST=${1:?usage: view_xvfb.sh PATH-TO-gxa-host}
HOST=$(realpath "$HOST")
NAME=view_xvfb TOOLS=""
source "$(dirname "$0")/xvfb_session.sh"

# Ids of the chooser's gadgets.
COLOR_FIELD=65536002
HUE_SLIDER=65929220
HEX_FIELD=66322433
PICTURE_FILE=65798146
OPEN_PICTURE=1008

normalized_hex() { tr -d '#' <<<"$1" | tr '[:lower:]' '[:upper:]'; }
hex_is() { [ "$(normalized_hex "$(text_of color $HEX_FIELD)")" = "$1" ]; }
hex_differs() { [ "$(text_of color $HEX_FIELD)" != "$1" ]; }

expect_pixel() {
  local what=$1 px=$2 py=$3 want=$4
  near_pixel "$px" "$py" "$want" || fail "$what shows #$(pixel "$px" "$py" | tr -d ' ') at $px,$py, expected #$want (screenshot: $SHOT)"
}

drag() {  # x0 y0 x1 y1, in steps so that the drag loop sees the motion
  xdotool mousemove "$1" "$2" mousedown 1
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8))
    sleep 0.03
  done
  xdotool mouseup 1
}

start_display 90

# --- first session: edit, copy, paste, Ctrl+Q
start_view 1180x940 color $HEX_FIELD
initial=$(text_of color $HEX_FIELD)
[ -n "$initial" ] || fail "the hex field shows no text"
step "hex field shows $initial"

read -r x0 y0 < <(at color $HUE_SLIDER 20 50)
read -r x1 _ < <(at color $HUE_SLIDER 55 50)
drag "$x0" "$y0" "$x1" "$y0"
wait_for "dragging the hue slider left the colour at $initial" hex_differs "$initial"
dragged=$(text_of color $HEX_FIELD)
step "hue drag: $initial -> $dragged"
drag "$x1" "$y0" $((WIN_X + WIN_WIDTH + 60)) "$y0"
wait_for "a drag that left the window did not move the hue" hex_differs "$dragged"
step "hue drag past the window's edge: $dragged -> $(text_of color $HEX_FIELD)"

xdotool windowfocus --sync "$WIN"
# The window gets the click and the keys in this order, so no pause between them.
xdotool mousemove $(at color $HEX_FIELD 50 50) click 1
xdotool key ctrl+a
xdotool type --delay 40 '3366cc'
xdotool key Return
wait_for "typing 3366cc into the hex field gave $(text_of color $HEX_FIELD)" hex_is 3366CC
step "typed hex 3366CC"

# Escape closes a menu without choosing.
xdotool mousemove $(at swatch $COLOR_FIELD 25 50) click 3
wait_for "the compact field opened no context menu" menu_open
xdotool key Escape
wait_for "Escape left the menu open" menu_closed

choose_menu_entry color $COLOR_FIELD "Copy Color"
choose_menu_entry swatch $COLOR_FIELD "Paste Color"
step "copied the colour and pasted it into the compact field"

xdotool mousemove $((WIN_X + 4)) $((WIN_Y + WIN_HEIGHT - 4))
read -r fx fy < <(at color $COLOR_FIELD 25 50)
read -r sx sy < <(at swatch $COLOR_FIELD 25 50)
# The screen shows the state once a frame has been presented: poll it.
screen_shows() { import -window root "$SHOT" && near_pixel "$fx" "$fy" 3366CC && near_pixel "$sx" "$sy" 3366CC; }
for _ in $(seq 100); do screen_shows && break; sleep 0.1; done
expect_pixel "the colour field" "$fx" "$fy" 3366CC
expect_pixel "the compact field" "$sx" "$sy" 3366CC
step "screenshot: both fields show #3366CC"

# Ctrl+, opens the Preferences over the page, Escape closes them.
modal_is() { grep -qF "\"modal\":$1" "$LAYOUT"; }
xdotool mousemove $(at color $HEX_FIELD 50 50)
xdotool key ctrl+comma
wait_for "Ctrl+, opened no Preferences window" modal_is '"Preferences"'
xdotool key Escape
wait_for "Escape left the Preferences open" modal_is null
step "Escape closes the menu and the Preferences"

# Ctrl+S saves while the window stays open.
xdotool key ctrl+s
wait_for "Ctrl+S saved no document at $DOC" test -f "$DOC"
kill -0 "$VIEW_PID" || fail "the window closed on Ctrl+S"

xdotool key ctrl+q
stop_view "Ctrl+Q"
[ -f "$DOC" ] || fail "no document was saved at $DOC"

# --- the document holds the colour
value_of() {  # OBJECT-NAME -> "r g b" of its colour
  "$HOST" doc "$DOC" | grep -F "\"name\":\"$1\"" | sed -n 's/.*"value":\[\([-0-9.e]*\),\([-0-9.e]*\),\([-0-9.e]*\)\].*/\1 \2 \3/p'
}
for name in color.1 swatch.1; do
  read -r r g b < <(value_of "$name") || true
  [ -n "${r:-}" ] || fail "the saved document has no colour for $name: $("$HOST" doc "$DOC" | grep -F "$name")"
  awk -v r="$r" -v g="$g" -v b="$b" 'BEGIN { exit !((r-0.2)^2 < 1e-5 && (g-0.4)^2 < 1e-5 && (b-0.8)^2 < 1e-5) }' ||
    fail "$name was saved as ($r, $g, $b), expected (0.2, 0.4, 0.8)"
done
step "saved document keeps (0.2, 0.4, 0.8) for color.1 and swatch.1"

# --- second session: the colour comes back; Ctrl+Q quits from the Preferences
start_view 1180x940 color $HEX_FIELD
hex_is 3366CC || fail "the reopened document shows $(text_of color $HEX_FIELD), expected 3366CC"
xdotool windowfocus --sync "$WIN"
xdotool key ctrl+comma
wait_for "Ctrl+, opened no Preferences window" modal_is '"Preferences"'
xdotool key ctrl+q
stop_view "Ctrl+Q in the Preferences"
step "reopened with 3366CC and quit with Ctrl+Q while the Preferences were open"

# --- third session: a picture opened from the toolbar; SIGTERM saves and closes
start_view 1180x940 color $HEX_FIELD
PICTURE="$WORK/picture.png"
"$HOST" render --value 0.9,0.5,0.1 --out "$PICTURE" >/dev/null
xdotool windowfocus --sync "$WIN"
xdotool key ctrl+o
wait_for "Ctrl+O asked for no file" modal_is '"Open Picture"'
xdotool key Escape
wait_for "Escape left the file dialog open" modal_is null
xdotool mousemove $(at window $OPEN_PICTURE 50 50) click 1
wait_for "Open Picture... asked for no file" modal_is '"Open Picture"'
xdotool type --delay 20 "$PICTURE"
# The first Return takes the typed name, the second the dialog's OK.
xdotool key Return
xdotool key Return
picture_shown() { [ "$(text_of color $PICTURE_FILE)" = "$PICTURE" ]; }
wait_for "the first chooser shows no picture $PICTURE (file field: '$(text_of color $PICTURE_FILE)')" picture_shown
step "Ctrl+O asks for a picture; Open Picture... opened $PICTURE in the first chooser's picture mode"
kill -TERM "$VIEW_PID"
stop_view "SIGTERM"
step "closed on SIGTERM"
echo "view_xvfb: 1 passed, 0 failed"
