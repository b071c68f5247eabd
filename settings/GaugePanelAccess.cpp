// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The gauge panel for other hands than the mouse's: fingers and pens on box and bar, the step
// keys with the focus mark, and the value, range and name that assistive technology reads. Every
// one of them ends in the pointer rule of the mouse (setFromPointer), so a value set here leaves
// the same state as the mouse leaves for it.
#include "GaugePanel.h"

#include "NumberText.h"
#include "PointerInput.h"
#include "RoundHalfEven.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vozavero {

bool GaugePanel::touchOrPen(QObject* watched, QEvent* event) {
    event->accept();
    const std::optional<QPointF> at = pointerPosition(event);
    if (!at) {
        return true;
    }
    const bool press = event->type() == QEvent::TouchBegin || event->type() == QEvent::TabletPress;
    if (!press && watched == box_ && id_ == GaugeImpacts) {
        return true;
    }
    setFromPointer(watched == bar_ ? at->x() : at->x() - bar_->x());
    return true;
}

double GaugePanel::pointerPositionFor(double value) const {
    const double minimum = scale_.minimum();
    const double range = scale_.maximum() - minimum;
    const double u = usableLength();
    if (range <= 0.0 || u <= 0.0) {
        return 0.0;
    }
    const double pixelsPerUnit = u / range;
    // The minimum is given from just right of the bar's left edge up to half a unit.
    return value <= minimum ? pixelsPerUnit / 4.0 : (value - minimum) * pixelsPerUnit;
}

double GaugePanel::controlValue() const {
    return valueSource_ ? valueSource_() : valueFromBar();
}

double GaugePanel::controlMinimum() const {
    return id_ == GaugeImpacts ? 0.0 : scale_.minimum();
}

double GaugePanel::controlMaximum() const {
    return scale_.maximum();
}

void GaugePanel::setControlValue(double value) {
    if (!controlSettable() || !std::isfinite(value)) {
        return;
    }
    const double minimum = controlMinimum();
    const double target =
        std::clamp(roundHalfEven(value), minimum, std::max(minimum, controlMaximum()));
    setFromPointer(pointerPositionFor(target));
}

QString GaugePanel::controlName() const {
    const Quantity* q = Quantity::ofGauge(id_);
    return q != nullptr ? q->nameText() : MeasuredQuantity::impacts().nameText();
}

QString GaugePanel::controlMeaning() const {
    const Quantity* q = Quantity::ofGauge(id_);
    return q != nullptr ? q->meaningText() : MeasuredQuantity::impacts().meaningText();
}

void GaugePanel::keyPressEvent(QKeyEvent* event) {
    if (!takeKeyPress(*this, *event)) {
        QFrame::keyPressEvent(event);
    }
}

void GaugePanel::focusInEvent(QFocusEvent* event) {
    markFocusReason(event->reason());
    QFrame::focusInEvent(event);
}

void GaugePanel::focusOutEvent(QFocusEvent* event) {
    clearFocusMark();
    QFrame::focusOutEvent(event);
}

void GaugePanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!hasFocus() || !focusMarked()) {
        return;
    }
    QPainter painter(this);
    FocusMark::draw(painter, QRectF(box_->geometry()).adjusted(-2, -2, 2, 2), palette());
}

void GaugePanel::announceValueIfChanged() {
    if (!QAccessible::isActive()) {
        return; // nobody listens; the value is not even read
    }
    try {
        const double value = controlValue();
        if (value == announcedValue_) {
            return;
        }
        announcedValue_ = value;
        QAccessibleValueChangeEvent changed(this, value);
        QAccessible::updateAccessibility(&changed);
    } catch (const NumericError&) {
        // A bar that maps to no number has nothing to tell.
    }
}

} // namespace vozavero
