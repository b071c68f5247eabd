// Timer-driven simulation loop: each tick asks the pacer for passes and carries them out through
// the hooks until one frame is drawn, then returns to the event loop until the next tick.
#include "SimulationLoop.h"

#include "NumericError.h"

#include <utility>

namespace vozavero {

SimulationLoop::SimulationLoop(const Clock& clock, std::int32_t& stepSize, Hooks hooks,
                               QObject* parent)
    : QObject(parent)
    , pacer_(clock)
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
        int steps = 0;
        bool frameDrawn = false;
        while (!frameDrawn && steps < kMaxStepsPerTick) {
            const double speed = hooks_.speed ? hooks_.speed() : 0.0;
            const LoopPacer::Pass pass = pacer_.pass(speed, stepSize_);
            if (pass.stepSizeRaised && hooks_.stepSizeRaised) {
                hooks_.stepSizeRaised();
            }
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
                frameDrawn = true;
                ++framesDrawn_;
                break;
            }
            if (hooks_.quitRequested && hooks_.quitRequested()) {
                timer_.stop();
                ended_ = true;
                inTick_ = false;
                if (hooks_.quit) {
                    hooks_.quit();
                }
                return;
            }
        }
    } catch (const NumericError&) {
        // A numerical error ends the loop's handler, and with it the simulation; the window
        // itself stays usable.
        timer_.stop();
        ended_ = true;
    }
    inTick_ = false;
}

} // namespace vozavero
