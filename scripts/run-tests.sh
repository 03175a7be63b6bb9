#!/usr/bin/env bash
# Runs ctest in the normal build, then in the sanitizer build, then (when given) the Windows
# build's tests under Wine; fails when any test fails.
set -uo pipefail
normal=$1
sanitize=$2
windows=${3:-}
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

exit $status
