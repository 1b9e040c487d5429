#!/usr/bin/env bash
# Runs a Windows test program under Wine for CTest (the build's CMAKE_CROSSCOMPILING_EMULATOR):
#   wine-run.sh PROGRAM.exe [ARGUMENT...]
# The test's log goes into a file (QtTest's -o), printed when it ends: what a Windows program
# writes into a standard output of Linux is not seen, and one that starts programs of its own
# with CTest's output pipe as its standard output hangs.
log="$(mktemp /tmp/vokab-wine-run.XXXXXX)"
trap 'rm -f "$log"' EXIT
program="$1"
shift
/usr/lib/wine/wine64 "$program" -o "Z:${log//\//\\},txt" "$@" >/dev/null 2>&1 </dev/null
status=$?
tr -d '\r\0' <"$log"
exit "$status"
