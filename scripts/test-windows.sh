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
# Made before the tests run side by side, which would otherwise race to make
# it; its server kept running, so that the list of objects Debian's wineserver
# prints as its last process ends does not land in a test's output.
export WINEPREFIX=$PWD/build/windows/wineprefix
wineboot -i >/dev/null 2>&1
wineserver -p 2>/dev/null || true
section "tests under wine"
ctest --preset windows -j "$(nproc)"

# End to end on COM5, served by the simulated modem of the Linux build on a
# pseudo-terminal. Wine 8 cannot hear a pseudo-terminal by itself: the
# preloaded library answers for its modem lines and reports the serial waits.
section "programs on COM5"
[ -f build/debug/build.ninja ] || cmake --preset debug >/dev/null
cmake --build build/debug --target merolan-sim merolan-cli tst_cli_process
shim=$PWD/build/windows/libwineserial.so
gcc -shared -fPIC -O2 -Wall -Wextra -Werror -o "$shim" tests/windows/wineserial.c -ldl
MEROLAN_WINDOWS_CLI=$PWD/build/windows/src/merolan-cli.exe MEROLAN_WINE_SHIM=$shim \
  build/debug/tests/tst_cli_process windowsProgramOnCom5
xvfb-run -a -s "-screen 0 1024x768x24" bash tests/windows/check-window.sh build/windows/src/merolan.exe "$shim" \
  build/debug build/windows/window.png
unset WINEPREFIX
section "setup"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
WINEPREFIX=$PWD/build/windows/installer-prefix bash tests/windows/check-installer.sh \
  "build/windows/merolan-programmer-$version-setup.exe" build/windows/stage
section "done"
