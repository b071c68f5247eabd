// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Gives the keyboard back when a dialog, message box or number pad closes. A window manager
// activates the window below a closed one; without one (a bare X server on a whiteboard PC) the
// keyboard goes nowhere, and the window's shortcuts stay dead until it is clicked. Watching every
// window of the program, this activates again, once a window closed and no other one took the
// keyboard, the modal dialog still open below it, else the window it belongs to, else the main
// window.
#pragma once
#include <QObject>
#include <QPointer>

class QWidget;

namespace vozavero {

class DialogFocusReturn : public QObject {
    Q_OBJECT
public:
    /// Watches every window of the application for as long as mainWindow lives.
    explicit DialogFocusReturn(QWidget* mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// After closed was hidden: activates the window the keyboard belongs to now, unless one
    /// already has it.
    void giveBack(const QPointer<QWidget>& owner);

    QWidget* mainWindow_;
};

} // namespace vozavero
