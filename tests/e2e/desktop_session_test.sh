#!/usr/bin/env bash
# A new user's first session with the desktop program, under Xvfb and driven with xdotool:
# paint with both buttons after picking colours on the palette bar, render, save the picture
# through the real chooser by typing a name, copy the picture and paste it from another program
# (xclip) while velmora runs. Then another program (xdotool, as a script or a window manager
# would) makes the window huge, far beyond any buffer the memory limit velmora runs under
# allows: velmora must keep running at a size its desktop can show and save the grid it had.
# Last, close the window and answer the question about unsaved data, first No, then Yes. A
# desktop clipboard manager runs throughout: the copied picture must still paste after velmora
# has exited.
#
# Usage: desktop_session_test.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
velmora=$build/velmora
here=$(cd "$(dirname "$0")" && pwd)
[ -x "$velmora" ] || { echo "missing $velmora"; exit 1; }
for tool in Xvfb xdotool xclip xdpyinfo python3 identify compare dbus-daemon mate-settings-daemon; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh)"; exit 1; }
done

# shellcheck source=SCRIPTDIR/../../scripts/lib/xvfb.sh
source "$here/../../scripts/lib/xvfb.sh"
# shellcheck source=SCRIPTDIR/../../scripts/lib/clipboard_manager.sh
source "$here/../../scripts/lib/clipboard_manager.sh"
# shellcheck source=SCRIPTDIR/desktop_helpers.sh
source "$here/desktop_helpers.sh"

xvfb_start velmora-e2e || fail "Xvfb did not start"
clipboard_manager_start || fail "the clipboard manager did not start: $(cat "$work/clipboard-manager.log")"
mkdir -p "$work/files"
cd "$work/files"
# The limit: 2 GB of address space (velmora starts with about a quarter of that), or, in the
# AddressSanitizer build, whose shadow memory alone takes terabytes of address space, no single
# allocation above 512 MB. A 16000 x 16000 window needs 1 GB for each of its buffers.
if ldd "$velmora" | grep libasan >/dev/null; then
  ASAN_OPTIONS=$ASAN_OPTIONS:max_allocation_size_mb=512 "$velmora" >"$work/velmora.log" 2>&1 &
else
  (ulimit -v 2000000 && exec "$velmora") >"$work/velmora.log" 2>&1 &
fi
app_pid=$!
main=$(window_named '^Velmora Ver\.2$') || fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$main")"
# The client area is 496 x 440 below the menu bar.
[ "$WIDTH" -eq 496 ] || fail "window width $WIDTH, expected 496"
menu_height=$((HEIGHT - 440))
cx=$X
cy=$((Y + menu_height))
menu_y=$((Y + menu_height / 2))

# Paint: green (level 4) for the left button, white (level 7) for the right one.
xdotool mousemove $(at 180 43) click 1
xdotool mousemove $(at 228 43) click 3
drag_cells 1 5 10 14
# A program that falls behind must still paint every cell a stroke crosses: this stroke is
# made while velmora is stopped, so all of its moves wait in the connection together.
kill -STOP "$app_pid"
drag_cells 3 8 10 14
kill -CONT "$app_pid"

# Render, save the picture by typing a name into the chooser, copy it and paste it elsewhere.
# The picture's own format is the export tests' business; here it must be there, whole.
xdotool mousemove $(at 451 18) click 1
sleep 0.3
file_menu a Down Return
choose_file 'ＢＭＰファイルのセーブ' "$work/files/art"
wait_for_file art.bmp 721974 || fail "art.bmp: $(stat -c %s art.bmp 2>&1)"
# Rendered by the click on the button: dots in all sixteen shades, not the grey of no picture.
[ "$(identify -format %k art.bmp)" -ge 16 ] || fail "art.bmp holds no rendered picture"
file_menu Down Down Down Return
expect_clipboard_picture art.bmp "the copy pasted while velmora runs"

read -r screen_width screen_height < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
for size in 16000 32000; do
  xdotool windowsize "$main" "$size" "$size"
  # Velmora has taken the resize once it answers with its (new) size.
  for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || fail "velmora ended when made $size x $size"
    eval "$(xdotool getwindowgeometry --shell "$main")"
    [ "$WIDTH" -lt "$size" ] && break
    sleep 0.1
  done
  [ "$WIDTH" -le "$screen_width" ] && [ "$HEIGHT" -le "$screen_height" ] ||
    fail "made $size x $size, the window is $WIDTH x $HEIGHT on a $screen_width x $screen_height screen"
done
cx=$X
cy=$((Y + menu_height))
menu_y=$((Y + menu_height / 2))
file_menu a Return
choose_file 'データの保存' "$work/files/grid"
wait_for_file grid.dat || fail "grid.dat was not written"
expect_grid grid.dat 5 10 14 4 8 10 14 7

# Back to the grid; one more stroke makes the data unsaved; the close box asks, No keeps
# the window.
xdotool mousemove $(at 451 44) click 1
xdotool mousemove $(at 228 43) click 1
drag_cells 1 20 20 22
close_no_then_yes python3 "$here/close_window.py" "$main"

# The picture outlives the program: velmora handed it to the clipboard manager as it exited.
expect_clipboard_picture art.bmp "the copy kept after velmora exited"
echo "desktop session: ok"
