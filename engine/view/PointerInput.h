// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Finger and pen input read as the mouse is read: a touch that begins or moves, and a pen that
// presses or moves with its tip down, give the pointer position in the receiving widget's
// pixels, fractions kept. The widgets pass that position to the same handler as a mouse press or
// drag, so every rounding and clamping happens once, in that handler. (The toolkit's own
// conversion of unhandled touches into mouse events snaps positions to whole pixels, which is
// why touch is taken here instead.)
#pragma once
#include <QEvent>
#include <QPointF>
#include <QTabletEvent>
#include <QTouchEvent>
#include <QWidget>
#include <functional>
#include <optional>

namespace vozavero {

/// Lets widget receive touches itself rather than as converted mouse events.
inline void acceptTouch(QWidget* widget) {
    widget->setAttribute(Qt::WA_AcceptTouchEvents);
}

/// Whether event is a touch or pen event that pointerPosition takes care of (also the ends of a
/// touch, which must be accepted so that the toolkit does not turn them into mouse events).
inline bool isTouchOrPen(const QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

/// The position of a touch or pen event that acts as a press or a drag with a button held, in
/// pixels of the widget receiving it; nothing for any other event. Only the first finger counts.
inline std::optional<QPointF> pointerPosition(const QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate: {
        const auto* touch = static_cast<const QTouchEvent*>(event);
        if (touch->points().isEmpty()) {
            return std::nullopt;
        }
        const QEventPoint& first = touch->points().first();
        if (first.state() == QEventPoint::State::Stationary ||
            first.state() == QEventPoint::State::Released) {
            return std::nullopt;
        }
        return first.position();
    }
    case QEvent::TabletPress:
        return static_cast<const QTabletEvent*>(event)->position();
    case QEvent::TabletMove: {
        const auto* pen = static_cast<const QTabletEvent*>(event);
        if (pen->buttons() == Qt::NoButton) {
            return std::nullopt; // hovering over the board
        }
        return pen->position();
    }
    default:
        return std::nullopt;
    }
}

/// What a widget's event() does with finger and pen input: a touch or pen event is accepted and,
/// when it acts as a press or drag, its position goes to pointer. Returns false for any other
/// event, which the widget then handles as usual.
inline bool takeTouchOrPen(QEvent* event, const std::function<void(QPointF)>& pointer) {
    if (!isTouchOrPen(event)) {
        return false;
    }
    event->accept();
    if (const std::optional<QPointF> at = pointerPosition(event)) {
        pointer(*at);
    }
    return true;
}

} // namespace vozavero
