// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
#include "AppFixture.h"
#include "OptionsAutoDialog.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QtGui/qtestsupport_gui.h>

namespace vozavero {

void mouse(QWidget* w, QEvent::Type type, QPointF at) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void press(QWidget* w, QPointF at) {
    mouse(w, QEvent::MouseButtonPress, at);
    mouse(w, QEvent::MouseButtonRelease, at);
}

void touchAlong(QWidget* w, std::initializer_list<QPointF> path) {
    static QPointingDevice* screen = QTest::createTouchDevice();
    QWindow* window = w->window()->windowHandle();
    QEventPoint::State state = QEventPoint::State::Pressed;
    QPointF last;
    for (const QPointF& at : path) {
        last = w->mapToGlobal(at);
        qt_handleTouchEvent(window, screen, {QEventPoint(1, state, {}, last)});
        QCoreApplication::processEvents();
        state = QEventPoint::State::Updated;
    }
    qt_handleTouchEvent(window, screen, {QEventPoint(1, QEventPoint::State::Released, {}, last)});
    QCoreApplication::processEvents();
}

QString stateOf(MainWindow& w) {
    const Experiment& e = w.experiment();
    const SimulationSettings& s = e.settings();
    const EngineCopy copy = e.engine().engineCopy();
    QStringList facts;
    for (const double fact :
         {s.particleCount, s.speed, e.cylinderWidth(), double(s.pistonPosition),
          double(s.measuringInterval), double(s.recordingEnabled), double(copy.particleCount),
          double(copy.speed), double(copy.pistonPosition), double(e.engine().impactCount()),
          double(e.shownRegression().has_value()), double(e.automatic().on()), double(w.viewMode()),
          double(w.findChild<QWidget*>("pic_Schieber")->x())}) {
        facts << QString::number(fact);
    }
    for (const char* name : {"AnzT(1)", "AnzT(2)", "AnzT(3)"}) {
        facts << w.findChild<QLabel*>(name)->text();
    }
    for (const Particle& p : e.engine().particles()) {
        facts << QStringLiteral("%1,%2,%3").arg(p.x).arg(p.y).arg(p.direction);
    }
    for (const auto& chart : RecordingExperiment::pointsOf(e.document())) {
        for (const QPointF& p : chart) {
            facts << QStringLiteral("%1:%2").arg(p.x()).arg(p.y());
        }
        facts << QStringLiteral("|");
    }
    return facts.join(u' ');
}

AppFixture::Twin::Twin() {
    MainWindow::Environment env = WindowEnvironment::of(services, clock, random);
    env.twips = Twips{15.0, 15.0};
    window = std::make_unique<MainWindow>(env);
    window->formLoad();
}

bool AppFixture::start(const CommandLine& commandLine, bool otherInstance) {
    MainWindow::Environment env = WindowEnvironment::of(services, clock, random);
    env.twips = Twips{15.0, 15.0};
    env.commandLine = commandLine;
    env.otherInstanceRunning = [otherInstance] { return otherInstance; };
    env.quit = [this] { ++quitCalls; };
    env.instance = instance;
    env.recoveryFolder = recoveryFolder;
    window = std::make_unique<MainWindow>(env);
    return window->formLoad();
}

int AppFixture::withOptionsDialog(const QString& action,
                                  const std::function<void(OptionsAutoDialog*)>& inside) {
    int seen = 0;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<OptionsAutoDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        ++seen;
        inside(d);
    });
    trigger(action);
    return seen;
}

void AppFixture::advance(double seconds) {
    // Whole ticks, so that repeated calls do not drift against the measuring seconds.
    const int ticks = static_cast<int>(seconds / kTick + 0.5);
    for (int i = 0; i < ticks; ++i) {
        clock.advance(kTick);
        beforeTick();
        window->timers().loop()->runTick();
        afterTick();
        sinceMeasuringTick += kTick;
        if (sinceMeasuringTick >= 1.0 - 1e-9) {
            sinceMeasuringTick -= 1.0;
            measuringSecond();
        }
    }
}

} // namespace vozavero
