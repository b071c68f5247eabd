#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Nimbra
# Installs the Debian 12 packages that building, running and testing need.
# Quick when everything is present: it only calls apt-get for what is missing.
set -euo pipefail
# qt6-tools-dev, qt6-l10n-tools: building and checking the program's catalogues
# (qt_add_translations, lupdate, lrelease); qt6-translations-l10n: the toolkit's German dialog
# texts; desktop-file-utils, appstream, shared-mime-info, xdg-utils with libfile-mimeinfo-perl (its
# file type look-up), man-db: checks of the install tree; dpkg-dev, file: the Debian package's
# computed dependencies and changelog; lintian: the check of the package; locales, poppler-utils:
# the German test run and reading printed PDFs back.
packages=(build-essential cmake clang-format qt6-base-dev libqt6opengl6-dev qt6-tools-dev
          qt6-l10n-tools libgtest-dev libbenchmark-dev xvfb xauth fonts-dejavu-core
          fonts-liberation2 qt6-translations-l10n desktop-file-utils appstream shared-mime-info
          xdg-utils libfile-mimeinfo-perl man-db dpkg-dev file lintian locales poppler-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
if [ ${#missing[@]} -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The test suite runs a second time under a German locale (decimal commas).
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
    echo "Generating the locale de_DE.UTF-8"
    if ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    fi
    $SUDO locale-gen >/dev/null
fi
