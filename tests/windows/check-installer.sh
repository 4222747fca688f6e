#!/usr/bin/env bash
# Runs the Windows setup silently under wine, for all users and for the current
# user, and checks what it installed and that its uninstaller takes all of it
# away again, leaving what the user saved.
#   tests/windows/check-installer.sh merolan-programmer-<a.b.c.d>-setup.exe [STAGE]
# With STAGE, the folder the setup was made from, the installed programs, help
# files and presets must equal its own. The wine prefix is WINEPREFIX, or a
# temporary one; both modes share it, as setting one up takes most of the time.
set -euo pipefail

fail() {
  echo "check-installer: $*" >&2
  exit 1
}

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  fail "usage: $0 SETUP_EXE [STAGE]"
fi
setup=$(realpath "$1")
stage=${2:+$(realpath "$2")}
licences=$(realpath "$(dirname "$0")/../../packaging/windows")
[[ $(basename "$setup") =~ ^merolan-programmer-([0-9]+\.[0-9]+\.[0-9]+\.[0-9]+)-setup\.exe$ ]] ||
  fail "$setup is not named merolan-programmer-<a.b.c.d>-setup.exe"
version=${BASH_REMATCH[1]}
[ -f "$setup" ] || fail "$setup does not exist"

scratch=$(mktemp -d)
own_prefix=""
if [ -z "${WINEPREFIX:-}" ]; then
  own_prefix=$scratch/prefix
  export WINEPREFIX=$own_prefix
