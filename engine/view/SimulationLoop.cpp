// Timer-driven simulation loop: each tick replays the passes of a spinning loop in virtual time
// up to the present and draws the frame of the present moment.
#include "SimulationLoop.h"

#include "NumericError.h"

#include <algorithm>
#include <utility>

namespace vozavero {

SimulationLoop::SimulationLoop(const Clock& clock, Hooks hooks, QObject* parent)
    : QObject(parent)
    , clock_(clock)
    , pacer_(passClock_)
    , hooks_(std::move(hooks))
    , timer_(this) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kTickMs);
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
    timer_.start();
    // The first frame need not wait a whole tick.
    QTimer::singleShot(0, this, &SimulationLoop::runTick);
}

void SimulationLoop::runTick() {
    if (!started_ || ended_ || inTick_) {
        return;
    }
    inTick_ = true;
    try {
        const double now = clock_.secondsSinceMidnight();
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
