// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The number text field: the toolkit's handling first, then the signals; the pad button keeps to
// the right end inside the frame, and the text stops short of it.
#include "NumberField.h"

#include "framework/PointerKind.h"

#include <QInputDevice>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace vozavero {

namespace {

/// Pixels: the button's width, and the edge of its picture.
constexpr int kButtonWidth = 13;
constexpr int kIconSize = 9;
/// Pixels the toolkit keeps between the frame and the text on either side.
constexpr int kTextMargin = 2;

/// Nine dots in three rows: the keys of a number pad.
QIcon padIcon() {
    QPixmap picture(kIconSize, kIconSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.fillRect(column * 3 + 1, row * 3 + 1, 2, 2, QColor(40, 40, 40));
        }
    }
    return QIcon(picture);
}

} // namespace

NumberField::NumberField(QWidget* parent)
    : QLineEdit(parent) {
    padButton_ = new QToolButton(this);
    padButton_->setObjectName(QStringLiteral("numberPadButton"));
    padButton_->setIcon(padIcon());
    padButton_->setIconSize(QSize(kIconSize, kIconSize));
    padButton_->setAutoRaise(true);
    padButton_->setCursor(Qt::ArrowCursor);
    // The keyboard reaches the field itself; the button is for a pointer only.
    padButton_->setFocusPolicy(Qt::NoFocus);
    retranslate();
    setTextMargins(0, 0, kButtonWidth, 0);
    connect(padButton_, &QToolButton::clicked, this, [this] {
        if (isEnabled()) {
            emit padRequested();
        }
    });
}

void NumberField::retranslate() {
    padButton_->setToolTip(tr("Ziffernblock öffnen"));
    padButton_->setAccessibleName(tr("Ziffernblock"));
}

int NumberField::widthFor(const QString& text) const {
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    return fontMetrics().horizontalAdvance(text) + 2 * (frame + kTextMargin) + kButtonWidth + 1;
}

int NumberField::widthForLongestNumber() const {
    // Digits, signs, both decimal points and the exponent's letter.
    const QString characters = QStringLiteral("0123456789+-.,e") + locale().decimalPoint();
    QChar widest = u'0';
    for (const QChar c : characters) {
        if (fontMetrics().horizontalAdvance(c) > fontMetrics().horizontalAdvance(widest)) {
            widest = c;
        }
    }
    return widthFor(QString(maxLength(), widest));
}

void NumberField::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    padButton_->setGeometry(width() - frame - kButtonWidth, frame, kButtonWidth,
                            height() - 2 * frame);
}

void NumberField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit focusEntered();
}

void NumberField::mouseReleaseEvent(QMouseEvent* event) {
    // The base handling may clear the selection (a click into selected text), so it runs first.
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && byFingerOrPen(event) && isEnabled() &&
        rect().contains(event->position().toPoint())) {
        emit padRequested();
    }
}

} // namespace vozavero
