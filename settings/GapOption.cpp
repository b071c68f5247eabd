// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The option button with stretchable runs of blanks: splits the caption into words and runs, and
// draws them one after another beside the style's round indicator.
#include "GapOption.h"

#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <algorithm>

namespace vozavero {

GapOption::GapOption(const QString& text, QWidget* parent)
    : QRadioButton(parent) {
    setCaption(text);
}

void GapOption::setCaption(const QString& text) {
    setText(text);
    pieces_.clear();
    static const QRegularExpression runs(QStringLiteral(" {2,}"));
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : runs.globalMatch(text)) {
        if (m.capturedStart() > from) {
            pieces_.push_back({text.mid(from, m.capturedStart() - from)});
        }
        pieces_.push_back({m.captured(), true});
        from = m.capturedEnd();
    }
    if (from < text.size()) {
        pieces_.push_back({text.mid(from)});
    }
    updateGeometry();
    update();
}

int GapOption::gapCount() const {
    return static_cast<int>(
        std::count_if(pieces_.begin(), pieces_.end(), [](const Piece& p) { return p.gap; }));
}

size_t GapOption::gapPiece(int i) const {
    int seen = -1;
    for (size_t k = 0; k < pieces_.size(); ++k) {
        if (pieces_[k].gap && ++seen == i) {
            return k;
        }
    }
    return pieces_.size();
}

int GapOption::naturalGapWidth(int i) const {
    const size_t k = gapPiece(i);
    return k < pieces_.size() ? fontMetrics().horizontalAdvance(pieces_[k].text) : 0;
}

void GapOption::setGapWidth(int i, int widthPixels) {
    const size_t k = gapPiece(i);
    if (k < pieces_.size()) {
        pieces_[k].width = widthPixels;
        updateGeometry();
        update();
    }
}

int GapOption::pieceWidth(const Piece& piece) const {
    const int natural = fontMetrics().horizontalAdvance(piece.text);
    return piece.gap ? std::max(natural, piece.width) : natural;
}

std::pair<int, int> GapOption::gapSpan(int i) const {
    int x = textLeft();
    int seen = -1;
    for (const Piece& piece : pieces_) {
        const int w = pieceWidth(piece);
        if (piece.gap && ++seen == i) {
            return {x, x + w};
        }
        x += w;
    }
    return {x, x};
}

int GapOption::textLeft() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this).x();
}

QSize GapOption::sizeHint() const {
    QSize size = QRadioButton::sizeHint();
    int stretch = 0;
    for (const Piece& piece : pieces_) {
        if (piece.gap) {
            stretch += pieceWidth(piece) - fontMetrics().horizontalAdvance(piece.text);
        }
    }
    return {size.width() + stretch, size.height()};
}

void GapOption::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear(); // the style draws the indicator (and the focus frame) only
    painter.drawControl(QStyle::CE_RadioButton, option);
    int x = textLeft();
    for (const Piece& piece : pieces_) {
        const int w = pieceWidth(piece);
        if (!piece.gap) {
            style()->drawItemText(&painter, QRect(x, 0, w, height()),
                                  Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                                  palette(), isEnabled(), piece.text, QPalette::WindowText);
        }
        x += w;
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = QRect(textLeft() - 1, 1, x - textLeft() + 2, height() - 2);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool GapOption::hitButton(const QPoint& pos) const {
    // The whole caption is clickable, however wide its runs are drawn.
    return rect().contains(pos);
}

} // namespace vozavero
