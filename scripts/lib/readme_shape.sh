# shellcheck shell=bash
# The shape the README's screenshots show, painted through the palette bar and the grid as a user
# would: a green plate with a white square standing out of it, and a blue bar behind both. The
# caller defines at() and cell() (screen positions of client pixels and of grid cells). $1 is a
# pause after each pointer move of a stroke: Windows keeps only the latest pointer position of a
# program that falls behind, so under Wine each cell needs its moment.
paint_readme_shape() {
  local pause=${1:-0}
  row() {  # button row first last
    xdotool mousemove $(cell "$3" "$2") mousedown "$1"
    for c in $(seq "$3" "$4"); do xdotool mousemove $(cell "$c" "$2") sleep "$pause"; done
    xdotool mouseup "$1"
  }
  xdotool mousemove $(at 180 43) click 1 # left: green
  xdotool mousemove $(at 228 43) click 3 # right: white
  for r in $(seq 7 22); do row 1 "$r" 9 30; done
  for r in $(seq 11 18); do row 3 "$r" 15 24; done
  xdotool mousemove $(at 124 43) click 1 # left: blue
  for r in 25 26; do row 1 "$r" 6 33; done
}
