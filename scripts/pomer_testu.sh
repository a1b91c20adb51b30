#!/usr/bin/env bash
# Prints the size of the tests against the code they test: non-blank lines of .cpp/.h
# under tests/ against src/ + tools/. The owner's bound is 0.36.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { find "$@" \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat | grep -cv '^[[:space:]]*$'; }
tests=$(count tests)
code=$(count src tools)
awk -v t="$tests" -v c="$code" \
  'BEGIN { printf "tests %d / code %d lines = %.3f (bound 0.36)\n", t, c, t / c; exit (t / c > 0.36) }'
