// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The language the program starts in (the remembered choice, else the system's first language
// when there is a catalogue for it, else German), and the toolkit's own texts following it.
#include "LanguageChoice.h"
#include "ToolkitTexts.h"

#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vozavero {
namespace {

Catalogues::Environment environment(QMap<QString, QString> variables) {
    return [variables](const char* name) { return variables.value(QLatin1String(name)); };
}

TEST(LanguageTest, TheSystemsFirstLanguageWithACatalogueElseGerman) {
    ASSERT_EQ(Catalogues::languages().mid(0, 2), QStringList({"de", "en"}));
    const struct {
        QMap<QString, QString> variables;
        const char* language;
    } cases[] = {
        {{}, "de"},
        {{{"LANG", "C"}}, "de"},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "en"}}, "de"}, // the C locale shows no translation
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "en_US.UTF-8"}}, "en"},
        {{{"LANG", "fr_FR.UTF-8"}}, "de"}, // no catalogue
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "en_US.UTF-8"}}, "en"},
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "de_AT.UTF-8"}}, "de"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}, "en"},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:en"}}, "de"}, // only the first counts
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Catalogues::systemLanguage(environment(c.variables)), QLatin1String(c.language))
            << QStringList(c.variables.keys()).join(u',').toStdString() << " = "
            << QStringList(c.variables.values()).join(u',').toStdString();
    }
}

TEST(LanguageTest, TheRememberedChoiceWinsOverTheSystemAndTheToolkitsTextsFollow) {
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("settings.conf")), QSettings::IniFormat);
    const auto english = environment({{"LANG", "en_US.UTF-8"}});
    const auto german = environment({{"LANG", "de_DE.UTF-8"}});
    EXPECT_EQ(LanguageChoice(&store, english).startLanguage(), QStringLiteral("en"));

    LanguageChoice(&store, german).choose(QStringLiteral("en"));
    EXPECT_EQ(LanguageChoice(&store, german).startLanguage(), QStringLiteral("en"));
    EXPECT_EQ(Catalogues::installed(), QStringLiteral("en"));

    // A choice the program no longer has is no choice.
    store.setValue(QLatin1String(LanguageChoice::kKey), QStringLiteral("tlh"));
    EXPECT_EQ(LanguageChoice(&store, german).startLanguage(), QStringLiteral("de"));
    EXPECT_FALSE(LanguageChoice(&store, german).choose(QStringLiteral("tlh")));
    EXPECT_EQ(Catalogues::installed(), QStringLiteral("en"));

    // The toolkit's own texts follow; English needs no catalogue, so the German ones go.
    const auto no = [] {
        QMessageBox box(QMessageBox::Question, QString(), QStringLiteral("?"), QMessageBox::No);
        return box.button(QMessageBox::No)->text();
    };
    LanguageChoice().apply(QStringLiteral("de"));
    EXPECT_EQ(no(), "&Nein") << "German catalogues missing in "
                             << ToolkitTexts::folder().toStdString();
    ToolkitTexts::install(QStringLiteral("en")); // the test program's start: no toolkit catalogue
    EXPECT_EQ(no(), "&No");
}

} // namespace
} // namespace vozavero
