#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Nimbra
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer in a second build
# directory (build-sanitize unless given) and runs the whole test suite there. Any report of
# either sanitizer fails the test that caused it.
#
#   bash tools/sanitize.sh [build directory]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-sanitize}
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS="$sanitizers" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$dir" -j"${JOBS:-$(nproc)}"
# Leaks inside the system's font and window libraries are theirs, not ours.
export LSAN_OPTIONS="suppressions=$PWD/tools/sanitize-leaks.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j"${JOBS:-$(nproc)}" \
    --timeout 600
