#!/usr/bin/env bash
# Saves killed at random points: velmora-render replaces one bitmap file over and over and is
# killed (SIGKILL) at a random moment of each run. After every kill the file must be whole: the
# complete old picture or the complete new one, never a mix, a short file or no file. A later
# save removes what the killed ones left behind. $1 is the build folder.
source "$(dirname "$0")/render_helpers.sh"
runs=${SAVE_KILL_RUNS:-60}
# The two pictures that take turns in the target.
"$tool" --seed 1 "$work/grid.dat" "$work/one.bmp" || fail "first picture"
"$tool" --seed 2 "$work/grid.dat" "$work/two.bmp" || fail "second picture"
mkdir "$work/out"
cp "$work/one.bmp" "$work/out/picture.bmp"
chmod 640 "$work/out/picture.bmp"

# How long one save takes here, in microseconds, so that the kills spread over a whole run.
start=$(date +%s%N)
"$tool" --seed 1 "$work/grid.dat" "$work/out/picture.bmp"
span=$((($(date +%s%N) - start) / 1000 + 1))

completed=0
for run in $(seq "$runs"); do
  "$tool" --seed $((run % 2 + 1)) "$work/grid.dat" "$work/out/picture.bmp" 2>/dev/null &
  pid=$!
  delay=$(((RANDOM * 32768 + RANDOM) % (span + span / 4)))
  sleep "$(printf '%d.%06d' $((delay / 1000000)) $((delay % 1000000)))"
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  [ $? -eq 0 ] && completed=$((completed + 1))
  if ! cmp -s "$work/out/picture.bmp" "$work/one.bmp" &&
    ! cmp -s "$work/out/picture.bmp" "$work/two.bmp"; then
    fail "run $run: the target is not a whole picture ($(stat -c %s "$work/out/picture.bmp" 2>&1))"
  fi
  [ "$(stat -c %a "$work/out/picture.bmp" 2>/dev/null)" = 640 ] ||
    fail "run $run: the target lost its mode"
done
leftovers=$(find "$work/out" -name '.~vm*' | wc -l)
echo "$runs saves killed at random points: $completed finished first, $leftovers temporary files left"

# One save that runs to its end clears the leftovers of the killed ones.
"$tool" --seed 2 "$work/grid.dat" "$work/out/picture.bmp" || fail "the last save"
cmp -s "$work/out/picture.bmp" "$work/two.bmp" || fail "the last save did not write its picture"
[ "$(ls -A "$work/out")" = picture.bmp ] ||
  fail "temporary files left after a completed save: $(ls -A "$work/out" | tr '\n' ' ')"

finish "every killed save left a whole picture"
