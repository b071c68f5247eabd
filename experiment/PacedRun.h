// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Runs an experiment on a simulated clock as the window's loop and measuring timer would on the
// real one: the passes of a spinning loop every millisecond (motion steps while behind schedule,
// else a frame pass the pacer counts) and a measuring tick at every whole second. Nothing waits,
// so a minute of the experiment takes a few milliseconds.
#pragma once
#include "Experiment.h"
#include "LoopPacer.h"
#include "SimulatedClock.h"

namespace vozavero {

class PacedRun {
public:
    /// The experiment must read its time from clock; both must outlive the run.
    PacedRun(Experiment& experiment, SimulatedClock& clock);

    /// Starts the pacer's window at the clock's present time.
    void start();
    /// Runs whole seconds of the experiment, each ending with a measuring tick.
    void runSeconds(int seconds);

    /// Moments per second at which the pacer is asked for passes.
    static constexpr int kMomentsPerSecond = 1000;

private:
    /// The passes of one moment.
    void passesNow();

    Experiment& experiment_;
    SimulatedClock& clock_;
    LoopPacer pacer_;
};

} // namespace vozavero
