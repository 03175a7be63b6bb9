#!/usr/bin/env bash
# Measures velmora-render as batch jobs use it: the cost per file of 1 and of 100 files, in one
# process against one process per file, and the peak resident memory of each, with the files
# in a folder beside the build (a real disk, so each save's fsync counts as it does for users).
# Also one run of 100 files under perf, when perf is there, to show where the time goes.
#
# Usage: bench/measure_batch.sh [BUILD_DIR]   (default: build)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
tool=$build/velmora-render
[ -x "$tool" ] || { echo "missing $tool: run make build first"; exit 1; }
work=$(mktemp -d "$build/measure-batch-XXXXXX")
trap 'rm -rf "$work"' EXIT

# 100 different grids: every level, shifted per file.
for f in $(seq 100); do
  python3 -c "import sys; sys.stdout.buffer.write(bytes((i + $f) // 7 % 8 for i in range(1200)))" \
    >"$work/in$f.dat"
done
now_ms() { echo $(($(date +%s%N) / 1000000)); }
median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
# Runs the command line given, prints its peak resident memory in KiB.
peak_kib() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }

pairs=()
for f in $(seq 100); do pairs+=("$work/in$f.dat" "$work/out$f.bmp"); done

: >"$work/one"
for _ in $(seq 9); do
  start=$(now_ms)
  "$tool" --seed 7 "$work/in1.dat" "$work/out1.bmp"
  echo $(($(now_ms) - start)) >>"$work/one"
done
echo "1 file, one process: median $(median <"$work/one") ms"

start=$(now_ms)
for f in $(seq 100); do "$tool" --seed 7 "$work/in$f.dat" "$work/out$f.bmp"; done
each=$(($(now_ms) - start))
echo "100 files, one process per file: $each ms, $(awk -v t="$each" 'BEGIN {printf "%.1f", t / 100}') ms per file"

start=$(now_ms)
"$tool" --seed 7 "${pairs[@]}"
single=$(($(now_ms) - start))
echo "100 files, one process: $single ms, $(awk -v t="$single" 'BEGIN {printf "%.1f", t / 100}') ms per file"

if [ -x /usr/bin/time ]; then
  echo "peak resident memory: 1 file $(($(peak_kib "$tool" --seed 7 "$work/in1.dat" "$work/out1.bmp") / 1024)) MiB," \
    "100 files in one process $(($(peak_kib "$tool" --seed 7 "${pairs[@]}") / 1024)) MiB"
fi
# CPU time against wall time for the 100 files in one process: the difference is waiting,
# most of it for the disk (one fsync of each picture and of its folder).
if [ -x /usr/bin/time ]; then
  /usr/bin/time -f "100 files, one process: %e s wall, %U s user, %S s system" \
    "$tool" --seed 7 "${pairs[@]}"
fi
if command -v perf >/dev/null && perf record -q -o "$work/perf.data" "$tool" --seed 7 "${pairs[@]}" 2>/dev/null; then
  echo "where the CPU time of 100 files in one process goes (perf, top entries):"
  perf report -i "$work/perf.data" --stdio --no-children --sort dso,symbol 2>/dev/null |
    grep -E '^ +[0-9]' | cut -c1-100 | sed 's/ *$//' | head -15
fi
