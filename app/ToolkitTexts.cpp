// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Loading of the toolkit's catalogues for the program's language.
#include "ToolkitTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <vector>

namespace vozavero {

namespace {

/// The toolkit's translators installed last.
std::vector<QPointer<QTranslator>>& installed() {
    static std::vector<QPointer<QTranslator>> translators;
    return translators;
}

} // namespace

QStringList ToolkitTexts::catalogues() {
    // qtbase holds the texts of the widgets, dialogs and print support.
    return {QStringLiteral("qtbase")};
}

QString ToolkitTexts::folder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool ToolkitTexts::install(const QString& language) {
    return install(language, folder());
}

bool ToolkitTexts::install(const QString& language, const QString& folder) {
    for (const QPointer<QTranslator>& translator : installed()) {
        delete translator.data(); // removes it from the application as well
    }
    installed().clear();
    if (QLocale(language).language() == QLocale::English) {
        return true;
    }
    bool any = false;
    for (const QString& name : catalogues()) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QLocale(language), name, QStringLiteral("_"), folder) &&
            QCoreApplication::installTranslator(translator)) {
            installed().emplace_back(translator);
            any = true;
        } else {
            delete translator;
        }
    }
    return any;
}

} // namespace vozavero
