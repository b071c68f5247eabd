#pragma once
// A number text field of the options dialog that reports a completed click and the gain of focus
// after the field has handled them itself, so that a handler may still change the selection.
#include <QLineEdit>

namespace vozavero {

class NumberField : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberField(QWidget* parent = nullptr);

signals:
    /// A left-button press and release inside the field.
    void clicked();
    /// The field received the keyboard focus.
    void focusEntered();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace vozavero
