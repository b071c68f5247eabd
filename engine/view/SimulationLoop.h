#pragma once
// Drives the simulation on the toolkit's event loop: a precise timer at the display's pace runs
// loop passes (motion steps while behind schedule, then one frame) and idles between ticks, so
// the rates and window rules of the pacer hold without spinning a core. Handlers of other events
// therefore always run between two steps or frames.
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
        std::function<void()> step;              ///< one motion step
        std::function<void(bool counted)> frame; ///< draw a frame; counted frames update read-outs
        std::function<void()> stepSizeRaised;    ///< re-initialise after stepSize grew
        std::function<bool()> quitRequested;     ///< checked after every pass
        std::function<void()> quit;              ///< ends the program
        std::function<bool()> paused;            ///< true while a modal box holds the loop
    };

    SimulationLoop(const Clock& clock, std::int32_t& stepSize, Hooks hooks,
                   QObject* parent = nullptr);

    /// Starts the passes (the loop's entry).
    void start();
    bool running() const { return timer_.isActive(); }
    /// Runs passes until a frame has been drawn, quitting was requested or kMaxStepsPerTick steps
    /// were made; what one timer tick does. Does nothing while paused or after the end. A
    /// NumericError from a hook ends the loop (the timer stops) without quitting the program.
    /// Public so that tests can drive the loop with a scripted clock.
    void runTick();
    /// Milliseconds between ticks.
    static constexpr int kTickMs = 15;
    /// Safety bound on steps in one tick, so that a huge speed cannot stall the window.
    static constexpr int kMaxStepsPerTick = 2000;
    /// Seconds between the moments at which a tick replays the passes since the last tick.
    static constexpr double kPassSlice = 0.001;
    /// Longest gap (seconds) between ticks that is replayed in slices; after a longer hold-up
    /// (a modal box) the passes go on from the present moment only.
    static constexpr double kLongestReplay = 0.25;

    const LoopPacer& pacer() const { return pacer_; }
    /// Motion steps made since the loop was created.
    long stepsMade() const { return stepsMade_; }
    /// Frames drawn (counted or not) since the loop was created.
    long framesDrawn() const { return framesDrawn_; }

private:
    /// The time of day the pacer sees: the real time, or a moment between two ticks while a
    /// tick replays the steps that fell due since the last one.
    struct PassClock : Clock {
        double now = 0.0;
        double secondsSinceMidnight() const override { return now; }
    };
    /// Passes of one moment: steps while behind schedule, then a frame when frameWanted.
    /// Returns false when the loop ended (quit or step bound handled by the caller).
    bool passesAt(double moment, bool frameWanted, int& steps);

    const Clock& clock_;
    PassClock passClock_;
    double lastTick_ = 0.0;
    LoopPacer pacer_;
    std::int32_t& stepSize_;
    Hooks hooks_;
    QTimer timer_;
    bool ended_ = false;
    /// Set while runTick runs, so that a hook that spins the event loop cannot nest a tick.
    bool inTick_ = false;
    long stepsMade_ = 0;
    long framesDrawn_ = 0;
};

} // namespace vozavero
