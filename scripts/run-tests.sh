#!/usr/bin/env bash
# Runs ctest in the normal build, then in the sanitizer build, then (when given) the Windows
# build's tests under Wine and the libFuzzer targets for a bounded number of inputs each;
# fails when any of them fails.
#
# Usage: run-tests.sh NORMAL SANITIZE [--windows DIR] [--fuzz DIR RUNS]
set -uo pipefail
normal=$1
sanitize=$2
shift 2
windows=
fuzz=
fuzz_runs=10000
while [ $# -gt 0 ]; do
  case $1 in
    --windows) windows=$2; shift 2 ;;
    --fuzz) fuzz=$2; fuzz_runs=$3; shift 3 ;;
    *) echo "run-tests.sh: unknown argument $1" >&2; exit 2 ;;
  esac
done
status=0

echo "== Tests, normal build ($normal)"
ctest --test-dir "$normal" --output-on-failure -j "$(nproc)" || status=1

echo "== Tests, AddressSanitizer + UndefinedBehaviorSanitizer build ($sanitize)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$sanitize" --output-on-failure -j "$(nproc)" || status=1

if [ -n "$windows" ]; then
  echo "== Tests, Windows build ($windows) under Wine"
  start=$(date +%s)
  bash "$(dirname "$0")/run-wine-tests.sh" "$windows" || status=1
  echo "(Windows tests under Wine: $(($(date +%s) - start)) s)"
fi

if [ -n "$fuzz" ]; then
  echo "== Fuzz targets, libFuzzer ($fuzz)"
  bash "$(dirname "$0")/run-fuzzers.sh" "$fuzz" "$fuzz_runs" || status=1
fi

exit $status
