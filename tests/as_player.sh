#!/bin/sh
# SPDX-FileCopyrightText: 2026 Morvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test as an ordinary user. Root may write into any folder whatever its permissions, so a
# folder that a player cannot write needs a player who is not root; the tests then check that
# the folder really refuses them instead of skipping.
if [ "$(id -u)" -ne 0 ]; then
    exec "$@"
fi
home=$(mktemp -d) || exit 1
mkdir -m 700 "$home/runtime"
chown -R 65534:65534 "$home"
HOME=$home XDG_CACHE_HOME=$home/.cache XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local \
    XDG_RUNTIME_DIR=$home/runtime setpriv --reuid=65534 --regid=65534 --clear-groups -- "$@"
status=$?
rm -rf "$home"
exit $status
