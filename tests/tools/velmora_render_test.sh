#!/usr/bin/env bash
# velmora-render as a user runs it: exit codes, messages, and that nothing is written on bad
# input or left behind by a failed write. $1 is the build folder.
source "$(dirname "$0")/render_helpers.sh"

# Runs the tool; sets status, out and err.
run() {
  "$tool" "$@" >"$work/stdout" 2>"$work/stderr"
  status=$?
  out=$(cat "$work/stdout")
  err=$(cat "$work/stderr")
}

expect_status() {  # expected, description
  [ "$status" -eq "$1" ] || fail "$2: exit $status, expected $1 (stderr: $err)"
}

# A refusal: its exit status and a single line on stderr.
expect_error() {  # expected, description
  expect_status "$@"
  # Counted in the file: $err has lost its trailing newlines.
  [ "$(wc -l <"$work/stderr")" -eq 1 ] && [ -n "$err" ] ||
    fail "$2: expected one line on stderr, got: $err"
}

head -c 1199 "$work/grid.dat" >"$work/short.dat"
{ cat "$work/grid.dat"; printf '\377'; } >"$work/long.dat"
{ head -c 600 "$work/grid.dat"; printf '\10'; tail -c 599 "$work/grid.dat"; } >"$work/eight.dat"

run --help
expect_status 0 "--help"
[[ "$out" == usage:* ]] || fail "--help prints no usage"
if [ -w /dev/full ]; then
  "$tool" --help >/dev/full 2>"$work/stderr"
  status=$?
  err=$(cat "$work/stderr")
  expect_error 1 "--help into a full device"
fi

# An output that is the input through a link is a bad request too.
cp "$work/grid.dat" "$work/in.dat"
ln -s in.dat "$work/symlink.bmp"
ln "$work/in.dat" "$work/hardlink.bmp"

# Bad requests: exit 2, one line, and an existing output left as it was.
while IFS='|' read -r description args; do
  printf 'old' >"$work/out.bmp"
  # shellcheck disable=SC2086
  run $args
  expect_error 2 "$description"
  [ "$(cat "$work/out.bmp")" = old ] || fail "$description: wrote the output"
done <<EOF_CASES
no file names|
one file name|$work/grid.dat
three file names|$work/grid.dat $work/out.bmp $work/x.bmp
five file names|$work/grid.dat $work/x.bmp $work/grid.dat $work/y.bmp $work/grid.dat
output is the input|$work/out.bmp $work/out.bmp
output is another pair's input|$work/grid.dat $work/x.bmp $work/x.bmp $work/y.bmp
output is the input through a symlink|$work/in.dat $work/symlink.bmp
output is the input through a hard link|$work/in.dat $work/hardlink.bmp
output of two pairs|$work/grid.dat $work/out.bmp $work/long.dat $work/out.bmp
output through the folder's other name|$work/grid.dat $work/out.bmp $work/long.dat $work/../$(basename "$work")/out.bmp
output names a folder|$work/grid.dat $work/
output is a dot folder|$work/grid.dat $work/.
unknown option|--huge $work/grid.dat $work/out.bmp
dot colour 8|--dot-color 8 $work/grid.dat $work/out.bmp
dot colour not a number|--dot-color cyan $work/grid.dat $work/out.bmp
dot colour missing|$work/grid.dat $work/out.bmp --dot-color
negative seed|--seed -1 $work/grid.dat $work/out.bmp
seed above 32 bits|--seed 4294967296 $work/grid.dat $work/out.bmp
missing input|$work/none.dat $work/out.bmp
input is a folder|$work $work/out.bmp
input of 1199 bytes|$work/short.dat $work/out.bmp
input with a byte 8|$work/eight.dat $work/out.bmp
EOF_CASES
# The last case's message names the bad byte.
[[ "$err" == *"byte 600"* ]] || fail "the message does not name the bad byte: $err"
[ -e "$work/.bmp" ] && fail "an output naming a folder wrote a hidden .bmp"
[ -e "$work/x.bmp" ] || [ -e "$work/y.bmp" ] && fail "a refused run wrote a picture"
cmp -s "$work/in.dat" "$work/grid.dat" || fail "a link to the input was written through"
[ -L "$work/symlink.bmp" ] || fail "the symbolic link was replaced"

# Good runs.
run --seed 4294967295 "$work/long.dat" "$work/long.bmp"
expect_status 0 "1201-byte input, largest seed"
[ "$(stat -c %s "$work/long.bmp")" -eq 721974 ] || fail "normal picture is not 721974 bytes"
# A relative name without any dot (the work folder's own path may hold one) gets ".bmp".
(cd "$work" && "$tool" --large --bright --markers-inside --dot-color 2 --seed 7 grid.dat large)
status=$?
expect_status 0 "all options"
[ "$(stat -c %s "$work/large.bmp" 2>/dev/null)" = 1118454 ] ||
  fail "large.bmp is missing or not 1118454 bytes"
