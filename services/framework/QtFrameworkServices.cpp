// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The production framework services: plain toolkit message boxes with empty titles (the start-up
// trace shows the application's name) and button captions in the program's language, the about box
// and the number pad. Every box is modal and parented, so it stays above the window that asked and
// the simulation loop waits until it is answered.
#include "QtFrameworkServices.h"

#include "AboutBox.h"
#include "NumberPad.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace vozavero {

namespace {

/// Smallest size of a box button in pixels, for a finger or a pen on a whiteboard.
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 48;

void prepareBox(QMessageBox& box, const QString& name, const QString& title, const QString& text) {
    box.setObjectName(name);
    box.setWindowTitle(title);
    // The text is shown as it is; markup in it is not interpreted.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setWindowModality(Qt::ApplicationModal);
}

QPushButton* addButton(QMessageBox& box, const QString& caption, QMessageBox::ButtonRole role,
                       const QString& name) {
    QPushButton* button = box.addButton(caption, role);
    button->setObjectName(name);
    button->setMinimumSize(kButtonWidth, kButtonHeight);
    return button;
}

/// A plain box with one OK button that returns when it is closed.
void showMessage(QWidget* parent, const QString& name, const QString& title, const QString& text) {
    QMessageBox box(parent);
    prepareBox(box, name, title, text);
    box.setIcon(QMessageBox::NoIcon);
    QPushButton* ok = addButton(box, QtFrameworkServices::tr("OK"), QMessageBox::AcceptRole,
                                name + QStringLiteral("Ok"));
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

} // namespace

void QtFrameworkServices::message(const QString& text) {
    showMessage(parent_, QStringLiteral("frameworkMessage"), QString(), text);
}

void QtFrameworkServices::traceMessage(const QString& text) {
    showMessage(parent_, QStringLiteral("frameworkTrace"), QApplication::applicationDisplayName(),
                text);
}

int QtFrameworkServices::question(const QString& text, int safeAnswer) {
    QMessageBox box(parent_);
    prepareBox(box, QStringLiteral("frameworkQuestion"), QString(), text);
    box.setIcon(QMessageBox::Question);
    QPushButton* yes =
        addButton(box, tr("Ja"), QMessageBox::YesRole, QStringLiteral("frameworkQuestionYes"));
    QPushButton* no =
        addButton(box, tr("Nein"), QMessageBox::NoRole, QStringLiteral("frameworkQuestionNo"));
    // Whether to quit loses the measurements, so a stray Enter must not say Yes there; whether to
    // take back a lost series loses them on No. Escape and the close box answer the same.
    QPushButton* safe = safeAnswer == kAnswerYes ? yes : no;
    box.setDefaultButton(safe);
    box.setEscapeButton(safe);
    box.exec();
    return box.clickedButton() == yes ? kAnswerYes : kAnswerNo;
}

void QtFrameworkServices::about() {
    AboutBox box(info_, parent_);
    box.exec();
}

void QtFrameworkServices::inputAid(QLineEdit* field, const QString& caption) {
    // The pad is parented to the field's window, which may be a modal dialog above parent_.
    NumberPad::editField(field, caption);
}

} // namespace vozavero
