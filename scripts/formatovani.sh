#!/usr/bin/env bash
# Formats every C++ file of the project with its .clang-format; with --kontrola only lists
# the files that differ and fails when there are any (CI runs it so).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == "--kontrola" ]]; then
  bad=()
  for f in "${files[@]}"; do
    clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || bad+=("$f")
  done
  if ((${#bad[@]})); then
    printf 'not formatted (run scripts/formatovani.sh): %s\n' "${bad[@]}" >&2
    exit 1
  fi
  echo "formatting: ${#files[@]} files as .clang-format says"
else
  clang-format -i "${files[@]}"
fi