# (That a seed and the options give the program's own picture, batch_render_test checks.)

# Targets that cannot be written or that a save refuses: exit 1, each left as it was, and the
# message says why.
mkdir "$work/taken.bmp"
printf 'old' >"$work/twice.bmp"
ln "$work/twice.bmp" "$work/twice-again.bmp"
ln -s missing.bmp "$work/dangling.bmp"
printf 'old' >"$work/locked.bmp"
chmod 444 "$work/locked.bmp"
while IFS='|' read -r target reason; do
  run "$work/grid.dat" "$work/$target"
  expect_error 1 "output $target"
  [[ "$err" == *"$reason"* ]] || fail "output $target: the message does not say '$reason': $err"
done <<EOF_REFUSED
missing-folder/out.bmp|
taken.bmp|
twice.bmp|names (hard links)
dangling.bmp|link to a file that does not exist
locked.bmp|read-only
EOF_REFUSED
[ "$(cat "$work/twice-again.bmp")" = old ] || fail "a hard-linked output was written"
[ -L "$work/dangling.bmp" ] && [ ! -e "$work/missing.bmp" ] || fail "a dangling link was followed"
[ "$(cat "$work/locked.bmp")" = old ] || fail "a read-only output was written"

# Messages: each error one line, whatever the path holds, and naming what went wrong.
run "$work/grid.dat" "$work/new"$'\n'"line/out.bmp"
expect_error 1 "a folder name with a newline"
[[ "$err" == *'new\nline'* ]] || fail "the newline is not shown escaped: $err"
run "$work/gr"$'\xfc'"n.dat" "$work/out.bmp"
[[ "$err" == *'gr\xFCn.dat'* ]] || fail "a byte that is not UTF-8 is not shown escaped: $err"
run "$work/立体図.dat" "$work/out.bmp"
[[ "$err" == *"'$work/立体図.dat'"* ]] || fail "a UTF-8 name is not shown as it is: $err"
run "$work/grid.dat" "$work/$(printf 'n%.0s' $(seq 256)).bmp"
expect_status 1 "a 260-byte file name"
[[ "$err" == *"file name is 260 bytes"* ]] || fail "a long file name is not named as such: $err"

# Many pairs in one run: each picture is the one its pair gives alone, for the same options.
opts=(--large --dot-color 1 --seed 99)
run "${opts[@]}" "$work/grid.dat" "$work/m1.bmp" "$work/long.dat" "$work/m2.bmp" \
  "$work/eight.dat" "$work/m3.bmp" "$work/grid.dat" "$work/m4.bmp"
expect_error 2 "a bad input among good pairs"
[ -e "$work/m3.bmp" ] && fail "the pair with a bad input wrote its output"
for pair in "grid m1.bmp" "long m2.bmp" "grid m4.bmp"; do
  set -- $pair
  "$tool" "${opts[@]}" "$work/$1.dat" "$work/single.bmp" || fail "single run of $1 failed"
  cmp -s "$work/single.bmp" "$work/$2" || fail "$2 differs from its pair rendered alone"
done
printf 'old' >"$work/kept.bmp"
run --seed 5 "$work/grid.dat" "$work/nofolder/a.bmp" "$work/grid.dat" "$work/kept.bmp"
expect_error 1 "an unwritable pair among good ones"
[ "$(stat -c %s "$work/kept.bmp")" -eq 721974 ] || fail "the good pair after a failed one was not written"
mkdir "$work/limited"
printf 'old' >"$work/limited/a.bmp"
printf 'old' >"$work/limited/b.bmp"
(
  ulimit -f 100  # 100 KiB: neither picture can be written in full
  "$tool" "$work/grid.dat" "$work/limited/a.bmp" "$work/long.dat" "$work/limited/b.bmp" 2>"$work/stderr"
)
status=$?
[ "$status" -eq 1 ] || fail "two failed writes: exit $status, expected 1"
[ "$(wc -l <"$work/stderr")" -eq 2 ] || fail "two failed writes: expected two lines: $(cat "$work/stderr")"
[ "$(cat "$work/limited/a.bmp")$(cat "$work/limited/b.bmp")" = oldold ] ||
  fail "failed writes changed the existing outputs"
[ "$(ls -A "$work/limited" | wc -l)" -eq 2 ] || fail "failed writes left files: $(ls -A "$work/limited")"

finish "all velmora-render checks passed"
