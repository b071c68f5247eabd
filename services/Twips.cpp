// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace vozavero {

Twips Twips::ofScreen() {
    Twips t;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        if (screen->logicalDotsPerInchX() > 0 && screen->logicalDotsPerInchY() > 0) {
            t.perPixelX = 1440.0 / screen->logicalDotsPerInchX();
            t.perPixelY = 1440.0 / screen->logicalDotsPerInchY();
        }
    }
    return t;
}

} // namespace vozavero
