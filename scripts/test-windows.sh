#!/usr/bin/env bash
# Builds the Windows platform layer and its check program with the MinGW-w64
# cross compiler and runs the check under wine, in a wine prefix of its own
# inside the build folder. Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh windows

out=build/windows
mkdir -p "$out"
cxx=x86_64-w64-mingw32-g++-posix
windres=x86_64-w64-mingw32-windres
# Everything linked in statically (libgcc, libstdc++, winpthread), so that wine
# needs no MinGW libraries.
link=(-static)

fail() {
  echo "test-windows: $*" >&2
  exit 1
}

$windres -O coff -o "$out/versioninfo.o" tests/windows/versioninfo.rc || fail "the version resource did not compile"
$windres -O coff -o "$out/partialversion.o" tests/windows/partialversion.rc || fail "the library resource did not compile"
$cxx -shared "${link[@]}" -o "$out/partialversion.dll" "$out/partialversion.o" || fail "the library did not link"
$cxx -std=c++20 -O1 -Wall -Wextra -Werror -Isrc/platform "${link[@]}" -o "$out/tst_platform_windows.exe" \
  src/platform/helpfiles.cpp src/platform/platform_windows.cpp tests/windows/tst_platform_windows.cpp \
  "$out/versioninfo.o" -lversion || fail "the check program did not build"

export WINEPREFIX="$PWD/$out/wineprefix" WINEARCH=win64 WINEDEBUG=-all
# No .NET or browser engine: the check needs neither, and wine would offer to install them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# The check is told its own folder as Windows sees it: wine maps / to drive Z:.
folder="Z:$(cd "$out" && pwd -P | tr / '\\')"
wine "$out/tst_platform_windows.exe" "$folder" || fail "the check failed under wine (exit status $?)"
