// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Finding the built-in catalogues, the system's first language, and installing a catalogue.
#include "Catalogues.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTranslator>

namespace vozavero {

namespace {

/// Where the build puts the compiled catalogues: ":/i18n/vozavero_<language>.qm".
const QString kFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("vozavero_");

/// The name of a catalogue's language in itself; in the source it is German's own.
const struct {
    const char* source;
    const char* comment;
} kOwnName =
    QT_TRANSLATE_NOOP3("Catalogues", "Deutsch", "the name of this catalogue's language, in itself");

QString catalogueFile(const QString& language) {
    return kFolder + u'/' + kPrefix + language + QStringLiteral(".qm");
}

/// The language part of a locale or language name: "en" of "en_GB.UTF-8" or "en-GB".
QString languageOf(const QString& name) {
    static const QRegularExpression end(QStringLiteral("[_.@-]"));
    return name.section(end, 0, 0).toLower();
}

/// The translator of the program's texts; it lives as long as the program.
QTranslator& programTranslator() {
    static QTranslator translator;
    return translator;
}

QString& installedLanguage() {
    static QString language = Catalogues::sourceLanguage();
    return language;
}

} // namespace

QString Catalogues::sourceLanguage() {
    return QStringLiteral("de");
}

QStringList Catalogues::languages() {
    QStringList codes;
    const QStringList files =
        QDir(kFolder).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        codes << file.mid(kPrefix.size()).chopped(3);
    }
    codes.removeAll(sourceLanguage());
    codes.prepend(sourceLanguage());
    return codes;
}

QString Catalogues::nativeName(const QString& language) {
    if (language == sourceLanguage()) {
        return QString::fromUtf8(kOwnName.source);
    }
    QTranslator translator;
    if (!translator.load(catalogueFile(language))) {
        return language;
    }
    return translator.translate("Catalogues", kOwnName.source, kOwnName.comment);
}

QString Catalogues::systemLanguage(const Environment& environment) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty()) {
            break;
        }
    }
    const QString localeLanguage = languageOf(locale);
    if (localeLanguage.isEmpty() || localeLanguage == QStringLiteral("c") ||
        localeLanguage == QStringLiteral("posix")) {
        return sourceLanguage();
    }
    const QString preferred = environment("LANGUAGE").section(u':', 0, 0);
    const QString first = preferred.isEmpty() ? localeLanguage : languageOf(preferred);
    return languages().contains(first) ? first : sourceLanguage();
}

bool Catalogues::install(const QString& language) {
    if (!languages().contains(language)) {
        return false;
    }
    if (language == installedLanguage()) {
        return true;
    }
    QTranslator& translator = programTranslator();
    QCoreApplication::removeTranslator(&translator);
    if (language != sourceLanguage()) {
        if (!translator.load(catalogueFile(language))) {
            installedLanguage() = sourceLanguage();
            return false;
        }
        QCoreApplication::installTranslator(&translator);
    }
    installedLanguage() = language;
    return true;
}

QString Catalogues::installed() {
    return installedLanguage();
}

QString Catalogues::processEnvironment(const char* name) {
    return qEnvironmentVariable(name);
}

} // namespace vozavero
