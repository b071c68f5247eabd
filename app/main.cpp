// Program entry: creates the application, puts the toolkit's texts into German, creates the
// framework services and the main window, whose load handler decides whether the program runs.
// With the environment variable VOZAVERO_QUIT_AFTER_START set to a number of milliseconds (or to
// anything else for one second) the window closes itself that long after start-up, so that an
// installation can be checked to start without a person. "--help" and "--version" are answered
// before anything needs a display.
#include "GermanToolkitTexts.h"
#include "MainWindow.h"
#include "SingleInstance.h"
#include "framework/QtFrameworkServices.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    if (const std::optional<QString> text = vozavero::CommandLine::information(argc, argv)) {
        std::fputs(qUtf8Printable(*text), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vozavero"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/app.png")));
    if (!vozavero::GermanToolkitTexts::install(app)) {
        std::fprintf(stderr,
                     "vozavero: no German toolkit catalogues in %s; dialogs keep English texts "
                     "(package qt6-translations-l10n)\n",
                     qPrintable(vozavero::GermanToolkitTexts::folder()));
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

    vozavero::MainWindow window(env);
    services.setParent(&window);
    if (!window.formLoad()) {
        return 0;
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
