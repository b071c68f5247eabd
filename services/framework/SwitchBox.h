// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// A check box for a switch that can be on without any effect, such as automatic mode with
// nothing to step. It shows three states: unticked when off, ticked when on and at work, and a
// partial tick when on but idle. The program sets the state; a click (or Space) always goes from
// either kind of on to off and from off to on, so the partial tick is never a step of its own.
#pragma once
#include <QCheckBox>
#include <QIcon>

namespace vozavero {

class SwitchBox : public QCheckBox {
    Q_OBJECT
public:
    enum class State { Off, On, Idle };

    explicit SwitchBox(const QString& text, QWidget* parent = nullptr);

    State state() const;
    /// Shows state without raising the toggled or state signals: the owner shows what is.
    void showState(State state);

    /// The partial tick as a box drawn by style shows it, for a menu entry of the same switch.
    static QIcon idleMark(const QStyle* style);

protected:
    void nextCheckState() override;
};

} // namespace vozavero
