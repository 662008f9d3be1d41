#!/usr/bin/env bash
# The screen picker's loupe on a real X display of two monitors side by
# side, the root tiled with a pattern whose pixel (x, y) is (x mod 256,
# y mod 256, 127). With the Perceptual colour tools on, a pick shows a window
# beside the pointer with the 15 x 15 pixels around it magnified eight times,
# the middle one framed; it never covers the pixel being picked, stays on the
# pointer's monitor, follows the pointer to the other monitor, and the colour
# previewed is the desktop's even where the loupe was a moment before. It
# goes with the pick, and without the preference there is none.
#
# usage: loupe_xvfb.sh PATH-TO-gxa-host    (needs Xvfb, xdotool, xrandr, ImageMagick)
set -euo pipefail

HOST=${1:?usage: loupe_xvfb.sh PATH-TO-gxa-host}
HOST=$(realpath "$HOST")
NAME=loupe_xvfb TOOLS="xrandr display"
source "$(dirname "$0")/xvfb_session.sh"

COLOR_FIELD=65536002
PICKER_BUTTON=65601545
PERCEPTUAL_TOOLS=1039500
OWNER=swatch
SIDE=15 ZOOM=8 BORDER=1

picking() { [ -n "$(xdotool search --name '^color picker$' 2>/dev/null)" ]; }
not_picking() { ! picking; }
loupe_id() { xdotool search --name '^color picker loupe$' 2>/dev/null | head -n1; }
no_loupe() { [ -z "$(loupe_id)" ]; }
hex_at() { printf '%02X%02X7F' $(($1 % 256)) $(($2 % 256)); }

