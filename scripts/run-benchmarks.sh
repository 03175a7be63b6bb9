#!/usr/bin/env bash
# Runs every benchmark program of the build, reporting medians over repetitions. The
# repetitions of a program's benchmarks are interleaved at random, so that a change in the
# machine's load falls on all of them alike and the ratios that the programs print hold.
set -euo pipefail
build=$1
for b in "$build"/bench/*_bench; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    --benchmark_enable_random_interleaving=true
done
