#!/usr/bin/env bash
# Checks the house style: clang-format on every source, and clang-tidy on the
# programs' own sources. Needs the compile commands of a configured build
# (cmake --preset debug).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/debug}

git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
run-clang-tidy -p "$build" -j "$(nproc)" -quiet "^$PWD/(src|sim)/" >/tmp/merolan-tidy.log 2>&1 || {
  grep -E -A3 'warning:|error:' /tmp/merolan-tidy.log | head -60
  echo "clang-tidy found problems (whole log: /tmp/merolan-tidy.log)" >&2
  exit 1
}
echo "lint: clang-format and clang-tidy clean"
