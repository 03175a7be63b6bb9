#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a bounded number of inputs, starting from its
# seeds in tests/fuzz/corpus/<name>/ (copied, so that the inputs libFuzzer adds stay out of the
# source tree). Fails when a target finds a fault; its reproducer is kept in the build folder.
# $1 is the fuzz build folder, $2 the number of inputs per target.
set -uo pipefail
build=$(cd "$1" && pwd)
runs=${2:-10000}
seeds="$(cd "$(dirname "$0")/.." && pwd)/tests/fuzz/corpus"
status=0
for target in "$build"/tests/*_fuzz; do
  [ -x "$target" ] || continue
  name=$(basename "$target" _fuzz)
  corpus=$(mktemp -d)
  cp "$seeds/$name"/* "$corpus"/
  echo "-- $name: $runs inputs"
  if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$target" -runs="$runs" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$build/${name}-" "$corpus" >"$build/$name.log" 2>&1; then
    echo "FAIL: $name found a fault; see $build/$name.log and $build/${name}-*"
    tail -n 40 "$build/$name.log"
    status=1
  else
    grep -E 'stat::number_of_executed_units|stat::new_units_added' "$build/$name.log" | tr '\n' ' '
    echo
  fi
  rm -rf "$corpus"
done
exit $status
