// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Converts design measures in twips (1/1440 inch) to the screen's pixels, with the screen's twips
// per pixel, rounding to the nearest pixel with ties to the even one.
#pragma once
#include <QRect>
#include <cmath>

namespace vozavero {

struct Twips {
    /// Twips per pixel horizontally and vertically (15 at 96 dots per inch).
    double perPixelX = 15.0;
    double perPixelY = 15.0;

    /// Twips per pixel of the primary screen (15 when there is no screen).
    static Twips ofScreen();

    int x(double twips) const { return static_cast<int>(std::nearbyint(twips / perPixelX)); }
    int y(double twips) const { return static_cast<int>(std::nearbyint(twips / perPixelY)); }
    /// A design rectangle (left, top, width, height in twips) in pixels.
    QRect rect(double left, double top, double width, double height) const {
        return QRect(x(left), y(top), x(width), y(height));
    }
};

} // namespace vozavero
