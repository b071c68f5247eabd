#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Nimbra
# Fails when a C++ file differs from the committed .clang-format style.
set -euo pipefail
cd "$(dirname "$0")/.."
if command -v git >/dev/null 2>&1 && git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    list() { git ls-files --cached --others --exclude-standard '*.cpp' '*.h'; }
else
    list() { find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print; }
fi
mapfile -t files < <(list | while read -r f; do [ -f "$f" ] && echo "$f"; done)
[ ${#files[@]} -eq 0 ] && exit 0
clang-format --dry-run --Werror "${files[@]}"
