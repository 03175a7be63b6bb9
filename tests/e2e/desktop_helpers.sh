# shellcheck shell=bash
# Sourced by the end-to-end scripts that drive velmora's main window with xdotool, on Linux and
# under Wine. Positions are client pixels; the script sets build, work, cx, cy (the client's
# top-left corner on the screen) and menu_y (the menu bar's row).

# The desktop program's leaks are checked by the Qt tests, whose processes end as velmora does.
# Here, under load, LeakSanitizer's own tracer now and then crashes at exit while Qt's D-Bus
# thread is still ending (about one run in twenty), which would fail a session for no fault of
# the program.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0

fail() {
  echo "FAIL: $*"
  [ -s "$work/velmora.log" ] && sed 's/^/velmora: /' "$work/velmora.log" | tail -20
  [ -z "$xvfb_pid" ] || kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb has ended:"; cat "$work/xvfb.log"; }
  import -window root "$build/e2e-failure.png" 2>/dev/null && echo "screen saved to $build/e2e-failure.png"
  exit 1
}

# Waits until no visible window has that title.
window_gone() {
  for _ in $(seq 200); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
# Gives a dialog the keyboard, as clicking into it would.
focus() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + 12))
  xdotool windowfocus --sync "$1"
}

at() { echo $((cx + $1)) $((cy + $2)); }
cell() { at $((8 + 12 * $1 + 6)) $((58 + 12 * $2 + 6)); }
# Polls until the screen pixel at client (x, y) has the colour ("#RRGGBB").
client_pixel_is() {  # x y colour
  local pos
  read -r -a pos <<<"$(at "$1" "$2")"
  for _ in $(seq 100); do
    [ "$(import -window root -crop "1x1+${pos[0]}+${pos[1]}" -depth 8 txt:- 2>/dev/null |
      grep -o -m1 '#[0-9A-F]\{6\}')" = "$3" ] && return 0
    sleep 0.05
  done
  return 1
}
# With a colour, each step waits for its cell to show it before moving on: Windows hands a
# program only the latest pointer position when it falls behind, as a quick hand's stroke would
# skip cells.
drag_cells() {  # button row first-column last-column [colour]
  xdotool mousemove $(cell "$3" "$2") mousedown "$1"
  for c in $(seq "$3" "$(($4 < $3 ? -1 : 1))" "$4"); do
    xdotool mousemove $(cell "$c" "$2")
    [ -z "${5:-}" ] || client_pixel_is $((8 + 12 * c + 6)) $((58 + 12 * $2 + 6)) "$5" ||
      fail "cell $c of row $2 was not painted $5"
  done
  xdotool mouseup "$1"
}
file_menu() {  # then the keys that choose the item
  xdotool mousemove $((cx + 25)) "$menu_y" click 1
  sleep 0.3
  xdotool key --delay 80 "$@"
}
choose_file() {  # chooser title, typed name
  local chooser
  chooser=$(window_named "^$1\$") || fail "no chooser titled $1"
  focus "$chooser"
  xdotool key ctrl+a
  xdotool type --delay 15 "$2"
  xdotool key Return
  window_gone "^$1\$" || fail "the chooser $1 stayed open"
}
# Polls until the file exists, with the given size if one is given.
wait_for_file() {  # path [bytes]
  for _ in $(seq 100); do
    [ -f "$1" ] && { [ -z "${2:-}" ] || [ "$(stat -c %s "$1")" -eq "$2" ]; } && return 0
    sleep 0.1
  done
  return 1
}
# Fails unless the grid file holds each group's level in its cells and 0 everywhere else.
expect_grid() {  # file, then groups of: row first-column last-column level
  python3 - "$@" <<'PY' || fail "$1 contents"
import sys
d, a = open(sys.argv[1], "rb").read(), list(map(int, sys.argv[2:]))
want = bytearray(1200)
for row, first, last, level in zip(*[iter(a)] * 4):
    for c in range(first, last + 1):
        want[row * 40 + c] = level
bad = [(i // 40, i % 40) for i in range(1200) if i >= len(d) or d[i] != want[i]]
assert len(d) == 1200 and not bad, (len(d), bad[:5])
PY
}
# Polls the X clipboard for a picture in the format (a grep pattern; PNG unless given); fails
# unless it is, pixel for pixel, the 480 x 376 picture in the given file.
expect_clipboard_picture() {  # reference, what is checked[, formats]
  local format="" differ
  for _ in $(seq 100); do
    format=$(xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -m1 -x "${3:-image/png}") && break
    sleep 0.1
  done
  [ -n "$format" ] || fail "$2: no image on the clipboard"
  xclip -selection clipboard -t "$format" -o >"$work/clip" || fail "$2: it could not be pasted"
  [ "$(identify -format %wx%h "$work/clip")" = 480x376 ] || fail "$2: not 480 x 376"
  differ=$(compare -metric AE -alpha off "$work/clip" "$1" null: 2>&1 || true)
  [ "$differ" = 0 ] || fail "$2: differs from $1 in $differ pixels"
}
# Waits for velmora to end; fails unless it exited 0.
expect_exit_0() {
  local status=0
  for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  wait "$app_pid" || status=$?
  app_pid=""
  [ "$status" -eq 0 ] || fail "velmora exited with $status"
}
# Asks the main window to close with the command given and answers the unsaved-data question
# No (velmora and its window stay), then again and answers Yes: velmora must exit 0.
close_no_then_yes() {  # command that asks the main window to close
  local answer box
  for answer in n y; do
    "$@"
    box=$(window_named '^Velmora$') || fail "closing did not ask about unsaved data"
    focus "$box"
    xdotool key "$answer"
    [ "$answer" = y ] && break
    window_gone '^Velmora$' || fail "the question stayed after No"
    kill -0 "$app_pid" || fail "velmora ended after No"
    xdotool search --onlyvisible --name '^Velmora Ver\.2$' >/dev/null || fail "window gone after No"
  done
  expect_exit_0
}
