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

void PacedRun::runSeconds(int seconds, double usableWidth) {
    for (int s = 0; s < seconds; ++s) {
        for (int m = 0; m < kMomentsPerSecond; ++m) {
            clock_.advance(1.0 / kMomentsPerSecond);
            ++moment_;
            passesNow(moment_ % kMomentsPerFrame == 0);
        }
        experiment_.measuringTick(usableWidth);
    }
}

void PacedRun::passesNow(bool frameWanted) {
    for (int steps = 0; steps < kMaxStepsPerMoment; ++steps) {
        const LoopPacer::Pass pass =
            pacer_.pass(experiment_.settings().speed, experiment_.stepSize(), frameWanted);
        if (pass.stepSizeRaised) {
            experiment_.initialiseParticles(true);
        }
        switch (pass.action) {
        case LoopPacer::Action::Step:
            experiment_.engine().advanceParticles();
            ++stepsMade_;
            break;
        case LoopPacer::Action::Frame:
        case LoopPacer::Action::UncountedFrame:
            if (frame) {
                frame(pass.action == LoopPacer::Action::Frame);
            }
            return;
        case LoopPacer::Action::Idle:
            return;
        }
    }
}

} // namespace vozavero
