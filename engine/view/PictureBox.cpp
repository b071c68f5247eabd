// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// A fixed picture that passes presses and drags with a button held on as pointer positions.
#include "PictureBox.h"

#include "PointerInput.h"

#include <QMouseEvent>
#include <QPainter>

namespace vozavero {

PictureBox::PictureBox(const QPixmap& picture, QWidget* parent)
    : PictureBox(ScaledPicture(picture.toImage()), parent) {}

PictureBox::PictureBox(const ScaledPicture& picture, QWidget* parent)
    : QWidget(parent)
    , scaled_(picture)
    , picture_(QPixmap::fromImage(picture.base())) {
    resize(picture_.deviceIndependentSize().toSize());
    acceptTouch(this);
}

void PictureBox::paintEvent(QPaintEvent*) {
    const double ratio = devicePixelRatioF();
    if (ratio != shownRatio_) {
        shownRatio_ = ratio;
        shown_ = ratio == 1.0 ? picture_ : QPixmap::fromImage(scaled_.at(ratio));
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, shown_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pointer(event->position().x(), event->position().y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (event->buttons() != Qt::NoButton) {
        emit pointer(event->position().x(), event->position().y());
    }
}

bool PictureBox::event(QEvent* event) {
    return takeTouchOrPen(event, [this](QPointF at) { emit pointer(at.x(), at.y()); }) ||
           QWidget::event(event);
}

} // namespace vozavero
