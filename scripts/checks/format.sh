#!/usr/bin/env bash
# Fails on code laid out against .clang-format; `clang-format -i FILE` mends it.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
cd "$here"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h' 'tests/*.cpp' 'tests/*.h' \
  'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h' 'server/*.cpp' 'server/*.h')
if ! clang-format --dry-run -Werror "${files[@]}" 2>"$log"; then
  grep -E "(error|warning):" "$log" | cut -d: -f1 | sort -u | sed 's/^/not formatted: /'
  echo "format check failed" >&2
  exit 1
fi
echo "format check passed"
