// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Reading the testing aids from the environment.
#include "TestingAids.h"

#include "MeasuringInterval.h"

#include <QtGlobal>
#include <algorithm>

namespace vozavero {

int TestingAids::measuringInterval() {
    const int seconds = qEnvironmentVariableIntValue("VOZAVERO_TEST_INTERVAL");
    const auto& choices = MeasuringInterval::kChoices;
    return std::find(choices.begin(), choices.end(), seconds) != choices.end() ? seconds : 0;
}

std::optional<bool> TestingAids::recoveryAnswer() {
    const QByteArray answer = qgetenv("VOZAVERO_TEST_RECOVERY_ANSWER").toLower();
    if (answer == "ja") {
        return true;
    }
    if (answer == "nein") {
        return false;
    }
    return std::nullopt;
}

} // namespace vozavero
