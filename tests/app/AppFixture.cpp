#include "AppFixture.h"

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

} // namespace vozavero
