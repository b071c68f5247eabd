#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Nimbra
# Runs the random-input soak of the window on N seeds in a row, each for SECONDS of wall time,
# starting at seed FIRST (default 1), and prints one line per seed: passed, or the check that
# failed with the command that replays the failed run event for event. Builds soak_tests in
# build/ first. Exit status 1 when any seed failed.
#
#   bash tools/soak-seeds.sh N SECONDS [FIRST]
set -euo pipefail
cd "$(dirname "$0")/.."
usage() {
    echo "usage: tools/soak-seeds.sh N SECONDS [FIRST]" >&2
    exit 2
}
[ $# -ge 2 ] && [ $# -le 3 ] || usage
count=$1
seconds=$2
first=${3:-1}
[[ $count =~ ^[1-9][0-9]*$ && $seconds =~ ^[0-9]+([.][0-9]+)?$ && $first =~ ^[0-9]+$ ]] || usage

if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build -j"$(nproc)" --target soak_tests >/dev/null
binary=$PWD/build/tests/app/soak_tests
unset VOZAVERO_SOAK_EVENTS
logs=$(mktemp -d "${TMPDIR:-/tmp}/soak-seeds.XXXXXX")
echo "soak: seeds $first to $((first + count - 1)), $seconds s each; logs in $logs"

# A run that outlives its time by far has hung.
limit=$(awk -v s="$seconds" 'BEGIN { printf "%d", s * 2 + 120 }')
failed=0
for ((seed = first; seed < first + count; ++seed)); do
    log=$logs/seed-$seed.log
    status=0
    VOZAVERO_SOAK_SEED=$seed VOZAVERO_SOAK_SECONDS=$seconds QT_QPA_PLATFORM=offscreen \
        timeout --kill-after=10 "$limit" "$binary" >"$log" 2>&1 || status=$?
    summary=$(grep -m1 '^soak: seed' "$log" || true)
    events=$(sed -n 's/^soak: seed [0-9]*, \([0-9]*\) events.*/\1/p' "$log" | head -n1)
    # "seed 8, 6360 events, 500 s on the scripted clock, 183 intervals, 126 rows, ..., 15.0 s, ..."
    facts=$(echo "$summary" | awk -F', ' 'NF > 5 { print $2 ", " $3 ", " $4 ", " $5 }')
    wall=$(echo "$summary" | awk -F', ' 'NF > 5 { print $(NF - 1) }')
    if [ "$status" -eq 0 ] && grep -q '^\[  PASSED  \] 1 test' "$log"; then
        echo "seed $seed: passed ($wall: $facts)"
        continue
    fi
    failed=$((failed + 1))
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
        echo "seed $seed: FAILED: hung, stopped after $limit s"
    elif [ -z "$summary" ]; then
        echo "seed $seed: FAILED: ended without a summary (exit status $status)"
    else
        # The first failure: its place and its message on one line.
        check=$(awk '/: Failure$/ { if (found) exit; n = split($1, p, "/"); place = p[n]
                                    sub(/:$/, "", place); found = 1; next }
                     found && /^(soak|\[)/ { exit }
                     found { gsub(/^ +/, ""); message = message " " $0 }
                     END { print place ":" message }' "$log")
        echo "seed $seed: FAILED ($wall: $facts): $check"
    fi
    if [ -n "$events" ]; then
        echo "  replay: VOZAVERO_SOAK_SEED=$seed VOZAVERO_SOAK_EVENTS=$events" \
            "VOZAVERO_SOAK_SECONDS=3600 QT_QPA_PLATFORM=offscreen $binary"
    else
        echo "  replay: VOZAVERO_SOAK_SEED=$seed VOZAVERO_SOAK_SECONDS=$seconds" \
            "QT_QPA_PLATFORM=offscreen $binary"
    fi
    echo "  log: $log"
done
echo "soak: $((count - failed)) of $count seeds passed"
[ "$failed" -eq 0 ]
