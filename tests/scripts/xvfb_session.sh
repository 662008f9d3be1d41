# Sourced by the window tests: a virtual X display of their own, the host's
# window on it, and the helpers that find gadgets by the layout the window
# dumps and check the screen's pixels. Set NAME (the test's name), HOST and
# TOOLS (the programs it needs) before sourcing.

for tool in Xvfb xdotool import convert $TOOLS; do
  command -v "$tool" >/dev/null || { echo "$NAME: FAIL: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

WORK=$(mktemp -d)
HOME_DIR="$WORK/home"
LAYOUT="$WORK/layout.json"
SHOT="$WORK/screen.png"
DOC="$HOME_DIR/data/gxa-host/demo.gxd"
XVFB_PID=""
VIEW_PID=""

cleanup() {
  [ -n "$VIEW_PID" ] && kill "$VIEW_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  if [ "${KEEP:-0}" = 1 ]; then echo "$NAME: files kept in $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT

fail() {
  echo "$NAME: FAIL: $*" >&2
  [ -f "$WORK/view.log" ] && sed 's/^/  view: /' "$WORK/view.log" >&2
  KEEP=1
  exit 1
}

step() { echo "$NAME: $*"; }

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

# Screen position of a point in a gadget: OWNER ID FX FY (percent of its frame).
at() {
  local x y w h
  read -r x y w h < <(frame_of "$1" "$2")
  echo $((WIN_X + x + w * $3 / 100)) $((WIN_Y + y + h * $4 / 100))
}

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

# The popup entry with this text, as its layout line; whether a popup is open.
menu_entry() { grep -F '"owner":"popup"' "$LAYOUT" | grep -F "\"text\":\"$1\"" | head -n1 || true; }
menu_open() { grep -qF '"owner":"popup"' "$LAYOUT"; }
menu_closed() { ! menu_open; }

# Right-clicks OWNER's gadget ID (at a quarter of its width) and chooses the
# context menu's entry with TEXT: OWNER ID TEXT.
choose_menu_entry() {
  xdotool mousemove $(at "$1" "$2" 25 50) click 3
  wait_for "gadget $2 of $1 opened no context menu" menu_open
  local entry x y w h
  entry=$(menu_entry "$3")
  [ -n "$entry" ] || fail "the context menu has no entry '$3': $(grep -F '"owner":"popup"' "$LAYOUT" | tr '\n' ' ')"
  grep -qF '"disabled":false' <<<"$entry" || fail "menu entry '$3' is disabled"
  read -r x y w h < <(sed 's/.*"frame":\[\([-0-9]*\),\([-0-9]*\),\([-0-9]*\),\([-0-9]*\)\].*/\1 \2 \3 \4/' <<<"$entry")
  xdotool mousemove $((WIN_X + x + w / 2)) $((WIN_Y + y + h / 2)) click 1
  wait_for "the menu stayed open after choosing '$3'" menu_closed
}

# A display of our own: FIRST-NUMBER [Xvfb options]; the first free number
# from there. SCREEN sets its size (default 1280x1024x24).
start_display() {
  local first=$1; shift
  DISPLAY_NUMBER=""
  for n in $(seq "$first" $((first + 49))); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then DISPLAY_NUMBER=$n; break; fi
  done
  [ -n "$DISPLAY_NUMBER" ] || fail "no free X display number"
  Xvfb ":$DISPLAY_NUMBER" -screen 0 "${SCREEN:-1280x1024x24}" -nolisten tcp "$@" >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$DISPLAY_NUMBER"
  wait_for "Xvfb did not start on $DISPLAY" test -S "/tmp/.X11-unix/X$DISPLAY_NUMBER"
  mkdir -p "$HOME_DIR"
}

# The window: SIZE OWNER ID (a gadget whose arrival in the layout says the page is up).
start_view() {
  rm -f "$LAYOUT"
  # The X and D-Bus client libraries keep allocations until exit; the leak
  # checker would blame the host for them. The host's own code is checked for
  # leaks by the unit tests.
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  "$HOST" view --home "$HOME_DIR" --scale 1 --size "$1" --dump-layout "$LAYOUT" >"$WORK/view.log" 2>&1 &
  VIEW_PID=$!
  wait_for "the window never showed its page (no layout written)" has_gadget "$2" "$3"
  WIN=$(timeout 30 xdotool search --sync --onlyvisible --name 'gxa-host' | head -n1) || fail "no window named gxa-host"
  eval "$(xdotool getwindowgeometry --shell "$WIN" | sed 's/^/WIN_/')"
  step "window $WIN at $WIN_X,$WIN_Y size ${WIN_WIDTH}x$WIN_HEIGHT"
}

# Waits for the window to close after HOW and checks its exit status.
stop_view() {
  local how=$1 status=0
  for _ in $(seq 300); do kill -0 "$VIEW_PID" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$VIEW_PID" 2>/dev/null && fail "the window did not close after $how"
  wait "$VIEW_PID" || status=$?
  VIEW_PID=""
  [ "$status" -eq 0 ] || fail "gxa-host view exited with $status after $how"
}
