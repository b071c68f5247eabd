// Timer-driven simulation loop: each tick asks the pacer for passes and carries them out through
// the hooks until one frame is drawn, then returns to the event loop until the next tick.
#include "SimulationLoop.h"

#include "NumericError.h"

#include <utility>

namespace vozavero {

SimulationLoop::SimulationLoop(const Clock& clock, std::int32_t& stepSize, Hooks hooks,
                               QObject* parent)
    : QObject(parent)
    , clock_(clock)
    , pacer_(passClock_)
    , stepSize_(stepSize)
    , hooks_(std::move(hooks))
    , timer_(this) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &SimulationLoop::runTick);
}

void SimulationLoop::start() {
    if (ended_) {
        return;
    }
    passClock_.now = clock_.secondsSinceMidnight();
    lastTick_ = passClock_.now;
    pacer_.start();
    timer_.start();
    // The first frame need not wait a whole tick.
    QTimer::singleShot(0, this, &SimulationLoop::runTick);
}

void SimulationLoop::runTick() {
    if (ended_ || inTick_ || (hooks_.paused && hooks_.paused())) {
        return;
    }
    inTick_ = true;
    try {
        // The passes of a continuously running loop would have happened all along since the
        // last tick; replaying them at short intervals makes each step at the moment it fell
        // due, so that halving the pacing window never throws away steps that were still owed.
        const double now = clock_.secondsSinceMidnight();
        const double gap = now - lastTick_;
        int steps = 0;
        bool running = true;
        if (gap > 0.0 && gap <= kLongestReplay) {
            for (double moment = lastTick_ + kPassSlice; running && moment < now;
                 moment += kPassSlice) {
                running = passesAt(moment, false, steps);
            }
        }
        lastTick_ = now;
        if (running) {
            passesAt(now, true, steps);
        }
    } catch (const NumericError&) {
        // A numerical error ends the loop's handler, and with it the simulation; the window
        // itself stays usable.
        timer_.stop();
        ended_ = true;
    }
    inTick_ = false;
}

bool SimulationLoop::passesAt(double moment, bool frameWanted, int& steps) {
    passClock_.now = moment;
    while (steps < kMaxStepsPerTick) {
        const double speed = hooks_.speed ? hooks_.speed() : 0.0;
        const LoopPacer::Pass pass = pacer_.pass(speed, stepSize_, frameWanted);
        if (pass.stepSizeRaised && hooks_.stepSizeRaised) {
            hooks_.stepSizeRaised();
        }
        bool momentDone = false;
        switch (pass.action) {
        case LoopPacer::Action::Step:
            if (hooks_.step) {
                hooks_.step();
            }
            ++steps;
            ++stepsMade_;
            break;
        case LoopPacer::Action::Frame:
        case LoopPacer::Action::UncountedFrame:
            if (hooks_.frame) {
                hooks_.frame(pass.action == LoopPacer::Action::Frame);
            }
            ++framesDrawn_;
            momentDone = true;
            break;
        case LoopPacer::Action::Idle:
            return true; // a moment without work: quitting is seen at the next step or frame
        }
        if (hooks_.quitRequested && hooks_.quitRequested()) {
            timer_.stop();
            ended_ = true;
            inTick_ = false;
            if (hooks_.quit) {
                hooks_.quit();
            }
            return false;
        }
        if (momentDone) {
            return true;
        }
    }
    return false; // the step bound of one tick is reached: no frame this tick
}

} // namespace vozavero
