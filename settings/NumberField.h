// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// A number text field of the options dialog. Typing goes straight into the field; the on-screen
// number pad is asked for only by a tap with a finger or a pen, or by the small pad button inside
// the field's right end, so that a click with the mouse just places the cursor.
#pragma once
#include <QLineEdit>

class QToolButton;

namespace vozavero {

class NumberField : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberField(QWidget* parent = nullptr);

    /// The pad button at the field's right end ("numberPadButton").
    QToolButton* padButton() const { return padButton_; }
    /// Width in pixels a field needs to show text whole beside its pad button.
    int widthFor(const QString& text) const;
    /// Gives the pad button its texts in the language now in effect.
    void retranslate();
    /// Width in pixels a field needs to show every number it can hold whole: maxLength()
    /// characters of the widest one a number is written with.
    int widthForLongestNumber() const;

signals:
    /// The user asked for the number pad: a tap by touch or pen inside the field, or the pad
    /// button. Never emitted while the field is disabled.
    void padRequested();
    /// The field received the keyboard focus.
    void focusEntered();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* padButton_ = nullptr;
};

} // namespace vozavero
