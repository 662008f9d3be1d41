#!/usr/bin/env bash
# Renders the README's pictures into docs/images/. The chooser pictures come
# from `gxa-host render`; the window pictures (the demo page, a context menu,
# the Preferences window) from `gxa-host view` on a virtual X display, when
# Xvfb, xdotool and ImageMagick are there (scripts/setup.sh tests installs them).
#
# usage: scripts/readme_pictures.sh [PATH-TO-gxa-host]   (default: build/gxa-host)
set -euo pipefail
cd "$(dirname "$0")/.."
HOST=$(realpath "${1:-build/gxa-host}")
OUT=docs/images
mkdir -p "$OUT"
WORK=$(mktemp -d)
XVFB_PID=""
VIEW_PID=""
cleanup() {
  [ -n "$VIEW_PID" ] && kill "$VIEW_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

render() {  # FILE, then render options
  local file=$1; shift
  # Run from the work folder, so a picture shows by its short name.
  local out=$PWD/$OUT/$file
  (cd "$WORK" && "$HOST" render --home "$WORK/render" --settings laym=2 --out "$out" "$@")
  echo "readme_pictures: $OUT/$file"
}

# --- the modes: one picture each and its line in the README's Modes section.
# A mode that lands adds its line here: name|picture|what it is|render options.
MODES=(
  "Sliders|mode-sliders.png|RGB and HSV sliders; each slider shows the colours it reaches, and a number field the value in the colour unit.|--prefs 1110=true --prefs 1113=true --prefs 1111=false"
  "Kelvin|mode-kelvin.png|Colour temperature in kelvin, with a tint between green and magenta.|--prefs 1113=false --prefs 1111=false --prefs 1114=true"
  "Mixer|mode-mixer.png|A blend between two colours of the mixer's own; the blend is the chosen colour.|--prefs 1113=false --prefs 1111=false --prefs 1115=true"
  "Swatches|mode-swatches.png|Named groups of colours, global and per document: click, shift- and control-click to select, double-click to pick, drag to sort or copy, right-click for the rest. Save Preset stores every document group in one preset; loaded back, each group is named after the preset, NAME_Group.1, NAME_Group.2 and so on.|--prefs 1113=false --prefs 1111=false --prefs 1116=true --prefs 1117=true"
  "Spectrum|mode-spectrum.png|Saturation across and value down a square of the colour's hue, with a hue slider beside it.|--prefs 1113=false --prefs 1111=false --prefs 1119=2"
  "Picture|mode-picture.png|Colours sampled from a picture: click or control-click to place samples, zoom with the mouse wheel, and step the mosaic levels to see its dominant colours.|--prefs 1113=false --prefs 1111=false --picture photo.png"
  "Wheel|mode-wheel.png|The colour wheel: drag the colour's handle, or let a harmony place related colours around it; the slider sets the value the whole wheel shows. Add Color adds a colour in the Free harmony, and a copy of the first colour in Mono; the other harmonies keep the number of colours their rule gives.|--prefs 1113=false --prefs 1111=false --prefs 1119=1"
)
# A photo-like picture for the picture mode, made here rather than shipped.
convert -size 480x320 -seed 7 plasma:fractal -blur 0x2 "$WORK/photo.png"
section="$WORK/modes.md"
: >"$section"
for mode in "${MODES[@]}"; do
  IFS='|' read -r name file line options <<<"$mode"
  # shellcheck disable=SC2086 # the options are words
  render "$file" --theme dark --width 380 --value 0.80,0.32,0.12 $options
  printf '\n**%s**: %s\n\n![%s](docs/images/%s)\n' "$name" "$line" "$name" "$file" >>"$section"
done
awk -v section="$section" '
  /^<!-- end modes -->$/ { while ((getline l < section) > 0) print l; print ""; skipping = 0 }
  !skipping { print }
  /^<!-- modes -->$/ { skipping = 1 }
' README.md >"$WORK/README.md"
cp "$WORK/README.md" README.md

# --- the perceptual colour tools: the OKLCh panel, and one tetrad on the
# perceptual and on the RGB wheel
cat >"$WORK/perceptual.json" <<'EOF'
{"prefs": {"1039500": true},
 "steps": [
  {"do": "open", "id": "panel", "value": [0.8, 0.32, 0.12],
   "settings": {"slda": {"0x3E90005": false, "0x3E9000C": false, "0x3E9000E": true}}},
  {"do": "screenshot", "id": "panel", "file": "perceptual-panel.png"},
  {"do": "open", "id": "oklch", "value": [0.8, 0.32, 0.12],
   "settings": {"slda": {"0x3E90001": true, "0x3E90005": false, "0x3E9000C": false, "0x3EA0004": 20002}}},
  {"do": "click", "id": "oklch", "gadget": "0x3EA0013"},
  {"do": "screenshot", "id": "oklch", "file": "perceptual-wheel.png"},
  {"do": "open", "id": "rgb", "value": [0.8, 0.32, 0.12],
   "settings": {"slda": {"0x3E90001": true, "0x3E90005": false, "0x3E9000C": false, "0x3EA0004": 20000}}},
  {"do": "click", "id": "rgb", "gadget": "0x3EA0013"},
  {"do": "screenshot", "id": "rgb", "file": "perceptual-wheel-rgb.png"}
 ]}
EOF
pictures=$PWD/$OUT
(cd "$WORK" && "$HOST" run perceptual.json --home "$WORK/render" --width 300 --out "$pictures" >/dev/null)
for file in perceptual-panel.png perceptual-wheel.png perceptual-wheel-rgb.png; do echo "readme_pictures: $OUT/$file"; done

# --- the chooser
render chooser.png --theme dark --width 380 --prefs 1110=true --value 0.80,0.32,0.12
render chooser-light.png --theme light --width 380 --prefs 1110=true --value 0.20,0.55,0.85
render chooser-scale2.png --theme dark --width 300 --scale 2 --value 0.35,0.70,0.30
render chooser-alpha.png --theme dark --width 380 --settings acol=1 --value 0.20,0.55,0.85,0.6

# --- a colour-vision view: with the perceptual colour tools on, the wheel's
# and swatches' context menus choose how someone with deuteranopia sees them.
cat >"$WORK/vision.json" <<'JSON'
{
  "steps": [
    {"do": "prefs", "set": {"1039500": true, "1119": 1, "1116": true, "1117": true, "1113": false, "1111": false, "1134": 1}},
    {"do": "open", "id": "v", "settings": {"cfld": ["NOBRIGHTNESS"]}, "value": [0.80, 0.32, 0.12]},
    {"do": "click", "id": "v", "gadget": "0x3EA0013"},
    {"do": "answer", "menu": 900112},
    {"do": "click", "id": "v", "gadget": "0x3EA0001", "x": 10, "y": 10, "channel": 2},
    {"do": "screenshot", "id": "v", "file": "vision-deuteranopia.png"}
  ]
}
JSON
vision_out=$PWD/$OUT
(cd "$WORK" && "$HOST" run --home "$WORK/vision" --width 380 --out "$vision_out" "$WORK/vision.json" >/dev/null)
echo "readme_pictures: $OUT/vision-deuteranopia.png"

# --- the window
for tool in Xvfb xdotool import; do
  if ! command -v "$tool" >/dev/null; then
    echo "readme_pictures: no $tool: the window pictures stay as they are"
    exit 0
  fi
done
n=""
for candidate in $(seq 90 140); do
  if [ ! -e "/tmp/.X$candidate-lock" ] && [ ! -e "/tmp/.X11-unix/X$candidate" ]; then n=$candidate; break; fi
done
[ -n "$n" ] || { echo "readme_pictures: no free X display" >&2; exit 1; }
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
export DISPLAY=":$n"
for _ in $(seq 50); do [ -S "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done

LAYOUT="$WORK/layout.json"
HOME="$WORK" "$HOST" view --home "$WORK/demo" --scale 1 --size 1160x900 --dump-layout "$LAYOUT" >/dev/null 2>&1 &
VIEW_PID=$!
for _ in $(seq 100); do grep -q '"owner":"swatch"' "$LAYOUT" 2>/dev/null && break; sleep 0.1; done
WIN=$(timeout 10 xdotool search --sync --onlyvisible --name 'gxa-host' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$WIN" | sed 's/^/WIN_/')"
frame() {  # OWNER ID -> x y w h
  grep -F "{\"owner\":\"$1\",\"id\":$2," "$LAYOUT" | head -n1 |
    sed 's/.*"frame":\[\([-0-9]*\),\([-0-9]*\),\([-0-9]*\),\([-0-9]*\)\].*/\1 \2 \3 \4/'
}
shoot() { sleep 0.6; import -window "$WIN" "$OUT/$1"; echo "readme_pictures: $OUT/$1"; }

xdotool mousemove $((WIN_X + 4)) $((WIN_Y + WIN_HEIGHT - 4))
shoot window.png

read -r x y w h < <(frame color 65536002)
xdotool mousemove $((WIN_X + x + w / 2)) $((WIN_Y + y + h / 2)) click 3
for _ in $(seq 50); do grep -q '"owner":"popup"' "$LAYOUT" && break; sleep 0.1; done
sleep 0.3
import -window "$WIN" -crop 420x220+$((x > 10 ? x - 10 : 0))+$((y > 40 ? y - 40 : 0)) +repage "$OUT/context-menu.png"
echo "readme_pictures: $OUT/context-menu.png"
xdotool key Escape

xdotool key ctrl+comma
for _ in $(seq 50); do grep -q '"modal":"Preferences"' "$LAYOUT" && break; sleep 0.1; done
shoot preferences.png
xdotool key Escape
xdotool key ctrl+q
wait "$VIEW_PID" || true
VIEW_PID=""
