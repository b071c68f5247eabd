// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
#include "WindowEnvironment.h"

#include "LanguageChoice.h"

namespace vozavero {

WindowEnvironment WindowEnvironment::of(FrameworkServices& services, const Clock& clock,
                                        RandomSource& random) {
    WindowEnvironment env;
    env.services = &services;
    env.clock = &clock;
    env.random = &random;
    env.otherInstanceRunning = [] { return false; };
    env.quit = [] {};
    env.twips = Twips::ofScreen();
    return env;
}

void WindowEnvironment::forThisRun(const QString& language) {
    LanguageChoice().apply(language);
}

} // namespace vozavero
