// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The graph surface: a persistent picture that the graph picture draws the selected chart on.
#include "GraphPlotter.h"

#include "framework/PointerKind.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QStyleHints>
#include <cmath>

namespace vozavero {

GraphPlotter::GraphPlotter(QWidget* parent)
    : QWidget(parent) {
    makePicture();
    holdTimer_.setSingleShot(true);
    connect(&holdTimer_, &QTimer::timeout, this, [this] {
        // A long press is no click: lifting the finger afterwards does nothing.
        clickPending_ = false;
        emit menuRequested(mapToGlobal(pressPosition_.toPoint()));
    });
}

double GraphPlotter::pixelRatio() const {
    return fixedRatio_ > 0.0 ? fixedRatio_ : devicePixelRatioF();
}

void GraphPlotter::setPixelRatio(double ratio) {
    fixedRatio_ = ratio;
}

bool GraphPlotter::makePicture() {
    // The picture has the screen's device pixels, and the painters on it work in logical
    // pixels, so the drawing and its mapping keep their logical coordinates.
    const double ratio = pixelRatio();
    const QSize pixels(static_cast<int>(std::ceil(width() * ratio - 1e-9)),
                       static_cast<int>(std::ceil(height() * ratio - 1e-9)));
    if (picture_.size() == pixels && picture_.devicePixelRatio() == ratio) {
        return false;
    }
    picture_ = QImage(pixels, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(ratio);
    picture_.fill(Qt::white);
    return true;
}

void GraphPlotter::redraw(const chart::Chart& chart, const std::optional<RegressionLine>& line) {
    // A widget that was never shown has had no resize event yet.
    makePicture();
    mapping_.setFont(font());
    mapping_.draw(chart, line, picture_);
    update();
}

void GraphPlotter::paintEvent(QPaintEvent* /*event*/) {
    if (fixedRatio_ == 0.0 && picture_.devicePixelRatio() != devicePixelRatioF()) {
        // Moved to a screen with another ratio: the window draws the graph again for it.
        QMetaObject::invokeMethod(this, &GraphPlotter::resized, Qt::QueuedConnection);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void GraphPlotter::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        clickPending_ = true;
        pressPosition_ = event->position();
        if (byFingerOrPen(event)) {
            holdTimer_.start(QGuiApplication::styleHints()->mousePressAndHoldInterval());
        }
        return;
    }
    QWidget::mousePressEvent(event);
}

void GraphPlotter::mouseMoveEvent(QMouseEvent* event) {
    // A press that turns into a drag is no click, nor a long press.
    if ((clickPending_ || holdTimer_.isActive()) &&
        (event->position() - pressPosition_).manhattanLength() >=
            QApplication::startDragDistance()) {
        clickPending_ = false;
        holdTimer_.stop();
    }
    QWidget::mouseMoveEvent(event);
}

void GraphPlotter::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        holdTimer_.stop();
    }
    if (event->button() == Qt::LeftButton && clickPending_) {
        clickPending_ = false;
        if (rect().contains(event->position().toPoint())) {
            emit clicked();
        }
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void GraphPlotter::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click arrives as this event; it is no new press, so the
    // double-click is one click (made by the first press and its release). A finger that stays
    // down on it still asks for the menu.
    if (event->button() == Qt::LeftButton && byFingerOrPen(event)) {
        pressPosition_ = event->position();
        holdTimer_.start(QGuiApplication::styleHints()->mousePressAndHoldInterval());
    }
    event->accept();
}

void GraphPlotter::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    emit menuRequested(event->globalPos());
}

void GraphPlotter::resizeEvent(QResizeEvent* /*event*/) {
    makePicture();
    picture_.fill(Qt::white);
    emit resized();
}

} // namespace vozavero
