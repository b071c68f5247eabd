// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
#include "WindowLayout.h"

#include <algorithm>
#include <cmath>

namespace vozavero {

namespace {
QRect clamped(int left, int top, int width, int height) {
    return QRect(left, top, std::max(0, width), std::max(0, height));
}
} // namespace

WindowLayout WindowLayout::arrange(int viewMode, QSize client, const Twips& twips, int frameWidth,
                                   int cylinderHeight, int settingsHeight) {
    WindowLayout l;
    // Margins of five pixels, rounded to whole twips first as the design measures them.
    const int mx = twips.x(std::nearbyint(5 * twips.perPixelX));
    const int my = twips.y(std::nearbyint(5 * twips.perPixelY));
    const int w = frameWidth;
    // Centred in twips, as the window system measures both widths, and only then in pixels.
    const double clientTwips = client.width() * twips.perPixelX;
    const double frameTwips = w * twips.perPixelX;
    const int cx = twips.x(std::nearbyint((clientTwips - frameTwips) / 2.0));
    const int h = client.height();
    int y = 0;
    switch (viewMode) {
    case 1:
        l.settingsVisible = false;
        l.cylinder = QRect(cx, my, w, cylinderHeight);
        y = cylinderHeight + 2 * my;
        l.tabs = clamped(cx, y, w, h - y - my);
        break;
    case 2:
        l.cylinderVisible = false;
        l.settings = QRect(cx, my, w, settingsHeight);
        y = settingsHeight + 2 * my;
        l.tabs = clamped(cx, y, w, h - y - my);
        break;
    case 3:
        l.cylinderVisible = false;
        l.settingsVisible = false;
        l.tabs = clamped(mx, my, client.width() - 2 * mx, h - 2 * my);
        break;
    default:
        l.cylinder = QRect(cx, my, w, cylinderHeight);
        y = cylinderHeight + 2 * my;
        l.settings = QRect(cx, y, w, settingsHeight);
        y = settingsHeight + y + my;
        l.tabs = clamped(cx, y, w, h - y - my);
        break;
    }
    l.plotter = clamped(l.tabs.left() + mx, l.tabs.top() + 5 * my, l.tabs.width() - 2 * mx,
                        l.tabs.height() - 6 * my);
    return l;
}

} // namespace vozavero
