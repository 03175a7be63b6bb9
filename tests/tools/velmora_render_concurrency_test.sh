#!/usr/bin/env bash
# Several velmora-render runs writing one output at the same time, round after round: every
# run that could write says so (exit 0), a run that could not says so (exit 1) and removes
# nothing, and the file left is whole and is the picture of a run that exited 0. Where the
# output exists, every run replaces it. Where it does not, a save takes the free name only
# while it is still free, so a run that finds it taken by another in the meantime leaves that
# file alone and says so. $1 is the build folder.
source "$(dirname "$0")/render_helpers.sh"
mkdir "$work/ref" "$work/out"
# The competitors: three seeds in the normal size and one large picture.
runs=("--seed 1" "--seed 2" "--seed 3" "--large --seed 4")
for i in "${!runs[@]}"; do
  # shellcheck disable=SC2086
  "$tool" ${runs[$i]} "$work/grid.dat" "$work/ref/$i.bmp" || fail "reference run $i failed"
done

for round in $(seq 12); do
  # Even rounds replace a file that is there; odd rounds race for a free name.
  fresh=$((round % 2))
  [ "$fresh" -eq 1 ] || cp "$work/ref/0.bmp" "$work/out/pic.bmp"
  pids=()
  for i in "${!runs[@]}"; do
    # shellcheck disable=SC2086
    "$tool" ${runs[$i]} "$work/grid.dat" "$work/out/pic.bmp" 2>"$work/err.$i" &
    pids+=($!)
  done
  # One more that cannot write its picture in full: it must fail and leave the others' file.
  (
    ulimit -f 100
    exec "$tool" --seed 5 "$work/grid.dat" "$work/out/pic.bmp" 2>"$work/err.limited"
  ) &
  limited=$!
  statuses=()
  for pid in "${pids[@]}"; do
    wait "$pid"
    statuses+=($?)
  done
  wait "$limited"
  limited_status=$?

  [ "$limited_status" -eq 1 ] || fail "round $round: the run that cannot write exited $limited_status"
  winners=0
  for i in "${!runs[@]}"; do
    if [ "${statuses[$i]}" -eq 0 ]; then
      winners=$((winners + 1))
    elif [ "$fresh" -eq 0 ] || [ "${statuses[$i]}" -ne 1 ] ||
      ! grep -q "another program made a file of that name" "$work/err.$i"; then
      fail "round $round: run $i exited ${statuses[$i]}: $(cat "$work/err.$i")"
    fi
  done
  [ "$winners" -gt 0 ] || fail "round $round: no run wrote its picture"
  owner=""
  for i in "${!runs[@]}"; do
    cmp -s "$work/out/pic.bmp" "$work/ref/$i.bmp" && owner=$i
  done
  if [ -z "$owner" ]; then
    fail "round $round: the output is missing or no run's whole picture ($(stat -c %s "$work/out/pic.bmp" 2>&1))"
  elif [ "${statuses[$owner]}" -ne 0 ]; then
    fail "round $round: the picture in place is run $owner's, which exited ${statuses[$owner]}"
  fi
  [ "$(ls -A "$work/out")" = pic.bmp ] || fail "round $round: files left behind: $(ls -A "$work/out")"
  rm -f "$work/out/pic.bmp"
done

finish "all concurrent velmora-render checks passed"
