#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Nimbra
# Installs what is missing, checks the formatting, the translation catalogues, the licence lines
# and the share of the tests in the code, builds everything, runs the whole test suite, and checks
# an installation (install tree, staged start, Debian package).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/check-format.sh
tools/check-translations.sh
tools/spdx-headers.sh --check
tools/test-share.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
# Once with the dot and once with the German decimal comma, which the pupils' machines use.
for locale in C.UTF-8 de_DE.UTF-8; do
    echo "Tests under LC_ALL=$locale"
    LC_ALL=$locale QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
done
tools/check-install.sh build --deb
