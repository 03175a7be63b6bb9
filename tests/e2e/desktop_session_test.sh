#!/usr/bin/env bash
# A new user's first session with the desktop program, under Xvfb and driven with xdotool:
# paint with both buttons after picking colours on the palette bar, render, save the picture
# and the data through the real choosers by typing names, copy the picture and paste it from
# another program (xclip) while velmora runs, then close the window and answer the question
# about unsaved data, first No, then Yes. A desktop clipboard manager runs throughout: the copied
# picture must still paste after velmora has exited.
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
fail() {
  echo "FAIL: $*"
  [ -s "$work/velmora.log" ] && sed 's/^/velmora: /' "$work/velmora.log" | tail -20
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb on ${DISPLAY:-} has ended:"; cat "$work/xvfb.log"; }
  [ -n "${DISPLAY:-}" ] && import -window root "$work/failure.png" 2>/dev/null &&
    cp "$work/failure.png" "$build/e2e-failure.png" && echo "screen saved to $build/e2e-failure.png"
  exit 1
}

xvfb_start velmora-e2e || fail "Xvfb did not start"
clipboard_manager_start || fail "the clipboard manager did not start: $(cat "$work/clipboard-manager.log")"
mkdir -p "$work/files"

cd "$work/files"
"$velmora" >"$work/velmora.log" 2>&1 &
app_pid=$!
main=$(window_named '^Velmora Ver\.2$') || fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$main")"
# The client area is 496 x 440 below the menu bar.
cx=$X
cy=$((Y + HEIGHT - 440))
menu_y=$((Y + (HEIGHT - 440) / 2))
[ "$WIDTH" -eq 496 ] || fail "window width $WIDTH, expected 496"

# Paint: green (level 4) for the left button, white (level 7) for the right one.
xdotool mousemove $(at 180 43) click 1
xdotool mousemove $(at 228 43) click 3
drag_cells 1 5 10 14
# A program that falls behind must still paint every cell a stroke crosses: this stroke is
# made while velmora is stopped, so all of its moves wait in the connection together.
kill -STOP "$app_pid"
drag_cells 3 8 10 14
kill -CONT "$app_pid"

# Render, then save the picture and the data by typing names into the choosers.
xdotool mousemove $(at 451 18) click 1
sleep 0.3
file_menu a Down Return
choose_file 'ＢＭＰファイルのセーブ' "$work/files/art"
file_menu a Return
choose_file 'データの保存' "$work/files/grid"

# The picture's own format is the export tests' business; here it must be there, whole.
[ "$(stat -c %s art.bmp 2>&1)" = 721974 ] || fail "art.bmp: $(stat -c %s art.bmp 2>&1)"
python3 - grid.dat <<'PY' || fail "grid.dat contents"
import sys
d = open(sys.argv[1], "rb").read()
assert len(d) == 1200, len(d)
want = bytearray(1200)
for c in range(10, 15):
    want[5 * 40 + c] = 4
    want[8 * 40 + c] = 7
bad = [(i // 40, i % 40, d[i], want[i]) for i in range(1200) if d[i] != want[i]]
assert not bad, bad[:5]
PY

# Copy, and paste into another program while velmora runs.
file_menu Down Down Down Return
copied=""
for _ in $(seq 100); do
  xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx image/png && { copied=1; break; }
  sleep 0.1
done
[ -n "$copied" ] || fail "no image on the clipboard"
xclip -selection clipboard -t image/png -o >clip.png
[ "$(identify -format %wx%h clip.png)" = 480x376 ] || fail "pasted picture is not 480 x 376"
diff_pixels=$(compare -metric AE -alpha off clip.png art.bmp null: 2>&1 || true)
[ "$diff_pixels" = 0 ] || fail "pasted picture differs from the saved one in $diff_pixels pixels"

# Back to the grid; one more stroke makes the data unsaved; the close box asks, No keeps
# the window.
xdotool mousemove $(at 451 44) click 1
xdotool mousemove $(at 228 43) click 1
drag_cells 1 20 20 22
close_and_answer() {
  python3 "$here/close_window.py" "$main"
  box=$(window_named '^Velmora$') || fail "closing did not ask about unsaved data"
  focus "$box"
  xdotool key "$1"
}
close_and_answer n
window_gone '^Velmora$' || fail "the question stayed after No"
kill -0 "$app_pid" || fail "velmora ended after No"
xdotool search --onlyvisible --name '^Velmora Ver\.2$' >/dev/null || fail "window gone after No"

close_and_answer y
status=0
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "velmora exited with $status"

# The picture outlives the program: velmora handed it to the clipboard manager as it exited.
xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx image/png ||
  fail "no image on the clipboard after velmora exited"
xclip -selection clipboard -t image/png -o >kept.png || fail "the kept picture could not be pasted"
diff_pixels=$(compare -metric AE -alpha off kept.png art.bmp null: 2>&1 || true)
[ "$diff_pixels" = 0 ] || fail "the picture kept after exit differs from the saved one in $diff_pixels pixels"
echo "desktop session: ok"
