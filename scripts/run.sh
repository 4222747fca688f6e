#!/usr/bin/env bash
# Builds the programmer and starts it. With no serial device named it runs on
# the built-in simulated modem: scripts/run.sh [/dev/ttyUSB0] [more options]
# Also builds merolan-cli and merolan-sim beside it in build/release.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/release

# A start with nothing to rebuild should cost next to nothing: the packages
# are checked again only when their list changed, and CMake configures only a
# new build folder (ninja re-runs it when a CMakeLists.txt changes).
if [ ! -f "$build/.deps-run" ] || [ scripts/install-deps.sh -nt "$build/.deps-run" ]; then
  bash scripts/install-deps.sh run
  mkdir -p "$build"
  touch "$build/.deps-run"
fi
[ -f "$build/build.ninja" ] || cmake --preset release >/dev/null
(cd "$build" && ninja merolan merolan-cli merolan-sim)

if [ $# -gt 0 ] && [[ "$1" != --* ]]; then
  port="$1"
  shift
  exec "$build/src/merolan" --port "$port" "$@"
fi
exec "$build/src/merolan" --demo "$@"
