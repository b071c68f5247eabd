#pragma once
// Puts the toolkit's own texts (file and print dialogs, the standard buttons of message boxes,
// context menus of text fields) into German, whatever the system language, from the toolkit's
// German translation catalogues installed on the system. The program's own texts are German in
// the code and need no catalogue.
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace vozavero {

class GermanToolkitTexts {
public:
    /// The catalogues loaded, by base name, and the folder they are looked for in.
    static QStringList catalogues();
    static QString folder();

    /// Loads the German catalogues from folder() into translators owned by app and installs
    /// them. Returns false (and leaves the toolkit's English texts) when none could be loaded,
    /// e.g. because the translation package is missing; the program runs on either way.
    static bool install(QCoreApplication& app);
    /// Same, from the given folder (tests use it to check a missing catalogue).
    static bool install(QCoreApplication& app, const QString& folder);
};

} // namespace vozavero
