#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Nimbra
# Puts the licence and copyright lines at the top of every tracked source file:
#     // SPDX-License-Identifier: GPL-3.0-or-later
#     // Copyright (C) 2026 Nimbra
# in C++ files (.cpp, .h, .h.in), with "#" in CMake files and shell scripts. The lines come
# first, after a "#!" line; a header's "#pragma once" moves below its opening comment, so that
# comment still follows the two lines directly. Files that carry both lines are left alone, so a
# second run changes nothing. With --check nothing is changed: the files that lack a line are
# listed and the exit code is 1.
#     tools/spdx-headers.sh [--check] [FOLDER]      (default: the repository of this script)
set -euo pipefail
check=0
root="$(dirname "$0")/.."
for arg in "$@"; do
    case "$arg" in
    --check) check=1 ;;
    -*) echo "usage: tools/spdx-headers.sh [--check] [FOLDER]" >&2; exit 2 ;;
    *) root="$arg" ;;
    esac
done
cd "$root"

readonly licence="SPDX-License-Identifier: GPL-3.0-or-later"
readonly holder="Nimbra"
readonly copyright="Copyright (C) 2026 $holder"
# How many lines at the top may hold the two lines (a "#!" line and the two).
readonly top=3

# Tracked files with their comment marker, one "marker path" a line.
sources() {
    git ls-files -- '*.cpp' '*.h' '*.h.in' | sed 's|^|// |'
    git ls-files -- '*CMakeLists.txt' '*.cmake' '*.sh' | sed 's|^|# |'
    # Shell scripts without a suffix, known by their first line.
    git ls-files | while read -r f; do
        [[ "${f##*/}" == *.* ]] && continue
        if [ -f "$f" ] && head -n 1 "$f" | grep -Eq '^#!.*(ba|da|z)?sh\b'; then
            echo "# $f"
        fi
    done
}

# The copyright line of the file near its top (any years), if it has one.
copyright_line() {
    local marker=$1 file=$2
    head -n "$top" "$file" | grep -Ex "$marker Copyright \(C\) [0-9]{4}(-[0-9]{4})? $holder" |
        head -n 1 || true
}

# Whether the file carries both lines near its top.
has_lines() {
    local marker=$1 file=$2
    head -n "$top" "$file" | grep -qxF "$marker $licence" && [ -n "$(copyright_line "$@")" ]
}

add_lines() {
    local marker=$1 file=$2 tmp cr
    tmp=$(mktemp "$file.XXXXXX")
    # A file with one of the lines loses it first and gets both again, keeping its years.
    cr=$(copyright_line "$marker" "$file")
    awk -v m="$marker" -v lic="$marker $licence" -v cr="${cr:-$marker $copyright}" -v top="$top" '
        function header() { print lic; print cr }
        NR <= top && ($0 == lic || $0 ~ ("^" m " Copyright \\(C\\) [0-9]+(-[0-9]+)? ")) { next }
        !started && /^#!/ { print; next }
        !started { started = 1; header()
                   if ($0 == "#pragma once" && m == "//") { pragma = 1; next } }
        pragma && /^\/\// { print; next }
        pragma { print "#pragma once"; pragma = 0 }
        { print }
        END { if (!started) header(); if (pragma) print "#pragma once" }
    ' "$file" >"$tmp"
    # A new file renamed over the old one: also this script, while it runs, stays as read.
    chmod --reference="$file" "$tmp"
    mv "$tmp" "$file"
}

missing=0
while read -r marker file; do
    [ -f "$file" ] || continue
    if has_lines "$marker" "$file"; then
        continue
    fi
    if [ "$check" -eq 1 ]; then
        echo "$file"
        missing=1
    else
        add_lines "$marker" "$file"
    fi
done < <(sources)
if [ "$check" -eq 1 ] && [ "$missing" -ne 0 ]; then
    echo "spdx-headers: the files above lack the licence or copyright line" >&2
    exit 1
fi
