#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Nimbra
# Prints the lines of the tracked C++ files under tests/, the lines of all other tracked C++
# files, and their ratio; fails when the tests are more than 0.35 of the rest.
set -euo pipefail
cd "$(dirname "$0")/.."
limit=0.35
count() { git ls-files -z -- "$@" | xargs -0 -r cat | wc -l; }
tests=$(count 'tests/*.cpp' 'tests/*.h')
code=$(count '*.cpp' '*.h' ':!:tests/*')
ratio=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.4f", (c > 0 ? t / c : 0) }')
echo "test-share: tests $tests lines, code $code lines, ratio $ratio (at most $limit)"
awk -v t="$tests" -v c="$code" -v l="$limit" 'BEGIN { exit !(t <= l * c) }' || {
    echo "test-share: the tests are more than $limit of the code" >&2
    exit 1
}
