#pragma once
// Drives the simulation on the toolkit's event loop. A precise timer ticks at the display's pace;
// each tick replays, in a virtual time, the passes that a loop spinning without pause would have
// made since the last tick: a motion step whenever the pacer finds the steps behind schedule
// (taking as long as the step really took), otherwise a frame pass of one millisecond. Only the
// frame that reaches the present is drawn; the others are counted by the pacer as a spinning loop
// would count them. So the rates and window rules hold without spinning a core, real step cost
// still starves frames and raises stepSize, and handlers of other events always run between two
// steps or frames. The timer also fires inside the nested event loops of modal boxes, so the
// particles move on behind every dialog.
#include "LoopPacer.h"

#include <QObject>
#include <QTimer>
#include <functional>

namespace vozavero {

class SimulationLoop : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<double()> speed;           ///< current speed setting
        std::function<std::int32_t()> stepSize;  ///< current step size (cells per step)
        std::function<void()> step;              ///< one motion step
        std::function<void(bool counted)> frame; ///< draw a frame; counted frames update read-outs
        std::function<void()> raiseStepSize;     ///< grow the step size by one and re-initialise
        std::function<bool()> quitRequested;     ///< checked after every step or frame
        std::function<void()> quit;              ///< ends the program
    };

    SimulationLoop(const Clock& clock, Hooks hooks, QObject* parent = nullptr);

    /// Starts the passes (the loop's entry).
    void start();
    bool running() const { return timer_.isActive(); }
    /// Replays the passes due since the last tick and draws the frame of the present moment;
    /// what one timer tick does. Does nothing before start, inside another tick or after the end.
    /// A NumericError from a hook ends the loop (the timer stops) without quitting the program.
    /// Public so that tests can drive the loop with a scripted clock, and so that the measuring
    /// interval can bring the particles up to the present before it reads the impacts.
    void runTick();

    /// Milliseconds between ticks.
    static constexpr int kTickMs = 15;
    /// Safety bound on steps in one tick, so that a huge speed cannot stall the window.
    static constexpr int kMaxStepsPerTick = 2000;
    /// Seconds one frame pass of the emulated spinning loop takes.
    static constexpr double kPassSlice = 0.001;
    /// Longest gap (seconds) outside the loop that is replayed; a longer one (the event loop was
    /// blocked) is a hold-up: the particles stood still, and a fresh window starts.
    static constexpr double kLongestReplay = 0.25;
    /// Seconds of real time one tick may spend on steps before it returns to the event loop; the
    /// passes still due are replayed at the next tick.
    static constexpr double kTickBudget = 0.1;

    const LoopPacer& pacer() const { return pacer_; }
    /// Motion steps made since the loop was created.
    long stepsMade() const { return stepsMade_; }
    /// Frames drawn (counted or not) since the loop was created.
    long framesDrawn() const { return framesDrawn_; }
    /// Hold-ups seen since the loop was created: gaps between ticks longer than kLongestReplay,
    /// during which the particles could not move.
    long holdUps() const { return holdUps_; }

private:
    /// The time of day the pacer sees: the virtual time of the pass being replayed.
    struct PassClock : Clock {
        double now = 0.0;
        double secondsSinceMidnight() const override { return now; }
    };
    /// Makes passes from the virtual time up to the present moment `now` and draws the frame of
    /// that moment; stops early at the step bound, the time budget or the end of the loop.
    void passesUntil(double now);
    /// Ends the loop when quitting was requested; returns true when it did.
    bool endIfQuitRequested();

    const Clock& clock_;
    PassClock passClock_;
    /// Real time at which the last tick ended (seconds since midnight).
    double lastTickEnd_ = 0.0;
    LoopPacer pacer_;
    Hooks hooks_;
    QTimer timer_;
    bool started_ = false;
    bool ended_ = false;
    /// Set while runTick runs, so that a hook that spins the event loop cannot nest a tick.
    bool inTick_ = false;
    long stepsMade_ = 0;
    long framesDrawn_ = 0;
    long holdUps_ = 0;
};

} // namespace vozavero
