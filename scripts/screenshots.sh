#!/usr/bin/env bash
# Takes the README's screenshots of the desktop program under Xvfb: the edit view with a
# painted shape (docs/edit-view.png) and the rendered picture (docs/rendered-picture.png).
#
# Usage: scripts/screenshots.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
velmora=$build/velmora
[ -x "$velmora" ] || { echo "missing $velmora: run make build first"; exit 1; }

# shellcheck source=SCRIPTDIR/lib/xvfb.sh
source "$root/scripts/lib/xvfb.sh"
xvfb_start velmora-shots || { echo "Xvfb did not start"; exit 1; }

cd "$work"
"$velmora" 2>"$work/velmora.log" &
app_pid=$!
main=$(window_named '^Velmora Ver\.2$') || { echo "velmora did not show its window:"; cat "$work/velmora.log"; echo "DISPLAY=$DISPLAY"; tail -n 5 "$work/xvfb.log"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$main")"
cx=$X
cy=$((Y + HEIGHT - 440))
at() { echo $((cx + $1)) $((cy + $2)); }
cell() { at $((8 + 12 * $1 + 6)) $((58 + 12 * $2 + 6)); }
row() {  # button row first last
  xdotool mousemove $(cell "$3" "$2") mousedown "$1"
  for c in $(seq "$3" "$4"); do xdotool mousemove $(cell "$c" "$2"); done
  xdotool mouseup "$1"
}

# A green plate with a white square standing out of it, and a blue bar behind both.
xdotool mousemove $(at 180 43) click 1   # left: green
xdotool mousemove $(at 228 43) click 3   # right: white
for r in $(seq 7 22); do row 1 "$r" 9 30; done
for r in $(seq 11 18); do row 3 "$r" 15 24; done
xdotool mousemove $(at 124 43) click 1   # left: blue
for r in 25 26; do row 1 "$r" 6 33; done
xdotool mousemove $(at 300 250)
sleep 0.3
mkdir -p "$root/docs"
import -window "$main" "$root/docs/edit-view.png"

xdotool mousemove $(at 451 18) click 1   # ３Ｄ作図
xdotool mousemove $(at 300 -40)
sleep 0.5
import -window "$main" "$root/docs/rendered-picture.png"
echo "wrote docs/edit-view.png and docs/rendered-picture.png"
