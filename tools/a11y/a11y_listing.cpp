// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Developer tool: starts the main window as the program does (on the offscreen platform unless
// another one is asked for) and prints what assistive technology sees of it: every visible
// accessible object with its role, name, description and, where it has one, its value with
// minimum and maximum; then the order in which the Tab key visits the controls.
//
//   build/tools/a11y/a11y_listing [de]
//
// With "de" numbers are written with the German decimal comma. A line starting with "!" marks a
// visible control without a name.
#include "MainWindow.h"
#include "framework/QtFrameworkServices.h"

#include <QAccessible>
#include <QApplication>
#include <QMetaEnum>
#include <QTextStream>
#include <QWidget>

namespace {

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

QString roleName(QAccessible::Role role) {
    const char* key = QMetaEnum::fromType<QAccessible::Role>().valueToKey(role);
    return key != nullptr ? QString::fromLatin1(key) : QString::number(role);
}

/// Roles that only group others; they need no name of their own to be understood.
bool isContainer(QAccessible::Role role) {
    return role == QAccessible::Client || role == QAccessible::Grouping ||
           role == QAccessible::Pane || role == QAccessible::LayeredPane ||
           role == QAccessible::Separator;
}

QString oneLine(QString text) {
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

int unnamed = 0;

void list(QAccessibleInterface* iface, int depth) {
    if (iface == nullptr || !iface->isValid() || iface->state().invisible) {
        return;
    }
    const QString name = iface->text(QAccessible::Name);
    const bool missing = name.trimmed().isEmpty() && !isContainer(iface->role());
    unnamed += missing ? 1 : 0;
    QString line = QString(missing ? QStringLiteral("! ") : QStringLiteral("  ")) +
                   QString(depth * 2, QLatin1Char(' ')) + roleName(iface->role());
    if (QObject* object = iface->object(); object != nullptr && !object->objectName().isEmpty()) {
        line += QStringLiteral(" [%1]").arg(object->objectName());
    }
    line += QStringLiteral(" \"%1\"").arg(oneLine(name));
    if (const QString d = iface->text(QAccessible::Description); !d.isEmpty()) {
        line += QStringLiteral(" - %1").arg(oneLine(d));
    }
    if (QAccessibleValueInterface* value = iface->valueInterface()) {
        const QLocale locale;
        line += QStringLiteral(" = %1 (%2..%3)")
                    .arg(locale.toString(value->currentValue().toDouble()),
                         locale.toString(value->minimumValue().toDouble()),
                         locale.toString(value->maximumValue().toDouble()));
    }
    out() << line << '\n';
    for (int i = 0; i < iface->childCount(); ++i) {
        list(iface->child(i), depth + 1);
    }
}

void listTabOrder(QWidget* window) {
    out() << "\nTab order:\n";
    QWidget* start = window;
    QWidget* w = start->nextInFocusChain();
    int n = 0;
    while (w != start && n < 500) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled() &&
            w->focusProxy() == nullptr) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
            out() << QStringLiteral("  %1. [%2] \"%3\"\n")
                         .arg(++n)
                         .arg(w->objectName(),
                              iface != nullptr ? iface->text(QAccessible::Name) : QString());
        }
        w = w->nextInFocusChain();
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "de") {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    vozavero::SystemClock clock;
    vozavero::UniformRandom random;
    vozavero::QtFrameworkServices services;
    auto env = vozavero::MainWindow::Environment::of(services, clock, random);
    vozavero::MainWindow window(env);
    if (!window.formLoad()) {
        return 1;
    }
    QCoreApplication::processEvents();
    list(QAccessible::queryAccessibleInterface(&window), 0);
    listTabOrder(&window);
    out() << "\nControls without a name: " << unnamed << '\n';
    out().flush();
    return unnamed == 0 ? 0 : 3;
}
