# shellcheck shell=bash
# Sourced by the end-to-end scripts that drive velmora's main window with xdotool, on Linux and
# under Wine. Positions are client pixels; the script sets cx, cy (the client's top-left corner
# on the screen) and menu_y (the menu bar's row), and defines fail.

# The desktop program's leaks are checked by the Qt tests, whose processes end as velmora does.
# Here, under load, LeakSanitizer's own tracer now and then crashes at exit while Qt's D-Bus
# thread is still ending (about one run in twenty), which would fail a session for no fault of
# the program.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0

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

