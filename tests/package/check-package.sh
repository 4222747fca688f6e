#!/usr/bin/env bash
# Builds the .deb from a configured build tree, unpacks it without installing
# it, and checks what a user would get.
#   check-package.sh BUILD_DIR [CPACK]
set -euo pipefail

build=$(cd "$1" && pwd)
cpack=${2:-cpack}
command -v dpkg-deb >/dev/null || { echo "SKIP: dpkg-deb not found"; exit 77; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The README builds only the three programs before it installs or packages:
# that must make the help files too, or both fail on them.
chm=("$build/src/Merolan Programmer_EN.chm" "$build/src/Merolan Programmer_GR.chm")
if [ -f "${chm[0]}" ]; then
  rm -f "${chm[@]}"
  cmake --build "$build" --target merolan merolan-cli merolan-sim >"$scratch/build.log" 2>&1 ||
    { cat "$scratch/build.log" >&2; fail "the README's build of the three programs failed"; }
  [ -f "${chm[0]}" ] && [ -f "${chm[1]}" ] || fail "building merolan, merolan-cli and merolan-sim made no help files"
fi

"$cpack" --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; fail "cpack could not build the package"; }
deb="$scratch/out/merolan-programmer_1.0.0.1_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "cpack made no $(basename "$deb"); it made: $(ls "$scratch/out")"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

[ "$(dpkg-deb -f "$deb" Package)" = merolan-programmer ] || fail "Package field is '$(dpkg-deb -f "$deb" Package)'"
[ "$(dpkg-deb -f "$deb" Version)" = 1.0.0.1 ] || fail "Version field is '$(dpkg-deb -f "$deb" Version)'"
description=$(dpkg-deb -f "$deb" Description)
[[ $description != *";"* ]] || fail "the description holds a ';': $description"
long=$(awk 'length > 80' <<<"$description")
[ -z "$long" ] || fail "description lines over 80 columns: $long"
[ "$(wc -l <<<"$description")" -gt 2 ] || fail "the description is not wrapped: $description"
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for p in qt6-qpa-plugins libqt6widgets6 libqt6serialport6 libqt6svg6; do
  [[ ", $depends," == *", $p"[\ ,]* ]] || fail "Depends lacks $p"
done

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
expected="./usr/bin/merolan
./usr/bin/merolan-cli
./usr/bin/merolan-sim
./usr/share/applications/merolan.desktop
./usr/share/bash-completion/completions/merolan-cli
./usr/share/doc/merolan-programmer/copyright
./usr/share/icons/hicolor/scalable/apps/merolan.svg
./usr/share/man/man1/merolan-cli.1.gz
./usr/share/man/man1/merolan-sim.1.gz
./usr/share/man/man1/merolan.1.gz
./usr/share/mime/packages/merolan.xml
./usr/share/merolan/help/el/index.html
./usr/share/merolan/help/en/index.html
./usr/share/merolan/presets.json
./usr/share/merolan/translations/merolan_el.qm
./usr/share/merolan/translations/qtbase_el.qm"
# The Windows help files come only from a build that had chmcmd.
if [ -f "$build/src/Merolan Programmer_EN.chm" ]; then
  expected+="
./usr/share/merolan/Merolan Programmer_EN.chm
./usr/share/merolan/Merolan Programmer_GR.chm"
else
  echo "package: the build made no .chm help files (no chmcmd)"
fi
expected=$(LC_ALL=C sort <<<"$expected")
# The guide's other pages and pictures change with its text; its entry pages stand for them.
actual=$(cd "$root" && find . -type f ! \( -path './usr/share/merolan/help/*' ! -name index.html \) | LC_ALL=C sort)
missing=$(LC_ALL=C comm -23 <(echo "$expected") <(echo "$actual"))
extra=$(LC_ALL=C comm -13 <(echo "$expected") <(echo "$actual"))
[ -z "$missing" ] || fail "missing from the package: $missing"
[ -z "$extra" ] || fail "not meant to be in the package: $extra"

for p in merolan merolan-cli merolan-sim; do
  [ -x "$root/usr/bin/$p" ] || fail "/usr/bin/$p is not executable"
  ! ldd "$root/usr/bin/$p" | grep 'not found' || fail "/usr/bin/$p needs a library the system lacks"
  ! readelf -d "$root/usr/bin/$p" | grep -E 'RPATH|RUNPATH' || fail "/usr/bin/$p has a run path of its own"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/merolan.desktop" || fail "merolan.desktop is not valid"
