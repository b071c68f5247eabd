// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Keeps the recovery copy at the path given: a long lesson's (3000 rows), then a row every
// millisecond, so that the copy is written without pause. Says "ready" once the first is on disk.
#include "Experiment.h"
#include "RecoveryCopy.h"
#include "SeededRandom.h"
#include "SimulatedClock.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    vozavero::SeededRandom random(18);
    vozavero::SimulatedClock clock(36000.0);
    vozavero::Experiment experiment(random, clock);
    experiment.start();
    experiment.setMeasuringInterval(1);
    vozavero::RecoveryCopy copy(experiment, QString::fromLocal8Bit(argv[argc - 1]));
    for (int row = 0; row < 3000; ++row) {
        experiment.measuringTick();
    }
    copy.waitWritten();
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        experiment.measuringTick();
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
}
