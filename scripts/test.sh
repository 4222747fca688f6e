#!/usr/bin/env bash
# Checks the style and the Windows platform layer (cross-built, under wine),
# then builds and runs the whole test suite (the .deb check among it), then the
# same suite under AddressSanitizer and UndefinedBehaviorSanitizer. Warnings are
# errors in every build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
jobs=$(nproc)

cmake --preset debug >/dev/null
bash scripts/lint.sh build/debug
bash scripts/test-windows.sh

for preset in debug asan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
