// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Loop statistics for whoever asks (IT staff, benchmarks): with VOZAVERO_LOOP_STATS=1 in the
// environment, one line per second on standard error with the motion steps and the frames the
// loop drew per second, the step size, the three quantities, the processor time of the process
// over that second as a share of one core, the frames actually painted on screen per second and
// how often per second the main thread was woken. Numbers always use a dot as decimal separator.
#pragma once
#include "SimulationLoop.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

namespace vozavero {

class LoopStats : public QObject {
    Q_OBJECT
public:
    /// The loop's step size and the quantities as set: particle count, speed (cells per tenth
    /// second), width (pixels).
    struct Quantities {
        std::int32_t stepSize = 1;
        double count = 0.0;
        double speed = 0.0;
        double width = 0.0;
    };
    /// What one line reports.
    struct Sample {
        double stepsPerSecond = 0.0;
        double framesPerSecond = 0.0;
        Quantities quantities;
        double cpuPercent = 0.0; ///< processor time over the second, percent of one core
        double paintedPerSecond = 0.0;
        double wakeupsPerSecond = 0.0;
    };

    /// Starts reporting at once; quantities is asked once per line, paints gives the frames
    /// painted on screen so far.
    LoopStats(const SimulationLoop& loop, std::function<Quantities()> quantities,
              std::function<long()> paints, QObject* parent = nullptr);

    /// True when the environment asks for the lines (VOZAVERO_LOOP_STATS=1).
    static bool wanted();
    /// The line, without line end: rates and cpu with one decimal, wake-ups whole, the
    /// quantities in their shortest form ("7.5", "250").
    static std::string line(const Sample& sample);
    /// Processor time used by this process so far, seconds.
    static double processSeconds();
    /// Times the calling thread has gone to sleep and been woken so far (its voluntary context
    /// switches).
    static long threadWakeups();

    /// Where the lines go (standard error unless replaced).
    std::function<void(const std::string&)> sink;

private:
    void report();

    const SimulationLoop& loop_;
    std::function<Quantities()> quantities_;
    std::function<long()> paints_;
    QTimer timer_;
    QElapsedTimer wall_;
    double lastCpu_ = 0.0;
    long lastSteps_ = 0;
    long lastFrames_ = 0;
    long lastPaints_ = 0;
    long lastWakeups_ = 0;
};

} // namespace vozavero
