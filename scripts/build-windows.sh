#!/usr/bin/env bash
# Builds the Windows programmer on Linux, with MinGW-w64 against a static Qt
# 6.4.2 for Windows: build/windows/src/merolan.exe and merolan-cli.exe, the
# tests, and build/windows/merolan-programmer-<version>-setup.exe.
# The Qt archive is MEROLAN_QT_MINGW_ARCHIVE, or qt6.4.2-mingw-w64-x86_64-static.tar.xz
# in ../shared/qt6-mingw/ beside this checkout or in /work/shared/qt6-mingw/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh windows

name=qt6.4.2-mingw-w64-x86_64-static.tar.xz
archive=${MEROLAN_QT_MINGW_ARCHIVE:-}
if [ -z "$archive" ]; then
  for candidate in "../shared/qt6-mingw/$name" "/work/shared/qt6-mingw/$name"; do
    [ -f "$candidate" ] && archive=$candidate && break
  done
fi
if [ -z "$archive" ] || [ ! -f "$archive" ]; then
  echo "build-windows: no Qt for Windows: set MEROLAN_QT_MINGW_ARCHIVE to $name" >&2
  echo "  (made from Debian's qt6-base 6.4.2 sources by the build.sh that comes with it)" >&2
  exit 1
fi

# Unpacked once, again only when the archive changes.
qt=build/qt6-mingw
stamp=$qt/.archive
if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$(stat -c '%s %Y' "$archive")" ]; then
  rm -rf "$qt"
  mkdir -p build
  tar -C build -xJf "$archive"
  stat -c '%s %Y' "$archive" >"$stamp"
fi

[ -f build/windows/build.ninja ] || cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)"
