// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// What assistive technology sees of a value control (a gauge or the piston): a slider, or for a
// read-only gauge a progress bar, with a name in the program's language, a description that reads
// the value and its range, and the value, minimum and maximum through the value interface. Setting
// the value there or through the increase and decrease actions goes the way of a pointer press. The
// parts the control is drawn from (box, bar, scale labels) are not shown as children of their own.
#pragma once
#include "ValueControl.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace vozavero {

class ValueAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    ValueAccessible(QWidget* widget, ValueControl& control);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    // Value interface: numbers in the control's unit.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 1.0; }

    // Actions: the widget's own plus one unit up and down, as the arrow keys do.
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    ValueControl& control_;
};

/// Makes the toolkit use ValueAccessible for every widget that is a ValueControl. Safe to call
/// any number of times; the widgets call it when they are built.
void installValueAccessibleFactory();

} // namespace vozavero
