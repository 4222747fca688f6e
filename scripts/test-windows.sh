#!/usr/bin/env bash
# The Windows programmer, built on Linux and tried under wine: the unit and
# widget tests and the platform layer's check, the programs end to end, and
# the setup installed silently, tried and uninstalled. Each part runs in a wine
# prefix of its own inside build/windows. Needs no display of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-windows.sh

export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
section() { printf '== %s (%s s)\n' "$1" "$SECONDS"; }

section "wine prefix"
# Made before the tests run side by side, which would otherwise race to make it.
WINEPREFIX=$PWD/build/windows/wineprefix wineboot -i >/dev/null 2>&1
section "tests under wine"
ctest --preset windows -j "$(nproc)"
section "setup"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
WINEPREFIX=$PWD/build/windows/installer-prefix bash tests/windows/check-installer.sh \
  "build/windows/merolan-programmer-$version-setup.exe" build/windows/stage
section "done"
