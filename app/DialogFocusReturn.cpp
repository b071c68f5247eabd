// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Returning the keyboard to the window below a closed dialog.
#include "DialogFocusReturn.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace vozavero {

DialogFocusReturn::DialogFocusReturn(QWidget* mainWindow)
    : QObject(mainWindow)
    , mainWindow_(mainWindow) {
    qApp->installEventFilter(this);
}

bool DialogFocusReturn::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched->isWidgetType()) {
        auto* closed = static_cast<QWidget*>(watched);
        // Menus, tooltips and the like give the keyboard back by themselves.
        if (closed->isWindow() && closed != mainWindow_ &&
            (closed->windowType() == Qt::Dialog || closed->windowType() == Qt::Window)) {
            QWidget* below =
                closed->parentWidget() != nullptr ? closed->parentWidget()->window() : mainWindow_;
            // The window system tells about the lost keyboard only after the window is gone.
            QTimer::singleShot(0, this,
                               [this, owner = QPointer<QWidget>(below)] { giveBack(owner); });
        }
    }
    return QObject::eventFilter(watched, event);
}

void DialogFocusReturn::giveBack(const QPointer<QWidget>& owner) {
    const QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active->isVisible()) {
        return;
    }
    QWidget* target = QApplication::activeModalWidget();
    if (target == nullptr || !target->isVisible()) {
        target = owner != nullptr && owner->isVisible() ? owner.data() : mainWindow_;
    }
    if (target->isVisible()) {
        target->activateWindow();
    }
}

} // namespace vozavero
