// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Timer-driven simulation loop: each tick replays the passes of a spinning loop in virtual time
// up to the present and draws the frame of the present moment, then sleeps until work is due.
#include "SimulationLoop.h"

#include "NumericError.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vozavero {

SimulationLoop::SimulationLoop(const Clock& clock, Hooks hooks, QObject* parent)
    : QObject(parent)
    , clock_(clock)
    , pacer_(passClock_)
    , hooks_(std::move(hooks))
    , timer_(this) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &SimulationLoop::runTick);
}

void SimulationLoop::start() {
    if (ended_ || started_) {
        return;
    }
    started_ = true;
    passClock_.now = clock_.secondsSinceMidnight();
    lastTickEnd_ = passClock_.now;
    pacer_.start();
    // The first frame need not wait a whole tick.
    timer_.start(0);
}

void SimulationLoop::wake() {
    if (running() && !inTick_) {
        timer_.start(0);
    }
}

void SimulationLoop::runTick() {
    if (!started_ || ended_ || inTick_) {
        return;
    }
    inTick_ = true;
    try {
        const double now = clock_.secondsSinceMidnight();
        lastTickStart_ = now;
        const double gap = now - lastTickEnd_;
        if (gap < 0.0 || gap > kLongestReplay) {
            // The event loop was blocked (or the clock passed midnight): no pass could run, so
            // the particles stood still. Replaying the gap would compress it into a burst of
            // steps, and its empty frame count would raise stepSize; go on from now instead.
            if (gap > kLongestReplay) {
                ++holdUps_;
            }
            passClock_.now = now;
            pacer_.start();
        } else if (now - passClock_.now > kLongestReplay) {
            // Under a lasting overload the passes fall behind the present; owe at most a
            // replay's worth, so that one tick stays short.
            passClock_.now = now - kLongestReplay;
        }
        passesUntil(now);
        if (!ended_) {
            scheduleNextTick();
        }
    } catch (const NumericError&) {
        // A numerical error ends the loop's handler, and with it the simulation; the window
        // itself stays usable.
        timer_.stop();
        ended_ = true;
    }
    lastTickEnd_ = clock_.secondsSinceMidnight();
    inTick_ = false;
}

void SimulationLoop::passesUntil(double now) {
    const double budgetEnd = clock_.secondsSinceMidnight() + kTickBudget;
    int steps = 0;
    for (;;) {
        const double speed = hooks_.speed ? hooks_.speed() : 0.0;
        const LoopPacer::Pass pass = pacer_.pass(speed, hooks_.stepSize ? hooks_.stepSize() : 1);
        if (pass.stepSizeRaised && hooks_.raiseStepSize) {
            hooks_.raiseStepSize();
        }
        if (pass.action == LoopPacer::Action::Step) {
            // The step takes as long as it really takes; a spinning loop would have spent that
            // time on it too.
            const double before = clock_.secondsSinceMidnight();
            if (hooks_.step) {
                hooks_.step();
            }
            const double cost = clock_.secondsSinceMidnight() - before;
            if (cost > 0.0 && cost <= kLongestReplay) {
                passClock_.now += cost;
            }
            ++steps;
            ++stepsMade_;
            if (endIfQuitRequested() || steps >= kMaxStepsPerTick ||
                clock_.secondsSinceMidnight() > budgetEnd) {
                return;
            }
            continue;
        }
        if (passClock_.now >= now) {
            if (hooks_.frame) {
                hooks_.frame(pass.action == LoopPacer::Action::Frame);
            }
            ++framesDrawn_;
            // The passes stay at this moment until time moves on: a second tick at the same
            // instant draws again but never steps ahead of the clock.
            endIfQuitRequested();
            return;
        }
        // A frame pass before the present: the pacer has counted it, nothing is drawn.
        passClock_.now = std::min(passClock_.now + kPassSlice, now);
    }
}

void SimulationLoop::scheduleNextTick() {
    const double now = clock_.secondsSinceMidnight();
    const double earliest = lastTickStart_ + kFramePaceMs / 1000.0;
    const double latest = std::max(now + kLongestSleep, earliest);
    const double due = std::clamp(nextStepDue(latest), earliest, latest);
    // Rounded up, so that the tick never comes before the step it is for: an early tick would
    // find nothing to do and need another one. (Less a hair, so that a sum a hair above a whole
    // millisecond, such as 25.0000000004, is not rounded up to the next.)
    const double ms = std::ceil((due - now) * 1000.0 - 1e-6);
    timer_.start(ms > 0.0 ? static_cast<int>(ms) : 0);
}

double SimulationLoop::nextStepDue(double limit) {
    const double speed = hooks_.speed ? hooks_.speed() : 0.0;
    const std::int32_t stepSize = hooks_.stepSize ? hooks_.stepSize() : 1;
    LoopPacer probe = pacer_;
    const double present = passClock_.now;
    double due = limit;
    // The same pass moments as the tick will replay: the present pass, then one per slice.
    for (double t = present; t < limit; t += kPassSlice) {
        passClock_.now = t;
        const LoopPacer::Pass pass = probe.pass(speed, stepSize);
        if (pass.action == LoopPacer::Action::Step || pass.stepSizeRaised) {
            due = t;
            break;
        }
    }
    passClock_.now = present;
    return due;
}

bool SimulationLoop::endIfQuitRequested() {
    if (!hooks_.quitRequested || !hooks_.quitRequested()) {
        return false;
    }
    timer_.stop();
    ended_ = true;
    if (hooks_.quit) {
        hooks_.quit();
    }
    return true;
}

} // namespace vozavero
