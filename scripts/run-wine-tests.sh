#!/usr/bin/env bash
# Runs the Windows build's tests (build-win) under Wine, in a fresh Wine prefix and on an Xvfb
# display of their own; fails when any test fails.
set -uo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib/xvfb.sh"
source "$here/lib/wine.sh"

xvfb_start velmora-wine || { echo "Xvfb did not start" >&2; exit 1; }
trap 'wine_prefix_stop; xvfb_cleanup' EXIT
start=$(date +%s)
wine_prefix_start "$work/wine" || { echo "the Wine prefix could not be made" >&2; exit 1; }
echo "(Wine prefix ready in $(($(date +%s) - start)) s)"
# One test at a time: they share one wineserver and one display, and Wine's start-up is the
# slow part of each anyway.
ctest --test-dir "$build" --output-on-failure
