#!/usr/bin/env bash
# Fails on a name against docs/CONVENTIONS.md in src/ or tools/: clang-tidy's
# naming check with the rules of .clang-tidy, over the main build's files.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! run-clang-tidy -p "$here/build" -j "$(nproc)" -quiet "^$here/(src|tools)/" >"$log" 2>&1; then
  grep -E "(warning|error):" "$log" | sort -u
  echo "naming check failed" >&2
  exit 1
fi
echo "naming check passed"
