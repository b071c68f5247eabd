// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// What the main window needs from outside: the toolkit's services, the clock and the random
// source the experiment runs on, the command line, the single-instance lock and the recovery
// folder, how to quit and how to change the language. The program passes real ones, the tests
// scripted ones.
#pragma once
#include "Clock.h"
#include "CommandLine.h"
#include "RandomSource.h"
#include "SingleInstance.h"
#include "Twips.h"
#include "framework/FrameworkServices.h"

#include <QString>
#include <functional>

namespace vozavero {

struct WindowEnvironment {
    FrameworkServices* services = nullptr;
    const Clock* clock = nullptr;
    RandomSource* random = nullptr;
    CommandLine commandLine;
    /// Whether another instance is already running (asked only in start-up step 1).
    std::function<bool()> otherInstanceRunning;
    /// Ends the program at once (the loop calls it when quitting was requested).
    std::function<void()> quit;
    /// Twips per pixel of the screen.
    Twips twips;
    /// Shows the program in another language; by default for this run only, the program's own
    /// also remembers the choice.
    std::function<void(const QString& language)> chooseLanguage = forThisRun;
    /// This instance (after start-up step 1) and the folder of recovery copies; unset: none.
    std::function<const SingleInstance*()> instance;
    QString recoveryFolder;

    /// An environment for a single window on this screen: no other instance, quitting does
    /// nothing until the caller sets it.
    static WindowEnvironment of(FrameworkServices& services, const Clock& clock,
                                RandomSource& random);
    static void forThisRun(const QString& language);
};

} // namespace vozavero
