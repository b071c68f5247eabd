// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The language the program speaks: the one chosen in the language menu, remembered per user,
// else the first language of the user's system when the program has a catalogue for it, else
// German. A language is applied to the program's own texts and to the toolkit's at once; every
// window then shows its texts anew on the toolkit's language-change event.
#pragma once
#include "Catalogues.h"

#include <QString>

class QSettings;

namespace vozavero {

class LanguageChoice {
public:
    /// The key of the choice in the user's settings.
    static constexpr const char* kKey = "language";

    /// store keeps the choice; without one nothing is read or remembered. environment reads
    /// the system's language settings.
    explicit LanguageChoice(QSettings* store = nullptr, Catalogues::Environment environment = {});

    /// The language to start in: the remembered one while the program still has it, else the
    /// system's.
    QString startLanguage() const;
    /// Shows the program's and the toolkit's texts in language from now on. Returns false when
    /// the toolkit has no catalogue for it (its dialogs keep their English texts).
    bool apply(const QString& language) const;
    /// Applies language and remembers it as the user's choice.
    bool choose(const QString& language) const;

private:
    QSettings* store_;
    Catalogues::Environment environment_;
};

} // namespace vozavero
