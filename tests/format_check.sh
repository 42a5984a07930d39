#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ source is formatted as .clang-format says (layout tables one row a line, aligned).
# usage: format_check.sh SOURCE_DIR
set -u
cd "$1" || exit 1
mapfile -t files < <(find bench controls game_table media options_dialog printing shell tests tools \
    trainer -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run -Werror "${files[@]}" || {
    echo "FAIL: not formatted; run: clang-format -i \$(git ls-files '*.cpp' '*.h')"
    exit 1
}
echo "${#files[@]} files formatted"
