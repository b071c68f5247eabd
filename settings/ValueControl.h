// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// A control that stands for one number the user can set (a gauge or the piston), seen from the
// keyboard and from assistive technology: its value and range, its spoken name, and setting a
// value the way a pointer would set it. The step keys are turned into whole target values here,
// so that every keyboard change is a value the pointer could have given too.
#pragma once
#include "framework/FocusMark.h"

#include <QString>
#include <optional>

class QKeyEvent;
class QWidget;

namespace vozavero {

/// The value a step key asks for, given the current value and the range (all in the control's
/// own unit): arrows one unit, Page Up/Down a tenth of the range (whole, at least 1), Home/End
/// the ends. From a fractional value a step lands on the next whole number in its direction.
/// The result lies within minimum..maximum; nothing for a key that is not a step key.
std::optional<double> stepKeyTarget(int key, double current, double minimum, double maximum);

class ValueControl {
public:
    virtual ~ValueControl() = default;

    /// The value shown now, in the control's unit.
    virtual double controlValue() const = 0;
    virtual double controlMinimum() const = 0;
    virtual double controlMaximum() const = 0;
    /// Whether the user can set the value (a read-out cannot).
    virtual bool controlSettable() const { return true; }
    /// Sets value through the same path as a pointer press at the place that gives it.
    virtual void setControlValue(double value) = 0;
    /// The name spoken for the control, for example "Teilchenzahl".
    virtual QString controlName() const = 0;
    /// What the value stands for, spoken after the name, for example "Stoffmenge".
    virtual QString controlMeaning() const { return {}; }

    /// "Teilchenzahl (Stoffmenge), 5, von 2 bis 50", with the user's decimal separator.
    QString controlDescription() const;
    /// Applies a step key (Qt::Key); returns whether key was one. Read-outs take no keys.
    bool applyStepKey(int key);

protected:
    /// The focus mark shows only for keyboard work (FocusMark). Call from focusInEvent,
    /// keyPressEvent and focusOutEvent.
    void markFocusReason(int reason) { focusMark_.focusIn(reason); }
    void markKeyPressed() { focusMark_.keyPressed(); }
    /// What the control's keyPressEvent does first: shows the focus mark on self and applies a
    /// step key unless Ctrl, Alt or Meta is held (those belong to the menus). Returns whether the
    /// key was used; the control passes other keys to its base class.
    bool takeKeyPress(QWidget& self, QKeyEvent& event);
    void clearFocusMark() { focusMark_.focusOut(); }
    bool focusMarked() const { return focusMark_.shown(); }

private:
    FocusMark focusMark_;
};

} // namespace vozavero
