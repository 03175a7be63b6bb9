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

work=$(mktemp -d /tmp/velmora-shots-XXXXXX)
mkdir -p "$work/run"
chmod 700 "$work/run"
export HOME=$work XDG_CONFIG_HOME=$work XDG_RUNTIME_DIR=$work/run
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
xvfb_pid=""
app_pid=""
cleanup() {
  set +e
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a display number that nobody uses and tells it through a pipe.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
display=$(head -1 "$work/display")
[ -n "$display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

cd "$work"
"$velmora" 2>/dev/null &
app_pid=$!
main=""
for _ in $(seq 200); do
  main=$(xdotool search --onlyvisible --name '^Velmora Ver\.2$' 2>/dev/null | head -1 || true)
  [ -n "$main" ] && break
  sleep 0.05
done
[ -n "$main" ] || { echo "velmora did not show its window"; exit 1; }
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
