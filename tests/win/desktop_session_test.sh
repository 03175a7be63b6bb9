#!/usr/bin/env bash
# A new user's first session with velmora.exe under Wine and Xvfb, driven with xdotool: pick
# colours, paint with both buttons (one stroke dragged into the margins), save the grid and the
# picture through the real Windows choosers, compare the picture with the batch renderer's for
# the same second, copy it and read it from the X clipboard, open and close the About dialog
# with both accelerators, then close and answer the unsaved data question No, then Yes; the
# program must end with exit code 0.
#
# Usage: desktop_session_test.sh BUILD_DIR (build-win; the Linux build/ beside it provides
# velmora-render). Runs inside scripts/run-wine-tests.sh, which provides the display and the
# Wine prefix.
set -euo pipefail

build=$(cd "$1" && pwd)
exe=$build/velmora.exe
render=$build/../build/velmora-render
here=$(cd "$(dirname "$0")" && pwd)
[ -f "$exe" ] || { echo "missing $exe"; exit 1; }
[ -x "$render" ] || { echo "missing $render (make build)"; exit 1; }
[ -n "${DISPLAY:-}" ] && [ -n "${WINEPREFIX:-}" ] || { echo "run me from run-wine-tests.sh"; exit 1; }

# shellcheck source=SCRIPTDIR/../../scripts/lib/xvfb.sh
source "$here/../../scripts/lib/xvfb.sh"
# shellcheck source=SCRIPTDIR/../e2e/desktop_helpers.sh
source "$here/../e2e/desktop_helpers.sh"
work=$(mktemp -d /tmp/velmora-wine-e2e-XXXXXX)
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/files"
cd "$work/files"
wine "$exe" >"$work/velmora.log" 2>&1 &
app_pid=$!
main=$(window_named '^Velmora Ver\.2$') || fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$X,$Y,$WIDTH,$HEIGHT" = "60,60,504,486" ] || fail "window at $X,$Y size ${WIDTH}x$HEIGHT"

# Wine draws the frame itself, so the client area is found on the screen: the first paint
# must have shown the empty grid (polled, since it may still be on its way).
origin=""
for _ in $(seq 50); do
  import -window root -depth 8 rgb:"$work/screen.rgb" 2>/dev/null
  origin=$(python3 "$here/find_client.py" "$work/screen.rgb" 1024 768) && break
  sleep 0.2
done
[ -n "$origin" ] || fail "the empty grid is not on the screen"
read -r cx cy <<<"$origin"
menu_y=$((cy - 10))

winpath="Z:${work//\//\\}\\files"

# Alt with "?" and with "/" both open the About dialog; Esc and Enter close it.
for keys in "alt+question Escape" "alt+slash Return"; do
  read -r accelerator answer <<<"$keys"
  xdotool mousemove $(at 300 200) key "$accelerator"
  about=$(window_named '^ﾊﾞｰｼﾞｮﾝ情報$') || fail "$accelerator did not open the About dialog"
  xdotool mousemove --window "$about" 20 5 key "$answer"
  window_gone '^ﾊﾞｰｼﾞｮﾝ情報$' || fail "$answer did not close the About dialog"
done

# Green (level 4) for the left button, white (level 7) for the right one; a left stroke in the
# field, a right one dragged from the field into the left margin.
xdotool mousemove $(at 180 43) click 1
xdotool mousemove $(at 228 43) click 3
drag_cells 1 5 10 14 '#00FF00'
drag_cells 3 8 6 1 '#FFFFFF'

# Render, then save the picture and the data through the choosers.
before=$(date +%s)
xdotool mousemove $(at 451 18) click 1
sleep 0.3
after=$(date +%s)
file_menu a Down Return
choose_file 'ＢＭＰファイルのセーブ' "$winpath\\art"
wait_for_file art.bmp 721974 || fail "art.bmp was not written with 721974 bytes"
file_menu a Return
choose_file 'データの保存' "$winpath\\grid"
wait_for_file grid.dat 1200 || fail "grid.dat was not written with 1200 bytes"
# Dragged into the margin: the press cell and every cell it crossed.
expect_grid grid.dat 5 10 14 4 8 1 6 7

# The batch renderer gives the same picture for the second the render ran at, except inside
# the focus markers' 4 x 8 boxes, which GDI and our raster fill with other edge pixels.
masked() { convert "$1" -alpha off -fill black -draw "rectangle 200,364 203,371 rectangle 276,364 279,371" "$2"; }
masked art.bmp art.png
same="" differ=""
for seed in $(seq "$before" "$after"); do
  "$render" --seed "$seed" grid.dat "linux-$seed.bmp"
  masked "linux-$seed.bmp" linux.png
  differ=$(compare -metric AE art.png linux.png null: 2>&1 || true)
  [ "$differ" = 0 ] && { same=$seed; break; }
done
[ -n "$same" ] || fail "art.bmp matches no batch rendering of seconds $before..$after ($differ pixels differ)"

# Copy, and read the picture from the X clipboard while velmora runs.
file_menu Down Down Down Return
expect_clipboard_picture art.bmp "the copy" 'image/png\|image/bmp'

# Back to the grid; one more stroke makes the data unsaved; closing asks, No keeps the window.
xdotool mousemove $(at 451 44) click 1
drag_cells 1 20 20 22 '#00FF00'
close_main() {
  xdotool windowactivate --sync "$main" 2>/dev/null || xdotool mousemove --window "$main" 250 200
  xdotool key alt+F4
}
close_no_then_yes close_main
echo "desktop session under Wine: ok (seed $same)"
