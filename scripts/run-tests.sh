#!/usr/bin/env bash
# Runs ctest in the normal build and then in the sanitizer build; fails when any test fails.
set -uo pipefail
normal=$1
sanitize=$2
status=0

echo "== Tests, normal build ($normal)"
ctest --test-dir "$normal" --output-on-failure -j "$(nproc)" || status=1

echo "== Tests, AddressSanitizer + UndefinedBehaviorSanitizer build ($sanitize)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$sanitize" --output-on-failure -j "$(nproc)" || status=1

exit $status
