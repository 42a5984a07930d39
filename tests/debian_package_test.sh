#!/bin/sh
# SPDX-FileCopyrightText: 2026 Morvane
# SPDX-License-Identifier: GPL-3.0-or-later
# cpack -G DEB makes a package for /usr with the install layout and dependencies found from the
# program's libraries (dpkg-shlibdeps) besides those it loads at run time.
# usage: debian_package_test.sh BUILD_DIR APP_ID
set -u
build=$1 id=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; echo "FAIL: cpack" >&2; exit 1; }
set -- "$tmp"/kartavo_*_*.deb
[ -f "$1" ] || { echo "FAIL: no kartavo_VERSION_ARCH.deb" >&2; exit 1; }
deb=$1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

dpkg-deb -c "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' >"$tmp/paths"
has() { grep -qxF "$1" "$tmp/paths" || fail "the package lacks $1"; }
has "./usr/games/kartavo -> ../lib/kartavo/kartavo"
has ./usr/lib/kartavo/kartavo
for f in As.bmp As@2x.bmp Jk.bmp Jk@2x.bmp hatlap.bmp hat7.bmp hat7@2x.bmp casino8.jpg mpar.jpg \
    splash.jpg splash.en.jpg start.wav kilepes.wav hand.cur hand@2x.cur translations/kartavo_en.qm; do
    has "./usr/lib/kartavo/$f"
done
media=$(grep -c '^\./usr/lib/kartavo/.' "$tmp/paths")
# 93 media files, 84 double-size twins, the program and translations/ with the English.
[ "$media" -eq 180 ] ||
    fail "usr/lib/kartavo holds $media entries, expected 93 media files, 84 twins, the program" \
        "and the English translation"
has "./usr/share/applications/$id.desktop"
has "./usr/share/metainfo/$id.metainfo.xml"
for size in 16 22 24 32 48 64 128 256; do
    has "./usr/share/icons/hicolor/${size}x$size/apps/$id.png"
done
has "./usr/share/icons/hicolor/scalable/apps/$id.svg"
has ./usr/bin/kartavo-analyze
has ./usr/share/man/man1/kartavo-analyze.1.gz
has ./usr/share/man/man6/kartavo.6.gz
has ./usr/share/doc/kartavo/copyright
has ./usr/share/doc/kartavo/changelog.gz
outside=$(grep -v '^\./usr/' "$tmp/paths" | grep -vx '\./')
[ -z "$outside" ] || fail "files outside /usr: $outside"

# The back in force it ships is the default design, whatever the build folder last chose.
dpkg-deb -x "$deb" "$tmp/root"
cmp -s "$tmp/root/usr/lib/kartavo/hatlap.bmp" "$tmp/root/usr/lib/kartavo/hat0.bmp" ||
    fail "the package's hatlap.bmp is not the default design hat0.bmp"

# The analyzer it ships runs, stripped as it is.
said=$("$tmp/root/usr/bin/kartavo-analyze" --version 2>&1)
[ "$said" = "kartavo-analyze $(dpkg-deb -f "$deb" Version)" ] || fail "kartavo-analyze --version: $said"
said=$("$tmp/root/usr/bin/kartavo-analyze" "As Ks Qs Js 9h" 2>&1 | head -1)
[ "$said" = "$(printf 'As Ks Qs Js\t33.595744681')" ] || fail "kartavo-analyze on one hand: $said"

# Debian's checker finds no error and no warning (and runs at all: it fails then too).
lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$tmp/lintian" 2>&1 ||
    fail "lintian: $(grep -v '^running with root' "$tmp/lintian")"
grep -v '^running with root' "$tmp/lintian"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 libsdl2-2.0-0 qt6-qpa-plugins; do
    echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qxF "$lib" ||
        fail "Depends lacks $lib: $depends"
done

echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes, installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
echo "Depends: $depends"
echo "Recommends: $(dpkg-deb -f "$deb" Recommends)"
[ $failures -eq 0 ]
