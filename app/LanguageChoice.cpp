// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The start language from the remembered choice or the system, and applying a language.
#include "LanguageChoice.h"

#include "ToolkitTexts.h"

#include <QSettings>

namespace vozavero {

LanguageChoice::LanguageChoice(QSettings* store, Catalogues::Environment environment)
    : store_(store)
    , environment_(std::move(environment)) {}

QString LanguageChoice::startLanguage() const {
    if (store_ != nullptr) {
        const QString chosen = store_->value(QLatin1String(kKey)).toString();
        if (Catalogues::languages().contains(chosen)) {
            return chosen;
        }
    }
    return environment_ ? Catalogues::systemLanguage(environment_) : Catalogues::systemLanguage();
}

bool LanguageChoice::apply(const QString& language) const {
    if (!Catalogues::install(language)) {
        return false;
    }
    return ToolkitTexts::install(language);
}

bool LanguageChoice::choose(const QString& language) const {
    const bool applied = apply(language);
    if (store_ != nullptr && Catalogues::installed() == language) {
        store_->setValue(QLatin1String(kKey), language);
        store_->sync();
    }
    return applied;
}

} // namespace vozavero
