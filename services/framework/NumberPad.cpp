// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The on-screen number pad: builds the keys, applies the calculator-like editing rules and reads
// the physical keyboard. Every key and the display carry object names so that tests can find them.
#include "NumberPad.h"

#include <QFont>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace vozavero {

namespace {

constexpr QChar kDot = u'.';
constexpr QChar kMinus = u'-';

QString decimalPoint() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QString(kDot) : point;
}

QFont scaledFont(QFont font, double factor, bool bold = false) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    } else {
        font.setPixelSize(static_cast<int>(font.pixelSize() * factor));
    }
    font.setBold(bold);
    return font;
}

} // namespace

NumberPad::NumberPad(const QString& caption, const QString& text, QWidget* parent)
    : QDialog(parent)
    , point_(decimalPoint())
    , text_(QString(text).replace(kDot, point_)) {
    setObjectName(QStringLiteral("numberPad"));
    setWindowTitle(caption);
    setModal(true);
    // The keys take no focus, so every key press of a physical keyboard arrives here.
    setFocusPolicy(Qt::StrongFocus);

    auto* heading = new QLabel(caption, this);
    heading->setObjectName(QStringLiteral("numberPadCaption"));
    heading->setFont(scaledFont(font(), 1.4, true));

    display_ = new QLineEdit(this);
    display_->setObjectName(QStringLiteral("numberPadDisplay"));
    display_->setReadOnly(true);
    display_->setFocusPolicy(Qt::NoFocus);
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display_->setFont(scaledFont(font(), 2.0));
    display_->setMinimumHeight(kKeySize);

    auto* keys = new QGridLayout;
    keys->setSpacing(6);
    // Calculator order: 7 8 9 on top, 0 at the bottom.
    for (int digit = 1; digit <= 9; ++digit) {
        QPushButton* key =
            addKey(QString::number(digit), QStringLiteral("numberPadKey%1").arg(digit));
        keys->addWidget(key, 2 - (digit - 1) / 3, (digit - 1) % 3);
        connect(key, &QPushButton::clicked, this, [this, digit] { typeDigit(digit); });
    }
    QPushButton* minus = addKey(QStringLiteral("\u2212"), QStringLiteral("numberPadMinus"));
    QPushButton* zero = addKey(QStringLiteral("0"), QStringLiteral("numberPadKey0"));
    QPushButton* point = addKey(point_, QStringLiteral("numberPadPoint"));
    keys->addWidget(minus, 3, 0);
    keys->addWidget(zero, 3, 1);
    keys->addWidget(point, 3, 2);
    connect(minus, &QPushButton::clicked, this, &NumberPad::toggleSign);
    connect(zero, &QPushButton::clicked, this, [this] { typeDigit(0); });
    connect(point, &QPushButton::clicked, this, &NumberPad::typePoint);

    QPushButton* back = addKey(QStringLiteral("\u2190"), QStringLiteral("numberPadBackspace"));
    back->setAutoRepeat(true);
    back->setToolTip(tr("Letztes Zeichen löschen"));
    QPushButton* clearKey = addKey(QStringLiteral("C"), QStringLiteral("numberPadClear"));
    clearKey->setToolTip(tr("Alles löschen"));
    keys->addWidget(back, 0, 3);
    keys->addWidget(clearKey, 1, 3);
    connect(back, &QPushButton::clicked, this, &NumberPad::backspace);
    connect(clearKey, &QPushButton::clicked, this, &NumberPad::clear);

    // The commands sit in the right column like the Enter key of a keyboard's number block.
    QPushButton* cancel = addKey(tr("Abbrechen"), QStringLiteral("numberPadCancel"));
    cancel->setFont(scaledFont(font(), 1.2));
    QPushButton* ok = addKey(tr("OK"), QStringLiteral("numberPadOk"));
    ok->setFont(scaledFont(font(), 1.6, true));
    keys->addWidget(cancel, 2, 3);
    keys->addWidget(ok, 3, 3);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(heading);
    layout->addWidget(display_);
    layout->addLayout(keys);

    showText();
}

