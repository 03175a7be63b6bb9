#!/usr/bin/env bash
# The desktop program under a memory limit, made huge by another program (xdotool, as a script
# or a window manager would): after a stroke on the grid, the window is resized to 16000 x 16000
# and to 32000 x 32000 pixels, far more than any buffer of that size the limit allows. Velmora
# must keep running at a size its desktop can show, save the grid it had through its chooser
# and exit normally.
#
# Usage: huge_window_test.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
velmora=$build/velmora
here=$(cd "$(dirname "$0")" && pwd)
[ -x "$velmora" ] || { echo "missing $velmora"; exit 1; }
for tool in Xvfb xdotool xdpyinfo python3; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh)"; exit 1; }
done

# shellcheck source=SCRIPTDIR/../../scripts/lib/xvfb.sh
source "$here/../../scripts/lib/xvfb.sh"
# shellcheck source=SCRIPTDIR/desktop_helpers.sh
source "$here/desktop_helpers.sh"
fail() {
  echo "FAIL: $*"
  [ -s "$work/velmora.log" ] && sed 's/^/velmora: /' "$work/velmora.log" | tail -20
  exit 1
}

xvfb_start velmora-huge || fail "Xvfb did not start"
mkdir -p "$work/files"
cd "$work/files"
# The limit: 2 GB of address space (velmora starts with about a quarter of that), or, in the
# AddressSanitizer build, whose shadow memory alone takes terabytes of address space, no single
# allocation above 512 MB. A 16000 x 16000 window needs 1 GB for each of its buffers.
if ldd "$velmora" | grep libasan >/dev/null; then
  ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}max_allocation_size_mb=512 \
    "$velmora" >"$work/velmora.log" 2>&1 &
else
  (ulimit -v 2000000 && exec "$velmora") >"$work/velmora.log" 2>&1 &
fi
app_pid=$!
main=$(window_named '^Velmora Ver\.2$') || fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$main")"
menu_height=$((HEIGHT - 440))
cx=$X
cy=$((Y + menu_height))
menu_y=$((Y + menu_height / 2))
read -r screen_width screen_height < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')

# Left button: level 4 (green) across row 3, columns 5..12.
xdotool mousemove $(at 180 43) click 1
drag_cells 1 3 5 12

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

# The grid it had, saved through the chooser.
file_menu a Return
choose_file 'データの保存' "$work/files/grid"
# The chooser closes before the program writes the file.
for _ in $(seq 100); do [ -f grid.dat ] && break; sleep 0.1; done
[ -f grid.dat ] || fail "grid.dat was not written"
python3 - grid.dat <<'PY' || fail "grid.dat contents"
import sys
d = open(sys.argv[1], "rb").read()
want = bytearray(1200)
for c in range(5, 13):
    want[3 * 40 + c] = 4
assert d == bytes(want), [(i // 40, i % 40, d[i]) for i in range(len(d)) if d[i] != want[i]][:5]
PY

python3 "$here/close_window.py" "$main"
status=0
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "velmora exited with $status"
echo "huge window: ok"