# The loupe's frame as "X Y W H".
loupe_frame() {
  local id; id=$(loupe_id)
  [ -n "$id" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$id" | sed 's/^/L_/')"
  echo "$L_X $L_Y $L_WIDTH $L_HEIGHT"
}

# Checks the loupe for the pointer at PX PY on the monitor from MX to MR
# (exclusive): where it is, and on a fresh screenshot every magnified pixel,
# the frame around the middle one and the colour field's preview. Sets WHY.
loupe_shows() {
  local px=$1 py=$2 mx=$3 mr=$4 lx ly lw lh
  WHY="no loupe window"
  read -r lx ly lw lh < <(loupe_frame) || return 1
  WHY="the loupe at $lx,$ly ${lw}x$lh covers the pixels around $px,$py"
  (( px + 7 < lx || px - 7 >= lx + lw || py + 7 < ly || py - 7 >= ly + lh )) || return 1
  WHY="the loupe at $lx,$ly ${lw}x$lh leaves the monitor $mx..$mr of the pointer at $px,$py"
  (( lx >= mx && lx + lw <= mr && ly >= 0 && ly + lh <= 1024 )) || return 1
  import -window root "$SHOT" 2>/dev/null || return 1
  WHY=$(convert "$SHOT" -crop "${lw}x$lh+$lx+$ly" +repage -depth 8 txt:- | awk -v px="$px" -v py="$py" \
    -v side=$SIDE -v zoom=$ZOOM -v border=$BORDER '
    /^[0-9]/ { split($1, at, /[,:]/); hex[at[1] "," at[2]] = substr($3, 2, 6) }
    END {
      half = int(side / 2); bad = 0
      for (r = 0; r < side; r++) for (c = 0; c < side; c++) {
        want = sprintf("%02X%02X7F", (px - half + c) % 256, (py - half + r) % 256)
        got = hex[(border + c * zoom + zoom / 2) "," (border + r * zoom + zoom / 2)]
        if (got != want) { if (!bad) first = sprintf("pixel %d,%d of the 15 x 15 shows %s, not %s", c, r, got, want); bad++ }
      }
      m = border + half * zoom
      if (hex[(m - 1) "," (m + 3)] != "FFFFFF" || hex[(m - 2) "," (m + 3)] != "000000") {
        bad++; first = first " / the middle pixel is not framed white in black"
      }
      print bad ? bad " wrong: " first : ""
    }')
  [ -z "$WHY" ] || return 1
  local fx fy
  read -r fx fy < <(at $OWNER $COLOR_FIELD 25 50)
  WHY="the colour field previews $(pixel "$fx" "$fy" | tr -d ' '), not the pixel under the pointer $(hex_at "$px" "$py")"
  near_pixel "$fx" "$fy" "$(hex_at "$px" "$py")"
}

# Moves the pointer and waits for the loupe to show its pixels correctly.
hover() {
  local px=$1 py=$2 mx=$3 mr=$4 what=$5
  xdotool mousemove "$px" "$py"
  for _ in $(seq 100); do loupe_shows "$px" "$py" "$mx" "$mr" && break; sleep 0.1; done
  loupe_shows "$px" "$py" "$mx" "$mr" || fail "$what: $WHY"
  step "$what: the loupe at $(loupe_frame | tr ' ' ,) shows the pixels around $px,$py"
}

start_pick() {
  xdotool mousemove $(at $OWNER $PICKER_BUTTON 50 50) click 1
  wait_for "the picker button started no picker" picking
}

# --- two monitors of 1280 x 1024 side by side, the root tiled
unset WAYLAND_DISPLAY XDG_SESSION_TYPE
SCREEN=2560x1024x24 start_display 151 -noreset
xrandr --setmonitor left 1280/338x1024/270+0+0 screen >/dev/null || fail "xrandr could not set the left monitor"
xrandr --setmonitor right 1280/338x1024/270+1280+0 none >/dev/null || fail "xrandr could not set the right monitor"
[ "$(xrandr --listmonitors | head -n1)" = "Monitors: 2" ] || fail "the display shows $(xrandr --listmonitors | head -n1)"
convert -size 256x256 xc:black -channel R -fx 'i/255' -channel G -fx 'j/255' -channel B -evaluate set 50% +channel \
  -depth 8 "$WORK/pattern.png" || fail "convert could not make the pattern"
# display answers 1 even when it did tile the root: the screen tells.
display -window root "$WORK/pattern.png" || true
import -window root "$SHOT" && near_pixel 300 10 "$(hex_at 300 10)" && near_pixel 1290 700 "$(hex_at 1290 700)" ||
  fail "display did not tile the root window with the pattern"
start_view 700x1000 $OWNER $PICKER_BUTTON
# The window to the right end of the right monitor, leaving the rest bare.
xdotool windowmove --sync "$WIN" 1850 12 2>/dev/null || xdotool windowmove "$WIN" 1850 12
eval "$(xdotool getwindowgeometry --shell "$WIN" | sed 's/^/WIN_/')"
[ "$WIN_X" -ge 1700 ] || fail "the window did not move to the right (it is at $WIN_X,$WIN_Y)"

# --- without the preference, no loupe
start_pick
xdotool mousemove 400 300
sleep 1
no_loupe || fail "a loupe showed with the Perceptual colour tools off"
xdotool key Escape
wait_for "Escape left the picker running" not_picking
step "no loupe with the Perceptual colour tools off"

# --- the preference, turned on in the Preferences window
modal_is() { grep -qF "\"modal\":$1" "$LAYOUT"; }
xdotool mousemove $(at $OWNER $COLOR_FIELD 50 50)
xdotool key ctrl+comma
wait_for "Ctrl+, opened no Preferences window" modal_is '"Preferences"'
wait_for "the Preferences show no Perceptual colour tools" has_gadget modal $PERCEPTUAL_TOOLS
xdotool mousemove $(at modal $PERCEPTUAL_TOOLS 5 50) click 1
sleep 0.3
xdotool key Escape
wait_for "Escape left the Preferences open" modal_is null
step "Perceptual colour tools turned on"

# --- the loupe follows the pointer
start_pick
wait_for "the pick started no loupe" loupe_id
hover 400 300 0 1280 "left monitor"
read -r lx ly lw lh < <(loupe_frame)
# Into the place the loupe had: it moves away before the pixel is read.
hover $((lx + lw / 2)) $((ly + lh / 2)) 0 1280 "onto the loupe's last place"
hover 1500 500 1280 2560 "right monitor"
# Near the inner edge it turns rather than spill onto the other monitor.
hover 1270 1010 0 1280 "the left monitor's bottom right corner"
hover 1290 1015 1280 2560 "the right monitor's bottom left corner"
xdotool key Escape
wait_for "Escape left the picker running" not_picking
wait_for "the loupe stayed after the pick ended" no_loupe
step "the loupe goes with the pick"

xdotool windowfocus --sync "$WIN" 2>/dev/null || true
xdotool key ctrl+q
stop_view "Ctrl+Q"
echo "loupe_xvfb: 1 passed, 0 failed"
