#!/usr/bin/env bash
# Installs the Debian packages the programmer needs:
#   install-deps.sh run    building and running the programs
#   install-deps.sh test   that, plus the tests, the style checks, the fuzz
#                          target, the package check and the help compiler
#                          (the default)
#   install-deps.sh windows  that of "run", plus the MinGW-w64 cross compiler,
#                          wine, makensis, the help compiler and a virtual
#                          display: the Windows build, its setup and its tests
# Safe to run again: it installs only what is missing.
set -euo pipefail

mode=${1:-test}
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  qt6-tools-dev qt6-l10n-tools
  libgl-dev libvulkan-dev
  fontconfig fonts-dejavu-core
)
case "$mode" in
  run) ;;
  test)
    packages+=(
      clang libclang-rt-14-dev clang-format clang-tidy
      xvfb xauth x11-utils imagemagick xdotool
      dpkg-dev desktop-file-utils man-db python3-jsonschema
      fp-utils
    )
    ;;
  windows)
    packages+=(wine wine64 g++-mingw-w64-x86-64-posix nsis fp-utils xvfb xauth xdotool imagemagick)
    ;;
  *)
    echo "usage: $0 [run|test|windows]" >&2
    exit 2
    ;;
esac

# One query for the whole list: a start of scripts/run.sh should not wait on it.
declare -A installed=()
while read -r p status; do
  [ "$status" = "install ok installed" ] && installed[$p]=1
done < <(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for p in "${packages[@]}"; do
  [ -n "${installed[$p]:-}" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
