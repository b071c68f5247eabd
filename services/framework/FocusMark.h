// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// When and how a control of the main window shows that it has the keyboard focus: only for
// keyboard work (the focus came by Tab, Backtab or a shortcut, or a key was pressed since), so
// that it does not distract mouse users, and then as a frame two pixels wide in the palette's
// highlight colour, clear on a whiteboard too. A control keeps one and tells it its focus and key
// events.
#pragma once
#include <QPalette>
#include <QRectF>

class QPainter;

namespace vozavero {

class FocusMark {
public:
    /// The control received the focus for reason (a Qt::FocusReason).
    void focusIn(int reason);
    void keyPressed() { shown_ = true; }
    void focusOut() { shown_ = false; }
    bool shown() const { return shown_; }

    /// Draws the mark with its pen centred on the edges of rect, dashed or solid.
    static void draw(QPainter& painter, const QRectF& rect, const QPalette& palette,
                     bool dashed = false);

private:
    bool shown_ = false;
};

} // namespace vozavero
