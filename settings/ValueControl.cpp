// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Step keys turned into whole target values, and the spoken description of a value control.
#include "ValueControl.h"

#include "NumberText.h"
#include "RoundHalfEven.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <Qt>
#include <algorithm>
#include <cmath>

namespace vozavero {

std::optional<double> stepKeyTarget(int key, double current, double minimum, double maximum) {
    const double range = maximum - minimum;
    const double page = std::isfinite(range) ? std::max(1.0, roundHalfEven(range / 10.0)) : 1.0;
    double target = 0.0;
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        target = std::floor(current) + 1.0;
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        target = std::ceil(current) - 1.0;
        break;
    case Qt::Key_PageUp:
        target = std::floor(current) + page;
        break;
    case Qt::Key_PageDown:
        target = std::ceil(current) - page;
        break;
    case Qt::Key_Home:
        target = minimum;
        break;
    case Qt::Key_End:
        target = maximum;
        break;
    default:
        return std::nullopt;
    }
    if (!std::isfinite(target)) {
        target = minimum;
    }
    return std::clamp(target, minimum, std::max(minimum, maximum));
}

QString ValueControl::controlDescription() const {
    QString name = controlName();
    if (!controlMeaning().isEmpty()) {
        name += QStringLiteral(" (%1)").arg(controlMeaning());
    }
    return QCoreApplication::translate("ValueControl", "%1, %2, von %3 bis %4")
        .arg(name, numberText(controlValue()), numberText(controlMinimum()),
             numberText(controlMaximum()));
}

bool ValueControl::takeKeyPress(QWidget& self, QKeyEvent& event) {
    const bool commandKey =
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (!focusMarked()) {
        markKeyPressed();
        self.update();
    }
    if (!commandKey && applyStepKey(event.key())) {
        event.accept();
        return true;
    }
    return false;
}

bool ValueControl::applyStepKey(int key) {
    if (!controlSettable()) {
        return false;
    }
    const std::optional<double> target =
        stepKeyTarget(key, controlValue(), controlMinimum(), controlMaximum());
    if (!target) {
        return false;
    }
    setControlValue(*target);
    return true;
}

} // namespace vozavero
