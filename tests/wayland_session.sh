#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvane
# SPDX-License-Identifier: GPL-3.0-or-later
# A Wayland desktop of the test's own, as a player's with Xwayland would be: Xvfb on a free
# display, and in a window of it Weston 10 with its desktop shell (the x11 back end, drawn by the
# CPU, so that what it shows is exact to the pixel), on a socket and in a runtime folder of its
# own. Runs the command given as a client of that Weston, with DISPLAY naming the Xvfb too and
# no platform chosen: Qt chooses, as it does for a player. Nothing else of the caller's
# environment reaches it, but the sanitizers' settings and KARTAVO_WAYLAND_KEEP (a folder where a
# failed run leaves its logs and the client its screens). The client learns where the screen is (KARTAVO_SCREEN, Xvfb's frame
# buffer in XWD format, the Weston window at its top-left corner) and where its Wayland requests
# are written (KARTAVO_WAYLAND_LOG: its standard error, with WAYLAND_DEBUG=client).
# usage: wayland_session.sh COMMAND [ARGUMENT...]
set -u
tmp=$(mktemp -d)
xvfb= weston= client=
cleanup() {
    [ -n "$client" ] && kill "$client" 2>/dev/null
    [ -n "$weston" ] && kill "$weston" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
mkdir -m 700 "$tmp/runtime" "$tmp/home"

# Xvfb picks a free display number and writes it to the pipe.
exec 3<> <(:)
Xvfb -displayfd 3 -fbdir "$tmp" -screen 0 2400x1400x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
read -r -t 30 number <&3 || { echo "FAIL: Xvfb did not start: $(cat "$tmp/xvfb.log")"; exit 1; }
exec 3<&-

socket=kartavo-test-$$
env -i PATH="$PATH" HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/runtime" DISPLAY=":$number" \
    weston --backend=x11-backend.so --use-pixman --width=2400 --height=1400 --socket="$socket" \
    --idle-time=0 --no-config --log="$tmp/weston.log" >/dev/null 2>&1 &
weston=$!
for _ in $(seq 200); do
    [ -S "$tmp/runtime/$socket" ] && break
    kill -0 "$weston" 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$tmp/runtime/$socket" ]; then
    echo "FAIL: Weston did not start: $(cat "$tmp/weston.log" 2>/dev/null)"
    exit 1
fi
# The pointer to the top right corner, over Weston's panel, where it covers no window.
for _ in $(seq 50); do
    DISPLAY=":$number" xdotool mousemove 2390 8 2>/dev/null && break
    sleep 0.1
done

env -i PATH="$PATH" HOME="$tmp/home" LANG=C.UTF-8 XDG_RUNTIME_DIR="$tmp/runtime" \
    DISPLAY=":$number" WAYLAND_DISPLAY="$socket" WAYLAND_DEBUG=client \
    KARTAVO_SCREEN="$tmp/Xvfb_screen0" KARTAVO_WAYLAND_LOG="$tmp/client.log" \
    SDL_AUDIODRIVER=dummy ${KARTAVO_WAYLAND_KEEP+KARTAVO_WAYLAND_KEEP="$KARTAVO_WAYLAND_KEEP"} \
    ${ASAN_OPTIONS+ASAN_OPTIONS="$ASAN_OPTIONS"} \
    ${LSAN_OPTIONS+LSAN_OPTIONS="$LSAN_OPTIONS"} ${UBSAN_OPTIONS+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
    "$@" 2>"$tmp/client.log" &
client=$!
wait "$client"
status=$?
client=
# What the client said besides its Wayland requests.
grep -v '^\[[0-9. ]*\] ' "$tmp/client.log"
if [ $status -ne 0 ] && [ -n "${KARTAVO_WAYLAND_KEEP:-}" ]; then
    cp "$tmp/client.log" "$tmp/weston.log" "$KARTAVO_WAYLAND_KEEP"/ 2>/dev/null
fi
exit $status
