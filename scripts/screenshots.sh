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
# shellcheck source=SCRIPTDIR/lib/readme_shape.sh
source "$root/scripts/lib/readme_shape.sh"
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
paint_readme_shape 0
xdotool mousemove $(at 300 250)
sleep 0.3
mkdir -p "$root/docs"
import -window "$main" "$root/docs/edit-view.png"

xdotool mousemove $(at 451 18) click 1   # ３Ｄ作図
xdotool mousemove $(at 300 -40)
sleep 0.5
import -window "$main" "$root/docs/rendered-picture.png"
echo "wrote docs/edit-view.png and docs/rendered-picture.png"
