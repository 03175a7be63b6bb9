#!/usr/bin/env bash
# Runs ctest in the normal build and then in the sanitizer build, then the libFuzzer targets for
# a bounded number of inputs each; fails when any test fails.
set -uo pipefail
normal=$1
sanitize=$2
fuzz=${3:-}
fuzz_runs=${4:-10000}
status=0

echo "== Tests, normal build ($normal)"
ctest --test-dir "$normal" --output-on-failure -j "$(nproc)" || status=1

echo "== Tests, AddressSanitizer + UndefinedBehaviorSanitizer build ($sanitize)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$sanitize" --output-on-failure -j "$(nproc)" || status=1

if [ -n "$fuzz" ]; then
  echo "== Fuzz targets, libFuzzer ($fuzz)"
  bash "$(dirname "$0")/run-fuzzers.sh" "$fuzz" "$fuzz_runs" || status=1
fi

exit $status
