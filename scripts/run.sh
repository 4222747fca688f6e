#!/usr/bin/env bash
# Builds the programmer and starts it. With no serial device named it runs on
# the built-in simulated modem: scripts/run.sh [/dev/ttyUSB0] [more options]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target merolan merolan-cli
if [ $# -gt 0 ] && [[ "$1" != --* ]]; then
  port="$1"; shift
  exec build/release/src/merolan --port "$port" "$@"
fi
exec build/release/src/merolan --demo "$@"
