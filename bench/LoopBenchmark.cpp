// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Runs the real main window on the current platform (offscreen unless told otherwise) for a fixed
// time in several settings and prints, for each, the motion steps per second against the target,
// the frames the loop drew and the gas space painted per second, the final step size and the
// processor time used as a share of one core. The last four run a long lesson: a series of 2700
// rows (45 minutes at 1 s) taken up again with a row every second, once without and once with the
// recovery copy, which is then written every second; their lines also give the copies written.
//
//   build/bench/loop_bench [seconds per setting, default 10]
#include "CylinderView.h"
#include "MainWindow.h"
#include "SeededRandom.h"
#include "SimulatedClock.h"
#include "SimulationLoop.h"
#include "SingleInstance.h"
#include "framework/QtFrameworkServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void runEvents(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

/// The series of a long lesson: rows of one second on a simulated clock.
std::unique_ptr<vozavero::Experiment> longLesson(int rows, vozavero::SeededRandom& random,
                                                 vozavero::SimulatedClock& clock) {
    auto lesson = std::make_unique<vozavero::Experiment>(random, clock);
    lesson->start();
    lesson->setMeasuringInterval(1);
    for (int row = 0; row < rows; ++row) {
        lesson->measuringTick();
    }
    return lesson;
}

enum class Lesson { None, WithoutCopy, WithCopy };

void measure(const char* name, double count, double speed, double width, double seconds,
             Lesson lesson = Lesson::None) {
    vozavero::SystemClock clock;
    vozavero::UniformRandom random;
    vozavero::QtFrameworkServices services;
    auto env = vozavero::MainWindow::Environment::of(services, clock, random);
    QTemporaryDir folder;
    std::unique_ptr<vozavero::SingleInstance> instance;
    if (lesson == Lesson::WithCopy) {
        instance = std::make_unique<vozavero::SingleInstance>(folder.path());
        env.instance = [&instance] { return instance.get(); };
        env.recoveryFolder = folder.filePath(QStringLiteral("recovery"));
    }
    QElapsedTimer startUp;
    startUp.start();
    vozavero::MainWindow window(env);
    window.formLoad();
    const double startUpMs = static_cast<double>(startUp.nsecsElapsed()) / 1e6;
    vozavero::Experiment& experiment = window.experiment();
    if (lesson != Lesson::None) {
        vozavero::SeededRandom lessonRandom(1);
        vozavero::SimulatedClock lessonClock;
        experiment.openSeries(longLesson(2700, lessonRandom, lessonClock)->document(), nullptr);
        experiment.setRecording(true);
        experiment.setMeasuringInterval(1);
    }
    experiment.setQuantity(vozavero::QuantityId::Count, count, vozavero::ChangeOrigin::Gauge);
    experiment.setQuantity(vozavero::QuantityId::Speed, speed, vozavero::ChangeOrigin::Gauge);
    experiment.setQuantity(vozavero::QuantityId::Volume, width, vozavero::ChangeOrigin::Piston);

    runEvents(1.0); // start-up and the first pacing window
    const int copies0 = window.recovery() ? window.recovery()->copy().written() : 0;
    const auto* loop = window.timers().loop();
    const auto* gasSpace = window.findChild<vozavero::CylinderView*>(QStringLiteral("Bild"));
    const long steps0 = loop->stepsMade();
    const long frames0 = loop->framesDrawn();
    const long paints0 = gasSpace->paints();
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runEvents(seconds);
    const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpu0;
    const double stepsPerSecond = static_cast<double>(loop->stepsMade() - steps0) / elapsed;
    const double target = speed * (10.0 / experiment.stepSize());
    std::printf("%-44s steps/s %8.2f  target %6.1f  (%+.2f %%)  frames/s %6.1f  painted/s %6.1f  "
                "stepSize %d  CPU %5.2f %% of one core  (start-up %.0f ms)",
                name, stepsPerSecond, target, (stepsPerSecond / target - 1.0) * 100.0,
                static_cast<double>(loop->framesDrawn() - frames0) / elapsed,
                static_cast<double>(gasSpace->paints() - paints0) / elapsed,
                static_cast<int>(experiment.stepSize()), cpu / elapsed * 100.0, startUpMs);
    if (lesson != Lesson::None) {
        std::printf("  rows %d", experiment.charts().pressureTimeChart().count());
    }
    if (window.recovery()) {
        std::printf("  copies written %d", window.recovery()->copy().written() - copies0);
        window.recovery()->discard();
    }
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    measure("start values (5, speed 2, 250 px)", 5, 2, 250, seconds);
    measure("maximum (50, speed 30, 50 px)", 50, 30, 50, seconds);
    measure("lesson, start values, no copy", 5, 2, 250, seconds, Lesson::WithoutCopy);
    measure("lesson, start values, recovery copy", 5, 2, 250, seconds, Lesson::WithCopy);
    measure("lesson, maximum, no copy", 50, 30, 50, seconds, Lesson::WithoutCopy);
    measure("lesson, maximum, recovery copy", 50, 30, 50, seconds, Lesson::WithCopy);
    return 0;
}
