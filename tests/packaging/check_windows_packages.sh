#!/usr/bin/env bash
# The Windows packages of a build under Wine, as a teacher and a school's administrator meet
# them: the portable ZIP holds every library its programs import and starts from its unpacked
# folder with nothing else on the search path; the installer installs silently with a Start-menu
# entry and an entry among the installed programs, the installed program starts, and the
# uninstaller removes it. Exit 77 (skipped) without an X display for the program's window.
# Usage: check_windows_packages.sh <build dir> <wine-run> <objdump>
set -uo pipefail
build=$1 wine=$2 objdump=$3
[[ -n ${DISPLAY:-} ]] || { echo "SKIP: no X display for the program's window"; exit 77; }
prefix=${WINEPREFIX:-$build/wine-prefix}
work=$build/tests/packaging/windows-packages
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$work" && mkdir -p "$work"
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }

# The program's window, by its caption, appears within 90 s; then the program is stopped. The
# program is told to use Windows' own platform: the tests' QT_QPA_PLATFORM=offscreen would reach
# it through wine-run, and an offscreen program never shows a window.
starts() {
  local pid shown=1
  QT_QPA_PLATFORM=windows "$@" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 180); do
    sleep 0.5
    xwininfo -root -tree | grep -q '"Zarvel' && { shown=0; break; }
  done
  kill "$pid" 2>/dev/null
  "$wine" taskkill /f /im Ondix15.exe >/dev/null 2>&1
  wait "$pid" 2>/dev/null
  return $shown
}

"$wine" cmd /c exit >/dev/null 2>&1 # makes the Wine prefix on first use
(cd "$work" && cmake -E tar xf ondix15-*-win64.zip) || fail "ZIP not made"
folder=$(echo "$work"/ondix15-*-win64)
for file in Ondix15.exe qt.conf translations/qtbase_de.qm platforms/qwindows.dll \
  styles/qwindowsvistastyle.dll licenses/copyright.txt; do
  [[ -f $folder/$file ]] || fail "the ZIP lacks $file"
done
ls "$prefix/drive_c/windows/system32" "$folder" | tr A-Z a-z >"$work/available"
for module in "$folder"/*.exe "$folder"/*.dll "$folder"/*/*.dll; do
  # Windows resolves the api-ms-win-... names to its own libraries; they are not files.
  for dll in $("$objdump" -p "$module" | sed -n 's/^\s*DLL Name: //p' | tr A-Z a-z | grep -v '^api-ms-'); do
    grep -qxF "$dll" "$work/available" || fail "${module#$folder/} imports $dll, not in the ZIP"
  done
done
WINEPATH= starts "$wine" "$folder/Ondix15.exe" || fail "the portable program shows no window"
echo "PASS: portable ZIP"

installed="$prefix/drive_c/Program Files/Ondix15"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ondix15'
"$wine" "$(echo "$work"/ondix15-*-win64.exe)" /S || fail "the silent installation failed"
[[ -f $installed/Ondix15.exe ]] || fail "nothing installed in $installed"
find "$prefix/drive_c" -path '*/Start Menu/Programs/Ondix15*/Ondix15 Wellenmaschine.lnk' |
  grep -q . || fail "no Start-menu entry"
"$wine" reg query "$key" >/dev/null 2>&1 || fail "not among the installed programs"
WINEPATH= starts "$wine" "$installed/Ondix15.exe" || fail "the installed program shows no window"
"$wine" "$installed/Uninstall.exe" /S
for _ in $(seq 60); do [[ -e $installed ]] || break; sleep 0.5; done
[[ ! -e $installed ]] || fail "the uninstaller left $installed"
! "$wine" reg query "$key" >/dev/null 2>&1 || fail "still among the installed programs"
echo "PASS: installer, silent installation and uninstallation"
