#!/usr/bin/env bash
# The interactive window driven like a person would, on a virtual X display:
# drag the hue slider (once past the window's edge), type a hex colour, copy
# the colour through the colour field's context menu and paste it into the
# compact field, check the screen's pixels, close with Ctrl+Q and read the
# saved document back; then reopen it and close through SIGTERM.
#
# usage: view_xvfb.sh PATH-TO-gxa-host     (needs Xvfb, xdotool, ImageMagick)
set -euo pipefail

HOST=${1:?usage: view_xvfb.sh PATH-TO-gxa-host}
HOST=$(realpath "$HOST")
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "view_xvfb: FAIL: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

WORK=$(mktemp -d)
HOME_DIR="$WORK/home"
LAYOUT="$WORK/layout.json"
SHOT="$WORK/screen.png"
DOC="$HOME_DIR/data/gxa-host/demo.gxd"
XVFB_PID=""
VIEW_PID=""

# Ids of the chooser's gadgets.
COLOR_FIELD=65536002
HUE_SLIDER=65929220
HEX_FIELD=66322433

cleanup() {
  [ -n "$VIEW_PID" ] && kill "$VIEW_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  if [ "${KEEP:-0}" = 1 ]; then echo "view_xvfb: files kept in $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT

fail() {
  echo "view_xvfb: FAIL: $*" >&2
  [ -f "$WORK/view.log" ] && sed 's/^/  view: /' "$WORK/view.log" >&2
  KEEP=1
  exit 1
}

step() { echo "view_xvfb: $*"; }

# Polls a command until it succeeds; fails with the message after ~30 s
# (a loaded machine running other tests beside this one is slow to start).
wait_for() {
  local message=$1; shift
  for _ in $(seq 300); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  fail "$message"
}

# The layout line of a gadget: OWNER ID.
gadget_line() { grep -F "{\"owner\":\"$1\",\"id\":$2," "$LAYOUT" | head -n1; }
has_gadget() { [ -n "$(gadget_line "$1" "$2")" ]; }
# x y w h of a gadget, window coordinates.
frame_of() {
  local line; line=$(gadget_line "$1" "$2")
  [ -n "$line" ] || fail "no gadget $1/$2 on the screen"
  sed 's/.*"frame":\[\([-0-9]*\),\([-0-9]*\),\([-0-9]*\),\([-0-9]*\)\].*/\1 \2 \3 \4/' <<<"$line"
}
text_of() { gadget_line "$1" "$2" | sed -n 's/.*"text":"\([^"]*\)".*/\1/p'; }
# The popup entry with this text, as "x y w h".
menu_entry() { grep -F '"owner":"popup"' "$LAYOUT" | grep -F "\"text\":\"$1\"" | head -n1 || true; }
menu_open() { grep -qF '"owner":"popup"' "$LAYOUT"; }
menu_closed() { ! menu_open; }

# Screen position of a point in a gadget: OWNER ID FX FY (fractions of its frame).
at() {
  local x y w h
  read -r x y w h < <(frame_of "$1" "$2")
  echo $((WIN_X + x + w * $3 / 100)) $((WIN_Y + y + h * $4 / 100))
}

normalized_hex() { tr -d '#' <<<"$1" | tr '[:lower:]' '[:upper:]'; }
hex_is() { [ "$(normalized_hex "$(text_of color $HEX_FIELD)")" = "$1" ]; }
hex_differs() { [ "$(text_of color $HEX_FIELD)" != "$1" ]; }

# The screenshot's pixel at a screen point as "R G B".
pixel() { convert "$SHOT" -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p' | sed 's/\(..\)\(..\)\(..\)/\1 \2 \3/'; }
near_pixel() {  # X Y RRGGBB: the screenshot's pixel is within 3 of it in each channel
  local r g b want=$3
  read -r r g b < <(pixel "$1" "$2")
  [ -n "$r" ] || return 1
  local wr=${want:0:2} wg=${want:2:2} wb=${want:4:2}
  for pair in "$r:$wr" "$g:$wg" "$b:$wb"; do
    local d=$(( 16#${pair%%:*} - 16#${pair##*:} ))
    [ ${d#-} -le 3 ] || return 1
  done
}
expect_pixel() {
  local what=$1 px=$2 py=$3 want=$4
  near_pixel "$px" "$py" "$want" || fail "$what shows #$(pixel "$px" "$py" | tr -d ' ') at $px,$py, expected #$want (screenshot: $SHOT)"
}

start_view() {
  rm -f "$LAYOUT"
  # The X and D-Bus client libraries keep allocations until exit; the leak
  # checker would blame the host for them. The host's own code is checked for
  # leaks by the unit tests.
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  "$HOST" view --home "$HOME_DIR" --scale 1 --size 1180x940 --dump-layout "$LAYOUT" >"$WORK/view.log" 2>&1 &
  VIEW_PID=$!
  wait_for "the window never showed its page (no layout written)" has_gadget color $HEX_FIELD
  WIN=$(timeout 30 xdotool search --sync --onlyvisible --name 'gxa-host' | head -n1) || fail "no window named gxa-host"
  eval "$(xdotool getwindowgeometry --shell "$WIN" | sed 's/^/WIN_/')"
  step "window $WIN at $WIN_X,$WIN_Y size ${WIN_WIDTH}x$WIN_HEIGHT"
}

stop_view() {
  local how=$1 status=0
  for _ in $(seq 300); do kill -0 "$VIEW_PID" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$VIEW_PID" 2>/dev/null && fail "the window did not close after $how"
  wait "$VIEW_PID" || status=$?
  VIEW_PID=""
  [ "$status" -eq 0 ] || fail "gxa-host view exited with $status after $how"
}

drag() {  # x0 y0 x1 y1, in steps so that the drag loop sees the motion
  xdotool mousemove "$1" "$2" mousedown 1
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8))
    sleep 0.03
  done
  xdotool mouseup 1
}

choose_menu_entry() {  # OWNER TEXT
  xdotool mousemove $(at "$1" $COLOR_FIELD 25 50) click 3
  wait_for "the colour field of $1 opened no context menu" menu_open
  local entry; entry=$(menu_entry "$2")
  [ -n "$entry" ] || fail "the context menu has no entry '$2': $(grep -F '"owner":"popup"' "$LAYOUT" | tr '\n' ' ')"
  grep -qF '"disabled":false' <<<"$entry" || fail "menu entry '$2' is disabled"
  local x y w h
  read -r x y w h < <(sed 's/.*"frame":\[\([-0-9]*\),\([-0-9]*\),\([-0-9]*\),\([-0-9]*\)\].*/\1 \2 \3 \4/' <<<"$entry")
  xdotool mousemove $((WIN_X + x + w / 2)) $((WIN_Y + y + h / 2)) click 1
  wait_for "the menu stayed open after choosing '$2'" menu_closed
}

# --- a display of our own
DISPLAY_NUMBER=""
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then DISPLAY_NUMBER=$n; break; fi
done
[ -n "$DISPLAY_NUMBER" ] || fail "no free X display number"
Xvfb ":$DISPLAY_NUMBER" -screen 0 1280x1024x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
export DISPLAY=":$DISPLAY_NUMBER"
wait_for "Xvfb did not start on $DISPLAY" test -S "/tmp/.X11-unix/X$DISPLAY_NUMBER"
mkdir -p "$HOME_DIR"

# --- first session: edit, copy, paste, Ctrl+Q
start_view
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

choose_menu_entry color "Copy Color"
choose_menu_entry swatch "Paste Color"
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
start_view
hex_is 3366CC || fail "the reopened document shows $(text_of color $HEX_FIELD), expected 3366CC"
xdotool windowfocus --sync "$WIN"
xdotool key ctrl+comma
wait_for "Ctrl+, opened no Preferences window" modal_is '"Preferences"'
xdotool key ctrl+q
stop_view "Ctrl+Q in the Preferences"
step "reopened with 3366CC and quit with Ctrl+Q while the Preferences were open"

# --- third session: SIGTERM saves and closes
start_view
kill -TERM "$VIEW_PID"
stop_view "SIGTERM"
step "closed on SIGTERM"
echo "view_xvfb: 1 passed, 0 failed"
