#!/bin/sh
# SPDX-FileCopyrightText: 2026 Morvane
# SPDX-License-Identifier: GPL-3.0-or-later
# The menu entry and the metainfo of an install pass the freedesktop and AppStream validators
# with no error and no warning.
# usage: desktop_metadata_test.sh BUILD_DIR APP_ID
set -u
build=$1 id=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp/usr" >/dev/null || { echo "FAIL: install" >&2; exit 1; }
status=0

desktop=$(desktop-file-validate "$tmp/usr/share/applications/$id.desktop" 2>&1)
code=$?
echo "desktop-file-validate: ${desktop:-no remarks}"
[ $code -eq 0 ] && [ -z "$desktop" ] || status=1

# validate-tree checks the metainfo together with the desktop entry and icons it names.
appstream=$(appstreamcli validate-tree --no-net --pedantic "$tmp/usr" 2>&1)
code=$?
echo "appstreamcli validate-tree --pedantic:"
echo "$appstream"
[ $code -eq 0 ] || status=1
echo "$appstream" | grep -qE '^ *[EW]: ' && status=1
exit $status
