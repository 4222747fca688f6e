#!/usr/bin/env bash
# Checks the house style: clang-format on every source, and clang-tidy on the
# programs' own sources. Needs the compile commands of a configured build
# (cmake --preset debug).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/debug}

git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

# The layers hold only if every include goes through a library's published
# folder: a relative include that climbs out of its folder reaches any layer,
# and Qt's module prefix reaches the widgets from below the windows.
layer_breach() {
  if git grep -nE "$2" -- "${@:3}"; then
    echo "lint: $1" >&2
    exit 1
  fi
}
layer_breach 'an include climbs out of its folder: include the header by its name' \
  '#include[[:space:]]*"\.\./' '*.cpp' '*.h'
layer_breach 'the serial and setup layers and the demo modem use no widgets' \
  '#include[[:space:]]*<Qt(Widgets|Gui|Svg)/' src/link src/setup sim/modem
# The Greek translation keeps up with the sources: lupdate, as the build's
# update_translations target runs it, changes nothing, and nothing in either
# translation is left unfinished.
cmake --build "$build" --target update_translations >/dev/null
git diff --exit-code --stat -- translations/ || {
  echo "lint: translations/merolan_el.ts was behind the sources; lupdate has brought it up to date: translate and commit" >&2
  exit 1
}
if grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"' translations/*.ts; then
  echo "lint: the translations above are unfinished or no longer in the sources" >&2
  exit 1
fi
run-clang-tidy -p "$build" -j "$(nproc)" -quiet "^$PWD/(src|sim)/" >/tmp/merolan-tidy.log 2>&1 || {
  grep -E -A3 'warning:|error:' /tmp/merolan-tidy.log | head -60
  echo "clang-tidy found problems (whole log: /tmp/merolan-tidy.log)" >&2
  exit 1
}
echo "lint: clang-format and clang-tidy clean"