fi
export WINEARCH=win64 WINEDEBUG=-all
# No .NET or browser engine to offer, and no menu entries or file types put on
# this machine's own desktop for what the setup registers inside wine.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
finish() {
  # A wineserver outliving its prefix would serve the next prefix made on the same inode.
  if [ -n "$own_prefix" ]; then
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap finish EXIT

started=$(date +%s%N)
step() {
  local now ms
  now=$(date +%s%N)
  ms=$(((now - started) / 1000000))
  printf 'check-installer: %-56s %3d.%02d s\n' "$1" $((ms / 1000)) $((ms % 1000 / 10))
  started=$now
}

win() { wine "$@" 2>/dev/null | tr -d '\r'; }
names() { find "$1" -mindepth 1 -printf '%P\n' | sort; }
unix_path() { winepath -u "$1" 2>/dev/null; }

# Every value under KEY, one "subkey|name|value" line each, the subkey relative to KEY.
values() {
  local line width="" at=""
  while IFS= read -r line; do
    if [[ $line == HKEY_* ]]; then
      width=${width:-${#line}}
      at=${line:width}
    elif [[ $line =~ ^"    "(.*)"    "REG_[A-Z_]+"    "(.*)$ ]]; then
      echo "$at|${BASH_REMATCH[1]}|${BASH_REMATCH[2]}"
    fi
  done < <(win reg query "$1" /s)
}
expect_values() {
  local got
  got=$(values "$1" | sort)
  [ "$got" = "$(sort <<<"$2")" ] || fail "$3: the registry under $1 holds
$got
instead of
$2"
}
expect_no_key() {
  ! wine reg query "$1" >/dev/null 2>&1 || fail "$2: $1 is still in the registry"
}

# The files the setup puts in the program's folder, with where each comes from.
staged=("merolan.exe" "merolan-cli.exe" "Merolan Programmer_EN.chm" "Merolan Programmer_GR.chm" "presets.json"
  "translations/merolan_el.qm" "translations/qtbase_el.qm")
own=("Brantholm Freeware License Agreement.rtf" "Qt-LGPL-notice.txt" "LGPL-3.txt" "GPL-3.txt")
installed=$(printf '%s\n' "${staged[@]}" "${own[@]}" translations uninstall.exe | sort)

env_folders=$(win cmd /c 'echo %LOCALAPPDATA%^|%APPDATA%^|%ALLUSERSPROFILE%')
IFS='|' read -r local_appdata appdata all_users <<<"$env_folders"
[ -n "$all_users" ] || fail "wine did not start in $WINEPREFIX"
step "wine prefix ready"

# install MODE KEYROOT FOLDER STARTMENU: installs in MODE and checks it all.
install() {
  local mode=$1 root=$2 folder=$3 menu=$4 dir shortcut name out
  win "$setup" /S "/$mode" >/dev/null || fail "$mode: the setup exited with status $?"
  step "$mode: installed"

  dir=$(unix_path "$folder")
  [ -d "$dir" ] || fail "$mode: no folder $folder"
  [ "$(names "$dir")" = "$installed" ] || fail "$mode: $folder holds
$(names "$dir")
instead of
$installed"
  if [ -n "$stage" ]; then
    for name in "${staged[@]}"; do
      cmp -s "$stage/$name" "$dir/$name" || fail "$mode: $name differs from the one in $stage"
    done
  fi
  for name in "${own[@]}"; do
    cmp -s "$licences/$name" "$dir/$name" || fail "$mode: $name differs from the one in $licences"
  done

  shortcut=$(unix_path "$menu\\Merolan programmer.lnk")
  [ -f "$shortcut" ] || fail "$mode: no Start-menu shortcut $menu\\Merolan programmer.lnk"
  grep -qaF "$folder\\merolan.exe" "$shortcut" || fail "$mode: the Start-menu shortcut does not lead to merolan.exe"

  expect_values "$root\\Software\\Classes\\.mrl" "|(Default)|MerolanProgrammer.Setup" "$mode: .mrl"
  expect_values "$root\\Software\\Classes\\MerolanProgrammer.Setup" "\
|(Default)|Merolan setup
\\DefaultIcon|(Default)|$folder\\merolan.exe,0
\\shell\\open\\command|(Default)|\"$folder\\merolan.exe\" \"%1\"" "$mode: the .mrl file type"
  expect_values "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\MerolanProgrammer" "\
|DisplayName|Merolan programmer
|DisplayVersion|$version
|Publisher|Brantholm
|DisplayIcon|$folder\\merolan.exe,0
|InstallLocation|$folder
|UninstallString|\"$folder\\uninstall.exe\"
|QuietUninstallString|\"$folder\\uninstall.exe\" /S
|EstimatedSize|$(printf '0x%x' $(($(find "$dir" -type f -exec cat {} + | wc -c) / 1024)))
|NoModify|0x1
|NoRepair|0x1" "$mode: the Add/Remove Programs entry"
  step "$mode: files, shortcut and registry checked"

  out=$(win "$folder\\merolan-cli.exe" --version) || fail "$mode: merolan-cli.exe --version exited with status $?"
  [ "$out" = "merolan-cli $version" ] || fail "$mode: merolan-cli.exe --version printed '$out', not 'merolan-cli $version'"
  step "$mode: merolan-cli.exe --version"
}

# uninstall MODE KEYROOT FOLDER STARTMENU [KEPT]: runs the uninstaller and
# checks that only KEPT, a file the user saved there, is left.
uninstall() {
  local mode=$1 root=$2 folder=$3 menu=$4 kept=${5:-} dir
  dir=$(unix_path "$folder")
  # The uninstaller, started from the folder, copies itself away and returns at
  # once; started from a copy and told the folder, it returns when done. It
  # reads that folder only unquoted, and wine quotes an argument with spaces:
  # cmd passes a batch file's line on as written.
  cp "$dir/uninstall.exe" "$scratch/uninstall.exe"
  printf '"%%~dp0uninstall.exe" /S _?=%s\r\n' "$folder" >"$scratch/uninstall.bat"
  win cmd /c "$(win winepath -w "$scratch/uninstall.bat")" >/dev/null || fail "$mode: the uninstaller exited with status $?"
  step "$mode: uninstalled"

  if [ -n "$kept" ]; then
    [ "$(names "$dir")" = "$kept" ] || fail "$mode: $folder holds
$(names "$dir")
instead of only the user's $kept"
  else
    [ ! -e "$dir" ] || fail "$mode: $folder is still there, holding: $(names "$dir")"
  fi
  [ ! -e "$(unix_path "$menu\\Merolan programmer.lnk")" ] || fail "$mode: the Start-menu shortcut is still there"
  expect_no_key "$root\\Software\\Classes\\.mrl" "$mode"
  expect_no_key "$root\\Software\\Classes\\MerolanProgrammer.Setup" "$mode"
  expect_no_key "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\MerolanProgrammer" "$mode"
  step "$mode: nothing left"
}

all=(AllUsers HKLM "C:\\Program Files\\Merolan programmer" "$all_users\\Microsoft\\Windows\\Start Menu\\Programs")
mine=(CurrentUser HKCU "$local_appdata\\Programs\\Merolan programmer" "$appdata\\Microsoft\\Windows\\Start Menu\\Programs")

install "${all[@]}"
install "${mine[@]}"
# An administrator's own install goes away alone, and keeps the setup the user saved in it.
saved="$(unix_path "${mine[2]}")/my modem.mrl"
touch "$saved"
uninstall "${mine[@]}" "my modem.mrl"
rm "$saved" && rmdir "$(dirname "$saved")"
expect_values 'HKLM\Software\Classes\.mrl' "|(Default)|MerolanProgrammer.Setup" \
  "CurrentUser: its uninstaller took from the all-users .mrl file type"
[ -f "$(unix_path "${all[2]}")/merolan.exe" ] || fail "CurrentUser: its uninstaller took the all-users programs with it"
uninstall "${all[@]}"
echo "check-installer: all checks passed"
