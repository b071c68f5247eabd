// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Keyboard, focus mark and assistive technology for the piston picture.
#include "PistonPicture.h"

#include "Quantity.h"
#include "ValueAccessible.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

namespace vozavero {

PistonPicture::PistonPicture(const ScaledPicture& picture, Hooks hooks, QWidget* parent)
    : PictureBox(picture, parent)
    , hooks_(std::move(hooks)) {
    setFocusPolicy(Qt::StrongFocus);
    installValueAccessibleFactory();
}

double PistonPicture::controlValue() const {
    return hooks_.width ? hooks_.width() : 0.0;
}

double PistonPicture::controlMinimum() const {
    return Quantity::of(QuantityId::Volume).gauge.low;
}

double PistonPicture::controlMaximum() const {
    return Quantity::of(QuantityId::Volume).gauge.high;
}

void PistonPicture::setControlValue(double value) {
    if (hooks_.pointAt) {
        hooks_.pointAt(value);
    }
}

QString PistonPicture::controlName() const {
    return tr("Schieber");
}

QString PistonPicture::controlMeaning() const {
    return Quantity::of(QuantityId::Volume).nameText();
}

void PistonPicture::keyPressEvent(QKeyEvent* event) {
    if (!takeKeyPress(*this, *event)) {
        PictureBox::keyPressEvent(event);
    }
}

void PistonPicture::focusInEvent(QFocusEvent* event) {
    markFocusReason(event->reason());
    PictureBox::focusInEvent(event);
    update();
}

void PistonPicture::focusOutEvent(QFocusEvent* event) {
    clearFocusMark();
    PictureBox::focusOutEvent(event);
    update();
}

void PistonPicture::paintEvent(QPaintEvent* event) {
    PictureBox::paintEvent(event);
    if (!hasFocus() || !focusMarked()) {
        return;
    }
    QPainter painter(this);
    FocusMark::draw(painter, QRectF(rect()).adjusted(1, 1, -1, -1), palette(), true);
}

void PistonPicture::moveEvent(QMoveEvent* event) {
    PictureBox::moveEvent(event);
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, controlValue());
        QAccessible::updateAccessibility(&changed);
    }
}

} // namespace vozavero
