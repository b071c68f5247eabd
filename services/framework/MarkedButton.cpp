// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The push button with the clear focus mark: the toolkit's button, then the mark over its edge.
#include "MarkedButton.h"

#include <QFocusEvent>
#include <QPainter>

namespace vozavero {

MarkedButton::MarkedButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent) {}

void MarkedButton::focusInEvent(QFocusEvent* event) {
    mark_.focusIn(event->reason());
    QPushButton::focusInEvent(event);
    update();
}

void MarkedButton::focusOutEvent(QFocusEvent* event) {
    mark_.focusOut();
    QPushButton::focusOutEvent(event);
    update();
}

void MarkedButton::keyPressEvent(QKeyEvent* event) {
    if (!mark_.shown()) {
        mark_.keyPressed();
        update();
    }
    QPushButton::keyPressEvent(event);
}

void MarkedButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (focusMarked()) {
        QPainter painter(this);
        FocusMark::draw(painter, QRectF(rect()).adjusted(1, 1, -1, -1), palette());
    }
}

} // namespace vozavero