fi
# The desktop finds the programmer for a .mrl by the name the glob gives it.
mime="$root/usr/share/mime/packages/merolan.xml"
glob=$(python3 -c '
import sys, xml.etree.ElementTree as t
n = "{http://www.freedesktop.org/standards/shared-mime-info}"
for m in t.parse(sys.argv[1]).getroot().iter(n + "mime-type"):
    for g in m.iter(n + "glob"):
        print(m.get("type"), g.get("pattern"))' "$mime") || fail "merolan.xml is not XML"
[ "$glob" = "application/x-merolan-setup *.mrl" ] || fail "merolan.xml's types and globs are: $glob"
grep -qx 'MimeType=application/x-merolan-setup;' "$root/usr/share/applications/merolan.desktop" &&
  grep -qx 'Exec=merolan %f' "$root/usr/share/applications/merolan.desktop" ||
  fail "merolan.desktop does not open application/x-merolan-setup files"

# Debian's machine-readable form: a Format line, a stanza for all files, and
# the text of the licence it names, word for word the agreement the Windows
# setup shows.
agreement="$(dirname "$0")/../../packaging/windows/Brantholm Freeware License Agreement.rtf"
python3 - "$root/usr/share/doc/merolan-programmer/copyright" "$agreement" <<'DEP5' ||
import re, sys
stanzas = [dict(re.findall(r"^([\w-]+):[ \t]*(.*(?:\n[ \t].*)*)", s, re.M))
           for s in open(sys.argv[1]).read().strip().split("\n\n")]
assert stanzas[0].get("Format") == "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/", stanzas[0]
files = [s for s in stanzas if s.get("Files") == "*"]
assert files and files[0].get("Copyright"), "no Files: * stanza with its Copyright"
name = files[0]["License"]
text = [s["License"] for s in stanzas if s.get("License", "").startswith(name + "\n ")]
assert text, "no text for " + name
rtf = open(sys.argv[2], encoding="cp1252").read().split("\\fs20", 1)[1]
words = re.sub(r"\\[a-z]+\d* ?|[{}]", "", rtf).split()
assert text[0].replace("\n .\n", "\n").split()[1:] == words, "its licence text is not the agreement's"
DEP5
  fail "the copyright file is not DEP-5, or its licence is not the agreement"

for m in merolan merolan-cli merolan-sim; do
  page="$root/usr/share/man/man1/$m.1.gz"
  # Made with gzip -9n: no file name and no time in its header.
  header=$(od -An -tx1 -N8 "$page" | tr -d ' ')
  [ "$header" = 1f8b080000000000 ] || fail "$m.1.gz has the header $header, not gzip -n's"
  man -l "$page" 2>/dev/null | grep -q "^NAME" || fail "man -l does not read $m.1.gz"
  if command -v groff >/dev/null; then
    warnings=$(zcat "$page" | groff -t -man -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$m.1 does not format cleanly: $warnings"
  fi
done

# What Tab offers after the words typed, from the completion installed.
complete_words() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _merolan_cli; echo "${COMPREPLY[*]}"' \
    _ "$root/usr/share/bash-completion/completions/merolan-cli" "$@"
}
offered=$(complete_words merolan-cli set x.json SM)
[ "$offered" = SMSNum= ] || fail "Tab after 'merolan-cli set x.json SM' offers '$offered'"
offered=$(complete_words merolan-cli con)
[ "$offered" = convert ] || fail "Tab after 'merolan-cli con' offers '$offered'"

for lang in en el; do
  pages=$(find "$root/usr/share/merolan/help/$lang" -name '*.html' | wc -l)
  [ "$pages" -gt 1 ] && [ -f "$root/usr/share/merolan/help/$lang/images/screenshot-start.png" ] ||
    fail "the $lang guide in the package has $pages pages, or lacks its pictures"
done

cli="$root/usr/bin/merolan-cli"
version=$("$cli" --version) || fail "merolan-cli --version exited $?"
grep -qx 'merolan-cli 1\.0\.0\.1' <<<"$version" || fail "merolan-cli --version printed '$version', not 1.0.0.1"
read=$(timeout 60 "$cli" --demo read 2>/dev/null) || fail "merolan-cli --demo read exited $?"
grep -q SerialNumber <<<"$read" || fail "merolan-cli --demo read printed no SerialNumber: $read"
echo "package: all checks passed"
