#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvane
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer, in a Wine prefix of its own: a silent install puts the program into
# Program Files\Kartavo with its Start menu entry and its uninstaller registered; the installed
# analyzer runs; the installed program starts and reaches the game table (its window on an X
# display of the test's own); a silent uninstall leaves nothing in the install folder and keeps
# the player's own card back.
# usage: windows_installer_test.sh SOURCE_DIR BUILD_DIR VERSION
set -u
src=$1 build=$2 version=$3
setup=$build/kartavo-$version-win64-setup.exe
[ -f "$setup" ] || { echo "FAIL: no $setup (cpack -G NSIS in $build makes it)"; exit 1; }
tmp=$(mktemp -d)
prefix=$tmp/prefix xvfb=
cleanup() {
    WINEPREFIX=$prefix wineserver -k 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
wine_run() { "$src/scripts/wine-run" --prefix "$prefix" "$@"; }

folder="$prefix/drive_c/Program Files/Kartavo"
wine_run "$setup" /S || fail "the silent install ended with status $?"
WINEPREFIX=$prefix wineserver -w
[ -f "$folder/kartavo.exe" ] && [ -f "$folder/kartavo-analyze.exe" ] &&
    [ -f "$folder/platforms/qwindows.dll" ] && [ -f "$folder/hatlap.bmp" ] &&
    [ -f "$folder/Uninstall.exe" ] && [ -f "$folder/LICENSE.txt" ] &&
    [ -f "$folder/THIRD-PARTY.txt" ] && [ -f "$folder/translations/kartavo_en.qm" ] || fail "not installed: $(ls "$folder")"
find "$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu" -name 'Kartavo.lnk' | grep -q . ||
    fail "no Start menu entry"
grep -q 'CurrentVersion\\\\Uninstall\\\\Kartavo' "$prefix/system.reg" || fail "no uninstaller registered"
# The analyzer beside the game: a console program, so that what it prints reaches a command
# prompt, and it runs as installed.
x86_64-w64-mingw32-objdump -p "$folder/kartavo-analyze.exe" | grep -q '^Subsystem.*Windows CUI' ||
    fail "kartavo-analyze.exe is no console program"
said=$(wine_run "$folder/kartavo-analyze.exe" --version 2>&1 | tr -d '\r')
[ "$said" = "kartavo-analyze $version" ] || fail "the installed kartavo-analyze.exe --version: $said"
# The translations are installed beside it.
said=$(wine_run "$folder/kartavo-analyze.exe" --language en "As Ks" 2>&1 | tr -d '\r')
[ "$said" = 'kartavo-analyze: exactly five cards are needed, 2 given: "As Ks"' ] ||
    fail "the installed kartavo-analyze.exe --language en: $said"

# The installed program on a display of the test's own: the table's window, titled "Kartavo" and
# 671 x 425 pixels, appears after the splash.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
read -r -t 30 number <&3 || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
exec 3<&-
(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:$number \
    "$src/scripts/wine-run" --prefix "$prefix" "C:\\Program Files\\Kartavo\\kartavo.exe" \
    >"$tmp/run.log" 2>&1) &
table=
for _ in $(seq 600); do
    table=$(DISPLAY=:$number xwininfo -root -tree 2>/dev/null | grep '"Kartavo": (.* 671x425+' | head -1)
    [ -n "$table" ] && break
    sleep 0.1
done
[ -n "$table" ] || fail "the game table did not appear: $(tail -5 "$tmp/run.log")"
echo "table: $table"
WINEPREFIX=$prefix wineserver -k
WINEPREFIX=$prefix wineserver -w

# The player's own back, which the uninstall must keep.
own="$prefix/drive_c/users/$(id -un)/AppData/Roaming/Kartavo"
mkdir -p "$own" && cp "$folder/hat3.bmp" "$own/hatlap.bmp"
wine_run "$folder/Uninstall.exe" /S || fail "the silent uninstall ended with status $?"
WINEPREFIX=$prefix wineserver -w
left=$(find "$folder" -mindepth 1 2>/dev/null)
[ -z "$left" ] || fail "the uninstall left: $left"
[ -f "$own/hatlap.bmp" ] || fail "the uninstall removed the player's own back"
grep -q 'CurrentVersion\\\\Uninstall\\\\Kartavo' "$prefix/system.reg" && fail "still registered"
echo "installed, started, uninstalled"
exit 0
