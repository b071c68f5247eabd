// A program for the kill test: keeps the recovery copy of an experiment at the path given as its
// argument, first with the series of a long lesson (3000 rows), and then records a row every
// millisecond, so that the writing thread writes the copy without pause. Prints "ready" once the
// first copy is on disk; never ends by itself.
#include "Experiment.h"
#include "RecoveryCopy.h"
#include "SeededRandom.h"
#include "SimulatedClock.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: recovery_write_child COPY\n");
        return 2;
    }
    vozavero::SeededRandom random(18);
    vozavero::SimulatedClock clock(36000.0);
    vozavero::Experiment experiment(random, clock);
    experiment.start();
    experiment.setMeasuringInterval(1);
    vozavero::RecoveryCopy copy(experiment, QString::fromLocal8Bit(argv[1]));
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
