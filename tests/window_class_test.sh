#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvane
# SPDX-License-Identifier: GPL-3.0-or-later
# On a real X display, the installed program's windows carry the class that the menu entry's
# StartupWMClass names, so the desktop ties the running game to its entry and icon.
# usage: window_class_test.sh BUILD_DIR APP_ID
set -u
build=$1 id=$2
tmp=$(mktemp -d)
xvfb= game=
trap '[ -n "$game" ] && kill "$game" 2>/dev/null; [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp/usr" >/dev/null || { echo "FAIL: install" >&2; exit 1; }
expected=$(sed -n 's/^StartupWMClass=//p' "$tmp/usr/share/applications/$id.desktop")
[ -n "$expected" ] || { echo "FAIL: the desktop entry names no StartupWMClass" >&2; exit 1; }

# A display of its own: Xvfb picks a free number and writes it to the pipe. Should the server
# go away under the test (another process ending it), the attempt is made once more.
mkdir -p "$tmp/home"
mkdir -m 700 "$tmp/runtime"
attempt() {
    exec 3<> <(:)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
    xvfb=$!
    read -r -t 30 number <&3 || { echo "Xvfb did not start: $(cat "$tmp/xvfb.log")"; return 1; }
    exec 3<&-
    export DISPLAY=:$number
    for _ in $(seq 100); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
    # On this X display, whatever platform or Wayland display the caller's environment names.
    (cd "$tmp" && exec env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb HOME="$tmp/home" \
        XDG_DATA_HOME="$tmp/home/share" \
        XDG_RUNTIME_DIR="$tmp/runtime" SDL_AUDIODRIVER=dummy "$tmp/usr/games/kartavo" \
        >"$tmp/run.log" 2>&1) &
    game=$!
    classes=
    for _ in $(seq 300); do
        classes=$(xwininfo -root -tree 2>/dev/null | grep -o '("[^"]*" "[^"]*")' | sort -u)
        [ -n "$classes" ] && return 0
        kill -0 "$game" 2>/dev/null || break
        sleep 0.1
    done
    echo "no window appeared on $DISPLAY: $(cat "$tmp/run.log")"
    kill "$game" 2>/dev/null
    game=
    kill -0 "$xvfb" 2>/dev/null && return 2
    echo "the X server had gone"
    xvfb=
    return 1
}
attempt || { [ $? -eq 1 ] && attempt; } || { echo "FAIL: no window to check" >&2; exit 1; }
echo "window classes: $classes; StartupWMClass=$expected"
echo "$classes" | grep -qvF "\"$expected\")" && { echo "FAIL: a window of another class" >&2; exit 1; }
exit 0
