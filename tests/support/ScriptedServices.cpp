// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
#include "ScriptedServices.h"

namespace vozavero {

void ScriptedServices::inputAid(QLineEdit* field, const QString& caption) {
    inputAidCaptions.append(caption);
    if (inputAidEdit && field != nullptr) {
        field->setText(inputAidEdit(field->text()));
    }
}

} // namespace vozavero
