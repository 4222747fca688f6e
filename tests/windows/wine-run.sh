#!/usr/bin/env bash
# Runs one Windows test program under wine, in the build's own wine prefix:
#   wine-run.sh [--qtest] PROGRAM.exe ARGS...
# A QtTest program writes its log to the debugger when its output is no
# console, so with --qtest the log goes to a file, printed afterwards.
set -u
qtest=false
if [ "${1:-}" = --qtest ]; then
  qtest=true
  shift
fi
program=$1
shift
if ! $qtest; then
  exec wine "$program" "$@"
fi
log=$(mktemp --suffix=.log)
trap 'rm -f "$log"' EXIT
# Wine shows the whole Linux file system as drive Z:.
wine "$program" "$@" -o "Z:${log//\//\\},txt"
status=$?
cat "$log"
exit $status
