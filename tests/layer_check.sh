#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvane
# SPDX-License-Identifier: GPL-3.0-or-later
# The layers hold: no cycle between the libraries (as CMake links them), and no folder includes a
# header of a folder whose library its own does not use, directly or through another; so no
# include cycle between folders either.
# usage: layer_check.sh SOURCE_DIR BUILD_DIR
set -u
src=$1 build=$2
status=0
# The libraries and the arrows between them, written at configure time.
if ! tsort "$build/layers.txt" >/dev/null 2>"$build/layers.err"; then
    echo "FAIL: the libraries use each other in a cycle: $(cat "$build/layers.err")"
    status=1
fi

declare -A library=([rules]=kartavo_rules [strategy]=kartavo_strategy [texts]=kartavo_texts [media]=kartavo_media
    [printing]=kartavo_printing [controls]=kartavo_controls [options_dialog]=kartavo_options [game_table]=kartavo_table
    [trainer]=kartavo_trainer [shell]=kartavo_shell)
declare -A owner
for folder in "${!library[@]}"; do
    for header in "$src/$folder"/*.h; do
        [ -e "$header" ] && owner[$(basename "$header")]=$folder
    done
done
# What each library may use: itself and every library it reaches through the arrows.
reach() {
    local seen=" $1 " next=$1 frontier
    while [ -n "$next" ]; do
        frontier=$next next=
        for t in $frontier; do
            for used in $(awk -v t="$t" '$1 == t && $2 != t {print $2}' "$build/layers.txt"); do
                case $seen in *" $used "*) ;; *) seen="$seen$used " next="$next $used" ;; esac
            done
        done
    done
    echo "$seen"
}
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
for folder in "${!library[@]}"; do
    allowed=$(reach "${library[$folder]}")
    for file in "$src/$folder"/*.cpp "$src/$folder"/*.h; do
        [ -e "$file" ] || continue
        for header in $(sed -n 's/^#include "\([^"]*\.h\)".*/\1/p' "$file"); do
            used=${owner[$header]:-}
            [ -n "$used" ] && [ "$used" != "$folder" ] || continue
            echo "$folder $used" >>"$edges"
            case $allowed in
            *" ${library[$used]} "*) ;;
            *) echo "FAIL: ${file#"$src"/} includes $header of $used, above its layer"; status=1 ;;
            esac
        done
    done
done
if ! sort -u "$edges" | tsort >/dev/null 2>&1; then
    echo "FAIL: folders include each other in a cycle"
    status=1
fi
# The rules and the engine are plain C++.
if grep -l '^#include <Q' "$src"/rules/*.{h,cpp} "$src"/strategy/*.{h,cpp}; then
    echo "FAIL: the rules or the engine include Qt"
    status=1
fi
[ $status -eq 0 ] && echo "layers hold: $(tsort "$build/layers.txt" | tac | tr '\n' ' ')"
exit $status
