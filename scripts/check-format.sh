#!/usr/bin/env bash
# Fails, naming the files, when a source file differs from what clang-format makes of it
# (`make format` fixes them). The style is .clang-format's, as Debian's clang-format applies it.
set -uo pipefail
cd "$(dirname "$0")/.."
unformatted=()
while IFS= read -r -d '' file; do
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(find src tools tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "Not formatted as clang-format formats them (make format):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "Formatting: every source file as clang-format has it"
