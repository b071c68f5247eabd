// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Simulated seconds of an experiment: pacer passes each millisecond, measuring ticks each second.
#include "PacedRun.h"

namespace vozavero {

namespace {

/// Safety bound on steps at one moment, as in the window's loop.
constexpr int kMaxStepsPerMoment = 2000;

} // namespace

PacedRun::PacedRun(Experiment& experiment, SimulatedClock& clock)
    : experiment_(experiment)
    , clock_(clock)
    , pacer_(clock) {}

void PacedRun::start() {
    pacer_.start();
}

void PacedRun::runSeconds(int seconds) {
    for (int s = 0; s < seconds; ++s) {
        for (int m = 0; m < kMomentsPerSecond; ++m) {
            clock_.advance(1.0 / kMomentsPerSecond);
            passesNow();
        }
        experiment_.measuringTick();
    }
}

void PacedRun::passesNow() {
    // A spinning loop: steps while behind schedule, then one frame pass, which the pacer counts.
    for (int steps = 0; steps < kMaxStepsPerMoment; ++steps) {
        const LoopPacer::Pass pass =
            pacer_.pass(experiment_.settings().speed, experiment_.stepSize());
        if (pass.stepSizeRaised) {
            experiment_.raiseStepSize();
        }
        if (pass.action == LoopPacer::Action::Step) {
            experiment_.advanceParticles();
            continue;
        }
        return;
    }
}

} // namespace vozavero
