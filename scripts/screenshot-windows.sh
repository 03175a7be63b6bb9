#!/usr/bin/env bash
# Takes the README's screenshot of velmora.exe under Wine and Xvfb (docs/windows-wine.png): the
# edit view with the same painted shape as docs/edit-view.png.
#
# Usage: scripts/screenshot-windows.sh [WINDOWS_BUILD_DIR]   (default: build-win)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-win}" && pwd)
exe=$build/velmora.exe
[ -f "$exe" ] || { echo "missing $exe: run make windows first"; exit 1; }

# shellcheck source=SCRIPTDIR/lib/xvfb.sh
source "$root/scripts/lib/xvfb.sh"
# shellcheck source=SCRIPTDIR/lib/readme_shape.sh
source "$root/scripts/lib/readme_shape.sh"
# shellcheck source=SCRIPTDIR/lib/wine.sh
source "$root/scripts/lib/wine.sh"
xvfb_start velmora-wine-shot || { echo "Xvfb did not start"; exit 1; }
trap 'wine_prefix_stop; xvfb_cleanup' EXIT
wine_prefix_start "$work/wine" || { echo "the Wine prefix could not be made"; exit 1; }

cd "$work"
wine "$exe" >"$work/velmora.log" 2>&1 &
app_pid=$!
main=$(window_named '^Velmora Ver\.2$') || { echo "velmora.exe did not show its window"; exit 1; }
origin=""
for _ in $(seq 50); do
  import -window root -depth 8 rgb:"$work/screen.rgb"
  origin=$(python3 "$root/tests/win/find_client.py" "$work/screen.rgb" 1024 768) && break
  sleep 0.2
done
[ -n "$origin" ] || { echo "the grid did not show"; exit 1; }
read -r cx cy <<<"$origin"
at() { echo $((cx + $1)) $((cy + $2)); }
cell() { at $((8 + 12 * $1 + 6)) $((58 + 12 * $2 + 6)); }
paint_readme_shape 0.03
xdotool mousemove $(at 300 -80)
sleep 0.5
mkdir -p "$root/docs"
import -window root -crop 504x486+60+60 +repage "$root/docs/windows-wine.png"
echo "wrote docs/windows-wine.png"
