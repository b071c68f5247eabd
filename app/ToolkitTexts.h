// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Puts the toolkit's own texts (file and print dialogs, the standard buttons of message boxes,
// context menus of text fields) into the program's language, from the toolkit's translation
// catalogues installed on the system. English is the toolkit's own language and needs none.
#pragma once
#include <QString>
#include <QStringList>

namespace vozavero {

class ToolkitTexts {
public:
    /// The catalogues loaded, by base name, and the folder they are looked for in.
    static QStringList catalogues();
    static QString folder();

    /// Replaces the toolkit's catalogues in effect by those of language (none for English), from
    /// folder() into translators owned by the application. Returns false (the toolkit's English
    /// texts stay) when none could be loaded, e.g. because the translation package is missing;
    /// the program runs on either way.
    static bool install(const QString& language);
    /// Same, from the given folder (tests use it to check a missing catalogue).
    static bool install(const QString& language, const QString& folder);
};

} // namespace vozavero
