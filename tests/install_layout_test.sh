#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix, checks the layout that distributions expect, runs
# the installed analyzer, and starts the installed program through games/kartavo from an unrelated
# working directory.
# usage: install_layout_test.sh BUILD_DIR APP_ID VERSION
set -u
build=$1 id=$2 version=$3
tmp=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

prefix=$tmp/usr
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: install" >&2; exit 1; }
program=$prefix/lib/kartavo

# The program folder: the executable and every media file it reads, nothing else.
[ -f "$program/kartavo" ] && [ -x "$program/kartavo" ] || fail "no program in lib/kartavo"
media=()
for suit in c d h s; do
    for rank in 0 2 3 4 5 6 7 8 9 J Q K A; do media+=("$rank$suit.bmp"); done
done
media+=(Jk.bmp)
for n in 0 1 2 3 4 5 6 7; do media+=("hat$n.bmp"); done
for n in 1 2 3 4 5 6 7 8; do media+=("casino$n.jpg"); done
media+=(hatlap.bmp splash.jpg splash2.jpg splash.en.jpg splash2.en.jpg hand.cur handk.cur
        mroyal.jpg mflos.jpg mpoker.jpg mfull.jpg mszfloss.jpg msor.jpg mdrill.jpg mketpar.jpg
        mpar.jpg start.wav keveres.wav szorzo.wav options.wav nyert.wav semmi.wav ok.wav
        kilepes.wav)
# Beside every picture and cursor but the card back in force, its double-size twin.
twins=()
for f in "${media[@]}"; do
    case $f in hatlap.bmp | *.wav) ;; *) twins+=("${f%.*}@2x.${f##*.}") ;; esac
done
for f in "${media[@]}" "${twins[@]}"; do [ -s "$program/$f" ] || fail "missing $f in lib/kartavo"; done
# The translations: one compiled file for each in the sources, in translations/.
translations=()
for ts in "$(dirname "$0")"/../translations/kartavo_*.ts; do
    name=$(basename "$ts" .ts)
    translations+=("translations/$name.qm")
done
for f in "${translations[@]}"; do [ -s "$program/$f" ] || fail "missing $f in lib/kartavo"; done
found=$(find "$program" -mindepth 1 | wc -l)
expected=$((${#media[@]} + ${#twins[@]}))
[ "$found" -eq $((expected + ${#translations[@]} + 2)) ] ||
    fail "lib/kartavo holds $found entries, expected $expected media files, the program and" \
        "translations/ with ${#translations[@]} files"

# games/ holds the game's link, relative so that it survives a staging folder; bin/ the analyzer
# itself, which needs no media; the manual pages are in man6 and man1.
[ "$(ls -A "$prefix/games" | tr '\n' ' ')" = "kartavo " ] ||
    fail "games/ holds other than kartavo: $(ls -A "$prefix/games")"
[ "$(readlink "$prefix/games/kartavo")" = ../lib/kartavo/kartavo ] ||
    fail "games/kartavo is not the link ../lib/kartavo/kartavo"
[ "$(ls -A "$prefix/bin" | tr '\n' ' ')" = "kartavo-analyze " ] ||
    fail "bin/ holds other than kartavo-analyze: $(ls -A "$prefix/bin")"
[ -f "$prefix/bin/kartavo-analyze" ] && [ ! -L "$prefix/bin/kartavo-analyze" ] ||
    fail "bin/kartavo-analyze is not a program of its own"
gzip -cd "$prefix/share/man/man6/kartavo.6.gz" 2>/dev/null | grep -q '^\.TH KARTAVO 6' ||
    fail "no manual page share/man/man6/kartavo.6.gz"
# The menu entry starts the installed game.
grep -qx "Exec=$prefix/games/kartavo" "$prefix/share/applications/$id.desktop" ||
    fail "the desktop entry starts other than $prefix/games/kartavo"
manual=$prefix/share/man/man1/kartavo-analyze.1.gz
gzip -cd "$manual" 2>/dev/null | grep -q '^\.TH KARTAVO-ANALYZE "1"' || fail "no manual page $manual"

# Menu entry, metadata and icons under the one application id.
[ -f "$prefix/share/applications/$id.desktop" ] || fail "no desktop entry"
[ -f "$prefix/share/metainfo/$id.metainfo.xml" ] || fail "no metainfo"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "desktop entry names another icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo launches another desktop entry"
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
for size in 16 22 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    if [ -f "$icon" ]; then
        [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "$icon is no PNG"
        [ "$(png_size "$icon")" = "${size}x$size" ] || fail "$icon is $(png_size "$icon")"
    else
        fail "no ${size}x$size icon"
    fi
done
svg=$prefix/share/icons/hicolor/scalable/apps/$id.svg
grep -q '<svg' "$svg" 2>/dev/null || fail "no scalable icon"

# The installed analyzer runs from elsewhere.
said=$(cd "$tmp" && "$prefix/bin/kartavo-analyze" --version 2>&1)
[ "$said" = "kartavo-analyze $version" ] || fail "kartavo-analyze --version: $said"
said=$(cd "$tmp" && "$prefix/bin/kartavo-analyze" "As Ks Qs Js 9h" 2>&1 | head -1)
[ "$said" = "$(printf 'As Ks Qs Js\t33.595744681')" ] || fail "kartavo-analyze on one hand: $said"
# It finds the game's translations from bin/.
said=$(cd "$tmp" && "$prefix/bin/kartavo-analyze" --language en "As Ks" 2>&1)
[ "$said" = 'kartavo-analyze: exactly five cards are needed, 2 given: "As Ks"' ] ||
    fail "kartavo-analyze --language en: $said"

# Started through the link from elsewhere, the program finds its media in lib/kartavo. A copy
# without "hand.cur", which the game table loads, first shows that the start reaches the table
# and that a missing file is reported with its place; the whole install must then run on
# without any report for more than twice as long.
mkdir -p "$tmp/elsewhere" "$tmp/home"
mkdir -m 700 "$tmp/runtime"
run() {
    (cd "$tmp/elsewhere" && exec env HOME="$tmp/home" XDG_DATA_HOME="$tmp/home/share" \
        XDG_CACHE_HOME="$tmp/home/cache" XDG_RUNTIME_DIR="$tmp/runtime" \
        QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
        "$1/games/kartavo" >"$2" 2>&1) &
    pid=$!
}
cp -a "$prefix" "$tmp/broken"
rm "$tmp/broken/lib/kartavo/hand.cur"
start=$(date +%s)
run "$tmp/broken" "$tmp/broken.log"
for _ in $(seq 600); do
    grep -q 'hand.cur' "$tmp/broken.log" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
pid=
reached=$(($(date +%s) - start))
grep -qF "$tmp/broken/lib/kartavo/hand.cur" "$tmp/broken.log" ||
    fail "a missing hand.cur was not reported with its place: $(cat "$tmp/broken.log")"

run "$prefix" "$tmp/run.log"
sleep $((2 * reached + 3))
kill -0 "$pid" 2>/dev/null || fail "the installed program ended: $(cat "$tmp/run.log")"
grep -q '^kartavo:' "$tmp/run.log" && fail "the installed program reported: $(cat "$tmp/run.log")"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
pid=

[ $failures -eq 0 ] && echo "install layout in order"
[ $failures -eq 0 ]
