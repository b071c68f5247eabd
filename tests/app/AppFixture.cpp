#include "AppFixture.h"
#include "SimulationLoop.h"

#include <QApplication>
#include <QMouseEvent>

namespace vozavero {

AppFixture::Twin::Twin() {
    MainWindow::Environment env;
    env.services = &services;
    env.clock = &clock;
    env.random = &random;
    env.otherInstanceRunning = [] { return false; };
    env.quit = [] {};
    env.twips = Twips{15.0, 15.0};
    window = std::make_unique<MainWindow>(env);
    window->formLoad();
}

void AppFixture::drag(QWidget* w, QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), w->mapToGlobal(QPointF(pos)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

void AppFixture::advance(double seconds) {
    constexpr double kTick = SimulationLoop::kTickMs / 1000.0;
    // Whole ticks, so that repeated calls do not drift against the measuring seconds.
    const int ticks = static_cast<int>(seconds / kTick + 0.5);
    for (int i = 0; i < ticks; ++i) {
        clock.now += kTick;
        window->timers().loop()->runTick();
        sinceMeasuringTick += kTick;
        if (sinceMeasuringTick >= 1.0 - 1e-9) {
            sinceMeasuringTick -= 1.0;
            window->timers().measuringTick();
        }
    }
}

} // namespace vozavero
