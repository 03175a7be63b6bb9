#!/usr/bin/env bash
# Measures the desktop program under Xvfb: the time from process start to the first repaint
# on the screen (median of 10 starts, each followed by a start of a bare Qt window of the same
# layout for comparison), the peak resident memory after start and after a typical session
# (paint, render, the save chooser opened and cancelled), the time a resize to 32000 x 32000
# pixels takes to settle and the memory it leaves, and the time of a painting pointer move (the
# paint_move_bench benchmark, offscreen).
#
# Usage: bench/measure_desktop.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
velmora=$build/velmora
[ -x "$velmora" ] || { echo "missing $velmora: run make build first"; exit 1; }

# shellcheck source=SCRIPTDIR/../scripts/lib/xvfb.sh
source "$root/scripts/lib/xvfb.sh"
xvfb_start velmora-bench || { echo "Xvfb did not start"; exit 1; }

peak_kib() { awk '/VmHWM/ {print $2}' "/proc/$1/status"; }
median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

# Start to first paint: the program prints the realtime clock when its first repaint has
# reached the screen (VELMORA_TRACE_FIRST_PAINT); so does the bare Qt window of the same layout
# (bench/qt/bare_window.cpp), started in turn with it, so that both see the same machine load.
bare=$build/bench/bare_window
# Starts $1, waits for its first paint and appends the time to it in ms to $2, its peak
# resident memory after start to $3; ends it.
first_paint() {
  local start painted trace=$work/trace
  start=$(date +%s%N)
  VELMORA_TRACE_FIRST_PAINT=1 "$1" 2>"$trace" &
  app_pid=$!
  for _ in $(seq 1000); do grep -qs '^first-paint' "$trace" && break; sleep 0.01; done
  painted=$(awk '/^first-paint/ {print $2}' "$trace")
  [ -n "$painted" ] || { echo "no first paint from $1:"; cat "$trace"; exit 1; }
  awk -v a="$start" -v b="$painted" 'BEGIN {printf "%.1f\n", (b - a) / 1e6}' >>"$2"
  sleep 0.3
  peak_kib "$app_pid" >>"$3"
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
}
: >"$work/starts" >"$work/peaks" >"$work/bare_starts" >"$work/bare_peaks"
for _ in $(seq 10); do
  first_paint "$velmora" "$work/starts" "$work/peaks"
  [ -x "$bare" ] && first_paint "$bare" "$work/bare_starts" "$work/bare_peaks"
done
echo "start to first paint: median $(median <"$work/starts") ms (runs: $(tr '\n' ' ' <"$work/starts"))"
echo "peak resident memory after start: median $(($(median <"$work/peaks" | cut -d. -f1) / 1024)) MiB"
if [ -x "$bare" ]; then
  echo "bare Qt window of the same layout: first paint median $(median <"$work/bare_starts") ms," \
    "peak resident memory median $(($(median <"$work/bare_peaks" | cut -d. -f1) / 1024)) MiB"
  awk -v a="$(median <"$work/starts")" -v b="$(median <"$work/bare_starts")" \
    'BEGIN {printf "velmora / bare window, start to first paint: %.2fx\n", a / b}'
fi

# A typical session for the peak memory: paint a stroke, render, open the save chooser.
cd "$work"
"$velmora" 2>/dev/null &
app_pid=$!
main=$(window_named '^Velmora Ver\.2$') || { echo "velmora did not show its window"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$main")"
cx=$X
cy=$((Y + HEIGHT - 440))
xdotool mousemove $((cx + 134)) $((cy + 130)) mousedown 1 mousemove $((cx + 200)) $((cy + 130)) mouseup 1
xdotool mousemove $((cx + 451)) $((cy + 18)) click 1
sleep 0.3
xdotool mousemove $((cx + 25)) $((Y + (HEIGHT - 440) / 2)) click 1
sleep 0.3
xdotool key a Down Return
sleep 1.5
echo "peak resident memory after a session with the save chooser: $(($(peak_kib "$app_pid") / 1024)) MiB"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""

# A resize to 32000 x 32000 pixels, as a script or a window manager may ask for: the time until
# the window has settled at the size it keeps, and the peak memory then.
"$velmora" 2>/dev/null &
app_pid=$!
main=$(window_named '^Velmora Ver\.2$') || { echo "velmora did not show its window"; exit 1; }
start=$(date +%s%N)
xdotool windowsize "$main" 32000 32000
for _ in $(seq 2000); do
  eval "$(xdotool getwindowgeometry --shell "$main")"
  [ "$WIDTH" -lt 32000 ] && break
  sleep 0.005
done
settled=$(date +%s%N)
echo "resize to 32000 x 32000: settled at $WIDTH x $HEIGHT after $(((settled - start) / 1000000)) ms," \
  "peak resident memory $(($(peak_kib "$app_pid") / 1024)) MiB"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""

if [ -x "$build/bench/paint_move_bench" ]; then
  "$build/bench/paint_move_bench" --benchmark_repetitions=10 \
    --benchmark_report_aggregates_only=true 2>/dev/null | grep -E 'Benchmark|median'
fi
