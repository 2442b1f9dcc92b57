#!/bin/sh
# Runs a program of the Windows build on Wine's own desktop of the given size, where Wine draws
# the windows' title bars and frames as Windows does. Exit 77 (skipped) without an X display.
# Usage: run_on_wine_desktop.sh <wine-run> <WIDTHxHEIGHT> <program> [arguments]
wine=$1 size=$2 program=$3
shift 3
[ -n "${DISPLAY:-}" ] || { echo "SKIP: no X display for Wine's desktop"; exit 77; }
# One desktop per size, chosen for this program by its file name.
desktop=Ondix$size
"$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$desktop" /d "$size" /f >/dev/null 2>&1
"$wine" reg add "HKCU\\Software\\Wine\\AppDefaults\\$(basename "$program")\\Explorer" \
  /v Desktop /d "$desktop" /f >/dev/null 2>&1
exec "$wine" "$program" "$@"
