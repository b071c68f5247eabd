// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The accessible side of gauges and piston: role, name, spoken description, value and actions.
#include "ValueAccessible.h"

#include "NumberText.h"
#include "NumericError.h"

#include <QWidget>
#include <Qt>

namespace vozavero {

namespace {

/// Runs a read of the control; a value that maps to no number reads as 0.
template <typename F> double safely(F read) {
    try {
        return read();
    } catch (const NumericError&) {
        return 0.0;
    }
}

QAccessibleInterface* valueAccessibleFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    auto* control = dynamic_cast<ValueControl*>(widget);
    return control != nullptr ? new ValueAccessible(widget, *control) : nullptr;
}

} // namespace

ValueAccessible::ValueAccessible(QWidget* widget, ValueControl& control)
    : QAccessibleWidget(widget,
                        control.controlSettable() ? QAccessible::Slider : QAccessible::ProgressBar)
    , control_(control) {}

void* ValueAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString ValueAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return widget()->accessibleName().isEmpty() ? control_.controlName()
                                                    : widget()->accessibleName();
    case QAccessible::Description:
        try {
            return control_.controlDescription();
        } catch (const NumericError&) {
            return control_.controlName();
        }
    case QAccessible::Value:
        return numberText(safely([this] { return control_.controlValue(); }));
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State ValueAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = !control_.controlSettable();
    return s;
}

QVariant ValueAccessible::currentValue() const {
    return safely([this] { return control_.controlValue(); });
}

void ValueAccessible::setCurrentValue(const QVariant& value) {
    bool ok = false;
    const double v = value.toDouble(&ok);
    if (!ok || !control_.controlSettable()) {
        return;
    }
    try {
        control_.setControlValue(v);
    } catch (const NumericError&) {
        // The pointer path ends the same way on a numerical error: nothing more happens.
    }
}

QVariant ValueAccessible::maximumValue() const {
    return safely([this] { return control_.controlMaximum(); });
}

QVariant ValueAccessible::minimumValue() const {
    return safely([this] { return control_.controlMinimum(); });
}

QStringList ValueAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (control_.controlSettable()) {
        names << increaseAction() << decreaseAction();
    }
    return names;
}

void ValueAccessible::doAction(const QString& actionName) {
    if (actionName == increaseAction() || actionName == decreaseAction()) {
        try {
            control_.applyStepKey(actionName == increaseAction() ? Qt::Key_Right : Qt::Key_Left);
        } catch (const NumericError&) {
        }
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QStringList ValueAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == increaseAction()) {
        return {QStringLiteral("Right"), QStringLiteral("Up")};
    }
    if (actionName == decreaseAction()) {
        return {QStringLiteral("Left"), QStringLiteral("Down")};
    }
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

void installValueAccessibleFactory() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(valueAccessibleFactory);
        installed = true;
    }
}

} // namespace vozavero
