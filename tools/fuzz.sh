#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Nimbra
# Builds the .kpx reader's fuzz target with clang and libFuzzer in build-fuzz/ and runs it on one
# core. Usage: tools/fuzz.sh [seconds, default 600]. Inputs found go to build-fuzz/corpus; a
# fault stops the run and leaves its input as build-fuzz/crash-* (or leak-*, timeout-*).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
missing=()
for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVOZAVERO_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j2 --target kpx_fuzz
mkdir -p build-fuzz/corpus
cd build-fuzz
./tests/fuzz/kpx_fuzz -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -dict=../tests/fuzz/kpx.dict -print_final_stats=1 corpus ../tests/fuzz/seeds
