// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
#include "TitledFrame.h"

#include <QLinearGradient>
#include <QPainter>

namespace vozavero {

TitledFrame::TitledFrame(const QString& caption, QWidget* parent)
    : QFrame(parent)
    , caption_(caption) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TitledFrame::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TitledFrame::styleBandLabel(QWidget* label) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    label->setAutoFillBackground(false);
}

void TitledFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect all = rect();
    p.fillRect(all, QColor(236, 236, 232));
    QLinearGradient band(0, 0, 0, kBandHeight);
    band.setColorAt(0.0, QColor(58, 110, 200));
    band.setColorAt(1.0, QColor(20, 55, 135));
    p.fillRect(QRect(0, 0, all.width(), kBandHeight), band);
    p.setPen(QColor(12, 36, 92));
    p.drawRect(all.adjusted(0, 0, -1, -1));
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(8, 0, all.width() - 16, kBandHeight), Qt::AlignVCenter | Qt::AlignLeft,
               caption_);
}

} // namespace vozavero