QPushButton* NumberPad::addKey(const QString& label, const QString& objectName) {
    auto* key = new QPushButton(label, this);
    key->setObjectName(objectName);
    key->setFocusPolicy(Qt::NoFocus);
    key->setAutoDefault(false);
    key->setMinimumSize(kKeySize, kKeySize);
    key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    key->setFont(scaledFont(font(), 1.8));
    return key;
}

bool NumberPad::editField(QLineEdit* field, const QString& caption, QWidget* parent) {
    if (field == nullptr || field->isReadOnly()) {
        return false;
    }
    // The field's own window keeps the pad above a modal dialog that holds the field.
    QWidget* owner = parent != nullptr ? parent : field->window();
    NumberPad pad(caption, field->text(), owner);
    pad.setMaxLength(field->maxLength());
    // Beside the window that holds the field, so that the field and its neighbours stay visible.
    pad.adjustSize();
    if (const QScreen* screen = owner->screen()) {
        pad.move(besideWindow(owner->frameGeometry(), pad.size(), screen->availableGeometry()));
    }
    const QPointer<QLineEdit> guard(field);
    if (pad.exec() != QDialog::Accepted || guard.isNull()) {
        return false;
    }
    field->setText(pad.text());
    return true;
}

QPoint NumberPad::besideWindow(const QRect& window, const QSize& padSize, const QRect& screen) {
    constexpr int kGap = 8;
    // Room for the pad's own frame, which the window system adds around the size.
    constexpr int kFrame = 8;
    const int width = padSize.width() + kFrame;
    const int height = padSize.height() + kFrame;
    const int roomRight = screen.right() + 1 - (window.right() + 1 + kGap);
    const int roomLeft = window.left() - kGap - screen.left();
    int left = 0;
    if (roomRight >= width) {
        left = window.right() + 1 + kGap;
    } else if (roomLeft >= width) {
        left = window.left() - kGap - width;
    } else if (roomRight >= roomLeft) {
        left = screen.right() + 1 - width;
    } else {
        left = screen.left();
    }
    const int top = std::max(screen.top(), std::min(window.top(), screen.bottom() + 1 - height));
    return {left, top};
}

QString NumberPad::magnitude() const {
    return isNegative() ? text_.mid(1) : text_;
}

bool NumberPad::hasPoint() const {
    return magnitude().contains(point_) || magnitude().contains(kDot);
}

void NumberPad::setText(const QString& text) {
    replacing_ = false;
    if (text.size() <= maxLength_) {
        text_ = text;
    }
    showText();
}

void NumberPad::showText() {
    display_->setText(text_);
    if (replacing_) {
        display_->selectAll();
    } else {
        display_->deselect();
        display_->end(false);
    }
}

void NumberPad::typeDigit(int digit) {
    if (digit < 0 || digit > 9) {
        return;
    }
    const QString typed = QString::number(digit);
    if (replacing_) {
        setText(typed);
    } else if (magnitude() == QStringLiteral("0")) {
        setText(isNegative() ? kMinus + typed : typed);
    } else {
        setText(text_ + typed);
    }
}

void NumberPad::typePoint() {
    if (replacing_) {
        setText(QStringLiteral("0") + point_);
    } else if (hasPoint()) {
        return;
    } else if (magnitude().isEmpty()) {
        setText(text_ + u'0' + point_);
    } else {
        setText(text_ + point_);
    }
}

void NumberPad::toggleSign() {
    // Blanks and a "+" left from the field's text would hide the sign from the number reader.
    QString number = text_.trimmed();
    if (number.startsWith(kMinus)) {
        number.remove(0, 1);
    } else if (number.startsWith(u'+')) {
        number[0] = kMinus;
    } else {
        number.prepend(kMinus);
    }
    setText(number);
}

void NumberPad::backspace() {
    setText(text_.left(text_.size() - 1));
}

void NumberPad::clear() {
    setText(QString());
}

void NumberPad::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        backspace();
        return;
    case Qt::Key_Delete:
        clear();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return;
    case Qt::Key_Escape:
        reject();
        return;
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.size() == 1) {
        const QChar c = typed.front();
        if (c >= u'0' && c <= u'9') {
            typeDigit(c.unicode() - u'0');
            return;
        }
        if (c == u'.' || c == u',') {
            typePoint();
            return;
        }
        if (c == kMinus) {
            toggleSign();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

} // namespace vozavero
