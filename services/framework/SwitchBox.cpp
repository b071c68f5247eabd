// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The three-state switch box: what the program shows, and the click that only goes between off
// and on.
#include "SwitchBox.h"

#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>

namespace vozavero {

SwitchBox::SwitchBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent) {}

SwitchBox::State SwitchBox::state() const {
    switch (checkState()) {
    case Qt::Unchecked:
        return State::Off;
    case Qt::PartiallyChecked:
        return State::Idle;
    case Qt::Checked:
        break;
    }
    return State::On;
}

void SwitchBox::showState(State state) {
    const Qt::CheckState shown = state == State::Off    ? Qt::Unchecked
                                 : state == State::Idle ? Qt::PartiallyChecked
                                                        : Qt::Checked;
    if (checkState() != shown) {
        const QSignalBlocker blocker(this);
        setCheckState(shown);
    }
}

void SwitchBox::nextCheckState() {
    setCheckState(checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked);
}

QIcon SwitchBox::idleMark(const QStyle* style) {
    const int width = style->pixelMetric(QStyle::PM_IndicatorWidth);
    const int height = style->pixelMetric(QStyle::PM_IndicatorHeight);
    QIcon icon;
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        QPixmap picture(QSize(width, height) * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        QStyleOptionButton option;
        option.rect = QRect(0, 0, width, height);
        option.state = QStyle::State_Enabled | QStyle::State_NoChange;
        style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter);
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}

} // namespace vozavero
