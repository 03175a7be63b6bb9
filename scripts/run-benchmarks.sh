#!/usr/bin/env bash
# Runs every benchmark program of the build, reporting medians over repetitions.
set -euo pipefail
build=$1
for b in "$build"/bench/*_bench; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
done
