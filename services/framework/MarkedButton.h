// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// A push button of the main window whose keyboard focus shows as clearly as a gauge's: the
// style's own focus frame is faint on a button, so a FocusMark is drawn along its edge while the
// focus came by the keyboard.
#pragma once
#include "FocusMark.h"

#include <QPushButton>

namespace vozavero {

class MarkedButton : public QPushButton {
    Q_OBJECT
public:
    explicit MarkedButton(const QString& text, QWidget* parent = nullptr);

    /// Whether the mark is drawn now.
    bool focusMarked() const { return hasFocus() && mark_.shown(); }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    FocusMark mark_;
};

} // namespace vozavero
