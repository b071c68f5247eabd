// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The rule of the keyboard focus mark and its drawing.
#include "FocusMark.h"

#include <QPainter>

namespace vozavero {

void FocusMark::focusIn(int reason) {
    shown_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
             reason == Qt::ShortcutFocusReason;
}

void FocusMark::draw(QPainter& painter, const QRectF& rect, const QPalette& palette, bool dashed) {
    QPen pen(palette.color(QPalette::Highlight), 2);
    if (dashed) {
        pen.setStyle(Qt::DashLine);
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);
}

} // namespace vozavero
