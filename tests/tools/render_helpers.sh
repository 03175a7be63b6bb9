# shellcheck shell=bash
# Sourced by the velmora-render scripts: $1 is the build folder. Sets tool and work (a folder
# removed at exit), writes work/grid.dat (a grid of all eight levels, 1200 bytes), and defines
# fail and finish.
set -uo pipefail
tool="$(cd "$1" && pwd)/velmora-render"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
for _ in $(seq 150); do printf '\0\1\2\3\4\5\6\7'; done >"$work/grid.dat"

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

finish() {  # message when every check passed
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "$1"
}
