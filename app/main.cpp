// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Program entry: creates the application, shows the program's and the toolkit's texts in the
// language chosen before (remembered in the user's settings "Vozavero/Vozavero"), else in the
// system's language when the program has it, else in German, creates the framework services and
// the main window, whose load handler decides whether the program runs.
// With the environment variable VOZAVERO_QUIT_AFTER_START set to a number of milliseconds (or to
// anything else for one second) the window closes itself that long after start-up, so that an
// installation can be checked to start without a person. "--help" and "--version" are answered
// in the same language before anything needs a display. The window keeps its recovery copy in the
// application's data folder under the name of this instance's lock; the testing aids
// (TestingAids) may set the measuring interval after start-up.
#include "LanguageChoice.h"
#include "MainWindow.h"
#include "SingleInstance.h"
#include "TestingAids.h"
#include "ToolkitTexts.h"
#include "framework/QtFrameworkServices.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Vozavero"),
                       QStringLiteral("Vozavero"));
    const vozavero::LanguageChoice language(&settings);
    if (vozavero::CommandLine::information(argc, argv)) {
        const QCoreApplication core(argc, argv);
        vozavero::Catalogues::install(language.startLanguage());
        std::fputs(qUtf8Printable(*vozavero::CommandLine::information(argc, argv)), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vozavero"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/app.png")));
    const QString startLanguage = language.startLanguage();
    if (!language.apply(startLanguage)) {
        std::fprintf(stderr,
                     "vozavero: no toolkit catalogues for \"%s\" in %s; dialogs keep English "
                     "texts (package qt6-translations-l10n)\n",
                     qPrintable(startLanguage), qPrintable(vozavero::ToolkitTexts::folder()));
    }

    vozavero::SystemClock clock;
    vozavero::UniformRandom random;
    vozavero::QtFrameworkServices services;
    std::unique_ptr<vozavero::SingleInstance> instance;

    auto env = vozavero::MainWindow::Environment::of(services, clock, random);
    env.commandLine = vozavero::CommandLine::fromArguments(QApplication::arguments());
    env.otherInstanceRunning = [&instance] {
        // Registers this instance too, also when "/NEW" lets it start beside another.
        instance = std::make_unique<vozavero::SingleInstance>();
        return instance->otherRunning();
    };
    env.quit = [] { QApplication::exit(0); };
    env.chooseLanguage = [&language](const QString& chosen) { language.choose(chosen); };
    env.instance = [&instance] { return instance.get(); };
    env.recoveryFolder = vozavero::RecoveryFolder::standardPath();

    vozavero::MainWindow window(env);
    services.setParent(&window);
    if (!window.formLoad()) {
        return 0;
    }
    if (const int seconds = vozavero::TestingAids::measuringInterval()) {
        window.experiment().setMeasuringInterval(seconds);
    }
    if (qEnvironmentVariableIsSet("VOZAVERO_QUIT_AFTER_START")) {
        bool isNumber = false;
        const int ms = qEnvironmentVariableIntValue("VOZAVERO_QUIT_AFTER_START", &isNumber);
        QTimer::singleShot(isNumber && ms > 0 ? ms : 1000, &window, [&window] {
            std::printf("vozavero: started and shown\n");
            std::fflush(stdout);
            window.close();
        });
    }
    return QApplication::exec();
}
