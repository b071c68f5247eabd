#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything, runs the whole test suite,
# and checks an installation (install tree, staged start, Debian package).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/check-format.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
tools/check-install.sh build --deb
