// The number text field: the toolkit's handling first, then the signal.
#include "NumberField.h"

#include <QMouseEvent>

namespace vozavero {

NumberField::NumberField(QWidget* parent)
    : QLineEdit(parent) {}

void NumberField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit focusEntered();
}

void NumberField::mouseReleaseEvent(QMouseEvent* event) {
    // The base handling may clear the selection (a click into selected text), so it runs first.
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

} // namespace vozavero
