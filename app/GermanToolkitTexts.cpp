// Loading of the toolkit's German catalogues at start.
#include "GermanToolkitTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vozavero {

QStringList GermanToolkitTexts::catalogues() {
    // qtbase holds the texts of the widgets, dialogs and print support.
    return {QStringLiteral("qtbase")};
}

QString GermanToolkitTexts::folder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool GermanToolkitTexts::install(QCoreApplication& app) {
    return install(app, folder());
}

bool GermanToolkitTexts::install(QCoreApplication& app, const QString& folder) {
    bool any = false;
    for (const QString& name : catalogues()) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QLocale(QLocale::German, QLocale::Germany), name, QStringLiteral("_"),
                             folder) &&
            QCoreApplication::installTranslator(translator)) {
            any = true;
        } else {
            delete translator;
        }
    }
    return any;
}

} // namespace vozavero
