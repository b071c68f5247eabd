// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The program's own translation catalogues, built into it from translations/*.ts, and the
// language its texts are shown in. German is the source language: its texts are in the code and
// need no catalogue. Installing a language replaces the catalogue in effect; the toolkit then
// sends every window a LanguageChange event, on which it shows its texts anew.
#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace vozavero {

class Catalogues {
public:
    /// Reads an environment variable; empty when it is not set.
    using Environment = std::function<QString(const char* name)>;

    /// "de".
    static QString sourceLanguage();
    /// The languages the program can show: the source language, then one per built-in
    /// catalogue ("en" for vozavero_en), in the order of their codes.
    static QStringList languages();
    /// A language's name in that language ("Deutsch", "English"), from its own catalogue.
    static QString nativeName(const QString& language);
    /// The first language of the user's system when the program has a catalogue for it, else
    /// the source language. As with the C library's messages, LC_ALL, then LC_MESSAGES, then
    /// LANG name the locale; under the "C" or "POSIX" locale (or none) the texts stay German,
    /// otherwise LANGUAGE's first entry, where set, names the language.
    static QString systemLanguage(const Environment& environment = processEnvironment);
    /// Shows the program's texts in language from now on; false (and nothing changes) when
    /// language is not one of languages(). Needs the application object.
    static bool install(const QString& language);
    /// The language installed last; the source language before any.
    static QString installed();

private:
    static QString processEnvironment(const char* name);
};

} // namespace vozavero
