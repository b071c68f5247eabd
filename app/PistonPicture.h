// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The piston picture ("pic_Schieber") as a control of its own: besides passing presses and drags
// on, it takes the keyboard focus and shows a focus mark, and keys and assistive technology move
// it. Each such change is handed to the window as a pointer on the syringe drawing at the new
// piston face, so it runs through exactly the rule of a drag of the piston. The value is the
// width of the gas space in pixels, within the volume's range.
#pragma once
#include "PictureBox.h"
#include "ValueControl.h"

#include <functional>

namespace vozavero {

class PistonPicture : public PictureBox, public ValueControl {
    Q_OBJECT
public:
    struct Hooks {
        /// The width of the gas space now, in pixels.
        std::function<double()> width;
        /// Applies a pointer at width pixels right of the gas space's left edge, within its
        /// height: the rule of the syringe drawing.
        std::function<void(double width)> pointAt;
    };

    PistonPicture(const ScaledPicture& picture, Hooks hooks, QWidget* parent = nullptr);

    double controlValue() const override;
    double controlMinimum() const override;
    double controlMaximum() const override;
    void setControlValue(double value) override;
    QString controlName() const override;
    QString controlMeaning() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    /// The piston moves when the volume changes: assistive technology is told the new value.
    void moveEvent(QMoveEvent* event) override;

private:
    Hooks hooks_;
};

} // namespace vozavero
