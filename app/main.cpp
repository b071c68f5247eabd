// Program entry: creates the application, the framework services and the main window, whose
// load handler decides whether the program runs.
#include "MainWindow.h"
#include "SingleInstance.h"
#include "framework/QtFrameworkServices.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vozavero"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/app.png")));

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
    return QApplication::exec();
}
